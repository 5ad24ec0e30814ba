#pragma once

#include "clsAdisItem.h"
#include "common/KeyedCollection.h"

#include <memory>

// Items keyed by the decimal text of their DD number ("900024").
class clsAdisItems : public KeyedCollection<clsAdisItem> {
public:
    // The new item, or nothing when the DD number is already present (the first
    // definition stays).
    std::shared_ptr<clsAdisItem> AddItem(std::int32_t ddNo, std::int16_t dataType,
                                         std::int16_t length, std::int16_t resolution);
    // The item of a DD number, or nothing.
    std::shared_ptr<clsAdisItem> ItemOf(std::int32_t ddNo) const;
    // Gives the item of oldDDNo the DD number (and key) newDDNo in its place;
    // false (and no change) unless oldDDNo is present and newDDNo is not.
    bool ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo);
};
