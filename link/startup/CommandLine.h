#pragma once

// The program's own command line as the national side starts it:
//   VantorLink -f IN -o OUT -l LOG -d DB      answer one request
//   VantorLink -s mirel_dd / -s ziraz_dd       rebuild a dictionary file
// A switch is "-" or "/" followed by one of the letters f, o, l, d or s (any
// case). Its value is everything up to the next switch, blanks at both ends and
// surrounding double quotes removed, so unquoted paths with blanks, "-" or "/"
// in them arrive whole. A later switch of the same letter replaces an earlier one
// ("s" collects every value).

#include <string>
#include <string_view>
#include <vector>

namespace modStartup {

struct CommandLineValues {
    std::string inFile;
    std::string outFile;
    std::string logFile;
    std::string database;
    std::vector<std::string> dictionarySwitches; // values of "s", in order
};

// A Windows command-line text (without the program's own name): a switch stands
// at the start of the text or after a blank, and is followed by a blank or the
// end of the text.
CommandLineValues ReadSwitchesFromText(std::string_view text);

// An argument vector (without the program's own name): a switch is an argument
// of exactly that form; the following arguments up to the next switch, joined by
// one blank, are its value. An argument holding a switch letter (with or without
// its "-" or "/"), a blank and a value in one ("-f C:\in.dat", "f C:\in.dat") is
// read as that switch with that value.
CommandLineValues ReadSwitchesFromArguments(const std::vector<std::string>& args);

// The command line this program was started with: the text of the system's
// command line on Windows, the argument vector elsewhere.
CommandLineValues ProgramCommandLine(int argc, char** argv);

} // namespace modStartup
