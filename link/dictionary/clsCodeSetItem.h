#pragma once

#include <cstdint>
#include <string>

// One code of a code set: ShortText "01", LongText "01 SRB".
class clsCodeSetItem {
public:
    std::string Key;
    std::int16_t Code = 0;
    std::string ShortText;
    std::string LongText;
};
