#pragma once

#include <stdexcept>
#include <string>

// An error raised inside a layer, carrying the error number and description that
// a catching procedure shows to the user as "<number> <description>".
class LinkError : public std::runtime_error {
public:
    LinkError(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    long Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

private:
    long number_;
};

namespace LinkErrors {
// Error numbers as the system has always reported them.
inline constexpr long InvalidArgument = 5;
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long FileNotFound = 53;
inline constexpr long BadFileName = 52;
inline constexpr long PathNotFound = 76;
inline constexpr long DuplicateKey = 457;
inline constexpr long CannotOpenFile = 3002;
inline constexpr long EndOfData = 3021;
} // namespace LinkErrors
