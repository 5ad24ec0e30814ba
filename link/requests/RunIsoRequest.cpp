#include "common/LinkRegistryKeys.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"
#include "requests/RequestFlow.h"

namespace modNational {
namespace {

std::string UserValue(std::string_view name) {
    std::string value;
    modUtils::RegReadString(value, modUtils::RegRoot::CurrentUser, modCommon::kLinkRegistryKey,
                            name);
    return value;
}

} // namespace

RequestOutcome RunIsoRequest() {
    const std::string inFile = UserValue(modCommon::kIsoClInFileValue);
    std::string outFile = UserValue(modCommon::kIsoClOutFileValue);
    const std::string logFile = UserValue(modCommon::kIsoClLogFileValue);
    const std::string database = UserValue(modCommon::kIsoClDatabaseValue);
    modUtils::WriteLog("InFile: " + inFile);
    modUtils::WriteLog("OutFile: " + outFile);
    modUtils::WriteLog("LogFile: " + logFile);
    modUtils::WriteLog("DataBase: " + database);
    RequestOutcome outcome = RequestOutcome::RunFailed;
    ConvertZirAz(inFile, outFile, logFile, database, &outcome);
    return outcome;
}

} // namespace modNational
