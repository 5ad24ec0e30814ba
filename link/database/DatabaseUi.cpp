#include "DatabaseUi.h"

#include "OdbcConnectionString.h"
#include "common/LinkError.h"
#include "common/ProcedureError.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"

#include <exception>
#include <new>

namespace modNational {
namespace {

// Message boxes of the database procedures carry the application title.
constexpr std::string_view kCaption = "Vantor Link SE";
constexpr long kUnspecifiedError = -2147467259;

} // namespace

WaitPointerScope::WaitPointerScope() {
    LinkUi::Ui().SetWaitPointer(true);
}
WaitPointerScope::~WaitPointerScope() {
    LinkUi::Ui().SetWaitPointer(false);
}

FailureText CurrentFailure() {
    try {
        throw;
    } catch (const LinkError& error) {
        return {error.Number(), error.Description()};
    } catch (const std::bad_alloc&) {
        return {7, "Out of memory"};
    } catch (const std::exception& error) {
        return {kUnspecifiedError, error.what()};
    } catch (...) {
        return {kUnspecifiedError, "Unspecified error"};
    }
}

void ReportFailure(const FailureText& failure) {
    LinkUi::ShowErrorAndLog(MaskPassword(failure.Text()), kCaption);
}

void ReportFailure(const FailureText& failure, std::string_view detail) {
    const std::string masked = MaskPassword(detail);
    LinkUi::ShowErrorAndLog(MaskPassword(failure.Text()), kCaption, masked);
}

} // namespace modNational
