#pragma once

// The herd request: what the request flow asks the herd-management ISO
// application for, in the herd-management dictionary, so that national requests
// can be answered by converting herd data.

#include "adis/AdisValue.h"
#include "dictionary/clsAdisEvents.h"

#include <optional>
#include <string>

class clsAdisDataDict;
class clsAdisDataFile;

namespace modNational {

// What the national request asks for that bounds the herd request.
struct HerdRequestRanges {
    // The earliest requested start date; none when no request gives one.
    std::optional<AdisDate> earliestDate;
    // Smallest low and largest high bound of the herd number (DD 50011); empty
    // when no request gives one.
    std::string rangeLow;
    std::string rangeHigh;
};

// The bounds over the request's events: the herd-number range only for an ISO
// application of version 5.5 or later; the earliest requested start date,
// none when a request answered from the animal events (055022-055027) gives no
// start date (it asks for the whole history).
HerdRequestRanges CollectHerdRequestRanges(const clsAdisDataFile& request, bool newIsoVersion);

struct HerdRequestOptions {
    std::string nationalManufacturerVersion; // selects the body condition items
    bool newIsoVersion = false;              // transponder, ear tag and herd-number range
    bool milkServed = false;                 // milkings answered from the database: no 000002
};

// Events 000000 (reference date), 000001 (animals), 000002 (milk yields, unless
// answered from the database) and 303085 (animal events from the earliest date),
// each item with its definition in the herd-management dictionary. Raises
// LinkError when that dictionary lacks one of the items.
clsAdisEvents BuildHerdRequest(const clsAdisDataDict& herdDict, const HerdRequestOptions& options,
                               const HerdRequestRanges& ranges);

// A manufacturer version as eight characters: a dictionary read from its file
// has lost its trailing blanks ("ZIRAZ22"), and comparisons with "ZIRAZ22 "
// must not depend on that.
std::string VersionKey(const std::string& version);

} // namespace modNational
