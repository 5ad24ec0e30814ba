// vantorlink-cli's national commands as processes against herd-iso-sim, with
// the demo herd of 2026-11-30, its herd database read back after each command.
#include "../../database/DatabaseTestSupport.h"
#include "CliWorld.h"
#include "HerdDbRows.h"

#include "adis/modADISFiles.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string kAnimalList = std::string(LINK_EXAMPLES_DIR) + "animal-list-055501.dat";
const std::string kTestDayResults = std::string(LINK_EXAMPLES_DIR) + "test-day-results-055502.dat";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

class HerdSide : public CliWorld {
protected:
    void SetUp() override { MakeHerd({"--demo", "--today", "2026-11-30"}); }

    void MakeHerd(std::vector<std::string> args) {
        args.insert(args.begin(), {kSimulator, "--init", File("herd.db")});
        ASSERT_EQ(modUtils::RunProgramAndWait(args, 5), 0);
    }
    std::vector<std::string> Rows(const std::string& sql) const {
        return HerdDbRows(File("herd.db"), sql);
    }
};

TEST_F(HerdSide, CheckReportsTheDemoHerdsMissingMalformedAndRepeatedIdentities) {
    const CapturedRun run = Cli({"check"});
    EXPECT_EQ(run.exitStatus, 1);
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), 7u) << run.out;
    EXPECT_EQ(out[0], "Errors found!");
    EXPECT_THAT(out[1], StartsWith("Kestrom Vantor Link SE 2.04  "));
    EXPECT_THAT(std::vector(out.begin() + 2, out.end()),
                ElementsAre("Invalid id's was found for the following cows:",
                            "Cow 204 with id: 'SE-345612-854'", "Cow 401 with id: ''",
                            "Duplicate id's was found for the following cows:",
                            "Cow 203 with id: 'SE-345612-8474'"));
    EXPECT_THAT(run.err, HasSubstr("Receiving data ..."));
}

TEST_F(HerdSide, CheckOfARightHerdSaysSoAndOfAnEmptyOneThatNothingCameBack) {
    WriteFileBytesAtomic(File("seed.sql"), "INSERT INTO animals (animal_no, official_id) VALUES "
                                           "(1, 'SE-100001-0001'), (2, 'SE-100001-0002');");
    MakeHerd({"--seed", File("seed.sql")});
    WriteFileBytesAtomic(File("~link.log"), "an old report\r\n");
    CapturedRun run = Cli({"check"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, "All cow id's are correct!\n");
    EXPECT_FALSE(modUtils::FileExists(File("~link.log")));

    MakeHerd({});
    run = Cli({"check"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("Information: No data available!"));
}

TEST_F(HerdSide, SendHandsAFileOverAndJudgesTheAnswer) {
    WriteFileBytesAtomic(File("~link.log"), "  Error: an old report\r\n");
    CapturedRun run = Cli({"send", kTestDayResults});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out, "Data successfully transfered!\n");
    EXPECT_EQ(FileBytes(File("~isoin.dat")), FileBytes(kTestDayResults));
    EXPECT_FALSE(modUtils::FileExists(File("~link.log")));

    // A request of the herd side's own dictionary is answered with data.
    clsAdisDataDict herd;
    ASSERT_TRUE(modMirelCom::BuildHerdDictionary(herd, "VANTOR20"));
    clsAdisEvents request;
    request.AddItem(303085, nullptr, 0, herd.Events().ItemOf(303085)->Items());
    ASSERT_TRUE(
        modADIS::WriteRequestFile(request, File("request.dat"), herd, "2000", "", "VANTOR20"));
    run = Cli({"send", File("request.dat")});
    EXPECT_EQ(run.exitStatus, 1);
    const auto out = Lines(run.out);
    ASSERT_GE(out.size(), 8u) << run.out;
    // The report names the herd side as the answer's sender.
    EXPECT_THAT(std::vector(out.begin(), out.begin() + 7),
                ElementsAre("Errors found!", StartsWith("Kestrom Vantor Link SE"), "",
                            StartsWith("herd-iso-sim "), "", File("~isoout.dat"), ""));
    EXPECT_THAT(out, Contains(StartsWith("  Error: The herd-management side answered with data: "
                                         "303085 (")));
    EXPECT_EQ(out.back(), "*****");

    // The exchange file itself is refused and kept; so is a file that is not there.
    const std::string own = FileBytes(File("~isoin.dat"));
    run = Cli({"send", File("~isoin.dat")});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("exchange file of the program itself"));
    EXPECT_EQ(FileBytes(File("~isoin.dat")), own);
    run = Cli({"send", File("missing.dat")});
    EXPECT_EQ(run.exitStatus, 3);
    // A box is one line without a window: its line breaks are replaced.
    EXPECT_THAT(run.err, HasSubstr("Error: File not found: | " + File("missing.dat")));
}

