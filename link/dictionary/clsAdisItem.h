#pragma once

#include <cstdint>
#include <string>

// One DD number as the dictionary or an event defines it.
class clsAdisItem {
public:
    std::string Key;
    std::int32_t DDNo = 0;
    std::int16_t DataType = 0; // 0 number, 1 date, 2 time, 3 text, -1 unknown DD number
    std::int16_t Length = 0;
    std::int16_t Resolution = 0;

    std::string DDNoStr() const { return std::to_string(DDNo); }
    // The 11-character definition group: DD number (8), length (2), resolution (1).
    std::string ItemString() const;
};
