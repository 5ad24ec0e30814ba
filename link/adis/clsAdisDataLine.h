#pragma once

#include "AdisLineKey.h"
#include "clsAdisItemValues.h"

#include <cstdint>
#include <string>
#include <string_view>

class clsAdisItems;

// One value line (V-line) of a data event. LineType and Status are one
// character each, held as its windows-1252 byte (the form it has in the file).
class clsAdisDataLine {
public:
    clsAdisDataLine() = default;
    // A line to be stored with Add under the given key.
    explicit clsAdisDataLine(std::string_view key) : Key(key) {}
    // A copy with storage of its own.
    clsAdisDataLine(const clsAdisDataLine& other)
        : Key(other.Key), LineType(other.LineType), Status(other.Status), EventNo(other.EventNo),
          ItemValues(other.ItemValues) {}

    // Read-only: clsAdisDataLines::ChangeKey re-keys a stored line. The members
    // after it may take the key's tail padding: a file holds millions of lines.
    [[no_unique_address]] AdisLineKey Key;

private:
    friend class AdisLinePool;
    std::uint32_t poolBytes_ = 0; // the size of its block in a pool (0: not pooled)

public:
    char LineType = 'V';
    char Status = 'N';
    std::int32_t EventNo = 0; // -1 when the line's event number was not a number
    clsAdisItemValues ItemValues;

    std::string EventNoStr() const;
    // Line type, status, event number, then one field for each of `items` in
    // their order, holding the line's value of that DD number (Empty when the
    // line has none) in the item's length and resolution. Values of DD numbers
    // that `items` lacks are not written. Control characters are written as blanks.
    std::string LineString(const clsAdisItems& items) const;
};

static_assert(sizeof(clsAdisDataLine) <= 48, "a value line's header stays small");
