#pragma once

#include <exception>
#include <optional>
#include <string_view>

namespace LinkUi {

// A critical message box with the text (and, when given, two line breaks and the
// detail below it, even an empty one), and the text in the trace log, once: a
// user interface that logs its boxes itself (headless) is not logged twice.
void ShowErrorAndLog(std::string_view text, std::string_view caption,
                     std::optional<std::string_view> detail = std::nullopt);

// What a procedure does with an error it caught: a message box with the critical
// icon reading "<number> <description>", and the same text in the trace log.
void ShowProcedureError(long number, std::string_view description);
// The number of a LinkError, 0 for any other exception.
void ShowProcedureError(const std::exception& error);

} // namespace LinkUi
