#pragma once

#include <memory>

class clsAdisDataDict;
class clsAdisDataFile;

namespace modNational {

class Recordset;

// The answers made from rows of the herd-management database for an older
// herd-management ISO application: one value line per row with the request's
// items, keyed by the official number and the row's moment. A recordset that
// is nothing or has no rows gives one line keyed "Null". Each answer replaces
// what the herd-management side may have answered.
void AnswerPregnancyChecks(const clsAdisDataFile& request, Recordset* rows,
                           const clsAdisDataDict& nationalDict, clsAdisDataFile& answer);
void AnswerMilkings(const clsAdisDataFile& request, Recordset* sevenDayAverages,
                    Recordset* sessions, const clsAdisDataDict& nationalDict,
                    clsAdisDataFile& answer);

} // namespace modNational
