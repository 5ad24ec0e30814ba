#include "AdisTestFiles.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/modADISFiles.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

// A file in the writer's own layout is written back byte for byte.
TEST(Writer, ReadFileIsWrittenBackAsTheInput) {
    const std::string input = Cp1252Lines(
        {HeaderDef, HeaderValues, "TN", Def55021, Value55021("Dödfödd Ålund"),
         Value55021("SE2", "????????", "||||"), Value55021("SE4", "20240301", "   0"), "TN",
         "DF055021009000801600090007008000900054041", "VF055021SE3             20240229 -12", "TN",
         "DN05502100900080160", Value55021("SE1").substr(0, 24), "EN", "ZN"});
    EXPECT_EQ(RewrittenBody(input), input.substr(input.find("TN\r\n")));
}

// Lines built in code: each field stands where the event's items put it,
// whatever order the values were added in; a missing value is Empty; a value
// of a DD number the event lacks is not written; control characters are blanks.
TEST(Writer, BuiltLinesAreLaidOutByTheEventsItems) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::int32_t, AdisValue>> values;
        std::string written;
    };
    const std::vector<Case> cases = {
        {"values in another order",
         {{900054, AdisValues::Number(7)}, {900080, AdisValues::Text("SE1")}},
         "VN055021SE1             ||||||||  70"},
        {"a value missing",
         {{900080, AdisValues::Text("SE2")}, {900054, AdisValues::Number(1)}},
         "VN055021SE2             ||||||||  10"},
        {"a value the event lacks",
         {{900080, AdisValues::Text("SE3")},
          {900099, AdisValues::Text("not written")},
          {900070, *AdisDate::Make(2024, 2, 29)},
          {900054, AdisNull{}}},
         "VN055021SE3             20240229????"},
        {"line breaks and other control characters",
         {{900080, AdisValues::Text("SE4 a\r\nZN\tb\x7f")},
          {900070, *AdisDate::Make(2024, 3, 1)},
          {900054, AdisValues::Number(2)}},
         "VN055021SE4 a  ZN b     20240301  20"},
        {"control characters in a text outside ASCII",
         {{900080, AdisValues::Text("Ö\n\x01ö")},
          {900070, AdisEmpty{}},
          {900054, AdisValues::Number(3)}},
         "VN055021Ö  ö            ||||||||  30"},
    };
    clsAdisDataFile file;
    file.DataDict = SmallDictionary();
    for (const std::int32_t ddNo : {900080, 900070, 900054})
        file.AddDataEventItem(55021, ddNo);
    const auto event = file.DataEvents.ItemOf(55021);
    for (const auto& test : cases) {
        clsAdisItemValues values;
        for (const auto& [ddNo, value] : test.values)
            values.AddItem(ddNo, value);
        ASSERT_TRUE(event->DataLines()->AddItem(test.name, "V", "N", 55021, std::move(values)));
        EXPECT_EQ(event->DataLines()->Item(test.name)->LineString(*event->Items()), test.written)
            << test.name;
    }
    TempDir dir;
    const std::string path = dir.File("out.dat");
    ASSERT_TRUE(file.WriteData(nullptr, path));
    std::vector<std::string> expected = {"TN", "DN055021009000801600090007008000900054041"};
    for (const auto& test : cases)
        expected.push_back(TextEncoding::Utf8ToCp1252(test.written));
    expected.insert(expected.end(), {"EN", "ZN"});
    EXPECT_EQ(FileLines(path, "TN"), expected);
}

// The line type and status are one windows-1252 character each: one outside
// ASCII is kept, a control character is written as a blank.
TEST(Writer, LineTypeAndStatusCharacters) {
    clsAdisDataEvent event;
    event.EventNo = 55021;
    event.Items()->AddItem(900080, 3, 4, 0);
    const auto line = event.DataLines()->AddItem("a", "V", "é", 55021,
                                                 ValuesOf({{900080, AdisValues::Text("a")}}));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Status, '\xe9');
    EXPECT_EQ(line->LineString(*event.Items()), "Vé055021a   ");
    line->LineType = '\n';
    EXPECT_EQ(line->LineString(*event.Items()), " é055021a   ");
    EXPECT_EQ(modADIS::DefinitionLine("D", "\r", 55021, event.Items().get()),
              "D 05502100900080040");
}

