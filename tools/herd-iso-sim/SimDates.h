#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace HerdSim {

// Days since 1970-01-01 of a calendar date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

// "YYYY-MM-DD" of a day number, and the day number of such a text.
std::string DateText(std::int64_t days);
std::optional<std::int64_t> ParseDateText(std::string_view text);

// Today's day number in local time.
std::int64_t Today();

} // namespace HerdSim
