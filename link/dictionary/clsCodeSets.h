#pragma once

#include "clsCodeSetItems.h"
#include "common/KeyedCollection.h"

#include <memory>
#include <string_view>

// The code sets of a dictionary, keyed by their set key.
class clsCodeSets : public KeyedCollection<clsCodeSetItems> {
public:
    // Sets the set's Key and stores it; a key already present raises LinkError and
    // leaves the old set in place.
    std::shared_ptr<clsCodeSetItems> AddItem(std::string_view key,
                                             std::shared_ptr<clsCodeSetItems> codeSetItems);
};
