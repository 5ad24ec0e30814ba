#include "settings/HerdList.h"
#include "SettingsTestFiles.h"
#include "common/LinkError.h"
#include "settings/HerdMenu.h"
#include "settings/LinkSettings.h"

#include <gtest/gtest.h>

using namespace modCommon;

namespace {

std::vector<bool> CheckMarks(const HerdMenu& menu) {
    std::vector<bool> marks;
    for (long i = 1; i <= menu.HerdCount(); ++i)
        marks.push_back(menu.At(i).Checked);
    return marks;
}

std::vector<std::string> StoredHerdList(const ProfileFile& file) {
    std::vector<std::string> herds;
    for (long i = 1; file.HasKey("Settings", "HerdNo" + std::to_string(i)); ++i)
        herds.push_back(file.GetString("Settings", "HerdNo" + std::to_string(i)));
    return herds;
}

std::string UserHerdNo() {
    std::string herdNo;
    modUtils::RegReadString(herdNo, modUtils::RegRoot::CurrentUser, kLinkRegistryKey, "HerdNo");
    return herdNo;
}

using Herds = std::vector<std::string>;

} // namespace

TEST(HerdList, AddingAndSelectingMakeTheHerdTheSettingAndStoreTheList) {
    LinkSandbox sandbox;
    WriteSettingsFile(sandbox, {"[Settings]", "HerdNo=5555", "AddBulls=1"});
    HerdMenu menu;
    AddHerd("1001", menu);
    AddHerd("2002", menu);
    AddHerd("1001", menu); // already listed: nothing changes
    AddHerd("", menu);     // no herd number: nothing changes

    EXPECT_EQ(menu.HerdNumbers(), (Herds{"1001", "2002"}));
    EXPECT_FALSE(menu.At(0).Visible);
    EXPECT_EQ(CheckMarks(menu), (std::vector<bool>{false, true}));
    EXPECT_EQ(CurrentHerdNo(), "2002");
    EXPECT_EQ(Settings().HerdNo, "2002");
    EXPECT_EQ(UserHerdNo(), "2002");
    EXPECT_TRUE(Settings().AddBulls);

    const ProfileFile file = SettingsFile(sandbox);
    EXPECT_EQ(StoredHerdList(file), (Herds{"1001", "2002"}));
    EXPECT_EQ(file.GetString("Settings", "HerdList"), "1");
    EXPECT_EQ(file.GetString("Settings", "HerdNo"), "2002");

    // Selecting wins over the herd the file names.
    SelectHerd("1001", menu);
    EXPECT_EQ(CheckMarks(menu), (std::vector<bool>{true, false}));
    EXPECT_EQ(Settings().HerdNo, "1001");
    EXPECT_EQ(CurrentHerdNo(), "1001");
    EXPECT_TRUE(Settings().AddBulls);
}

TEST(HerdList, RemovingKeepsTheOtherSettings) {
    LinkSandbox sandbox;
    WriteSettingsFile(sandbox, {"[Settings]", "RemoteConnection=1", "AddCows=1", "AddCowsGroup1=12",
                                "Custom=keep"});
    HerdMenu menu;
    for (const char* herd : {"A1", "B2", "C3"})
        AddHerd(herd, menu);
    SelectHerd("B2", menu);

    RemoveHerd(CurrentHerdNo(), menu);
    EXPECT_EQ(menu.HerdNumbers(), (Herds{"A1", "C3"}));
    EXPECT_EQ(CheckMarks(menu), (std::vector<bool>{true, false}));
    EXPECT_FALSE(menu.At(0).Visible);
    EXPECT_EQ(CurrentHerdNo(), "A1");
    EXPECT_EQ(Settings().HerdNo, "A1");
    EXPECT_TRUE(Settings().RemoteConnection);
    EXPECT_EQ(Settings().AddCowsGroup1, 12);
    {
        const ProfileFile file = SettingsFile(sandbox);
        EXPECT_EQ(StoredHerdList(file), (Herds{"A1", "C3"}));
        EXPECT_FALSE(file.HasKey("Settings", "HerdNo3"));
        EXPECT_EQ(file.GetString("Settings", "AddCows"), "1");
        EXPECT_EQ(file.GetString("Settings", "AddCowsGroup1"), "12");
        EXPECT_EQ(file.GetString("Settings", "Custom"), "keep");
    }

    RemoveHerd("A1", menu);
    RemoveHerd("C3", menu);
    EXPECT_EQ(menu.ElementCount(), 1); // the placeholder alone
    EXPECT_TRUE(menu.At(0).Visible);
    EXPECT_FALSE(menu.At(0).Checked);
    EXPECT_THROW(menu.At(1), LinkError);
    EXPECT_EQ(CurrentHerdNo(), "");
    EXPECT_EQ(Settings().HerdNo, "");
    const ProfileFile file = SettingsFile(sandbox);
    EXPECT_TRUE(StoredHerdList(file).empty());
    EXPECT_EQ(file.GetString("Settings", "HerdList"), "1");
    EXPECT_FALSE(file.HasKey("Settings", "HerdNo")); // named a removed herd
    EXPECT_EQ(file.GetString("Settings", "RemoteConnection"), "1");
    EXPECT_TRUE(Settings().AddCows);
}

TEST(HerdList, RemovingTheLastHerdFallsBackToTheMachineHerd) {
    LinkSandbox sandbox;
    SetMachineText("HerdNo", "9999");
    HerdMenu menu;
    AddHerd("1234", menu);
    RemoveHerd("1234", menu);
    EXPECT_EQ(Settings().HerdNo, "9999");
    EXPECT_EQ(CurrentHerdNo(), "9999");
}