TEST(Writer, LineOrderOfAnEvent) {
    clsAdisDataFile file;
    file.DataDict = SmallDictionary();
    file.AddDataEventItem(55021, 900080);
    file.AddDataEventItem(55021, 900054);
    file.DataEvents.AddItem(990002, 0, nullptr, nullptr); // no lines: not written
    const auto event = file.DataEvents.Item("055021");
    for (const auto& [key, status, eventNo] :
         std::vector<std::tuple<std::string, std::string, int>>{
             {"a", "N", 55021}, {"b", "F", 55021}, {"c", "N", 55021}, {"d", "N", 55099}}) {
        event->DataLines()->AddItem(
            key, "V", status, eventNo,
            ValuesOf({{900080, AdisValues::Text(key)}, {900054, AdisValues::Number(15, 1)}}));
    }
    TempDir dir;
    ASSERT_TRUE(file.WriteData(nullptr, dir.File("out.dat")));
    const auto lines = FileLines(dir.File("out.dat"));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "DH990001000000000800090000208000900003080009000040600090000624000900008080"
                        "00900012080");
    EXPECT_EQ(lines[1].substr(0, 24), "VH990001DD      2000    ");
    EXPECT_EQ(lines[1].substr(38), "Kestrom Vantor Link SE  204     ZIRAZ22 ");
    const std::vector<std::string> body(lines.begin() + 2, lines.end());
    EXPECT_EQ(body, (std::vector<std::string>{
                        "TN", "DN0550210090008016000900054041", "VN055021a                 15",
                        "DF0550210090008016000900054041", "VF055021b                 15",
                        "VN055021c                 15", "EN", "ZN"}));

    // An event list selects and orders; events it names that the file lacks are passed over.
    clsAdisEvents selection;
    selection.AddItem(77777, nullptr, 0, nullptr);
    selection.AddItem(55021, nullptr, 0, nullptr);
    ASSERT_TRUE(file.WriteData(&selection, dir.File("sel.dat")));
    EXPECT_EQ(FileLines(dir.File("sel.dat")).size(), 10u);
    file.DataEvents.Clear();
    ASSERT_TRUE(file.WriteData(nullptr, dir.File("none.dat")));
    EXPECT_EQ(FileLines(dir.File("none.dat")).size(), 4u);
}

// Header lines: optional versions, values cut to their fields, control
// characters written as blanks.
TEST(Writer, HeaderLines) {
    EXPECT_EQ(modADIS::HeaderDefinitionLine("", "ZIRAZ22 ").substr(74), "00900012080");
    EXPECT_EQ(modADIS::HeaderDefinitionLine("X", "").substr(74), "00900009080");
    const std::string values = modADIS::HeaderValueLine("123456789", "", "M");
    EXPECT_EQ(values.substr(0, 24), "VH990001DD      12345678");
    EXPECT_EQ(values.size(), 16u + 8 + 14 + 24 + 8 + 8);
    EXPECT_EQ(values.substr(values.size() - 8), "M       ");
    const std::string blanked = modADIS::HeaderValueLine("20\r\n00", "N\tV", "M\x7f");
    EXPECT_EQ(blanked.substr(0, 24), "VH990001DD      20  00  ");
    EXPECT_EQ(blanked.substr(blanked.size() - 16), "N V     M       ");
}

TEST(Writer, TargetPathsAndFailuresThatLeaveTheTargetUntouched) {
    TempDir dir;
    clsAdisDataFile file;
    file.DataDict = SmallDictionary();
    file.AddDataEventItem(55021, 900080);
    file.DataEvents.Item("055021")->DataLines()->AddItem(
        "a", "V", "N", 55021, ValuesOf({{900080, AdisValues::Text("a")}}));
    // A folder in the target's place cannot be replaced; nothing is left behind.
    const std::string folder = dir.File("folder.dat");
    std::filesystem::create_directory(Platform::PathFromUtf8(folder));
    EXPECT_FALSE(file.WriteData(nullptr, folder));
    EXPECT_TRUE(std::filesystem::is_directory(Platform::PathFromUtf8(folder)));
    EXPECT_EQ(dir.FileCount(), 1u);
    EXPECT_FALSE(file.WriteData(nullptr, dir.File("no/such/folder/out.dat")));
    EXPECT_FALSE(file.WriteData(nullptr, "")); // no path at all
    // Without a target: the output path of the file if it has one, else its own path.
    file.FilePath = dir.File("file.dat");
    ASSERT_TRUE(file.WriteData(nullptr, ""));
    EXPECT_TRUE(modUtils::FileExists(file.FilePath));
    file.OutFilePath = dir.File("out.dat");
    ASSERT_TRUE(file.WriteData(nullptr, ""));
    EXPECT_TRUE(modUtils::FileExists(file.OutFilePath));
}

