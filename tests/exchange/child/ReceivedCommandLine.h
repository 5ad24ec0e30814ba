#pragma once

#include <string>

// The command line as this program received it, in UTF-8: on Windows the text
// itself; elsewhere the argument vector joined with blanks.
std::string ReceivedCommandLine(int argc, char** argv);
