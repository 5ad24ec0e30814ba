#pragma once

#include <string_view>

namespace modCommon {

class HerdMenu;

// The herd list operations. The herd list is written to section "Settings" of the
// settings file as HerdNo1..HerdNon and "HerdList"="1"; it is not read back at
// start-up.

// Checks exactly the herds with the caption, makes the herd current (also as the
// per-user "HerdNo"), re-reads the settings and makes the herd the HerdNo setting.
void SelectHerd(std::string_view herdNo, HerdMenu& menu);

// Adds a herd that is not listed yet (an empty or listed herd number changes
// nothing), hides the placeholder for the first herd, selects the herd and saves
// the settings and the herd list.
void AddHerd(std::string_view herdNo, HerdMenu& menu);

// Removes the herd from the list (the placeholder is shown again when the list
// becomes empty), selects the first remaining herd or none, and writes the list
// again. The other settings in the settings file are kept; only the "HerdNo"
// setting is removed from the file when it names the removed herd.
void RemoveHerd(std::string_view herdNo, HerdMenu& menu);

// Replaces the herd list in the settings file by the herds of the menu.
void SaveHerdList(const HerdMenu& menu);

} // namespace modCommon
