#pragma once

#include <string>
#include <vector>

namespace VantorCli {

// The program's arguments after its own name, as UTF-8 (platform part: the wide
// command line on Windows, argv elsewhere).
std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace VantorCli
