#pragma once

#include "QuerySearch.h"
#include "Recordset.h"

#include <memory>

class clsAdisSearchItems;

// The three requests answered from the herd-management database: each asks the
// database for its version, runs the SQL text that fits it on DbConnection and
// gives all rows, narrowed by the filter its search items make. Nothing when no
// query fits, or after a critical message box when the database failed.
namespace modNational {

std::shared_ptr<Recordset> QueryMilk7DaysAvg(const clsAdisSearchItems& searchItems);
std::shared_ptr<Recordset> QueryMilkingSessions(const clsAdisSearchItems& searchItems);
std::shared_ptr<Recordset> QueryPregChecks(const clsAdisSearchItems& searchItems);

// The same with the search items already read (see ToSearchRanges).
std::shared_ptr<Recordset> QueryMilk7DaysAvg(const SearchRanges& searchItems);
std::shared_ptr<Recordset> QueryMilkingSessions(const SearchRanges& searchItems);
std::shared_ptr<Recordset> QueryPregChecks(const SearchRanges& searchItems);

// The common course of the three; today is the default day of the seven-day averages.
std::shared_ptr<Recordset> RunDatabaseQuery(DatabaseQuery query, const SearchRanges& searchItems,
                                            const DbDateTime& today);

// The local calendar day.
DbDateTime LocalToday();

} // namespace modNational
