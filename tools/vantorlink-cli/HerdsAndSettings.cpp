#include "CliCommands.h"
#include "SettingKeys.h"

#include "common/ProfileFile.h"
#include "settings/HerdList.h"
#include "settings/HerdMenu.h"
#include "settings/LinkSettings.h"
#include "settings/WorkingFiles.h"

#include <cstdio>

namespace VantorCli {
namespace {

// The herd list as the settings file keeps it (HerdNo1, HerdNo2, ...), with the
// current herd checked.
modCommon::HerdMenu LoadHerdList() {
    ProfileFile file;
    file.Load(modCommon::SettingsFilePath());
    modCommon::HerdMenu menu;
    for (long i = 1;; ++i) {
        const std::string herdNo =
            file.GetString(modCommon::kSettingsSection, "HerdNo" + std::to_string(i));
        if (herdNo.empty())
            break;
        if (menu.Find(herdNo) == 0)
            menu.Append(herdNo);
    }
    if (menu.HerdCount() > 0)
        menu.At(0).Visible = false;
    for (long i = 1; i <= menu.HerdCount(); ++i)
        menu.At(i).Checked = menu.At(i).Caption == modCommon::CurrentHerdNo();
    return menu;
}

void PrintHerds(const modCommon::HerdMenu& menu) {
    for (const std::string& herdNo : menu.HerdNumbers())
        std::printf("%s %s\n", herdNo == modCommon::CurrentHerdNo() ? "*" : " ", herdNo.c_str());
}

} // namespace

int RunHerds(const CliCommand& command) {
    modCommon::HerdMenu menu = LoadHerdList();
    const bool listed = menu.Find(command.herdNo) != 0;
    if ((command.herdAction == HerdAction::Select || command.herdAction == HerdAction::Remove) &&
        !listed) {
        std::fprintf(stderr, "vantorlink-cli: herd %s is not in the herd list\n",
                     command.herdNo.c_str());
        return modNational::kExitUsage;
    }
    switch (command.herdAction) {
    case HerdAction::List:
        break;
    case HerdAction::Add:
        modCommon::AddHerd(command.herdNo, menu);
        break;
    case HerdAction::Select:
        modCommon::SelectHerd(command.herdNo, menu);
        modCommon::SaveSettings();
        break;
    case HerdAction::Remove:
        modCommon::RemoveHerd(command.herdNo, menu);
        modCommon::SaveSettings();
        break;
    }
    PrintHerds(menu);
    return modNational::kExitSuccess;
}

int RunSettings(const CliCommand& command) {
    modCommon::SettingsValues& settings = modCommon::Settings();
    if (!command.settings.empty()) {
        for (const auto& [name, value] : command.settings)
            ApplySetting(*FindSettingKey(name), value, settings);
        modCommon::SaveSettings();
        // As after the settings dialog: the window works on the herd set there.
        modCommon::CurrentHerdNo() = settings.HerdNo;
    }
    for (const SettingKey& key : kSettingKeys)
        std::printf("%s=%s\n", key.name, SettingText(key, settings).c_str());
    return modNational::kExitSuccess;
}

void StoreAddAnimalsChoices(const AddAnimalsChoices& choices) {
    modCommon::SettingsValues& settings = modCommon::Settings();
    if (choices.cows)
        settings.AddCows = *choices.cows;
    std::int32_t* cowGroups[] = {&settings.AddCowsGroup1, &settings.AddCowsGroup2};
    for (std::size_t i = 0; i < choices.cowGroups.size(); ++i)
        *cowGroups[i] = choices.cowGroups[i];
    if (choices.heifers)
        settings.AddHeifers = *choices.heifers;
    std::int32_t* heiferGroups[] = {&settings.AddHeifersGroup1, &settings.AddHeifersGroup2,
                                    &settings.AddHeifersGroup3};
    for (std::size_t i = 0; i < choices.heiferGroups.size(); ++i)
        *heiferGroups[i] = choices.heiferGroups[i];
    if (choices.inseminated)
        settings.AddInseminatedHeifers = true;
    if (choices.pregnant)
        settings.AddPregnantHeifers = true;
    if (choices.bullsGroup) {
        settings.AddBulls = true;
        settings.AddBullsGroup = *choices.bullsGroup;
    }
    modCommon::SaveSettings();
}

} // namespace VantorCli
