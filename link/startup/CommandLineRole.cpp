#include "startup/CommandLineRole.h"

#include "common/CommandLineMode.h"
#include "requests/RequestFlow.h"
#include "settings/LinkSettings.h"
#include "startup/ParseCommandLine.h"
#include "startup/ProgramStartup.h"

#include <cstdio>

namespace modStartup {

const char* CommandLineUsage() {
    return "Usage: VantorLink -f REQUEST [-o ANSWER] [-l LOG] [-d DATABASE]\n"
           "       VantorLink -s mirel_dd | -s ziraz_dd   (rebuild dd.ini / ziraz_dd.ini)\n"
           "Answers one ADIS request of the national side: the answer goes to ANSWER\n"
           "(default isoout.txt in the program folder), the report to LOG (default\n"
           "isolog.txt). Exit status: 0 answered, 1 run failed or no answer written,\n"
           "2 usage, 3 request unreadable, 4 data file refused by the herd side.\n";
}

int RunCommandLineRole(const CommandLineValues& commandLine) {
    InitializeProgram(commandLine);
    ParseCommandLine(commandLine);
    if (!RequestPending()) {
        std::fputs("VantorLink: no request file given (-f); this build has no window.\n", stderr);
        std::fputs(CommandLineUsage(), stderr);
        return kUsageExitStatus;
    }
    modCommon::SetCommandLineMode(true);
    const modNational::RequestOutcome outcome = modNational::RunIsoRequest();
    modCommon::SaveSettings();
    return modNational::ExitStatus(outcome);
}

} // namespace modStartup
