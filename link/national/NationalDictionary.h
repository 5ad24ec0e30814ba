#pragma once

#include <array>
#include <string>
#include <string_view>

class clsAdisDataDict;

namespace modNational {

// The national dictionary versions the program supports; the first is the current
// one. Eight characters each, the trailing blank included.
inline constexpr std::array<std::string_view, 2> NationalVersions{"ZIRAZ22 ", "ZIRAZ19 "};

// Manufacturer versions that sort before this one (by character code) get the
// older generation of national code sets.
inline constexpr std::string_view FirstNewCodeSetVersion = "ZIRAZ20 ";

// Fills the dictionary with the national items, events and the code sets of the
// generation the manufacturer version selects; version "2000    ", the national
// version is left as it is. On a failure the error is shown and the result is
// false; the dictionary then holds what was added before.
bool BuildNationalDict(clsAdisDataDict& dict, const std::string& manufacturerVersion);

// Puts the national DD numbers the program reads past without processing on the
// dictionary's not-supported list. On a failure (a number already listed) the
// error is shown and the result is false.
bool SetNationalNotSupported(clsAdisDataDict& dict);

} // namespace modNational
