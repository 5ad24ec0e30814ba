#pragma once

#include <cstdint>
#include <string>

namespace modCommon {

class HerdMenu;

// The program's settings. Before the first ReadSettings every Boolean is false and
// every integer 0; ReadSettings leaves the documented defaults where neither the
// settings file nor the machine-wide registry key holds a value.
struct SettingsValues {
    std::string HerdNo;
    bool LookupShortText = false;
    bool RemoteConnection = false;
    bool AddCows = false;
    bool AddHeifers = false;
    bool AddInseminatedHeifers = false;
    bool AddPregnantHeifers = false;
    bool AddBulls = false;
    bool AddSteers = false;
    std::int32_t AddCowsGroup1 = 0;
    std::int32_t AddCowsGroup2 = 0;
    std::int32_t AddHeifersGroup1 = 0;
    std::int32_t AddHeifersGroup2 = 0;
    std::int32_t AddHeifersGroup3 = 0;
    std::int32_t AddBullsGroup = 0;
    std::int32_t AddSteersGroup = 0;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// The program-wide settings.
SettingsValues& Settings();
// The program-wide herd the window works on.
std::string& CurrentHerdNo();

// The section of the settings file that holds every setting and the herd list.
inline constexpr const char* kSettingsSection = "Settings";

// Reads every setting: from section "Settings" of "link.ini" in the program
// folder; a key absent there or empty falls back to the value of the same name
// under the machine-wide registry key, then to the default (HerdNo: CurrentHerdNo;
// Booleans: false; groups: 1). Each fallback to the registry also refreshes
// CurrentHerdNo from the machine-wide "HerdNo" when that value exists. Silent.
void ReadSettings();

// Writes every setting to the settings file (Booleans "1"/"0", integers in
// decimal); with a herd menu, the herd list first. Silent.
void SaveSettings(const HerdMenu* herdMenu = nullptr);

// The herd number as the national files write it: "12-3456" gives "12003456" (the
// part before the first "-" zero-padded to 2 characters, the rest to 6, each cut
// when longer); a herd number without "-" is returned unchanged.
std::string NationalHerdNo();
std::string NationalHerdNo(const std::string& herdNo);

} // namespace modCommon
