#pragma once

#include "AdisNumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Item values of ADIS value lines and search lines: Empty (the item was not
// given, field of "|"), Null (not available, field of "?"), a number, a date, a
// time of day, or text.

struct AdisEmpty {
    friend bool operator==(const AdisEmpty&, const AdisEmpty&) { return true; }
};
struct AdisNull {
    friend bool operator==(const AdisNull&, const AdisNull&) { return true; }
};

// A calendar date, optionally with a time of day (a value taken from a date-time
// column keeps its time; a date field of 6 characters writes that time).
struct AdisDate {
    std::int16_t Year = 1;
    std::uint8_t Month = 1;
    std::uint8_t Day = 1;
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;

    // Nothing when the day does not exist in its month or a part is out of range.
    static std::optional<AdisDate> Make(int year, int month, int day, int hour = 0, int minute = 0,
                                        int second = 0);
    friend auto operator<=>(const AdisDate&, const AdisDate&) = default;
};

struct AdisTime {
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Second = 0;

    static std::optional<AdisTime> Make(int hour, int minute, int second);
    friend auto operator<=>(const AdisTime&, const AdisTime&) = default;
};

// Kinds in the order of the variant's alternatives.
enum class AdisValueKind : std::uint8_t { Empty, Null, Number, Date, Time, Text };

using AdisValue = std::variant<AdisEmpty, AdisNull, AdisNumber, AdisDate, AdisTime, std::string>;

inline AdisValueKind KindOf(const AdisValue& value) {
    return static_cast<AdisValueKind>(value.index());
}
inline bool IsEmpty(const AdisValue& value) {
    return value.index() == 0;
}
inline bool IsNull(const AdisValue& value) {
    return value.index() == 1;
}

namespace AdisValues {

AdisValue Number(std::int64_t integer);
AdisValue Number(std::int64_t mantissa, int scale);
// Null for NaN, infinity or a magnitude beyond 64 bits.
AdisValue NumberFromDouble(double value);
AdisValue Text(std::string_view text);

// The value as a number: numbers themselves and texts that read as a number.
std::optional<AdisNumber> AsNumber(const AdisValue& value);
// AsNumber as a double, for callers that compute with the value.
std::optional<double> ToDouble(const AdisValue& value);
// The value's text form: numbers as plain decimals ("1.2"), dates "yyyy-mm-dd"
// (with " hh:mm:ss" when the time is not midnight), times "hh:mm:ss", texts
// unchanged; Empty and Null give the empty text.
std::string ToText(const AdisValue& value);
// ToText appended to `out`.
void AppendText(std::string& out, const AdisValue& value);
// The text of a value as a part of a line key: "Empty", "Null", else ToText.
std::string KeyText(const AdisValue& value);
// KeyText appended to `out`.
void AppendKeyText(std::string& out, const AdisValue& value);

// Orders two values: numbers numerically (a text holding a number counts as that
// number against a number), dates and times by value, texts by character codes.
// Empty counts as 0 against a number and as "" against a text. Nothing when the
// two cannot be compared, and always when either is Null.
std::optional<int> Compare(const AdisValue& a, const AdisValue& b);

} // namespace AdisValues
