#pragma once

#include "AdisValue.h"

#include <cstdint>
#include <string>

// One value of a value line.
class clsAdisItemValue {
public:
    std::string Key;
    std::int32_t DDNo = 0;
    AdisValue Value;

    std::string DDNoStr() const { return std::to_string(DDNo); }
    // The value's field text in a field of the given length and resolution.
    std::string ItemString(std::int16_t length, std::int16_t resolution) const;
};
