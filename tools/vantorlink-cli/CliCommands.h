#pragma once

#include "CliCommandLine.h"

#include "national/NationalCommands.h"

namespace VantorCli {

// The herd list and the settings, as the window's herd menu and settings dialog
// keep them; each returns the exit status.
int RunHerds(const CliCommand& command);
int RunSettings(const CliCommand& command);

// Stores the add-animals choices given on the command line with the others, as
// the add-animals dialog stores them when it is confirmed.
void StoreAddAnimalsChoices(const AddAnimalsChoices& choices);

// Prints what the window shows after a national command: its message, the
// animals taken, and the report when the window opens its log view. Returns the
// exit status.
int PrintOutcome(const modNational::CommandOutcome& outcome, Command command);

} // namespace VantorCli
