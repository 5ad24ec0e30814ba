#include "LinkSettings.h"

#include "HerdList.h"
#include "SettingsFile.h"
#include "WorkingFiles.h"
#include "common/LinkRegistryKeys.h"
#include "common/ProfileFile.h"
#include "common/modUtils.h"

namespace modCommon {
namespace {

using modUtils::RegRoot;

struct BoolSetting {
    const char* key;
    bool SettingsValues::*member;
};

struct IntSetting {
    const char* key;
    std::int32_t SettingsValues::*member;
};

// In the order the settings are read and written.
constexpr BoolSetting kBoolSettings[] = {
    {"LookupShortText", &SettingsValues::LookupShortText},
    {"RemoteConnection", &SettingsValues::RemoteConnection},
    {"AddCows", &SettingsValues::AddCows},
    {"AddHeifers", &SettingsValues::AddHeifers},
    {"AddInseminatedHeifers", &SettingsValues::AddInseminatedHeifers},
    {"AddPregnantHeifers", &SettingsValues::AddPregnantHeifers},
    {"AddBulls", &SettingsValues::AddBulls},
    {"AddSteers", &SettingsValues::AddSteers},
};

constexpr IntSetting kIntSettings[] = {
    {"AddCowsGroup1", &SettingsValues::AddCowsGroup1},
    {"AddCowsGroup2", &SettingsValues::AddCowsGroup2},
    {"AddHeifersGroup1", &SettingsValues::AddHeifersGroup1},
    {"AddHeifersGroup2", &SettingsValues::AddHeifersGroup2},
    {"AddHeifersGroup3", &SettingsValues::AddHeifersGroup3},
    {"AddBullsGroup", &SettingsValues::AddBullsGroup},
    {"AddSteersGroup", &SettingsValues::AddSteersGroup},
};

constexpr const char* kHerdNoKey = "HerdNo";
constexpr std::int32_t kDefaultGroup = 1;

// True when the settings file holds a non-empty value for the key.
bool FileHasValue(const ProfileFile& file, const char* key) {
    return !file.GetString(kSettingsSection, key).empty();
}

// The machine-wide herd number replaces CurrentHerdNo when it exists.
void RefreshCurrentHerdNoFromMachine() {
    modUtils::RegReadString(CurrentHerdNo(), RegRoot::LocalMachine, kLinkRegistryKey, kHerdNoKey);
}

void ReadHerdNo(const ProfileFile& file) {
    SettingsValues& settings = Settings();
    std::string herdNo = file.GetString(kSettingsSection, kHerdNoKey);
    // An empty value counts as absent: the default is CurrentHerdNo.
    if (herdNo.empty())
        herdNo = CurrentHerdNo();
    if (!herdNo.empty()) {
        settings.HerdNo = herdNo;
        return;
    }
    RefreshCurrentHerdNoFromMachine();
    if (!modUtils::RegReadString(settings.HerdNo, RegRoot::LocalMachine, kLinkRegistryKey,
                                 kHerdNoKey))
        settings.HerdNo = CurrentHerdNo();
}

} // namespace

SettingsValues& Settings() {
    static SettingsValues settings;
    return settings;
}

std::string& CurrentHerdNo() {
    static std::string herdNo;
    return herdNo;
}

void ReadSettings() {
    ProfileFile file;
    file.Load(SettingsFilePath());
    SettingsValues& settings = Settings();
    ReadHerdNo(file);

    for (const auto& setting : kBoolSettings) {
        if (FileHasValue(file, setting.key)) {
            settings.*setting.member = file.GetInt(kSettingsSection, setting.key, 0) != 0;
        } else {
            RefreshCurrentHerdNoFromMachine();
            bool value = false;
            modUtils::RegReadBool(value, RegRoot::LocalMachine, kLinkRegistryKey, setting.key);
            settings.*setting.member = value;
        }
    }

    for (const auto& setting : kIntSettings) {
        if (FileHasValue(file, setting.key)) {
            settings.*setting.member = file.GetInt(kSettingsSection, setting.key, kDefaultGroup);
        } else {
            RefreshCurrentHerdNoFromMachine();
            std::int32_t value = kDefaultGroup;
            modUtils::RegReadLong(value, RegRoot::LocalMachine, kLinkRegistryKey, setting.key);
            settings.*setting.member = value;
        }
    }
}

void SaveSettings(const HerdMenu* herdMenu) {
    if (herdMenu)
        SaveHerdList(*herdMenu);
    UpdateSettingsFile([](ProfileFile& file) {
        const SettingsValues& settings = Settings();
        file.SetString(kSettingsSection, kHerdNoKey, settings.HerdNo);
        for (const auto& setting : kBoolSettings)
            file.SetString(kSettingsSection, setting.key, settings.*setting.member ? "1" : "0");
        for (const auto& setting : kIntSettings)
            file.SetString(kSettingsSection, setting.key, std::to_string(settings.*setting.member));
    });
}

std::string NationalHerdNo() {
    return NationalHerdNo(Settings().HerdNo);
}

std::string NationalHerdNo(const std::string& herdNo) {
    const auto dash = herdNo.find('-');
    if (dash == std::string::npos)
        return herdNo;
    return modUtils::ZeroPadTo(std::string_view(herdNo).substr(0, dash), 2) +
           modUtils::ZeroPadTo(std::string_view(herdNo).substr(dash + 1), 6);
}

} // namespace modCommon
