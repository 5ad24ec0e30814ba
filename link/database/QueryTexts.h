#pragma once

#include "DbValue.h"

#include <optional>
#include <string>
#include <string_view>

// The SQL texts of the three queries answered from the herd-management database.
// They depend on the herd-management version and configuration and on the range
// of the request only; nothing here touches the database.
namespace modNational {

inline constexpr std::string_view kVersionQuery =
    "SELECT TOP 1 CurrentAppVersion, QelConfig FROM DatabaseInfo";

// Herd-management versions that differ in their tables.
enum class AppGeneration { Old, New, Unknown };

// Old: starts with "2009.2" or "2010"; new: otherwise, when its first six
// characters are "2012.2" or later as text; anything else is unknown.
AppGeneration ClassifyAppVersion(std::string_view currentAppVersion);

// The date and time bounds of a request (each only when the request gave it).
struct QueryRange {
    std::optional<DbDateTime> fromDate;
    std::optional<DbDateTime> toDate;
    std::optional<DbDateTime> fromTime;
    std::optional<DbDateTime> toTime;
};

// Seven-day milk averages. Without any date both dates are today (date only).
// Nothing when no query fits the version and configuration.
std::optional<std::string> Milk7DaysAvgSql(AppGeneration generation, long qelConfig,
                                           const QueryRange& range, const DbDateTime& today);
// Milking sessions; without a date there is no time condition.
std::optional<std::string> MilkingSessionsSql(AppGeneration generation, long qelConfig,
                                              const QueryRange& range);
// Pregnancy checks; only the new version has them.
std::optional<std::string> PregChecksSql(AppGeneration generation, const QueryRange& range);

} // namespace modNational
