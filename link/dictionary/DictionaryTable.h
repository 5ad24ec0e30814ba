#pragma once

// Compile-time tables from which the built-in dictionaries are made, and the
// procedures that add such tables to a dictionary in table order.

#include <cstdint>
#include <span>
#include <string_view>

class clsAdisDataDict;

namespace DictionaryTable {

struct ItemDef {
    std::int32_t ddNo;
    std::int16_t dataType;
    std::int16_t length;
    std::int16_t resolution;
};

// An event: its key items (possibly none) and its items in definition order.
struct EventDef {
    std::int32_t eventNo;
    std::span<const std::int32_t> keyItems;
    std::span<const std::int32_t> items;
};

struct CodeDef {
    std::int16_t code;
    std::string_view shortText;
    std::string_view longText;
};

struct CodeSetDef {
    std::string_view key;
    std::span<const CodeDef> codes;
};

// Each raises LinkError to the caller when the dictionary refuses an entry (an
// event item that is not a dictionary item).
void AddItems(clsAdisDataDict& dict, std::span<const ItemDef> items);
// Per event: the key items first, then the items one by one.
void AddEvents(clsAdisDataDict& dict, std::span<const EventDef> events);
void AddCodeSets(clsAdisDataDict& dict, std::span<const CodeSetDef> codeSets);
void AddNotSupported(clsAdisDataDict& dict, std::span<const std::int32_t> ddNos);

} // namespace DictionaryTable
