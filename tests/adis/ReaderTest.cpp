#include "AdisTestFiles.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/modADISFiles.h"
#include "common/UserInterface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ReadCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> messages;
    int flags = 0;
};
enum : int { Checked = 1, HeaderRequired = 2, Fails = 4 };

const std::string R55021 = "RN05502100900080160";

// A definition of 331 fields of 99 characters: 32777 characters with the frame.
std::string OverlongDefinition() {
    std::string def = "DN055021";
    for (int i = 0; i < 331; ++i)
        def += modADIS::FormatDefField(100000 + i, 99, 0);
    return def;
}

TEST(Reader, MessagesOfSmallFiles) {
    const std::string overlong = Value55021("SE1") + "x";
    const std::vector<ReadCase> cases = {
        {"clean",
         {HeaderDef, HeaderValues, Def55021, Value55021("SE1"), "ZN"},
         {},
         Checked | HeaderRequired},
        {"line numbers count header and comments",
         {HeaderDef, HeaderValues, "CN comment", "DN05502100999999080", "ZN"},
         {"Warning in line:     4 Unknown DD-number <999999>"}},
        {"not supported DD number",
         {"DN05502100050151100"},
         {"   Note in line:     1 Not supported DD-number <50151>"}},
        {"unsupported event passes its value lines silently",
         {"DN07777700900080160", "VN077777" + std::string(16, 'a'), "VN077777x"},
         {"   Note in line:     1 Not supported Event number <77777>"},
         Checked},
        {"unchecked events are taken", {"DN07777700900080160"}, {}},
        {"messages stay in line order",
         {Def55021, Value55021("SE1"), Value55021("SE1", "20240201"), overlong,
          Value55021("SE1", "20240202"), "DN05502100900080160"},
         {"   Note in line:     3 Key item is not unique, line skipped.",
          "  Error in line:     4 String length in D- and V-lines don't match.",
          "   Note in line:     5 Key item is not unique, line skipped."}},
        {"value line of an event without key definition",
         {"DN05502200900080160", "VN055022" + std::string(16, 'a')},
         {"   Note in line:     2 Key item is not unique, line skipped."}},
        {"request of an unknown event",
         {"RN07777700900080160"},
         {"   Note in line:     1 Not supported Event number <77777>"}},
        {"unreadable request",
         {"RN05502100900X80160"},
         {"  Error in line:     1 Syntax error. Can't read the R-line, line skipped."}},
        {"request checks its items",
         {"RN05502100999999080"},
         {"Warning in line:     1 Unknown DD-number <999999>"}},
        {"unreadable search line names its own line",
         {"SN05502100999999040aaaabbbb", "CN", R55021},
         {"  Error in line:     1 Error in SN line. This line and successive RN-line skipped."}},
        {"search line before an unreadable request",
         {"SN05502100900080160" + std::string(32, 'a'), "RN0550210090008016X"},
         {"  Error in line:     2 Syntax error. Can't read the R-line, line skipped.",
          "  Error in line:     2 No legal RN-line follow the SN-line. SN- and RN-lines skipped"}},
        {"empty line ends the reading", {Def55021, "", "DNbroken0"}, {}},
        {"end line after a search line ends the reading",
         {"SN05502100900080160" + std::string(32, 'a'), "ZN", "DN05502100999999080"},
         {}},
        {"header required",
         {"DN05502100999999080"},
         {"Invalid ADIS file: %PATH%"},
         HeaderRequired | Fails},
        {"header not required",
         {"DN05502100999999080"},
         {"Warning in line:     1 Unknown DD-number <999999>"}},
        {"a search line followed directly by a definition is dropped",
         {"SN05502100900080160" + std::string(32, 'a'), Def55021, Value55021("SE1")},
         {}},
        {"a good definition clears the mark of a bad one",
         {"DN05502100900X80160", "VN055021x", Def55021, Value55021("SE1"), Value55021("SE2")},
         {"  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.",
          "  Error in line:     2 Error in preceding D-line. V-line skipped!"}},
        {"a definition group of length 0",
         {"DN0550210090008016000900070000", "VN055021" + std::string(16, 'a'), Value55021("SE1")},
         {"  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.",
          "  Error in line:     2 Error in preceding D-line. V-line skipped!",
          "  Error in line:     3 Error in preceding D-line. V-line skipped!"}},
        {"value lines that would be longer than 32767 characters",
         {OverlongDefinition(), "VN055021x", Def55021, Value55021("SE1")},
         {"  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.",
          "  Error in line:     2 Error in preceding D-line. V-line skipped!"}},
        {"short and odd lines (a definition without groups defines nothing)",
         {"D", "V", "R", "S", "O", "DN", "X\x01\x02", "?N"},
         {"  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.",
          "  Error in line:     2 Error in preceding D-line. V-line skipped!",
          "   Note in line:     3 Not supported Event number <0>",
          "  Error in line:     6 Syntax error. Can't read the D-line. Line skipped."}},
    };
    CommandLineRole role;
    TempDir dir;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        std::string bytes;
        for (const auto& line : test.lines)
            bytes.append(line).append("\r\n");
        const std::string path = dir.File("case.dat");
        ASSERT_TRUE(WriteFileBytesAtomic(path, bytes));
        clsAdisDataFile file;
        clsMessages messages;
        EXPECT_EQ(file.Read(path, messages, SmallDictionary(), nullptr, test.flags & Checked,
                            test.flags & HeaderRequired),
                  !(test.flags & Fails));
        std::vector<std::string> expected = test.messages;
        for (auto& text : expected)
            if (auto at = text.find("%PATH%"); at != std::string::npos)
                text.replace(at, 6, path);
        EXPECT_EQ(Messages(messages), expected);
    }
}