TEST_F(HerdSide, AddAnimalsTakesEachKindIntoItsGroupAndLeavesARepeatedKeyOut) {
    const std::string newAnimals = "SELECT animal_no, group_no FROM animals WHERE animal_no IN "
                                   "(131, 132, 213, 214, 215, 216, 217, 304) ORDER BY animal_no";
    // Some kinds only: heifers, the pregnant ones in the default group.
    const CapturedRun some = Cli({"add-animals", kAnimalList, "--heifers", "4", "--pregnant"});
    EXPECT_EQ(some.exitStatus, 0) << some.err;
    EXPECT_THAT(some.out, StartsWith("Data successfully transfered!\nAnimals taken: "));
    EXPECT_THAT(Rows(newAnimals), ElementsAre("213|4", "215|1", "216|4"));
    // Animals already in the herd get their data only: no error of the herd side.
    EXPECT_LT(modADIS::GetLogLevel(File("~iso.log")), 3) << FileBytes(File("~iso.log"));
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM animals WHERE animal_no IN (101, 209)"),
                ElementsAre("2"));

    // Every kind at once: what was taken, and the animal whose key repeats another's.
    MakeHerd({"--demo", "--today", "2026-11-30"});
    const CapturedRun run = Cli({"add-animals", kAnimalList, "--cows", "1,2", "--heifers", "4,5,6",
                                 "--inseminated", "--pregnant", "--bulls", "7"});
    ASSERT_EQ(run.exitStatus, 0);
    EXPECT_THAT(Rows(newAnimals),
                ElementsAre("131|1", "132|2", "213|4", "214|5", "215|6", "216|4", "304|7"));
    EXPECT_LT(modADIS::GetLogLevel(File("~iso.log")), 3) << FileBytes(File("~iso.log"));
    const auto lines = Lines(run.out);
    const std::string warning =
        "Warning: Animal 217 with id 'DE01098765432102' not added: its id begins with the same "
        "15 characters as that of animal 216 with id 'DE01098765432101'";
    ASSERT_GE(lines.size(), 9u);
    EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 9),
                ElementsAre("Data successfully transfered!",
                            "Animals taken: 9 (new: 7, already in the herd: 2)",
                            "  Cows, Lactation 1: 2 (Group 1)", "  Cows, Lactation 2-: 1 (Group 2)",
                            "  Heifers: 2 (Group 4)", "  Heifers, Inseminated: 1 (Group 5)",
                            "  Heifers, Pregnant: 2 (Group 6)", "  Bulls: 1 (Group 7)",
                            "Left out, their key repeats another animal's: 1"));
    EXPECT_THAT(lines, Contains(warning));
    EXPECT_THAT(Report(), HasSubstr("\r\n" + warning + "\r\n*****\r\n"));
    // New animals with what the national list says of them (the herd side keeps
    // 15 characters of an identity); the pregnant heifer 209, already in the herd,
    // got her data and kept her group.
    EXPECT_THAT(Rows("SELECT animal_no, group_no, official_id, name, sex, pregnant, preg_status, "
                     "preg_check_date, last_insemination, insem_count, mother_id FROM animals "
                     "WHERE animal_no IN (209, 215, 216) ORDER BY animal_no"),
                ElementsAre("209|5|SE-345612-8733|Gullan|1|1|2|2026-08-28|2026-07-24|1|"
                            "SE-345612-5070",
                            "215|6|SE-345612-8955|Hedda|1|1|22|2026-09-05|2026-08-01|1|"
                            "SE-345612-4959",
                            "216|4|DE0109876543210|Ilse|1|<null>|<null>|<null>|<null>|0|<null>"));
}

