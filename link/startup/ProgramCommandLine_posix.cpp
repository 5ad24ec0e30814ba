#include "startup/CommandLine.h"

namespace modStartup {

CommandLineValues ProgramCommandLine(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return ReadSwitchesFromArguments(args);
}

} // namespace modStartup