// Texts outside ASCII in the frame of a line (the path of an "O" line, a
// status character) are kept and written back as they were.
TEST(Reader, ModelOfAFile) {
    TempDir dir;
    const auto path = WriteLines(dir, "in.dat",
                                 {HeaderDef, HeaderValues, "ON/svar/Åsa Öberg é.dat", Def55021,
                                  "Vé" + Value55021("SE1").substr(2), "CN between",
                                  Value55021("SE2", "????????", "||||"), "DN05502100900080160",
                                  Value55021("SE1").substr(0, 24), "DN0550210090008016X",
                                  "VN055021x", "TN", "EN", "ZN", "DN055021 never read"});
    clsAdisDataFile file;
    clsMessages messages;
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, true, true));
    EXPECT_EQ(file.Version(), "2000");
    EXPECT_EQ(file.Sender(), "Test Sender Co          ");
    EXPECT_EQ(file.OutFilePath, "/svar/Åsa Öberg é.dat");
    EXPECT_EQ(file.FilePath, path);
    ASSERT_EQ(file.DataEvents.Count(), 2);
    const auto first = file.DataEvents.Item("055021");
    const auto second = file.DataEvents.Item("055021#1");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->SubItems, 2); // the unreadable third definition was counted, then removed
    ASSERT_EQ(first->DataLines()->Count(), 2);
    const auto line = first->DataLines()->Item("SE1             ");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Status, '\xe9');
    EXPECT_EQ(line->ItemValues.ValueOf(900054), AdisValue(AdisNumber(12, 1)));
    EXPECT_EQ(line->ItemValues.ValueOf(900070), AdisValue(*AdisDate::Make(2024, 1, 31)));
    const auto nulls = first->DataLines()->Item(2L);
    EXPECT_TRUE(IsNull(*nulls->ItemValues.ValueOf(900070)));
    EXPECT_TRUE(IsEmpty(*nulls->ItemValues.ValueOf(900054)));
    EXPECT_EQ(second->DataLines()->Count(), 1);
    EXPECT_EQ(Messages(messages),
              (std::vector<std::string>{
                  "  Error in line:    10 Syntax error. Can't read the D-line. Line skipped.",
                  "  Error in line:    11 Error in preceding D-line. V-line skipped!"}));
    ASSERT_TRUE(file.WriteData(nullptr, dir.File("out.dat")));
    EXPECT_NE(FileBytes(dir.File("out.dat"))
                  .find("\r\nV\xe9"
                        "055021SE1 "),
              std::string::npos);
}

TEST(Reader, RequestsWithSearchLines) {
    TempDir dir;
    const std::string search = "SN05502100900080160" + std::string("SE0000000000000A") +
                               std::string("SE9999999999999Z") + "    25";
    const auto path =
        WriteLines(dir, "req.dat", {HeaderDef, HeaderValues, search, "CN", "CN", R55021, R55021});
    clsAdisDataFile file;
    clsMessages messages;
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, false, true));
    EXPECT_TRUE(messages.Count() == 0);
    ASSERT_EQ(file.RequestEvents.Count(), 2);
    const auto first = file.RequestEvents.Item("055021");
    EXPECT_EQ(first->SubItems, 1);
    EXPECT_EQ(first->KeyItems()->Count(), 1);
    EXPECT_EQ(first->Items()->Count(), 1);
    ASSERT_TRUE(file.GetSearchItem(55021, 900080));
    EXPECT_EQ(first->SearchItems()->MaxRecords, AdisValue(std::string("    25")));
    EXPECT_FALSE(file.RequestEvents.Item("055021#1")->HasSearchItems());

    // Requests are not cleared: a second file adds to them.
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, false, true));
    EXPECT_EQ(file.RequestEvents.Count(), 4);
    EXPECT_TRUE(file.RequestEvents.Exists("055021#3"));
}

