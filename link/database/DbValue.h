#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace modNational {

// A calendar moment to the second, as the database and the date items hold it.
// The date 1899-12-30 is the "zero date": a moment on it stands for a time of day
// alone, as the item values of time items do.
struct DbDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static DbDateTime Date(int year, int month, int day) { return {year, month, day, 0, 0, 0}; }
    static DbDateTime TimeOfDay(int hour, int minute, int second) {
        return {1899, 12, 30, hour, minute, second};
    }

    bool HasDate() const { return !(year == 1899 && month == 12 && day == 30); }
    bool HasTime() const { return hour != 0 || minute != 0 || second != 0; }
    DbDateTime DatePart() const { return Date(year, month, day); }
    DbDateTime TimePart() const { return TimeOfDay(hour, minute, second); }
    // Seconds since the zero date (negative before it) and seconds of the day.
    long long SerialSeconds() const;
    int SecondsOfDay() const { return hour * 3600 + minute * 60 + second; }
    // The date of this moment with the given seconds of the day added (may pass midnight).
    static DbDateTime FromSerialSeconds(long long seconds);
    DbDateTime PlusSeconds(long long seconds) const {
        return FromSerialSeconds(SerialSeconds() + seconds);
    }

    friend bool operator==(const DbDateTime&, const DbDateTime&) = default;
};

// "yyyymmdd" and "yyyymmdd hh:mm:ss", the forms written into SQL texts.
std::string FormatSqlDate(const DbDateTime& moment);
std::string FormatSqlDateTime(const DbDateTime& moment);

// The moment's default text: "yyyy-mm-dd", "hh:mm:ss" or "yyyy-mm-dd hh:mm:ss",
// the date left out for a time of day alone and the time left out at midnight.
std::string DefaultText(const DbDateTime& moment);
// Reads the forms DefaultText writes, and "yyyymmdd" / "yyyymmdd hh:mm:ss".
std::optional<DbDateTime> ParseDateTimeText(std::string_view text);

// One value of a database row: NULL, an integer, a floating-point number, a
// moment, or text (UTF-8).
using DbValue = std::variant<std::monostate, long long, double, DbDateTime, std::string>;

inline bool IsNull(const DbValue& value) {
    return std::holds_alternative<std::monostate>(value);
}
// The number a numeric value holds; nothing for NULL, moments and texts.
std::optional<double> NumberOf(const DbValue& value);
// The value's default text ("" for NULL); numbers without needless digits.
std::string DefaultText(const DbValue& value);
std::string NumberText(double number);

} // namespace modNational
