#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "common/LanguageResources.h"
#include "common/Platform.h"
#include "common/ProgramInfo.h"
#include "common/TextStream.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"

#include <cstdio>
#include <ctime>
#include <exception>

namespace modMirelCom {
namespace {

// The present date and time in the system's default text form.
std::string NowText() {
    const std::tm now = Platform::LocalTime(std::time(nullptr));
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.tm_year + 1900,
                  now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

void WriteEntries(AtomicTextWriter& writer, long heading, const std::vector<CheckEntry>& entries) {
    if (entries.empty())
        return;
    writer.WriteLine(modCommon::ResString(heading));
    const std::string entryTemplate = modCommon::ResString(302);
    for (const auto& [animalNo, identity] : entries)
        writer.WriteLine(modUtils::FormatStr(entryTemplate, animalNo, identity));
}

} // namespace

std::string ReportHeaderLine() {
    return std::string(ProgramInfo::CompanyName) + " " + std::string(ProgramInfo::Title) + " " +
           modUtils::VersionText(4) + "  " + NowText();
}

bool WriteLinkReport(const std::string& reportPath, const clsAdisDataFile& dataFile,
                     const clsMessages& messages) {
    try {
        AtomicTextWriter writer(reportPath);
        writer.WriteLine(ReportHeaderLine());
        writer.WriteLine("");
        if (!dataFile.FilePath.empty()) {
            const std::string sender = dataFile.Sender() + " " + dataFile.ProcessComputerType() +
                                       " " + dataFile.SenderVersion();
            if (sender != "  ") {
                writer.WriteLine(sender);
                writer.WriteLine("");
            }
            writer.WriteLine(dataFile.FilePath);
            writer.WriteLine("");
        }
        for (const auto& message : messages)
            writer.WriteLine(message);
        writer.WriteLine("*****");
        return writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

bool WriteCheckReport(const std::vector<CheckEntry>& invalidIds,
                      const std::vector<CheckEntry>& duplicateIds) {
    if (invalidIds.empty() && duplicateIds.empty())
        return true;
    try {
        AtomicTextWriter writer(LinkLogFilePath());
        writer.WriteLine(ReportHeaderLine());
        WriteEntries(writer, 300, invalidIds);
        WriteEntries(writer, 301, duplicateIds);
        return writer.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace modMirelCom
