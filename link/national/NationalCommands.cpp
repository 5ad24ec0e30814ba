#include "national/NationalCommands.h"

#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "national/NationalDictionary.h"
#include "national/NationalReports.h"
#include "national/NationalShared.h"
#include "requests/HerdRequest.h"
#include "requests/RequestFlow.h"

#include <memory>

namespace modNational {
namespace {

constexpr const char* kVantorSyncKey = "Software\\Kestrom\\Vantor Sync";
constexpr const char* kVantorSyncValue = "INSTALLDIRSYNC";

constexpr CommandMessage kInitializationFailed{156, LinkUi::Icon::Exclamation, 168};
constexpr CommandMessage kErrorsFound{174, LinkUi::Icon::Exclamation, 168};
constexpr CommandMessage kDataTransferred{167, LinkUi::Icon::Information, 150};

CommandOutcome Succeeded(CommandMessage message) {
    CommandOutcome outcome;
    outcome.succeeded = true;
    outcome.message = message;
    outcome.exitStatus = kExitSuccess;
    return outcome;
}

CommandOutcome InitializationFailed() {
    CommandOutcome outcome;
    outcome.message = kInitializationFailed;
    return outcome;
}

// IsNewIsoVersion splits the version at its "."; without one nothing can be sent.
bool IsoVersionUsable() {
    return GetIsoVersion().find('.') != std::string::npos;
}

// After a failed Send or Add animals: the report goes into the log view; with an
// error line it is opened with 174, and the command found problems.
CommandOutcome TransferFailed() {
    CommandOutcome outcome;
    outcome.messageShown = true;
    outcome.loadLog = LinkLogExists();
    if (LinkLogHasErrors()) {
        outcome.message = kErrorsFound;
        outcome.messageShown = false;
        outcome.openLog = true;
        outcome.exitStatus = kExitProblemsFound;
    }
    return outcome;
}

// One dictionary of the version with its code tables sent.
bool InitializeVersion(std::string_view version) {
    auto dict = std::make_shared<clsAdisDataDict>();
    SetNationalDataDict(dict);
    return BuildNationalDict(*dict, std::string(version)) && InitNationalLookups();
}

} // namespace

bool VantorSyncInstalled() {
    std::string folder;
    return modUtils::RegReadString(folder, modUtils::RegRoot::LocalMachine, kVantorSyncKey,
                                   kVantorSyncValue);
}

std::optional<CommandOutcome> BlockedByVantorSync() {
    if (!VantorSyncInstalled())
        return std::nullopt;
    CommandOutcome outcome;
    outcome.message = CommandMessage{201, LinkUi::Icon::Information, 150};
    return outcome;
}

CommandOutcome RunInitializeCommand() {
    if (auto blocked = BlockedByVantorSync())
        return *blocked;
    const auto current = NationalDataDict();
    // A dictionary loaded from its file carries its version without the
    // trailing blank; it counts as the current version all the same.
    if (VersionKey(current->ManufacturerVersion) != NationalVersions[0] || !IsoVersionUsable())
        return InitializationFailed();
    bool sent = false;
    // The herd side gets the older code tables first and the current ones last.
    for (auto version = NationalVersions.rbegin(); version != NationalVersions.rend(); ++version)
        sent = InitializeVersion(*version);
    // The program goes on with the dictionary it had, its not-supported list
    // included.
    SetNationalDataDict(current);
    if (!sent)
        return InitializationFailed();
    CommandOutcome outcome;
    outcome.succeeded = true;
    outcome.exitStatus = kExitSuccess;
    return outcome;
}

CommandOutcome RunCheckCommand() {
    if (CheckAnimalIds())
        return Succeeded({158, LinkUi::Icon::Information, 150});
    CommandOutcome outcome;
    outcome.messageShown = true;
    if (LinkLogExists()) {
        outcome.message = kErrorsFound;
        outcome.messageShown = false;
        outcome.loadLog = outcome.openLog = true;
        outcome.exitStatus = kExitProblemsFound;
    }
    return outcome;
}

CommandOutcome RunSendAdisDataCommand(const std::string& path) {
    if (auto blocked = BlockedByVantorSync())
        return *blocked;
    if (SendAdisFile(path))
        return Succeeded(kDataTransferred);
    return TransferFailed();
}

CommandOutcome RunAddAnimalsCommand(const std::string& path) {
    if (auto blocked = BlockedByVantorSync())
        return *blocked;
    if (!IsoVersionUsable() || !InitNationalLookups())
        return InitializationFailed();
    AddAnimalsTally tally;
    CommandOutcome outcome =
        AddAnimalsFromFile(path, tally) ? Succeeded(kDataTransferred) : TransferFailed();
    if (outcome.succeeded && tally.repeatedKeys > 0)
        outcome.loadLog = outcome.openLog = true;
    if (tally.built)
        outcome.tally = tally;
    return outcome;
}

} // namespace modNational