TEST(Writer, RequestFile) {
    auto dict = SmallDictionary();
    clsAdisEvents requests;
    const auto request = requests.AddItem(55021, nullptr, 0, nullptr);
    request->Items()->AddItem(900080, 3, 16, 0);
    request->SearchItems()->AddItem(900080, AdisValues::Text("A"), AdisValues::Text("B"));
    requests.AddItem(990002, nullptr, 0, nullptr)->Items()->AddItem(900070, 1, 8, 0);
    TempDir dir;
    ASSERT_TRUE(modADIS::WriteRequestFile(requests, dir.File("req.dat"), *dict, "2000", "", ""));
    const auto lines = FileLines(dir.File("req.dat"));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], "TN");
    EXPECT_EQ(lines[3], "SN05502100900080160A               B               ");
    EXPECT_EQ(lines[4], "RN05502100900080160");
    EXPECT_EQ(lines[5], "TN");
    EXPECT_EQ(lines[6], "RN99000200900070080");

    // A search item the dictionary cannot format fails the whole file.
    request->SearchItems()->AddItem(123, AdisValues::Text("A"), AdisValues::Text("B"));
    EXPECT_FALSE(modADIS::WriteRequestFile(requests, dir.File("bad.dat"), *dict, "", "", ""));
    EXPECT_FALSE(modUtils::FileExists(dir.File("bad.dat")));
}

TEST(Writer, ValueLineBuilders) {
    clsAdisDataEvent event;
    event.EventNo = 990002;
    event.Items()->AddItem(1, 0, 2, 0);
    event.Items()->AddItem(2, 3, 10, 0);
    event.Items()->AddItem(3, 0, 2, 0);
    ASSERT_TRUE(modADIS::AddValueLine2(event, AdisValues::Number(7), AdisValues::Text("x")));
    EXPECT_FALSE(modADIS::AddValueLine2(event, AdisValues::Number(7), AdisValues::Text("y")));
    const auto line =
        modADIS::AddValueLine3(event, AdisNull{}, AdisValues::Text("z"), AdisValues::Number(5));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Key, "5#Null");
    EXPECT_EQ(line->LineString(*event.Items()), "VN990002??z          5");
    EXPECT_TRUE(event.DataLines()->Exists("7"));
    clsAdisDataEvent small;
    EXPECT_FALSE(modADIS::AddValueLine2(small, AdisValues::Number(1), AdisValues::Number(2)));
}

TEST(Writer, LogLevel) {
    TempDir dir;
    for (const auto& [log, level] : std::vector<std::pair<std::string, int>>{
             {"nothing\r\n  Erro\r\n Warning\r\nNote\r\n", 0},
             {"   Note in line:     1 x\r\n", 1},
             {"   Note in line:     1 x\r\nWarning in line:     2 y\r\n   Note\r\n", 2},
             {"Warning\r\n  Error in line:     3 z\r\n   Note\r\n", 3},
             {" Error\r\n", 0}}) {
        WriteFileBytesAtomic(dir.File("log.txt"), log);
        EXPECT_EQ(modADIS::GetLogLevel(dir.File("log.txt")), level) << log;
    }
    auto ui = std::make_shared<LinkUi::RecordingUserInterface>();
    LinkUi::SetUi(ui);
    CommandLineRole role; // the box is shown in the command-line role too
    EXPECT_EQ(modADIS::GetLogLevel(dir.File("missing.log")), 0);
    LinkUi::SetUi(std::make_shared<LinkUi::HeadlessUserInterface>());
    ASSERT_EQ(ui->boxes.size(), 1u);
    EXPECT_EQ(ui->boxes[0].text, "File not found:\n" + dir.File("missing.log"));
}

} // namespace