TEST_F(HerdSide, AddAnimalsOfAnotherHerdAddsNothing) {
    ASSERT_EQ(Cli({"settings", "HerdNo=12-3457"}).exitStatus, 0);
    const CapturedRun run = Cli({"add-animals", kAnimalList, "--cows", "1,2"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr("Error: Wrong herd number!"));
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM animals"), ElementsAre("62"));
}

TEST_F(HerdSide, InitializeSendsTheCodeTablesOfBothVersionsTheCurrentOnesLast) {
    CapturedRun run = Cli({"initialize"});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "Initialization succeded!\n");
    const std::string breeds =
        "SELECT code, text FROM lookups WHERE event_no = 303083 AND code IN (1, 7, 29)";
    EXPECT_THAT(Rows(breeds), ElementsAre("1|01 SRB", "7|07 MB", "29|29 Wagyu"));
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM lookups WHERE event_no = 303079"), ElementsAre("11"));
    EXPECT_THAT(Rows("SELECT code, text, extra FROM lookups WHERE event_no = 303084 AND code = 18"),
                ElementsAre("18|18 Svårmjölkad, exteriör|6"));
    EXPECT_THAT(Rows("SELECT event_no, code FROM lookups WHERE event_no IN (390055, 303078) "
                     "ORDER BY event_no DESC"),
                ElementsAre("390055|2", "303078|<null>"));

    ASSERT_EQ(Cli({"settings", "LookupShortText=1"}).exitStatus, 0);
    ASSERT_EQ(Cli({"initialize"}).exitStatus, 0);
    EXPECT_THAT(Rows(breeds), ElementsAre("1|01", "7|07", "29|29"));
}

TEST_F(HerdSide, InitializeNeedsAnIsoVersionWithAPoint) {
    for (const char* version : {"", "55"}) {
        SetIsoVersion(version);
        const CapturedRun run = Cli({"initialize"});
        EXPECT_EQ(run.exitStatus, 3) << version;
        EXPECT_EQ(run.out, "Initialization failed!\n");
        EXPECT_THAT(Rows("SELECT COUNT(*) FROM lookups"), ElementsAre("0"));
    }
}

// An older ISO application: the hide statement runs first, on a database that
// does not take it here (SQLite's ODBC driver), so nothing is sent at all.
TEST_F(HerdSide, InitializeForAnOlderIsoApplicationStopsWhenTheDatabaseRefuses) {
    const auto driver = SqliteOdbcDriverPath();
    ASSERT_TRUE(driver) << "SQLite's ODBC driver is not installed (scripts/install-deps)";
    SetIsoVersion("5.4");
    // The 32-bit program folder is the one looked in first, where Windows has one.
    ScopedEnvironment programFiles("PROGRAMFILES", sandbox.Folder() + "programs");
    ScopedEnvironment programFilesX86("PROGRAMFILES(x86)", sandbox.Folder() + "programs");
    ScopedEnvironment odbcDriver("LINK_ODBC_DRIVER", *driver);
    const auto config =
        Platform::PathFromUtf8(sandbox.Folder() + "programs/Kestrom/Vantor software");
    std::filesystem::create_directories(config);
    WriteFileBytesAtomic(
        Platform::Utf8FromPath(config / "kxWinClient.exe.config"),
        "<?xml version=\"1.0\"?><configuration><connectionStrings><add name=\"ConnectionString\" "
        "connectionString=\"Data Source=herd;Initial Catalog=" +
            File("lookups.db") + "\"/></connectionStrings></configuration>");
    const CapturedRun run = Cli({"initialize"});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_EQ(run.out, "Initialization failed!\n");
    EXPECT_THAT(run.err, HasSubstr("DECLARE")); // the database's own words
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM lookups"), ElementsAre("0"));
}

TEST_F(HerdSide, WithVantorSyncInstalledOnlyCheckRuns) {
    modUtils::RegWriteString("C:\\Sync", modUtils::RegRoot::LocalMachine,
                             "Software\\Kestrom\\Vantor Sync", "INSTALLDIRSYNC");
    const std::vector<std::vector<std::string>> refused{
        {"initialize"}, {"send", kTestDayResults}, {"add-animals", kAnimalList, "--cows", "3,4"}};
    for (const auto& args : refused) {
        const CapturedRun run = Cli(args);
        EXPECT_EQ(run.exitStatus, 3) << args[0];
        EXPECT_EQ(run.out, "This function is not allowed when Kestrom Sync is installed!\n");
    }
    EXPECT_FALSE(modUtils::FileExists(File("~isoin.dat")));
    EXPECT_THAT(FileBytes(File("link.ini")), ::testing::Not(HasSubstr("AddCows")));
    EXPECT_EQ(Cli({"check"}).exitStatus, 1);
}

} // namespace
