// QelIsoRemote: the relay's progress dialog, or without a display (or with
// LINK_HEADLESS=1) the same steps with the status texts on standard error.

#include "common/Platform.h"
#include "dialog/RelayDialog.h"
#include "relay/RelayConfig.h"
#include "relay/RelayHeadless.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    const std::string commandLine = Relay::CommandLineText(Platform::ProgramArguments(argc, argv));
    const auto share = Relay::SystemShare();
    Relay::RelayRun run(Relay::ReadRelayConfig(), *share);
    if (Relay::RunWithoutWindow())
        return Relay::RunHeadless(run, commandLine, std::cerr);

    // The relay's switches are no business of the toolkit's: it sees none.
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    RelayDialog dialog(run);
    dialog.Begin(commandLine);
    dialog.exec();
    return static_cast<int>(run.Exit());
}
