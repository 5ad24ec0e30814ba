#pragma once

#include "DbValue.h"
#include "QuerySearch.h"
#include "adis/AdisValue.h"

class clsAdisSearchItems;

// Between the item values of ADIS files and the values of database rows.
namespace modNational {

// The search items of a request as the queries take them; Empty and Null bounds
// are not given.
SearchRanges ToSearchRanges(const clsAdisSearchItems& searchItems);

DbValue ToDbValue(const AdisValue& value);
// A row value as an item value: NULL gives Null, numbers numbers, moments dates
// (a time of day alone gives a time), texts texts.
AdisValue ToAdisValue(const DbValue& value);

} // namespace modNational
