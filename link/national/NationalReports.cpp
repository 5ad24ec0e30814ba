#include "national/NationalReports.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/LanguageResources.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"

#include <algorithm>

namespace modNational {

void ReportRejectedAnswer(const clsAdisDataFile& answer, bool read, clsMessages& messages) {
    if (read) {
        std::string events;
        for (const auto& event : answer.DataEvents)
            events += (events.empty() ? "" : ", ") + event->EventNoStr() + " (" +
                      std::to_string(event->DataLines()->Count()) + " lines)";
        messages.Add("  Error: The herd-management side answered with data: " + events);
        return;
    }
    const bool explained = std::any_of(messages.begin(), messages.end(), [](const std::string& m) {
        return m.find("Error") != std::string::npos;
    });
    if (!explained)
        messages.Add("  Error: The answer of the herd-management side could not be read: " +
                     answer.FilePath);
}

std::string RepeatedKeyWarning(const std::string& identity, const std::string& animalNo,
                               const std::string& firstIdentity, const std::string& firstAnimalNo) {
    return "Warning: Animal " + animalNo + " with id '" + identity +
           "' not added: its id begins with the same 15 characters as that of animal " +
           firstAnimalNo + " with id '" + firstIdentity + "'";
}

void ShowExchangeFileRefused(const std::string& path) {
    LinkUi::Ui().MessageBox(
        "This is an exchange file of the program itself and cannot be used:\n" + path,
        LinkUi::Buttons::Ok, LinkUi::Icon::Exclamation, modCommon::ResString(168));
}

bool LinkLogExists() {
    return modUtils::FileExists(modMirelCom::LinkLogFilePath());
}

bool LinkLogHasErrors() {
    return LinkLogExists() && modADIS::GetLogLevel(modMirelCom::LinkLogFilePath()) == 3;
}

} // namespace modNational
