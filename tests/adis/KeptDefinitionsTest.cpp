#include "AdisTestFiles.h"
#include "adis/clsAdisDataEvents.h"
#include "adis/clsAdisSearchItems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Small definitions are kept as text while a file is read and their events made
// when first asked for: what callers then find must be what reading gave.
namespace {

const std::string Def990002 = "DN99000200900080160";

std::string Value990002(const std::string& animal) {
    return "VN990002" + AdisText::PadRight(animal, 16);
}

template <class Events> std::vector<std::string> KeysOf(const Events& events) {
    std::vector<std::string> keys;
    for (const auto& event : events)
        keys.push_back(event->Key);
    return keys;
}

std::vector<std::string> LineKeysOf(const clsAdisDataEvent& event) {
    std::vector<std::string> keys;
    for (const auto& line : *event.DataLines())
        keys.push_back(std::string(line->Key));
    return keys;
}

// Small definitions (kept), one that grows too large (made while it is read),
// numbered lines, lines not of plain ASCII, lines of another event and
// repeated keys: the file is written back as it was read, less the lines of
// repeated keys.
TEST(KeptDefinitions, EventsMadeLaterHoldWhatWasRead) {
    const std::string kept = Cp1252Lines({Def55021, Value55021("SE1"), Value55021("SE2")});
    std::string grown = Def55021 + "\r\n";
    for (int animal = 10; animal < 40; ++animal)
        grown += Value55021("SE" + std::to_string(animal), "20240229", " -12") + "\r\n";
    const std::string numbered = Cp1252Lines({Def990002, Value990002("A"), Value990002("A")});
    const std::string mixed =
        Cp1252Lines({Def55021, Value55021("Åsa"), "VN990002" + Value55021("X").substr(8),
                     Value55021("SE1"), "VN990002" + Value55021("Y").substr(8)});
    const std::string input = Cp1252Lines({HeaderDef, HeaderValues, "TN"}) + kept +
                              Cp1252Lines({Value55021("SE2", "20250101"), "TN"}) + grown +
                              Cp1252Lines({Value55021("SE12", "20250101"), "TN"}) + numbered +
                              Cp1252Lines({"TN"}) + mixed + Cp1252Lines({"TN"}) + Def55021 +
                              "\r\n" + Cp1252Lines({"EN", "ZN"});
    TempDir dir;
    WriteFileBytesAtomic(dir.File("in.dat"), input);
    clsAdisDataFile file;
    clsMessages messages;
    const auto dict = SmallDictionary();
    ASSERT_TRUE(file.Read(dir.File("in.dat"), messages, dict, nullptr, false, false));
    EXPECT_EQ(
        Messages(messages),
        (std::vector<std::string>{"   Note in line:     7 Key item is not unique, line skipped.",
                                  "   Note in line:    40 Key item is not unique, line skipped."}));

    auto& events = file.DataEvents;
    EXPECT_EQ(events.Count(), 5);
    // The first definition's count of further ones is kept before it is made.
    EXPECT_EQ(events.Item("055021")->SubItems, 3);
    EXPECT_EQ(KeysOf(events),
              (std::vector<std::string>{"055021", "055021#1", "990002", "055021#2", "055021#3"}));
    const auto first = events.Item(1L);
    EXPECT_EQ(LineKeysOf(*first),
              (std::vector<std::string>{"SE1             ", "SE2             "}));
    const auto line = first->DataLines()->Item("SE2             ");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->LineType, 'V');
    EXPECT_EQ(line->Status, 'N');
    EXPECT_EQ(line->EventNo, 55021);
    EXPECT_EQ(line->ItemValues.ValueOf(900070), AdisValue(*AdisDate::Make(2024, 1, 31)));
    EXPECT_EQ(LineKeysOf(*events.Item("055021#1")).size(), 30u);
    EXPECT_EQ(LineKeysOf(*events.Item("055021#2")),
              (std::vector<std::string>{"Åsa             ", "#1", "SE1             ", "#2"}));
    EXPECT_EQ(events.Item("055021#2")->DataLines()->Item("#2")->EventNo, 990002);
    EXPECT_TRUE(events.Item("055021#3")->DataLines()->Count() == 0);

    // Numbered lines go on from their number when a line is added in code.
    const auto numberedEvent = events.ItemOf(990002);
    EXPECT_EQ(LineKeysOf(*numberedEvent), (std::vector<std::string>{"#1", "#2"}));
    const auto added = numberedEvent->DataLines()->AddItemEx(
        dict->Events(), *numberedEvent->Items(), Def990002, Value990002("B"));
    ASSERT_TRUE(added);
    EXPECT_EQ(std::string(added->Key), "#3");
    numberedEvent->DataLines()->Remove("#3");

    // (The writer leaves out lines of another event than their definition's.)
    const std::string mixedWritten = Cp1252Lines({Def55021, Value55021("Åsa"), Value55021("SE1")});
    ASSERT_TRUE(file.WriteData(nullptr, dir.File("out.dat")));
    const std::string written = TextEncoding::Cp1252ToUtf8(FileBytes(dir.File("out.dat")));
    EXPECT_EQ(written.substr(written.find("TN\r\n")),
              TextEncoding::Cp1252ToUtf8("TN\r\n" + kept + "TN\r\n" + grown + "TN\r\n" + numbered +
                                         "TN\r\n" + mixedWritten + "EN\r\nZN\r\n"));
}

