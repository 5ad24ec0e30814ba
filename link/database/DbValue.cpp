#include "DbValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace modNational {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month and day in range).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

const long long kZeroDateDays = DaysFromCivil(1899, 12, 30);

bool ReadNumber(std::string_view text, std::size_t pos, std::size_t length, int& out) {
    if (pos + length > text.size())
        return false;
    for (std::size_t i = pos; i < pos + length; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    std::from_chars(text.data() + pos, text.data() + pos + length, out);
    return true;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool ParseTime(std::string_view text, DbDateTime& moment) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':')
        return false;
    if (!ReadNumber(text, 0, 2, moment.hour) || !ReadNumber(text, 3, 2, moment.minute) ||
        !ReadNumber(text, 6, 2, moment.second))
        return false;
    return moment.hour < 24 && moment.minute < 60 && moment.second < 60;
}

bool ParseDate(std::string_view text, DbDateTime& moment) {
    bool read = false;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-')
        read = ReadNumber(text, 0, 4, moment.year) && ReadNumber(text, 5, 2, moment.month) &&
               ReadNumber(text, 8, 2, moment.day);
    else if (text.size() == 8)
        read = ReadNumber(text, 0, 4, moment.year) && ReadNumber(text, 4, 2, moment.month) &&
               ReadNumber(text, 6, 2, moment.day);
    return read && moment.year >= 1 && moment.month >= 1 && moment.month <= 12 && moment.day >= 1 &&
           moment.day <= DaysInMonth(moment.year, moment.month);
}

std::string Printf(const char* format, int a, int b, int c) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

} // namespace

long long DbDateTime::SerialSeconds() const {
    const long long days =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kZeroDateDays;
    return days * 86400 + SecondsOfDay();
}

DbDateTime DbDateTime::FromSerialSeconds(long long seconds) {
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    DbDateTime moment;
    CivilFromDays(days + kZeroDateDays, moment.year, moment.month, moment.day);
    moment.hour = static_cast<int>(rest / 3600);
    moment.minute = static_cast<int>(rest / 60 % 60);
    moment.second = static_cast<int>(rest % 60);
    return moment;
}

std::string FormatSqlDate(const DbDateTime& moment) {
    return Printf("%04d%02d%02d", moment.year, moment.month, moment.day);
}

std::string FormatSqlDateTime(const DbDateTime& moment) {
    return FormatSqlDate(moment) +
           Printf(" %02d:%02d:%02d", moment.hour, moment.minute, moment.second);
}

std::string DefaultText(const DbDateTime& moment) {
    const std::string date = Printf("%04d-%02d-%02d", moment.year, moment.month, moment.day);
    const std::string time = Printf("%02d:%02d:%02d", moment.hour, moment.minute, moment.second);
    if (!moment.HasDate())
        return time;
    if (!moment.HasTime())
        return date;
    return date + " " + time;
}

std::optional<DbDateTime> ParseDateTimeText(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    DbDateTime moment;
    if (ParseTime(text, moment))
        return moment;
    const std::size_t blank = text.find(' ');
    if (!ParseDate(text.substr(0, blank), moment))
        return std::nullopt;
    if (blank != std::string_view::npos && !ParseTime(text.substr(blank + 1), moment))
        return std::nullopt;
    return moment;
}

std::optional<double> NumberOf(const DbValue& value) {
    if (const auto* integer = std::get_if<long long>(&value))
        return static_cast<double>(*integer);
    if (const auto* number = std::get_if<double>(&value))
        return *number;
    return std::nullopt;
}

std::string NumberText(double number) {
    if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15)
        return std::to_string(static_cast<long long>(number));
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

std::string DefaultText(const DbValue& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(long long integer) const { return std::to_string(integer); }
        std::string operator()(double number) const { return NumberText(number); }
        std::string operator()(const DbDateTime& moment) const { return DefaultText(moment); }
        std::string operator()(const std::string& text) const { return text; }
    };
    return std::visit(Visitor{}, value);
}

} // namespace modNational
