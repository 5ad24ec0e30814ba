#pragma once

#include "startup/CommandLine.h"

namespace modStartup {

// Whether a command-line request is to be (or has been) answered by this process.
bool RequestPending();
void SetRequestPending(bool pending);

// With an input file: stores the request's four values under the per-user key
// ("IsoCLInFile", "IsoCLOutFile", "IsoCLLogFile", "IsoCLDatabase"; the answer
// and log default to "isoout.txt" and "isolog.txt" in the program folder) and
// sets RequestPending. Without one nothing is stored. The database value is
// stored even when empty, so that a database named by an earlier request is
// never passed on with this one.
void ParseCommandLine(const CommandLineValues& values);

} // namespace modStartup