// Three kept definitions of 055021, each with the line of its own animal.
void ReadThreeDefinitions(const TempDir& dir, clsAdisDataFile& file) {
    const auto path = WriteLines(
        dir, "in.dat",
        {Def55021, Value55021("SE0"), Def55021, Value55021("SE1"), Def55021, Value55021("SE2")});
    clsMessages messages;
    ASSERT_TRUE(file.Read(path, messages, SmallDictionary(), nullptr, false, false));
}

std::string AnimalOf(const clsAdisDataEvent& event) {
    return std::string(event.DataLines()->Item(1L)->Key).substr(0, 3);
}

// Events not made yet keep their keys and places through the collection's
// changes, and a copy shares every event with the original.
TEST(KeptDefinitions, CollectionChangesAmongEventsNotMadeYet) {
    TempDir dir;
    {
        clsAdisDataFile file;
        ReadThreeDefinitions(dir, file);
        file.DataEvents.Remove("055021#1");
        EXPECT_EQ(AnimalOf(*file.DataEvents.Item("055021#2")), "SE2");
        EXPECT_EQ(AnimalOf(*file.DataEvents.Item(1L)), "SE0");
    }
    {
        clsAdisDataFile file;
        ReadThreeDefinitions(dir, file);
        auto& events = file.DataEvents;
        auto added = std::make_shared<clsAdisDataEvent>();
        added->Key = "990002";
        events.Add(added); // appended among events not made
        EXPECT_EQ(AnimalOf(*events.Item("055021#2")), "SE2");
        EXPECT_EQ(events.Item("990002"), added);
        auto before = std::make_shared<clsAdisDataEvent>();
        before->Key = "050000";
        events.Add(before, "055021#1");
        EXPECT_EQ(KeysOf(events),
                  (std::vector<std::string>{"055021", "050000", "055021#1", "055021#2", "990002"}));
        EXPECT_EQ(AnimalOf(*events.Item("055021#1")), "SE1");
        EXPECT_THROW(events.Add(before), LinkError);
    }
    {
        clsAdisDataFile file;
        ReadThreeDefinitions(dir, file);
        const clsAdisDataEvents copy = file.DataEvents;
        for (long position = 1; position <= 3; ++position)
            EXPECT_EQ(copy.Item(position), file.DataEvents.Item(position));
        EXPECT_TRUE(file.DataEvents.ChangeEventNo(55021, 55022));
        EXPECT_EQ(AnimalOf(*file.DataEvents.ItemOf(55022)), "SE0");
        EXPECT_EQ(file.DataEvents.ItemOf(55022)->DataLines()->Item(1L)->EventNo, 55022);
        EXPECT_FALSE(file.DataEvents.Exists("055021"));
    }
    { // a definition read after an event added in code
        clsAdisDataEvents events;
        events.AddItem(55021, 0, nullptr, nullptr);
        EXPECT_EQ(events.AddRead(55021), 1u);
        EXPECT_EQ(events.Item("055021")->SubItems, 1);
        EXPECT_EQ(events.Item("055021#1")->EventNo, 55021);
    }
}

// Requests with their search lines are kept as text too; requests left from an
// earlier file stay as they were read when another file adds to them.
TEST(KeptDefinitions, RequestsFromFilesReadInTurn) {
    TempDir dir;
    const auto first = WriteLines(dir, "first.dat",
                                  {"SN05502100900080040SE1 SE9 ", "RN05502100900080160",
                                   "RN05502100900070080", "SN990002", "RN99000200111111040"});
    const auto second = WriteLines(dir, "second.dat", {"RN05502100900054041"});
    clsAdisDataFile file;
    clsMessages messages;
    const auto dict = SmallDictionary();
    ASSERT_TRUE(file.Read(first, messages, dict, nullptr, false, false));
    ASSERT_TRUE(file.Read(second, messages, dict, nullptr, false, false));
    EXPECT_EQ(Messages(messages),
              (std::vector<std::string>{"Warning in line:     5 Unknown DD-number <111111>"}));

    const auto& requests = file.RequestEvents;
    EXPECT_EQ(KeysOf(requests),
              (std::vector<std::string>{"055021", "055021#1", "990002", "055021#2"}));
    const auto withSearch = requests.Item("055021");
    EXPECT_EQ(withSearch->SubItems, 2);
    EXPECT_EQ(withSearch->KeyItems()->Count(), 1); // the dictionary's, for the first only
    EXPECT_EQ(requests.Item("055021#1")->KeyItems()->Count(), 0);
    EXPECT_EQ(withSearch->LineString("R", "N"), "RN05502100900080160");
    ASSERT_TRUE(withSearch->HasAnySearchItem());
    EXPECT_EQ(withSearch->SearchItems()->Item("900080")->HighValue, AdisValue(std::string("SE9 ")));
    EXPECT_FALSE(requests.Item("055021#1")->HasSearchItems());
    EXPECT_EQ(requests.Item("055021#1")->Items()->Item("900070")->DataType, modADIS::TypeDate);
    const auto emptySearch = requests.Item("990002");
    EXPECT_TRUE(emptySearch->HasSearchItems());
    EXPECT_FALSE(emptySearch->HasAnySearchItem());
    EXPECT_EQ(emptySearch->Items()->Item("111111")->DataType, modADIS::TypeUnknown);
    EXPECT_EQ(requests.Item("055021#2")->LineString("R", "N"), "RN05502100900054041");
}

} // namespace
