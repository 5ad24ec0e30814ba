#pragma once

#include <exception>
#include <string_view>

namespace LinkUi {

// What a procedure does with an error it caught: a message box with the critical
// icon reading "<number> <description>", and the same text in the trace log.
void ShowProcedureError(long number, std::string_view description);
// The number of a LinkError, 0 for any other exception.
void ShowProcedureError(const std::exception& error);

} // namespace LinkUi
