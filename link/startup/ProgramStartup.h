#pragma once

#include "startup/CommandLine.h"

#include <string>

namespace modStartup {

// The start-up both roles share, before the command line's request is looked
// at: the language texts, the two dictionaries (rebuilt into their files when
// the "s" switches ask for it), the national not-supported list, the settings
// with the current herd, and the "New session" line of the trace log.
void InitializeProgram(const CommandLineValues& commandLine);

// "New session " and 76 hyphens.
std::string NewSessionLine();

} // namespace modStartup
