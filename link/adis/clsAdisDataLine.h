#pragma once

#include "clsAdisItemValues.h"

#include <cstdint>
#include <string>

class clsAdisItems;

// One value line (V-line) of a data event.
class clsAdisDataLine {
public:
    std::string Key;
    char LineType = 'V';
    char Status = 'N';
    std::int32_t EventNo = 0; // -1 when the line's event number was not a number
    clsAdisItemValues ItemValues;

    std::string EventNoStr() const;
    // Line type, status, event number, then each value's field with the length and
    // resolution of its DD number in `items`. Raises LinkError for a value whose
    // DD number `items` lacks.
    std::string LineString(const clsAdisItems& items) const;
};
