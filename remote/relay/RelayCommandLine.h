#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The relay's command line, as the link program calls an ISO application:
//   -f IN [-o OUT] [-l LOG] [-d DATABASE] [/n]
namespace Relay {

// The local files of one run. The defaults are relative to the current folder.
struct RelayPaths {
    std::string localIn;
    std::string localOut = "isoout.dat";
    std::string localLog = "iso.log";
};

// Switches are found in any case; values keep their case. A value runs from its
// switch to the next switch (" -f ", " -o ", " -l ", " -d ", " /n"), so blanks and
// "-" inside a path are kept; blanks around it are dropped. Nothing when there is
// no "-f " value.
std::optional<RelayPaths> ParseRelayCommandLine(std::string_view commandLine);

// The command-line text of a program's arguments (without the program itself):
// the arguments joined by single blanks.
std::string CommandLineText(const std::vector<std::string>& arguments);

} // namespace Relay
