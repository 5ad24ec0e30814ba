#pragma once

#include "dictionary/clsAdisDataDict.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

using Keys_t = std::vector<std::string>;

// The keys of a dictionary collection, in its order.
inline Keys_t Keys(const auto& collection) {
    Keys_t keys;
    for (const auto& element : collection)
        keys.push_back(element->Key);
    return keys;
}

// The keys that items or codes with these numbers have.
inline Keys_t NumberKeys(std::span<const std::int32_t> numbers) {
    Keys_t keys;
    for (std::int32_t number : numbers)
        keys.push_back(std::to_string(number));
    return keys;
}
inline Keys_t NumberKeys(std::initializer_list<std::int32_t> numbers) {
    return NumberKeys(std::span<const std::int32_t>(numbers.begin(), numbers.size()));
}

// Everything a dictionary file keeps, a line per entry, to compare two dictionaries.
inline std::vector<std::string> Describe(const clsAdisDataDict& dict) {
    std::vector<std::string> out{dict.Version, dict.NationalVersion, dict.ManufacturerVersion};
    for (const auto& item : dict.Items())
        out.push_back("I" + item->Key + "/" + std::to_string(item->DataType) + "/" +
                      item->ItemString());
    for (const auto& event : dict.Events()) {
        out.push_back("E" + event->Key);
        for (const auto& item : *event->Items())
            out.push_back(" i" + item->ItemString() + "/" + std::to_string(item->DataType));
        for (const auto& key : *event->KeyItems())
            out.push_back(" k" + key->Key);
    }
    for (const auto& set : dict.CodeSets()) {
        out.push_back("C" + set->Key);
        for (const auto& code : *set)
            out.push_back(" " + code->Key + "|" + code->ShortText + "|" + code->LongText);
    }
    return out;
}
