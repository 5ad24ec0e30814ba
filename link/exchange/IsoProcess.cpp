#include "common/LanguageResources.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"

#include <string>
#include <utility>

namespace modMirelCom {
namespace {

// Waiting for the ISO application checks for its end every millisecond.
constexpr int kPollMs = 1;
// Normal priority.
constexpr int kCreationFlags = 32;
// The process window is shown normally.
constexpr int kShowNormal = 1;

void AppendArgument(IsoCommand& command, const char* option, const std::string& value) {
    if (value.empty())
        return;
    command.arguments.emplace_back(option);
    command.arguments.push_back(value);
    command.commandLine += std::string(" ") + option + " " + value;
}

} // namespace

IsoCommand BuildIsoCommand(const std::string& application, const std::string& inFile,
                           const std::string& outFile, const std::string& logFile,
                           const std::string& database) {
    IsoCommand command;
    command.program = application;
    command.commandLine = application;
    AppendArgument(command, "-f", inFile);
    AppendArgument(command, "-o", outFile);
    AppendArgument(command, "-l", logFile);
    AppendArgument(command, "-d", database);
    command.arguments.emplace_back("/n");
    command.commandLine += " /n";
    return command;
}

bool RunIsoProcess(bool useRelay, int showWindow, const std::string& inFile,
                   const std::string& outFile, const std::string& logFile,
                   const std::string& database) {
    const std::string application = IsoApplicationPath(useRelay);
    const IsoCommand command = BuildIsoCommand(application, inFile, outFile, logFile, database);
    modUtils::WriteLog("Execute: " + command.commandLine);
    const std::int32_t exitCode = modUtils::RunCallAndWait(
        command, kPollMs, [] { LinkUi::Ui().PumpEvents(); }, showWindow, kCreationFlags);
    modUtils::WriteLog("Result: " + std::to_string(exitCode));
    if (exitCode != 0 && MainWindowVisible()) {
        const std::string text = modCommon::ResString(166) + "\r\n\r\n\"" + application + "\" (" +
                                 std::to_string(exitCode) + ")";
        LinkUi::Ui().MessageBox(text, LinkUi::Buttons::Ok, LinkUi::Icon::Critical,
                                modCommon::ResString(168));
    }
    return exitCode == 0;
}

bool ExecuteIsoApp(const ExchangeSession& session, bool useRelay, std::string inFile,
                   std::string outFile, std::string logFile, const std::string& database) {
    if (!session.Active())
        return false;
    if (inFile.empty())
        inFile = IsoInFilePath();
    if (outFile.empty())
        outFile = IsoOutFilePath();
    if (logFile.empty())
        logFile = IsoLogFilePath();
    // An answer left by an earlier run, at whatever path, must never pass for
    // this run's answer.
    modUtils::DeleteFileQuiet(outFile);
    if (modUtils::FileExists(outFile)) {
        modUtils::WriteLog("Cannot delete the old answer file: " + outFile);
        return false;
    }
    modUtils::WriteLog("ExecuteIsoApp");
    if (!RunIsoProcess(useRelay, kShowNormal, inFile, outFile, logFile, database)) {
        modUtils::WriteLog("Error executing ISO application!");
        return false;
    }
    return modUtils::FileExists(outFile);
}

bool ExecuteIsoApp(bool useRelay, std::string inFile, std::string outFile, std::string logFile,
                   const std::string& database) {
    const ExchangeSession session;
    return ExecuteIsoApp(session, useRelay, std::move(inFile), std::move(outFile),
                         std::move(logFile), database);
}

} // namespace modMirelCom
