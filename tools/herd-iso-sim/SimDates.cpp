#include "SimDates.h"

#include "common/Platform.h"

#include <cstdio>
#include <ctime>

namespace HerdSim {

// The proleptic Gregorian day count (the well-known era-based conversion).
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

std::string DateText(std::int64_t days) {
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::optional<std::int64_t> ParseDateText(std::string_view text) {
    int year = 0, month = 0, day = 0;
    const std::string copy(text.substr(0, 10));
    if (copy.size() != 10 || std::sscanf(copy.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3)
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return DaysFromCivil(year, month, day);
}

std::int64_t Today() {
    const std::tm now = Platform::LocalTime(std::time(nullptr));
    return DaysFromCivil(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

} // namespace HerdSim
