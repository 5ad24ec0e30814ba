#pragma once

#include <cstdint>
#include <string>

// One DD number that identifies a record of an event.
class clsAdisKeyItem {
public:
    std::string Key;
    std::int32_t DDNo = 0;

    std::string DDNoStr() const { return std::to_string(DDNo); }
};
