#pragma once

// Fields in their plain forms (nearly all fields of real files), read without
// the general parser of modADIS::DecodeField.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace AdisPlainFields {

inline bool AllDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The number of `count` digits from `pos` (checked by the caller).
inline int Digits(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// A number field of blanks, an optional sign and up to 18 digits, as
// modADIS::DecodeField reads it; nothing for anything else.
inline std::optional<std::int64_t> PlainInteger(std::string_view field) {
    std::size_t pos = 0;
    const std::size_t size = field.size();
    while (pos < size && (field[pos] == ' ' || field[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < size && (field[pos] == '-' || field[pos] == '+'))
        negative = field[pos++] == '-';
    const std::size_t first = pos;
    std::int64_t value = 0;
    constexpr std::size_t kMostDigits = 18; // never beyond 64 bits
    while (pos < size && field[pos] >= '0' && field[pos] <= '9') {
        if (pos - first == kMostDigits)
            return std::nullopt;
        value = value * 10 + (field[pos++] - '0');
    }
    if (pos == first)
        return std::nullopt;
    while (pos < size && (field[pos] == ' ' || field[pos] == '\t'))
        ++pos;
    if (pos != size)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace AdisPlainFields
