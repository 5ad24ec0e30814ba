// Values, DD numbers and line keys are changed through the stored model, and
// the changes reach the written file.

#include "AdisTestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Lookups hand out read-only copies, and a line takes its values over: code
// that would change a copy and expect the stored line to change does not compile.
template <class Values> constexpr bool CanAssignThroughItem = requires(Values& values) {
    values.Item(1L)->Value = AdisValue();
};
template <class Values> constexpr bool CanAssignThroughIteration = requires(Values& values) {
    (*values.begin()).Value = AdisValue();
};
template <class Lines, class Values>
constexpr bool CanAddACopy = requires(Lines& lines, Values& values) {
    lines.AddItem("k", "V", "N", 1, values);
};
template <class Line> constexpr bool CanAssignKey = requires(Line& line) {
    line.Key = line.Key;
};
static_assert(!CanAssignThroughItem<clsAdisItemValues>);
static_assert(!CanAssignThroughIteration<clsAdisItemValues>);
static_assert(!CanAddACopy<clsAdisDataLines, clsAdisItemValues>);
static_assert(!CanAssignKey<clsAdisDataLine>);

} // namespace

TEST(InPlaceChange, ValuesDDNumbersAndKeysReachTheWrittenFile) {
    TempDir dir;
    const auto input = WriteLines(dir, "in.dat",
                                  {HeaderDef, HeaderValues, "TN", Def55021, Value55021("SE1"),
                                   Value55021("SE2", "20240201", "  30"), "EN", "TN", Def55021,
                                   Value55021("SE3"), "EN", "ZN"});
    auto dict = SmallDictionary();
    clsAdisDataFile file;
    clsMessages messages;
    ASSERT_TRUE(file.Read(input, messages, dict, nullptr, false, true));
    const auto event = file.DataEvents.ItemOf(55021);
    auto& lines = *event->DataLines();
    const std::string se1 = AdisText::PadRight("SE1", 16);
    const auto first = lines.Item(se1);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->ItemValues.SetValue(900054, AdisValues::Number(55, 1)));
    EXPECT_TRUE(first->ItemValues.SetValue(900080, AdisValues::Text("SE9")));
    EXPECT_TRUE(lines.ChangeKey(se1, "SE9"));
    EXPECT_EQ(first->Key, "SE9");
    EXPECT_EQ(lines.Item(1L), first);
    EXPECT_TRUE(event->ChangeDDNo(900070, 50151));
    EXPECT_EQ(event->LineString("D", "N"), "DN055021009000801600005015108000900054041");

    const std::string output = dir.File("out.dat");
    ASSERT_TRUE(file.WriteData(nullptr, output));
    // The second definition of the event, equal to the first when read, is not
    // renumbered with it.
    EXPECT_EQ(FileLines(output, "TN"),
              (std::vector<std::string>{"TN", "DN055021009000801600005015108000900054041",
                                        "VN055021SE9             20240131  55",
                                        "VN055021SE2             20240201  30", "TN", Def55021,
                                        "VN055021SE3             20240131  12", "EN", "ZN"}));

    // The dictionary's own items and events are not renumbered with the file's.
    EXPECT_TRUE(dict->Items().ItemOf(900070));
    EXPECT_TRUE(dict->Events().ItemOf(55021)->Items()->ItemOf(900070));
}

