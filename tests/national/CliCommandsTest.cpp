// vantorlink-cli as a process where no herd side is needed: its command line,
// help, herd list and settings, add-animals choices stored as the dialog stores
// them, and a command whose ISO application cannot be started.
#include "CliWorld.h"

#include "common/ProfileFile.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::string Setting(const std::string& settingsFile, const char* key) {
    ProfileFile file;
    file.Load(settingsFile);
    return file.HasKey("Settings", key) ? file.GetString("Settings", key) : "<absent>";
}

TEST_F(CliWorld, AWrongCommandLineSaysWhyAndChangesNothing) {
    const std::string settings = FileBytes(File("link.ini"));
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command: frobnicate"},
        {{"send"}, "send needs a FILE"},
        {{"check", "now"}, "unexpected argument: now"},
        {{"add-animals", "a.dat", "--cows", "0,1"}, "--cows takes groups 1 to 199"},
        {{"add-animals", "a.dat", "--heifers", "1,2,3,4"}, "at most 3 groups"},
        {{"add-animals", "a.dat", "--cows", "1", "--no-cows"}, "contradicts"},
        {{"add-animals", "a.dat", "--bulls"}, "missing value after --bulls"},
        {{"add-animals", "a.dat", "--steers", "2"}, "unknown option of add-animals: --steers"},
        {{"herds", "--add", "1234567890"}, "a herd number of 1 to 9 characters"},
        {{"herds", "--select", "7"}, "not in the herd list"},
        {{"settings", "AddCowsGroup1=200"}, "AddCowsGroup1 is a group 1 to 199"},
        {{"settings", "AddCows=yes"}, "AddCows is 0 or 1"},
        {{"settings", "Colour=red"}, "not a setting KEY=VALUE: Colour=red"},
    };
    for (const auto& c : cases) {
        const CapturedRun run = Cli(c.args);
        EXPECT_EQ(run.exitStatus, 2) << c.says;
        EXPECT_THAT(run.err, HasSubstr(c.says));
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(FileBytes(File("link.ini")), settings);
}

TEST_F(CliWorld, HelpForTheToolAndEachCommand) {
    CapturedRun run = Cli({"--help"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_THAT(run.out, StartsWith("usage: vantorlink-cli COMMAND"));
    for (const char* command :
         {"initialize", "check", "send", "add-animals", "herds", "settings"}) {
        run = Cli({command, "--help"});
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_THAT(run.out, StartsWith(std::string("usage: vantorlink-cli ") + command));
    }
}

TEST_F(CliWorld, HerdsAreAddedSelectedAndRemovedAsTheHerdMenuKeepsThem) {
    EXPECT_EQ(Cli({"herds"}).out, "");
    EXPECT_EQ(Cli({"herds", "--add", "7-12"}).out, "* 7-12\n");
    EXPECT_EQ(Cli({"herds", "--add", "12-3456"}).out, "  7-12\n* 12-3456\n");
    EXPECT_EQ(Cli({"herds", "--select", "7-12"}).out, "* 7-12\n  12-3456\n");
    const std::string settings = File("link.ini");
    EXPECT_EQ(Setting(settings, "HerdNo"), "7-12");
    EXPECT_EQ(Setting(settings, "HerdNo2"), "12-3456");
    EXPECT_EQ(Setting(settings, "HerdList"), "1");
    EXPECT_EQ(Cli({"herds", "--remove", "7-12"}).out, "* 12-3456\n");
    EXPECT_EQ(Cli({"herds"}).out, "* 12-3456\n");
    EXPECT_EQ(Setting(settings, "HerdNo1"), "12-3456");
    EXPECT_EQ(Setting(settings, "HerdNo2"), "<absent>");
}

TEST_F(CliWorld, SettingsAreShownAndStored) {
    CapturedRun run = Cli({"settings"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out,
              "HerdNo=12-3456\nLookupShortText=0\nRemoteConnection=0\nAddCows=0\nAddHeifers=0\n"
              "AddInseminatedHeifers=0\nAddPregnantHeifers=0\nAddBulls=0\nAddSteers=0\n"
              "AddCowsGroup1=1\nAddCowsGroup2=1\nAddHeifersGroup1=1\nAddHeifersGroup2=1\n"
              "AddHeifersGroup3=1\nAddBullsGroup=1\nAddSteersGroup=1\n");
    run = Cli({"settings", "lookupshorttext=1", "AddSteersGroup=199", "HerdNo=7-12"});
    EXPECT_THAT(run.out, HasSubstr("HerdNo=7-12\nLookupShortText=1\n"));
    EXPECT_EQ(Setting(File("link.ini"), "AddSteersGroup"), "199");
    EXPECT_EQ(Setting(File("link.ini"), "LookupShortText"), "1");
}

// The choices are stored before anything is sent, as the dialog stores them:
// here the code tables cannot be sent, the ISO application being missing.
TEST_F(CliWorld, AddAnimalsChoicesAreStoredAsTheDialogStoresThem) {
    modUtils::RegWriteString(File("no ISO application"), modUtils::RegRoot::LocalMachine,
                             modMirelCom::IsoRegistryKey, modMirelCom::IsoApplicationValue);
    CapturedRun run = Cli({"add-animals", File("animals.dat"), "--cows", "2,3", "--heifers", "4",
                           "--inseminated", "--bulls", "9"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "Initialization failed!\n");
    EXPECT_THAT(run.err, HasSubstr("Error running ISO application!"));
    const std::string settings = File("link.ini");
    for (const std::string stored :
         {"AddCows=1", "AddCowsGroup1=2", "AddCowsGroup2=3", "AddHeifers=1", "AddHeifersGroup1=4",
          "AddHeifersGroup2=1", "AddInseminatedHeifers=1", "AddPregnantHeifers=0", "AddBulls=1",
          "AddBullsGroup=9", "AddSteers=0", "AddSteersGroup=1", "HerdNo=12-3456"}) {
        const std::string key = stored.substr(0, stored.find('='));
        EXPECT_EQ(key + "=" + Setting(settings, key.c_str()), stored);
    }

    Cli({"add-animals", File("animals.dat"), "--no-cows"});
    EXPECT_EQ(Setting(settings, "AddCows"), "0");
    EXPECT_EQ(Setting(settings, "AddCowsGroup2"), "3");
}

TEST_F(CliWorld, CheckWithoutAnIsoApplicationCannotRun) {
    modUtils::RegWriteString("", modUtils::RegRoot::LocalMachine, modMirelCom::IsoRegistryKey,
                             modMirelCom::IsoApplicationValue);
    const CapturedRun run = Cli({"check"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("Error: Error running ISO application!"));
    EXPECT_FALSE(modUtils::FileExists(File("~link.log")));
}

} // namespace
