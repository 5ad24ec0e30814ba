#pragma once

#include <string>
#include <string_view>

class clsAdisDataDict;

namespace modMirelCom {

// The sender code under which the program builds its herd-management dictionary.
inline constexpr std::string_view HerdSenderCode = "VANTOR20";

// Fills a new, empty dictionary with the built-in herd-management definition:
// version "2000", no national version, the given manufacturer version, the items
// in ascending DD number order and the events with their key items. An existing
// content is not cleared. On a failure the error is shown and the result is false;
// the dictionary then holds what was added before.
bool BuildHerdDictionary(clsAdisDataDict& dict, const std::string& manufacturerVersion);

} // namespace modMirelCom
