#pragma once

#include "AdisValue.h"

#include <cstdint>
#include <string>

// One range condition of a request: the values of DDNo must lie from LowValue to
// HighValue.
class clsAdisSearchItem {
public:
    std::string Key;
    std::int32_t DDNo = 0;
    AdisValue LowValue;
    AdisValue HighValue;

    std::string DDNoStr() const { return std::to_string(DDNo); }
    // The definition group followed by the low and the high field.
    std::string ItemString(std::int16_t length, std::int16_t resolution) const;
};
