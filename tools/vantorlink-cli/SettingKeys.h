#pragma once

#include "settings/LinkSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace VantorCli {

// One setting as "settings KEY=VALUE" names it.
struct SettingKey {
    const char* name;
    std::string modCommon::SettingsValues::*text = nullptr;
    bool modCommon::SettingsValues::*flag = nullptr;
    std::int32_t modCommon::SettingsValues::*group = nullptr;
};

// The settings in the order the settings file holds them.
extern const SettingKey kSettingKeys[16];

// The key of that name (without regard to case), or nothing.
const SettingKey* FindSettingKey(std::string_view name);

// The groups the dialogs offer.
inline constexpr std::int32_t kLowestGroup = 1;
inline constexpr std::int32_t kHighestGroup = 199;
// The herd number as the dialogs take it: at most 9 characters.
inline constexpr std::size_t kHerdNoMaxLength = 9;

// Checks the value for the key: a herd number of at most 9 characters, a
// Boolean 0 or 1, a group 1 to 199. The reason in `error` when it is refused.
bool CheckSettingValue(const SettingKey& key, const std::string& value, std::string& error);
// A group number 1 to 199 from its text, or nothing.
std::optional<std::int32_t> ParseGroup(std::string_view text);

void ApplySetting(const SettingKey& key, const std::string& value,
                  modCommon::SettingsValues& settings);
// The value as "settings" shows it (Booleans 0 or 1).
std::string SettingText(const SettingKey& key, const modCommon::SettingsValues& settings);

} // namespace VantorCli
