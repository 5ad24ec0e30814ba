#include "HerdList.h"

#include "HerdMenu.h"
#include "LinkSettings.h"
#include "SettingsFile.h"
#include "common/LinkRegistryKeys.h"
#include "common/ProfileFile.h"
#include "common/modUtils.h"

#include <string>

namespace modCommon {
namespace {

constexpr const char* kHerdNoKey = "HerdNo";
constexpr const char* kHerdListKey = "HerdList";

std::string HerdKey(long index) {
    return kHerdNoKey + std::to_string(index);
}

} // namespace

void SelectHerd(std::string_view herdNoText, HerdMenu& menu) {
    // A copy: the text may be CurrentHerdNo itself, which ReadSettings can change.
    const std::string herdNo(herdNoText);
    for (long i = 0; i < menu.ElementCount(); ++i)
        menu.At(i).Checked = i > 0 && menu.At(i).Caption == herdNo;
    CurrentHerdNo() = herdNo;
    modUtils::RegWriteString(herdNo, modUtils::RegRoot::CurrentUser, kLinkRegistryKey, kHerdNoKey);
    ReadSettings();
    // The selected herd is the one the window shows and the one the functions
    // work on, whatever herd number the settings file still holds.
    if (!herdNo.empty()) {
        Settings().HerdNo = herdNo;
        CurrentHerdNo() = herdNo;
    }
}

void AddHerd(std::string_view herdNoText, HerdMenu& menu) {
    const std::string herdNo(herdNoText);
    if (herdNo.empty() || menu.Find(herdNo) != 0)
        return;
    menu.Append(herdNo);
    if (menu.HerdCount() == 1)
        menu.At(0).Visible = false;
    SelectHerd(herdNo, menu);
    SaveSettings();
    SaveHerdList(menu);
}

void RemoveHerd(std::string_view herdNoText, HerdMenu& menu) {
    const std::string herdNo(herdNoText);
    if (long index = menu.Find(herdNo); index != 0) {
        if (menu.HerdCount() == 1)
            menu.At(0).Visible = true;
        menu.At(index).Checked = false;
        for (long i = index; i < menu.HerdCount(); ++i)
            menu.At(i).Caption = menu.At(i + 1).Caption;
        menu.RemoveLast();
    }
    // Only the removed herd leaves the settings file; every other setting stays.
    UpdateSettingsFile([&](ProfileFile& file) {
        if (file.GetString(kSettingsSection, kHerdNoKey) == herdNo)
            file.DeleteKey(kSettingsSection, kHerdNoKey);
    });
    SelectHerd(menu.HerdCount() > 0 ? menu.At(1).Caption : std::string(), menu);
    SaveHerdList(menu);
}

void SaveHerdList(const HerdMenu& menu) {
    UpdateSettingsFile([&](ProfileFile& file) {
        for (long i = 1; file.DeleteKey(kSettingsSection, HerdKey(i)); ++i) {
        }
        for (long i = 1; i <= menu.HerdCount(); ++i)
            file.SetString(kSettingsSection, HerdKey(i), menu.At(i).Caption);
        file.SetString(kSettingsSection, kHerdListKey, "1");
    });
}

} // namespace modCommon
