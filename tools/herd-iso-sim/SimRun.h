#pragma once

namespace HerdSim {

struct SimOptions;

// Exit codes of a run.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 1;
inline constexpr int ExitInputNotRead = 2;
inline constexpr int ExitAnswerNotWritten = 3;
inline constexpr int ExitDatabaseFailed = 4;

// One run as the ISO application: reads the input (a request or a data file),
// answers its requests from the herd database, imports its data, writes the
// answer and the log. Returns the exit code.
int RunExchange(const SimOptions& options);

} // namespace HerdSim
