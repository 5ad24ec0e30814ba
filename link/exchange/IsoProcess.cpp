#include "common/LanguageResources.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "exchange/ExchangeLock.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"

#include <string>

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
    command.argv.emplace_back(option);
    command.argv.push_back(value);
    command.text += std::string(" ") + option + " " + value;
}

} // namespace

IsoCommand BuildIsoCommand(const std::string& application, const std::string& inFile,
                           const std::string& outFile, const std::string& logFile,
                           const std::string& database) {
    IsoCommand command;
    command.argv.push_back(application);
    command.text = application;
    AppendArgument(command, "-f", inFile);
    AppendArgument(command, "-o", outFile);
    AppendArgument(command, "-l", logFile);
    AppendArgument(command, "-d", database);
    command.argv.emplace_back("/n");
    command.text += " /n";
    return command;
}

bool RunIsoProcess(bool useRelay, int showWindow, const std::string& inFile,
                   const std::string& outFile, const std::string& logFile,
                   const std::string& database) {
    const std::string application = IsoApplicationPath(useRelay);
    const IsoCommand command = BuildIsoCommand(application, inFile, outFile, logFile, database);
    modUtils::WriteLog("Execute: " + command.text);
    // The program and each value go over as separate arguments, so paths with
    // blanks or "-" in them arrive intact.
    const std::int32_t exitCode = modUtils::RunProgramAndWait(
        command.argv, kPollMs, [] { LinkUi::Ui().PumpEvents(); }, showWindow, kCreationFlags);
    modUtils::WriteLog("Result: " + std::to_string(exitCode));
    if (exitCode != 0 && MainWindowVisible()) {
        const std::string text = modCommon::ResString(166) + "\r\n\r\n\"" + application + "\" (" +
                                 std::to_string(exitCode) + ")";
        LinkUi::Ui().MessageBox(text, LinkUi::Buttons::Ok, LinkUi::Icon::Critical,
                                modCommon::ResString(168));
    }
    return exitCode == 0;
}

bool ExecuteIsoApp(bool useRelay, std::string inFile, std::string outFile, std::string logFile,
                   const std::string& database) {
    const ExchangeLock lock;
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

} // namespace modMirelCom
