#include "startup/ParseCommandLine.h"

#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "settings/WorkingFiles.h"

namespace modStartup {
namespace {

bool requestPending = false;

void StoreUserValue(std::string_view name, const std::string& value) {
    modUtils::RegWriteString(value, modUtils::RegRoot::CurrentUser, modCommon::kLinkRegistryKey,
                             name);
}

} // namespace

bool RequestPending() {
    return requestPending;
}

void SetRequestPending(bool pending) {
    requestPending = pending;
}

void ParseCommandLine(const CommandLineValues& values) {
    if (values.inFile.empty())
        return;
    const std::string outFile =
        values.outFile.empty() ? modCommon::DefaultClOutFilePath() : values.outFile;
    const std::string logFile =
        values.logFile.empty() ? modCommon::DefaultClLogFilePath() : values.logFile;
    StoreUserValue(modCommon::kIsoClInFileValue, values.inFile);
    requestPending = true;
    StoreUserValue(modCommon::kIsoClOutFileValue, outFile);
    StoreUserValue(modCommon::kIsoClLogFileValue, logFile);
    StoreUserValue(modCommon::kIsoClDatabaseValue, values.database);
}

} // namespace modStartup