TEST(Reader, FileLevelProblems) {
    TempDir dir;
    const std::string missing = dir.File("missing.dat");
    const std::string empty = WriteLines(dir, "empty.dat", {}, "");
    const std::string headless = WriteLines(dir, "headless.dat", {Def55021});
    {
        CommandLineRole role;
        clsAdisDataFile file;
        clsMessages messages;
        EXPECT_FALSE(file.Read(missing, messages, SmallDictionary(), nullptr, false, false));
        EXPECT_FALSE(file.Read(empty, messages, SmallDictionary(), nullptr, false, false));
        EXPECT_EQ(Messages(messages), std::vector<std::string>{"File not found: " + missing});
    }
    CommandLineRole windowRole(false);
    auto ui = std::make_shared<LinkUi::RecordingUserInterface>();
    LinkUi::SetUi(ui);
    clsAdisDataFile file;
    clsMessages messages;
    EXPECT_FALSE(file.Read(missing, messages, SmallDictionary(), nullptr, false, false));
    EXPECT_FALSE(file.Read(headless, messages, SmallDictionary(), nullptr, false, true));
    LinkUi::SetUi(std::make_shared<LinkUi::HeadlessUserInterface>());
    EXPECT_EQ(messages.Count(), 0);
    ASSERT_EQ(ui->boxes.size(), 2u);
    EXPECT_EQ(ui->boxes[0].text, "File not found:\n" + missing);
    EXPECT_EQ(ui->boxes[0].caption, "Error");
    EXPECT_EQ(ui->boxes[0].icon, LinkUi::Icon::Critical);
    EXPECT_EQ(ui->boxes[1].text, "Invalid ADIS file!\n" + headless);
}

// Event 0 is taken even when only events of the dictionary are: its value lines
// are then keyed by the key events, which lack it.
TEST(Reader, DefinitionOfEventZeroWithCheckedEvents) {
    TempDir dir;
    const auto path = WriteLines(
        dir, "zero.dat",
        {"DN00000000900080160", "VN000000" + std::string(16, 'a'), "DN07777700900080160"});
    clsAdisDataFile file;
    clsMessages messages;
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, true, false));
    EXPECT_EQ(
        Messages(messages),
        (std::vector<std::string>{"   Note in line:     2 Key item is not unique, line skipped.",
                                  "   Note in line:     3 Not supported Event number <77777>"}));
    ASSERT_TRUE(file.DataEvents.Exists("000000"));
    EXPECT_EQ(file.DataEvents.Count(), 1);

    // With key events that define event 0, its lines are kept.
    clsAdisEvents keyEvents;
    keyEvents.AddItem(0, nullptr, 0, nullptr)->KeyItems()->AddItem(900080);
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), &keyEvents, true, false));
    EXPECT_EQ(file.DataEvents.Item("000000")->DataLines()->Count(), 1);
}

TEST(Reader, LineEndsAndLineNumbersAboveFiveDigits) {
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 100001; ++i)
        bytes += "CN\n";
    bytes += "DN05502100999999080\nDN05502100999998080";
    const std::string path = dir.File("lf.dat");
    ASSERT_TRUE(WriteFileBytesAtomic(path, bytes));
    clsAdisDataFile file;
    clsMessages messages;
    EXPECT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, false, false));
    EXPECT_EQ(Messages(messages),
              (std::vector<std::string>{"Warning in line: 100002 Unknown DD-number <999999>",
                                        "Warning in line: 100003 Unknown DD-number <999998>"}));
}

TEST(Reader, HeaderValues) {
    const std::string def = HeaderDef + "00900009080" + "00900012080" + "00900008082";
    const std::string values = HeaderValues + "ZIRAZ19 " + "  abc   " + "00012345";
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900002, values), "2000");
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900009, values), "ZIRAZ19 ");
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900012, values), "  abc   ");
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900008, values), "123.45");
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900011, values), "");
    EXPECT_EQ(modADIS::GetHeaderValue(def, 900008, "VH990001"), ""); // line too short
}

} // namespace
