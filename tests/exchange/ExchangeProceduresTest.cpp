#include "ExchangeTestSupport.h"
#include "LinkSandbox.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "common/AppFolder.h"
#include "common/Platform.h"
#include "common/TextStream.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace modMirelCom;
using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {

TEST(IsoCommand, IsTheApplicationWithEachGivenValueThenTheNoWindowSwitch) {
    struct Case {
        std::string in, out, log, db;
        std::string text;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"C:\\P\\~isoin.dat",
         "C:\\P\\~isoout.dat",
         "C:\\P\\~iso.log",
         "",
         "C:\\Iso\\Iso.exe -f C:\\P\\~isoin.dat -o C:\\P\\~isoout.dat -l C:\\P\\~iso.log /n",
         {"-f", "C:\\P\\~isoin.dat", "-o", "C:\\P\\~isoout.dat", "-l", "C:\\P\\~iso.log", "/n"}},
        {"in file.dat",
         "",
         "",
         "Herd DB",
         "C:\\Iso\\Iso.exe -f in file.dat -d Herd DB /n",
         {"-f", "in file.dat", "-d", "Herd DB", "/n"}},
    };
    for (const auto& c : cases) {
        const IsoCommand command = BuildIsoCommand("C:\\Iso\\Iso.exe", c.in, c.out, c.log, c.db);
        EXPECT_EQ(command.program, "C:\\Iso\\Iso.exe");
        EXPECT_EQ(command.commandLine, c.text);
        EXPECT_EQ(command.arguments, c.arguments);
    }
    // No application (registry value missing): the text starts with " -f ".
    EXPECT_THAT(BuildIsoCommand("", "a", "", "", "").commandLine, StartsWith(" -f a"));
}

TEST(ExchangeFiles, LieInTheProgramFolderAndTheRelayThereToo) {
    LinkSandbox sandbox;
    EXPECT_EQ(IsoInFilePath(), sandbox.File("~isoin.dat"));
    EXPECT_EQ(IsoOutFilePath(), sandbox.File("~isoout.dat"));
    EXPECT_EQ(IsoLogFilePath(), sandbox.File("~iso.log"));
    EXPECT_EQ(LinkLogFilePath(), sandbox.File("~link.log"));
    EXPECT_EQ(HerdDictFilePath(), sandbox.File("dd.ini"));
    EXPECT_EQ(IsoApplicationPath(true), sandbox.File(RelayProgramName()));
    EXPECT_THAT(RelayProgramName(), StartsWith("QelIsoRemote"));
}

TEST(LinkReport, HoldsHeaderSenderPathMessagesAndEndMark) {
    LinkSandbox sandbox;
    clsAdisDataFile file;
    clsMessages messages;
    messages.Add("  Error in line:     4 Dödfödd");
    messages.Add("Warning in line:     5 Unknown DD-number <399999>");

    // Without a file path only the messages follow the header line.
    ASSERT_TRUE(WriteLinkReport(sandbox.File("a.log"), file, messages));
    auto lines = ReadCrLfLines(sandbox.File("a.log"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_THAT(lines[0], StartsWith("Kestrom Vantor Link SE 2.04  "));
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 1, lines.end()),
                ElementsAre("", messages.Item(1), messages.Item(2), "*****"));

    // With a path: no sender line while the sender values are empty (a file
    // not read), then the path.
    file.FilePath = sandbox.File("x.dat");
    ASSERT_TRUE(WriteLinkReport(sandbox.File("a.log"), file, messages));
    lines = ReadCrLfLines(sandbox.File("a.log"));
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 1, lines.end()),
                ElementsAre("", file.FilePath, "", messages.Item(1), messages.Item(2), "*****"));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(sandbox.File("a.log"), bytes));
    EXPECT_NE(bytes.find("D\xF6"
                         "df\xF6"
                         "dd"),
              std::string::npos)
        << "windows-1252";

    // A folder that does not exist: false, nothing written.
    EXPECT_FALSE(WriteLinkReport(sandbox.File("none/a.log"), file, messages));
}

TEST(CheckReport, IsWrittenOnlyWithEntries) {
    LinkSandbox sandbox;
    EXPECT_TRUE(WriteCheckReport({}, {}));
    EXPECT_FALSE(modUtils::FileExists(LinkLogFilePath()));

    ASSERT_TRUE(
        WriteCheckReport({{"12", ""}, {"13", "SE-12345-12345"}}, {{"14", "SE-123456-1234"}}));
    auto lines = ReadCrLfLines(LinkLogFilePath());
    ASSERT_FALSE(lines.empty());
    EXPECT_THAT(lines[0], StartsWith("Kestrom Vantor Link SE 2.04  "));
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 1, lines.end()),
                ElementsAre("Invalid id's was found for the following cows:", "Cow 12 with id: ''",
                            "Cow 13 with id: 'SE-12345-12345'",
                            "Duplicate id's was found for the following cows:",
                            "Cow 14 with id: 'SE-123456-1234'"));

    ASSERT_TRUE(WriteCheckReport({}, {{"15", "SE-1"}}));
    lines = ReadCrLfLines(LinkLogFilePath());
    EXPECT_THAT(
        std::vector<std::string>(lines.begin() + 1, lines.end()),
        ElementsAre("Duplicate id's was found for the following cows:", "Cow 15 with id: 'SE-1'"));
}

} // namespace
