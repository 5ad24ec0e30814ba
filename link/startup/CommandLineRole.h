#pragma once

#include "startup/CommandLine.h"

namespace modStartup {

// Exit status of a start that names no request file (-f): a usage error.
inline constexpr int kUsageExitStatus = 2;

// The program as the national side's ISO command-line application: the shared
// start-up, the request stored from the command line, the request flow, and the
// settings stored at the end. Returns the exit status (0 when an answer was
// written or a data file taken; see modNational::ExitStatus). Without a request
// file it says how to call it and returns kUsageExitStatus.
int RunCommandLineRole(const CommandLineValues& commandLine);

// The command-line role's usage text.
const char* CommandLineUsage();

} // namespace modStartup
