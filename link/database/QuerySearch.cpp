#include "QuerySearch.h"

#include "RecordsetFilter.h"
#include "common/LinkError.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace modNational {
namespace {

constexpr long kTypeMismatch = 13;
constexpr double kSampleTubeLimit = 32767; // 2^15 - 1

enum class Bound { Plain, Unicode, SampleTube };

struct FilterColumn {
    std::int32_t ddNo;
    const char* column;
    Bound bound;
};

constexpr FilterColumn kMilk7DaysAvgColumns[] = {
    {900024, "SampleTubeRack", Bound::Plain}, {900025, "SampleTube", Bound::SampleTube},
    {50178, "Avg7Days", Bound::Plain},        {900068, "MilkingUnitNumber", Bound::Plain},
    {900070, "AnimalNumber", Bound::Plain},   {900080, "OfficialRegNo", Bound::Plain}};

constexpr FilterColumn kMilkingSessionsColumns[] = {
    {900024, "SampleTubeRack", Bound::Plain},    {900025, "SampleTube", Bound::SampleTube},
    {50151, "MilkingStatus", Bound::Plain},      {900042, "TotalYield", Bound::Plain},
    {900068, "MilkingUnitNumber", Bound::Plain}, {900070, "AnimalNumber", Bound::Plain},
    {900079, "MilkDuration", Bound::Plain},      {900080, "OfficialRegNo", Bound::Plain}};

constexpr FilterColumn kPregChecksColumns[] = {{50305, "PregCheckStatus", Bound::Plain},
                                               {900070, "AnimalNumber", Bound::Plain},
                                               {900080, "OfficialRegNo", Bound::Plain},
                                               {900091, "PersonID", Bound::Unicode}};

std::span<const FilterColumn> ColumnsOf(DatabaseQuery query) {
    switch (query) {
    case DatabaseQuery::Milk7DaysAvg:
        return kMilk7DaysAvgColumns;
    case DatabaseQuery::MilkingSessions:
        return kMilkingSessionsColumns;
    case DatabaseQuery::PregChecks:
        return kPregChecksColumns;
    }
    return {};
}

// The DD numbers of the date item and, where the query has one, the time item.
std::int32_t DateItemOf(DatabaseQuery query) {
    return query == DatabaseQuery::PregChecks ? 900059 : 900054;
}
std::int32_t TimeItemOf(DatabaseQuery query) {
    return query == DatabaseQuery::PregChecks ? 0 : 900078;
}

std::string SampleTubeText(const DbValue& value) {
    const auto number = NumberOf(value);
    if (!number)
        throw LinkError(kTypeMismatch, "Type mismatch");
    // Whole numbers round half to even.
    return NumberText(std::min(std::nearbyint(*number), kSampleTubeLimit));
}

std::string BoundText(const DbValue& value, Bound bound) {
    return bound == Bound::SampleTube ? SampleTubeText(value) : DefaultText(value);
}

std::optional<DbDateTime> MomentOf(const DbValue& value) {
    if (IsNull(value))
        return std::nullopt;
    if (const auto* moment = std::get_if<DbDateTime>(&value))
        return *moment;
    if (const auto* text = std::get_if<std::string>(&value))
        if (auto parsed = ParseDateTimeText(*text))
            return parsed;
    throw LinkError(kTypeMismatch, "Type mismatch");
}

} // namespace

std::string BuildFilterText(DatabaseQuery query, const SearchRanges& items) {
    std::string filter;
    const auto append = [&filter](const FilterColumn& column, const char* op,
                                  const DbValue& value) {
        if (!filter.empty())
            filter += " AND ";
        filter +=
            std::string(column.column) + " " + op + " " +
            QuoteFilterLiteral(BoundText(value, column.bound), column.bound == Bound::Unicode);
    };
    const auto columns = ColumnsOf(query);
    for (const SearchRange& item : items) {
        const auto column = std::find_if(columns.begin(), columns.end(),
                                         [&](const auto& c) { return c.ddNo == item.ddNo; });
        if (column == columns.end())
            continue;
        if (!IsNull(item.low))
            append(*column, ">=", item.low);
        if (!IsNull(item.high))
            append(*column, "<=", item.high);
    }
    return filter;
}

QueryRange ReadQueryRange(DatabaseQuery query, const SearchRanges& items) {
    QueryRange range;
    for (const SearchRange& item : items) {
        if (item.ddNo == DateItemOf(query)) {
            if (auto low = MomentOf(item.low))
                range.fromDate = low;
            if (auto high = MomentOf(item.high))
                range.toDate = high;
        } else if (item.ddNo == TimeItemOf(query)) {
            if (auto low = MomentOf(item.low))
                range.fromTime = low;
            if (auto high = MomentOf(item.high))
                range.toTime = high;
        }
    }
    return range;
}

} // namespace modNational
