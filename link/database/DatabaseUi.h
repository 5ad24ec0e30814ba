#pragma once

#include <string>
#include <string_view>

namespace modNational {

// Shows the wait pointer for the whole program while it lives, then the default one.
class WaitPointerScope {
public:
    WaitPointerScope();
    ~WaitPointerScope();
    WaitPointerScope(const WaitPointerScope&) = delete;
    WaitPointerScope& operator=(const WaitPointerScope&) = delete;
};

struct FailureText {
    long number = 0;
    std::string description;
    std::string Text() const { return std::to_string(number) + " " + description; }
};

// Number and description of the exception being handled (call inside a catch).
FailureText CurrentFailure();

// The failure as the database procedures report it: a critical message box with
// "<number> <description>" and the line "<number> <description>" in the trace log
// (once, LinkUi::ShowErrorAndLog). Passwords in the texts are masked.
void ReportFailure(const FailureText& failure);
// The same with two line breaks and the detail (a connection string) below the
// text in the box.
void ReportFailure(const FailureText& failure, std::string_view detail);

} // namespace modNational
