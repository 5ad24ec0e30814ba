// The program's command line: switches read whole, and the request handed to
// the request flow through the per-user registry values.

#include "LinkSandbox.h"

#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "startup/CommandLine.h"
#include "startup/ParseCommandLine.h"

#include <gtest/gtest.h>

using namespace modStartup;

namespace {

struct Expected {
    std::string in, out, log, database;
    std::vector<std::string> switches = {};
};

void ExpectValues(const CommandLineValues& values, const Expected& expected) {
    EXPECT_EQ(values.inFile, expected.in);
    EXPECT_EQ(values.outFile, expected.out);
    EXPECT_EQ(values.logFile, expected.log);
    EXPECT_EQ(values.database, expected.database);
    EXPECT_EQ(values.dictionarySwitches, expected.switches);
}

TEST(CommandLine, WindowsTextKeepsPathsWhole) {
    struct Case {
        std::string text;
        Expected expected;
    };
    const Case cases[] = {
        {" -f C:\\in.dat -o C:\\out.dat -l C:\\x.log -d HERDDB",
         {"C:\\in.dat", "C:\\out.dat", "C:\\x.log", "HERDDB"}},
        // "-" and "/" inside a value are not switches; nor is "-x" after a blank.
        {" -f C:\\a-b\\in.dat /o C:\\Program Files (x86)\\Svar -x\\ut.dat",
         {"C:\\a-b\\in.dat", "C:\\Program Files (x86)\\Svar -x\\ut.dat", "", ""}},
        {" /F \"C:\\Mina filer\\fråga.dat\" -L  C:\\logg.txt  ",
         {"C:\\Mina filer\\fråga.dat", "", "C:\\logg.txt", ""}},
        // A switch needs a blank (or the end) behind it; a later one replaces.
        {" -f C:\\a.dat -oC:\\b.dat -f C:\\c.dat -d", {"C:\\c.dat", "", "", ""}},
        {" -s mirel_dd /s ziraz_dd", {"", "", "", "", {"mirel_dd", "ziraz_dd"}}},
        {"C:\\ignored -f x", {"x", "", "", ""}},
        {"", {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectValues(ReadSwitchesFromText(c.text), c.expected);
    }
}

TEST(CommandLine, ArgumentsJoinUntilTheNextSwitch) {
    struct Case {
        std::vector<std::string> args;
        Expected expected;
    };
    const Case cases[] = {
        {{"-f", "/tmp/in.dat", "-o", "/tmp/out-1.dat", "-l", "/tmp/x.log", "-d", "HERD"},
         {"/tmp/in.dat", "/tmp/out-1.dat", "/tmp/x.log", "HERD"}},
        // An unquoted path with a blank arrives as two arguments.
        {{"-f", "/home/bo/Mina", "filer/fråga.dat", "/O", "/tmp/svar.dat"},
         {"/home/bo/Mina filer/fråga.dat", "/tmp/svar.dat", "", ""}},
        // Switch and value in one argument, with or without the switch character.
        {{"-f C:\\in.dat", "o C:\\out.dat", "-s", "ziraz_dd"},
         {"C:\\in.dat", "C:\\out.dat", "", "", {"ziraz_dd"}}},
        {{"stray", "-f", "\"/tmp/quoted in.dat\""}, {"/tmp/quoted in.dat", "", "", ""}},
        {{"-x", "-f"}, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        ExpectValues(ReadSwitchesFromArguments(c.args), c.expected);
    }
}

std::string UserValue(std::string_view name) {
    std::string value = "<absent>";
    modUtils::RegReadString(value, modUtils::RegRoot::CurrentUser, modCommon::kLinkRegistryKey,
                            name);
    return value;
}

TEST(ParseCommandLine, StoresTheRequestWithDefaultsAndNeverAnOldDatabase) {
    LinkSandbox sandbox;
    SetRequestPending(false);

    ParseCommandLine(ReadSwitchesFromArguments({"-o", "/tmp/out.dat"}));
    EXPECT_FALSE(RequestPending());
    EXPECT_EQ(UserValue(modCommon::kIsoClOutFileValue), "<absent>");

    ParseCommandLine(ReadSwitchesFromArguments({"-f", "/tmp/in.dat", "-d", "HERD1"}));
    EXPECT_TRUE(RequestPending());
    EXPECT_EQ(UserValue(modCommon::kIsoClInFileValue), "/tmp/in.dat");
    EXPECT_EQ(UserValue(modCommon::kIsoClOutFileValue), sandbox.File("isoout.txt"));
    EXPECT_EQ(UserValue(modCommon::kIsoClLogFileValue), sandbox.File("isolog.txt"));
    EXPECT_EQ(UserValue(modCommon::kIsoClDatabaseValue), "HERD1");

    // A later request without a database must not reach the first one's.
    ParseCommandLine(ReadSwitchesFromArguments({"-f", "/tmp/in2.dat"}));
    EXPECT_EQ(UserValue(modCommon::kIsoClDatabaseValue), "");
    SetRequestPending(false);
}

} // namespace
