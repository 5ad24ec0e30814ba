#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace HerdSim {

// The program's arguments (without the program), as UTF-8. Where programs get an
// argument vector, it is taken as given. On Windows the link program passes the
// ISO call as plain text without quotes ("PROGRAM -f IN -o OUT -l LOG -d DB /n",
// with blanks inside the paths), like the herd-management ISO application
// receives it: such a command line is split at its switches (SplitIsoCall);
// any other one as the C runtime splits it.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The arguments of an ISO call's text: from the first " -f " on, each of the
// switches " -f ", " -o ", " -l " and " -d " takes the text up to the next of
// these switches or " /n" as its value. Nothing when the text holds no " -f ".
std::optional<std::vector<std::string>> SplitIsoCall(std::string_view commandLine);

} // namespace HerdSim
