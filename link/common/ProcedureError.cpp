#include "common/ProcedureError.h"

#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"

#include <string>

namespace LinkUi {

void ShowErrorAndLog(std::string_view text, std::string_view caption,
                     std::optional<std::string_view> detail) {
    if (!Ui().LogsMessageBoxes())
        modUtils::WriteLog(text);
    std::string boxText(text);
    if (detail)
        boxText += "\r\n\r\n" + std::string(*detail);
    Ui().MessageBox(boxText, Buttons::Ok, Icon::Critical, caption);
}

void ShowProcedureError(long number, std::string_view description) {
    ShowErrorAndLog(std::to_string(number) + " " + std::string(description),
                    modCommon::ResString(168));
}

void ShowProcedureError(const std::exception& error) {
    if (const auto* linkError = dynamic_cast<const LinkError*>(&error))
        ShowProcedureError(linkError->Number(), linkError->Description());
    else
        ShowProcedureError(0, error.what());
}

} // namespace LinkUi