TEST(InPlaceChange, ChangesThatWouldLoseOrMixValuesAreRefused) {
    clsAdisItemValues values;
    values.AddItem(900080, AdisValues::Text("a"));
    values.AddItem(900054, AdisValues::Number(1));
    EXPECT_FALSE(values.ChangeDDNo(900070, 900071)); // absent
    EXPECT_FALSE(values.ChangeDDNo(900080, 900054)); // taken
    EXPECT_TRUE(values.ChangeDDNo(900080, 900081));
    EXPECT_EQ(values.Item(1L)->DDNo, 900081);
    EXPECT_EQ(values.ValueOf(900081), AdisValue(std::string("a")));
    EXPECT_FALSE(values.SetValue(900080, AdisNull{}));

    // An event built from the dictionary's own items: renumbering one leaves
    // the dictionary's item as it is.
    clsAdisDataFile file;
    file.DataDict = SmallDictionary();
    const auto shared = file.AddDataEventItem(55021, 900070);
    file.AddDataEventItem(55021, 900054);
    const auto event = file.DataEvents.ItemOf(55021);
    event->DataLines()->AddItem("stray", "V", "N", 55021,
                                ValuesOf({{900070, *AdisDate::Make(2024, 1, 1)},
                                          {900099, AdisValues::Text("not in the event")}}));
    struct Case {
        std::int32_t from, to;
        bool changed;
    };
    for (const auto& test : std::vector<Case>{{900080, 900081, false}, // no such item
                                              {900070, 900054, false}, // the new one exists
                                              {900070, 900099, false}, // a line holds it
                                              {900070, 900071, true}}) {
        EXPECT_EQ(event->ChangeDDNo(test.from, test.to), test.changed) << test.from;
    }
    EXPECT_EQ(shared->DDNo, 900070);
    EXPECT_EQ(file.DataDict->Items().ItemOf(900070), shared);
    EXPECT_EQ(event->Items()->Item(1L)->DDNo, 900071);
    EXPECT_EQ(event->Items()->Item(2L)->DDNo, 900054);
    const auto line = event->DataLines()->Item("stray");
    EXPECT_TRUE(line->ItemValues.ValueOf(900071));
    EXPECT_FALSE(line->ItemValues.ValueOf(900070));
}

// The lines of a file's events are stored together; a line moved to another
// event, or held by a caller, stays whole when its event, the other events and
// the file are gone. The second definition orders its groups differently, so
// its key is cut from another place.
TEST(InPlaceChange, LinesOutliveTheirEventsAndFile) {
    TempDir dir;
    const std::string reordered = "DN055021009000540410090008016000900070080";
    const auto input = WriteLines(
        dir, "in.dat",
        {HeaderDef, HeaderValues, Def55021, Value55021("SE1"), Value55021("SE2"), reordered,
         "VN055021  70SE3             20240301", "VN055021  80SE4             20240302", "ZN"});
    std::shared_ptr<clsAdisDataLine> held;
    {
        clsAdisDataFile file;
        clsMessages messages;
        ASSERT_TRUE(file.Read(input, messages, SmallDictionary(), nullptr, false, true));
        EXPECT_TRUE(Messages(messages).empty());
        const auto first = file.DataEvents.Item("055021");
        const auto second = file.DataEvents.Item("055021#1");
        ASSERT_TRUE(first && second);
        const std::string se3 = AdisText::PadRight("SE3", 16);
        ASSERT_TRUE(second->DataLines()->Exists(se3));
        EXPECT_TRUE(second->DataLines()->Exists(AdisText::PadRight("SE4", 16)));

        first->DataLines()->Add(second->DataLines()->Item(se3));
        held = first->DataLines()->Item(AdisText::PadRight("SE2", 16));
        second->DataLines()->Clear();
        file.DataEvents.Remove("055021#1");
        const std::string output = dir.File("out.dat");
        ASSERT_TRUE(file.WriteData(nullptr, output));
        EXPECT_EQ(FileLines(output, Def55021),
                  (std::vector<std::string>{Def55021, "VN055021SE1             20240131  12",
                                            "VN055021SE2             20240131  12",
                                            "VN055021SE3             20240301  70", "EN", "ZN"}));
        file.Clear();
    }
    ASSERT_TRUE(held);
    EXPECT_EQ(held->Key, AdisText::PadRight("SE2", 16));
    EXPECT_EQ(held->ItemValues.ValueOf(900054), AdisValues::Number(12, 1));
}
