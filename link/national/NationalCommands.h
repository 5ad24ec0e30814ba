#pragma once

// The four national commands without a window: what each command does besides
// the window itself (the check for Vantor Sync, the Initialize loop over the
// national versions, the lookups sent before Add animals), and the result the
// caller shows. The window shows the message and opens the log view;
// vantorlink-cli prints the message, the report and the counts.

#include "common/UserInterface.h"
#include "national/NationalFunctions.h"

#include <optional>
#include <string>

namespace modNational {

// Exit statuses of vantorlink-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitProblemsFound = 1; // invalid or repeated ids, errors in an answer
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCouldNotRun = 3; // ISO application failed, no data, database failure

// A message box to show: language text, icon and caption text.
struct CommandMessage {
    long text = 0;
    LinkUi::Icon icon = LinkUi::Icon::Information;
    long caption = 150;
};

struct CommandOutcome {
    bool succeeded = false;
    // The message the caller shows; nothing when there is none to show.
    std::optional<CommandMessage> message;
    // No message is left to show: the procedure showed its own (159, 178, 179, a
    // file or database error, the ISO application's failure in the window).
    bool messageShown = false;
    // Load "~link.log" into the log view, and open the log view.
    bool loadLog = false;
    bool openLog = false;
    int exitStatus = kExitCouldNotRun;
    // Add animals: what was taken (when the file for the herd side was made).
    std::optional<AddAnimalsTally> tally;
};

// True when the value "INSTALLDIRSYNC" exists under the machine-wide key
// "Software\Kestrom\Vantor Sync": then Initialize, Send ADIS data and Add
// animals are not allowed.
bool VantorSyncInstalled();
// The outcome of a command refused because Vantor Sync is installed (message
// 201), or nothing when the command may run. The window asks before its file
// dialogs; the commands below ask again.
std::optional<CommandOutcome> BlockedByVantorSync();

// Initialize: for each national version from the last to the first, the
// national dictionary of that version and its code tables sent; the result of
// the last run. Message 156 when it fails, also when the ISO application's
// version is missing or has no "."; the program's national dictionary stays the
// one it had.
CommandOutcome RunInitializeCommand();
// Check: 158 when every identity is right; otherwise the report in the log view
// with 174.
CommandOutcome RunCheckCommand();
// Send ADIS data on the chosen file: 167 on success; otherwise the report in the
// log view, with 174 and the log view opened when it holds an error line.
CommandOutcome RunSendAdisDataCommand(const std::string& path);
// Add animals on the chosen file, with the settings the caller stored: the code
// tables first (156 when that fails), then the animals, with the results of
// Send ADIS data. Animals left out for a repeated key open the log view on
// success too.
CommandOutcome RunAddAnimalsCommand(const std::string& path);

} // namespace modNational
