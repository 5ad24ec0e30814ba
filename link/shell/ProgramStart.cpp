#include "ProgramStart.h"

#include "QtUserInterface.h"
#include "WindowSystem.h"
#include "common/CommandLineMode.h"
#include "common/ProcedureError.h"
#include "common/TextFileViewer.h"
#include "frmMain.h"
#include "instance/HandOverClient.h"
#include "instance/InstanceName.h"
#include "instance/InstanceServer.h"
#include "requests/RequestFlow.h"
#include "startup/CommandLine.h"
#include "startup/CommandLineRole.h"
#include "startup/ParseCommandLine.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace Shell {
namespace {

// Answers one handed-over request in the command-line role.
int AnswerHandedOverRequest(const modStartup::CommandLineValues& values) {
    modStartup::ParseCommandLine(values);
    modCommon::SetCommandLineMode(true);
    try {
        return modNational::ExitStatus(modNational::RunIsoRequest());
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
    }
    return modNational::ExitStatus(modNational::RequestOutcome::RunFailed);
}

// A later start: hands its command line to the running copy. Nothing when this
// process is to answer its request itself.
std::optional<int> HandOverToRunningCopy(HandOverClient& client,
                                         const modStartup::CommandLineValues& values) {
    if (values.inFile.empty()) {
        client.BringToFront();
        return 0;
    }
    modStartup::ParseCommandLine(values);
    return client.HandOverRequest(values);
}

int RunWindow(InstanceServer& server, QtUserInterface& ui,
              const modStartup::CommandLineValues& values) {
    frmMain window;
    ui.SetMainWindow(&window);
    TakeHandOvers(server, window);
    window.Initialize(values);
    window.show();
    const int status = QApplication::exec();
    server.FinishHandOvers();
    server.SetBringToFront({});
    ui.SetMainWindow(nullptr);
    return status;
}

} // namespace

void TakeHandOvers(InstanceServer& server, frmMain& window) {
    server.Queue().SetRunner([&window](const modStartup::CommandLineValues& request) {
        return window.RunHandedOverRequest(request);
    });
    server.SetBringToFront([&window] { window.BringToFront(); });
    window.SetHandOverQueue(&server.Queue());
}

int RunProgram(int argc, char** argv) {
    const modStartup::CommandLineValues values = modStartup::ProgramCommandLine(argc, argv);
    const bool request = !values.inFile.empty();
    const bool display = WindowSystemAvailable();
    const bool onScreen = display && !(request && modUtils::HeadlessRequested());

    // The program's switches are no business of the toolkit's: it sees none.
    int toolkitArgc = 1;
    std::unique_ptr<QCoreApplication> application;
    std::shared_ptr<QtUserInterface> windowUi;
    if (onScreen) {
        application = std::make_unique<QApplication>(toolkitArgc, argv);
        QApplication::setQuitOnLastWindowClosed(true);
        windowUi = std::make_shared<QtUserInterface>();
        LinkUi::SetUi(windowUi);
    } else {
        application = std::make_unique<QCoreApplication>(toolkitArgc, argv);
        LinkUi::SetUi(std::make_shared<HeadlessEventsUserInterface>());
    }

    // A copy that started at the same moment may win the name: then it is the
    // one that runs, and this start hands over to it.
    const QString name = InstanceName();
    const HandOverClient::Bounds bounds = HandOverClient::BoundsFromEnvironment();
    InstanceServer server;
    for (int attempt = 0; attempt < 2 && !server.Listening(); ++attempt) {
        HandOverClient client(bounds);
        if (client.Connect(name)) {
            if (const auto status = HandOverToRunningCopy(client, values))
                return *status;
            return modStartup::RunCommandLineRole(values);
        }
        server.Listen(name);
    }
    if (!server.Listening())
        std::fputs("VantorLink: later starts cannot hand over to this copy\n", stderr);

    if (request) {
        server.Queue().SetRunner(AnswerHandedOverRequest);
        int status = 0;
        {
            const HandOverQueue::Work work(&server.Queue());
            status = modStartup::RunCommandLineRole(values);
        }
        server.FinishHandOvers();
        return status;
    }
    if (!windowUi) {
        std::fputs("VantorLink: no display to open the window on; give a request file (-f) to "
                   "answer a request.\n",
                   stderr);
        std::fputs(modStartup::CommandLineUsage(), stderr);
        return kNoDisplayExitStatus;
    }
    return RunWindow(server, *windowUi, values);
}

} // namespace Shell
