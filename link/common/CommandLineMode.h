#pragma once

// Whether the program runs as an ISO command-line application. In that role
// file-level problems of ADIS files go into the message collection instead of
// message boxes. Set once at start-up (or by a command-line tool).
namespace modCommon {

bool CommandLineMode();
void SetCommandLineMode(bool on);

} // namespace modCommon
