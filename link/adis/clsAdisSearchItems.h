#pragma once

#include "AdisValue.h"
#include "clsAdisSearchItem.h"
#include "common/KeyedCollection.h"

#include <memory>

class clsAdisItems;

// The search items of a request, keyed by the decimal text of their DD number,
// with the maximum number of records the request asks for.
class clsAdisSearchItems : public KeyedCollection<clsAdisSearchItem> {
public:
    AdisValue MaxRecords;

    // The new search item, or nothing when the DD number is already present.
    std::shared_ptr<clsAdisSearchItem> AddItem(std::int32_t ddNo, AdisValue lowValue,
                                               AdisValue highValue);
    // The "SN" line: event number, each search group with the length and
    // resolution of its DD number in `items`, then MaxRecords right-aligned in 6
    // when it is a number. Raises LinkError for a DD number missing from `items`.
    std::string LineString(std::int32_t eventNo, const clsAdisItems& items) const;
};
