// QelIsoRemote where no window toolkit is built: the relay's steps without the
// dialog, status texts on standard error.

#include "common/Platform.h"
#include "relay/RelayConfig.h"
#include "relay/RelayHeadless.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::string commandLine = Relay::CommandLineText(Platform::ProgramArguments(argc, argv));
    const auto share = Relay::SystemShare();
    Relay::RelayRun run(Relay::ReadRelayConfig(), *share);
    return Relay::RunHeadless(run, commandLine, std::cerr);
}
