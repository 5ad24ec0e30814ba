#pragma once

#include "clsCodeSetItem.h"
#include "common/KeyedCollection.h"

#include <memory>
#include <string_view>

// One code set, keyed in its set collection by the six-digit DD number of the
// coded item, optionally followed by "-" and a sub-set digit ("050185-6"). Its
// codes are keyed by their decimal value ("1" for code 01).
class clsCodeSetItems : public KeyedCollection<clsCodeSetItem> {
public:
    std::string Key;

    // The new code, or nothing when the code is already present.
    std::shared_ptr<clsCodeSetItem> AddItem(std::int16_t code, std::string_view shortText,
                                            std::string_view longText);
};
