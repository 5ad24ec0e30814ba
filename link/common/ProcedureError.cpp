#include "common/ProcedureError.h"

#include "common/LinkError.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"

#include <string>

namespace LinkUi {

void ShowProcedureError(long number, std::string_view description) {
    const std::string text = std::to_string(number) + " " + std::string(description);
    modUtils::WriteLog(text);
    Ui().MessageBox(text, Buttons::Ok, Icon::Critical, "Error");
}

void ShowProcedureError(const std::exception& error) {
    if (const auto* linkError = dynamic_cast<const LinkError*>(&error))
        ShowProcedureError(linkError->Number(), linkError->Description());
    else
        ShowProcedureError(0, error.what());
}

} // namespace LinkUi
