#include "relay/RelayHeadless.h"

#include "common/Platform.h"

#include <thread>

namespace Relay {

int RunHeadless(RelayRun& run, std::string_view commandLine, std::ostream& status) {
    run.onStatus = [&status](const std::string& text) { status << text << std::endl; };
    run.Start(commandLine);
    while (run.Working()) {
        std::this_thread::sleep_for(RelayRun::kTickPeriod);
        run.Tick();
    }
    run.Ok();
    run.onStatus = nullptr;
    return static_cast<int>(run.Exit());
}

bool RunWithoutWindow() {
    return Platform::EnvironmentValue("LINK_HEADLESS").value_or("") == "1" || !DisplayAvailable();
}

} // namespace Relay
