#include "SettingsTestFiles.h"
#include "settings/LinkSettings.h"

#include <gtest/gtest.h>

using namespace modCommon;

namespace {

// Every Boolean and group key with a value, so that no setting falls back to the
// registry.
const std::vector<std::string> kAllFlagsAndGroups = {
    "LookupShortText=0",       "RemoteConnection=0",   "AddCows=0",          "AddHeifers=0",
    "AddInseminatedHeifers=0", "AddPregnantHeifers=0", "AddBulls=0",         "AddSteers=0",
    "AddCowsGroup1=1",         "AddCowsGroup2=1",      "AddHeifersGroup1=1", "AddHeifersGroup2=1",
    "AddHeifersGroup3=1",      "AddBullsGroup=1",      "AddSteersGroup=1"};

} // namespace

TEST(ReadSettings, NothingStoredGivesTheDefaults) {
    LinkSandbox sandbox;
    ReadSettings();
    SettingsValues defaults;
    defaults.AddCowsGroup1 = defaults.AddCowsGroup2 = defaults.AddHeifersGroup1 = 1;
    defaults.AddHeifersGroup2 = defaults.AddHeifersGroup3 = 1;
    defaults.AddBullsGroup = defaults.AddSteersGroup = 1;
    EXPECT_EQ(Settings(), defaults);
    EXPECT_EQ(CurrentHerdNo(), "");
}

TEST(ReadSettings, FileFirstThenMachineRegistryEmptyKeyCountsAsAbsent) {
    LinkSandbox sandbox;
    WriteSettingsFile(sandbox, {"[Settings]", "HerdNo=12-3456", "LookupShortText=0",
                                "RemoteConnection=", "AddCows=5", "AddHeifers=  ",
                                "AddCowsGroup1=17", "AddBullsGroup=", "[Other]", "AddSteers=1"});
    SetMachineText("HerdNo", "777");
    SetMachineNumber("LookupShortText", 1);
    SetMachineNumber("RemoteConnection", 1);
    SetMachineNumber("AddHeifers", 1);
    SetMachineNumber("AddCowsGroup1", 3);
    SetMachineNumber("AddBullsGroup", 42);

    ReadSettings();
    const SettingsValues& s = Settings();
    EXPECT_EQ(s.HerdNo, "12-3456");
    EXPECT_FALSE(s.LookupShortText); // the file's 0 wins over the registry
    EXPECT_TRUE(s.RemoteConnection); // empty in the file: registry
    EXPECT_TRUE(s.AddCows);          // any number but 0 is true
    EXPECT_TRUE(s.AddHeifers);       // blanks only: registry
    EXPECT_FALSE(s.AddSteers);       // another section does not count
    EXPECT_EQ(s.AddCowsGroup1, 17);
    EXPECT_EQ(s.AddBullsGroup, 42);
    EXPECT_EQ(s.AddSteersGroup, 1);
    // The registry fallback refreshes the current herd from the machine-wide value.
    EXPECT_EQ(CurrentHerdNo(), "777");
}

TEST(ReadSettings, HerdNumberSources) {
    struct Case {
        const char* fileLine; // nullptr: no HerdNo key
        const char* current;
        const char* machine; // nullptr: no registry value
        const char* expectedSetting;
        const char* expectedCurrent;
    };
    const Case cases[] = {
        {"HerdNo=5", "", "7", "5", ""},       {nullptr, "9", "7", "9", "9"},
        {"HerdNo=", "9", "7", "9", "9"},      {nullptr, "", "7", "7", "7"},
        {"HerdNo=", "", "7", "7", "7"},       {nullptr, "", nullptr, "", ""},
        {"HerdNo=5", "9", nullptr, "5", "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fileLine ? c.fileLine : "(none)") + " current " + c.current);
        LinkSandbox sandbox;
        std::vector<std::string> lines = {"[Settings]", c.fileLine ? c.fileLine : "; no herd"};
        lines.insert(lines.end(), kAllFlagsAndGroups.begin(), kAllFlagsAndGroups.end());
        WriteSettingsFile(sandbox, lines);
        if (c.machine)
            SetMachineText("HerdNo", c.machine);
        CurrentHerdNo() = c.current;
        ReadSettings();
        EXPECT_EQ(Settings().HerdNo, c.expectedSetting);
        EXPECT_EQ(CurrentHerdNo(), c.expectedCurrent);
    }
}

TEST(SaveSettings, WritesEverySettingAndKeepsTheRestOfTheFile) {
    LinkSandbox sandbox;
    WriteSettingsFile(sandbox, {"; written by hand", "[Settings]", "AddCows=1", "Custom=keep",
                                "[Other]", "Key=Value"});
    SettingsValues& s = Settings();
    s.HerdNo = "Gård 7";
    s.RemoteConnection = true;
    s.AddPregnantHeifers = true;
    s.AddCowsGroup2 = 199;
    s.AddSteersGroup = -3;
    SaveSettings();

    const ProfileFile file = SettingsFile(sandbox);
    EXPECT_EQ(file.GetString("Settings", "HerdNo"), "Gård 7");
    EXPECT_EQ(file.GetString("Settings", "RemoteConnection"), "1");
    EXPECT_EQ(file.GetString("Settings", "AddCows"), "0");
    EXPECT_EQ(file.GetString("Settings", "LookupShortText"), "0");
    EXPECT_EQ(file.GetString("Settings", "AddCowsGroup2"), "199");
    EXPECT_EQ(file.GetString("Settings", "AddSteersGroup"), "-3");
    EXPECT_EQ(file.GetString("Settings", "Custom"), "keep");
    EXPECT_EQ(file.GetString("Other", "Key"), "Value");
    EXPECT_EQ(file.Keys("Settings").size(), 17u);

    const SettingsValues saved = s;
    s = {};
    ReadSettings();
    EXPECT_EQ(s, saved);
}

TEST(NationalHerdNo, SplitsAtTheFirstDashAndPads) {
    const std::pair<const char*, const char*> cases[] = {
        {"12-3456", "12003456"},     {"7-12", "07000012"},
        {"123456", "123456"},        {"1-2-3", "010002-3"},
        {"123-1234567", "12123456"}, {"-5", "00000005"},
        {"7-", "07000000"},          {"", ""},
    };
    for (const auto& [herdNo, expected] : cases)
        EXPECT_EQ(NationalHerdNo(herdNo), expected) << herdNo;

    LinkSandbox sandbox;
    Settings().HerdNo = "7-12";
    EXPECT_EQ(NationalHerdNo(), "07000012");
}
