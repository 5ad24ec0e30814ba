#pragma once

#include "clsAdisKeyItem.h"
#include "common/KeyedCollection.h"

#include <memory>

// Key items keyed by the decimal text of their DD number.
class clsAdisKeyItems : public KeyedCollection<clsAdisKeyItem> {
public:
    // The new key item, or nothing when the DD number is already present.
    std::shared_ptr<clsAdisKeyItem> AddItem(std::int32_t ddNo);
};
