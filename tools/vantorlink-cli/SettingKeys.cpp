#include "SettingKeys.h"

#include "common/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace VantorCli {

using modCommon::SettingsValues;

const SettingKey kSettingKeys[16] = {
    {"HerdNo", &SettingsValues::HerdNo},
    {"LookupShortText", nullptr, &SettingsValues::LookupShortText},
    {"RemoteConnection", nullptr, &SettingsValues::RemoteConnection},
    {"AddCows", nullptr, &SettingsValues::AddCows},
    {"AddHeifers", nullptr, &SettingsValues::AddHeifers},
    {"AddInseminatedHeifers", nullptr, &SettingsValues::AddInseminatedHeifers},
    {"AddPregnantHeifers", nullptr, &SettingsValues::AddPregnantHeifers},
    {"AddBulls", nullptr, &SettingsValues::AddBulls},
    {"AddSteers", nullptr, &SettingsValues::AddSteers},
    {"AddCowsGroup1", nullptr, nullptr, &SettingsValues::AddCowsGroup1},
    {"AddCowsGroup2", nullptr, nullptr, &SettingsValues::AddCowsGroup2},
    {"AddHeifersGroup1", nullptr, nullptr, &SettingsValues::AddHeifersGroup1},
    {"AddHeifersGroup2", nullptr, nullptr, &SettingsValues::AddHeifersGroup2},
    {"AddHeifersGroup3", nullptr, nullptr, &SettingsValues::AddHeifersGroup3},
    {"AddBullsGroup", nullptr, nullptr, &SettingsValues::AddBullsGroup},
    {"AddSteersGroup", nullptr, nullptr, &SettingsValues::AddSteersGroup},
};

const SettingKey* FindSettingKey(std::string_view name) {
    const auto sameName = [&](const SettingKey& key) {
        const std::string_view keyName(key.name);
        return keyName.size() == name.size() &&
               std::equal(keyName.begin(), keyName.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
    const auto found = std::find_if(std::begin(kSettingKeys), std::end(kSettingKeys), sameName);
    return found == std::end(kSettingKeys) ? nullptr : found;
}

std::optional<std::int32_t> ParseGroup(std::string_view text) {
    std::int32_t group = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), group);
    if (error != std::errc() || end != text.data() + text.size() || group < kLowestGroup ||
        group > kHighestGroup)
        return std::nullopt;
    return group;
}

bool CheckSettingValue(const SettingKey& key, const std::string& value, std::string& error) {
    if (key.text) {
        if (TextEncoding::CharCount(value) <= kHerdNoMaxLength)
            return true;
        error = std::string(key.name) + " takes at most 9 characters: " + value;
        return false;
    }
    if (key.flag) {
        if (value == "0" || value == "1")
            return true;
        error = std::string(key.name) + " is 0 or 1, not: " + value;
        return false;
    }
    if (ParseGroup(value))
        return true;
    error = std::string(key.name) + " is a group 1 to 199, not: " + value;
    return false;
}

void ApplySetting(const SettingKey& key, const std::string& value, SettingsValues& settings) {
    if (key.text)
        settings.*key.text = value;
    else if (key.flag)
        settings.*key.flag = value == "1";
    else if (const auto group = ParseGroup(value))
        settings.*key.group = *group;
}

std::string SettingText(const SettingKey& key, const SettingsValues& settings) {
    if (key.text)
        return settings.*key.text;
    if (key.flag)
        return settings.*key.flag ? "1" : "0";
    return std::to_string(settings.*key.group);
}

} // namespace VantorCli
