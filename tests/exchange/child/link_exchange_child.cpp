// Child program of the exchange tests, started by them or as the ISO application:
//   with LINK_CHILD_HOLD_MS set: opens an exchange session, writes the file
//     "child.started" into the program folder and holds the session that long;
//   otherwise: writes the command line it received (ReceivedCommandLine) as UTF-8
//     into the file named by LINK_CHILD_ECHO_FILE and ends with 0.
#include "ReceivedCommandLine.h"

#include "common/AppFolder.h"
#include "common/Platform.h"
#include "common/TextStream.h"
#include "exchange/ExchangeSession.h"

#include <chrono>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    if (const auto holdMs = Platform::EnvironmentValue("LINK_CHILD_HOLD_MS")) {
        const modMirelCom::ExchangeSession session;
        if (!session.Active())
            return 2;
        WriteFileBytesAtomic(modCommon::AppFolder() + "child.started", "");
        std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(*holdMs)));
        return 0;
    }
    const auto echoFile = Platform::EnvironmentValue("LINK_CHILD_ECHO_FILE");
    if (!echoFile)
        return 1;
    return WriteFileBytesAtomic(*echoFile, ReceivedCommandLine(argc, argv)) ? 0 : 3;
}
