#pragma once

#include "DbValue.h"
#include "QueryTexts.h"

#include <cstdint>
#include <string>
#include <vector>

// The search items of a database request as the queries use them: date and time
// items bound the SQL range, the others become the recordset's filter.
namespace modNational {

// One search item: its DD number and its two bounds (NULL when not given).
struct SearchRange {
    std::int32_t ddNo = 0;
    DbValue low;
    DbValue high;
};
using SearchRanges = std::vector<SearchRange>;

enum class DatabaseQuery { Milk7DaysAvg, MilkingSessions, PregChecks };

// The filter text: "<Column> >= '<value>'" and "<Column> <= '<value>'" clauses
// joined by " AND ", in the order of the items; items the query does not know
// are left out. Apostrophes in values are doubled. A SampleTube bound above 32767
// becomes 32767, other SampleTube bounds whole numbers. Raises LinkError (13) for
// a SampleTube bound that is not a number.
std::string BuildFilterText(DatabaseQuery query, const SearchRanges& items);

// The date and time bounds the query's range items give. Raises LinkError (13)
// for a bound that is not a date or time.
QueryRange ReadQueryRange(DatabaseQuery query, const SearchRanges& items);

} // namespace modNational
