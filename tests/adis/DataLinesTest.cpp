#include "adis/clsAdisDataEvents.h"
#include "adis/modADIS.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

using namespace modADIS;

namespace {

// Event 055043 with key items 900080 and 900054 and a text item with Swedish
// letters in the middle of the line.
struct DataLinesFixture : ::testing::Test {
    clsAdisDataDict dict;
    std::shared_ptr<clsAdisDataEvent> event;
    const std::string defLine = "DN055043"
                                "00900080150"
                                "00900054060"
                                "00900042052";
    void SetUp() override {
        dict.AddEventKeyDDNo(55043, {900080, 900054});
        dict.AddEventItem(55043, nullptr, 900080, TypeText, 15, 0);
        dict.AddEventItem(55043, nullptr, 900054, TypeTime, 6, 0);
        dict.AddEventItem(55043, nullptr, 900042, TypeNumber, 5, 2);
        dict.AddEventItem(55503, nullptr, 900080, TypeText, 15, 0); // no key items
        clsAdisDataEvents events;
        event = events.AddItem(55043, 0, nullptr, nullptr);
        ASSERT_TRUE(event->AddDefLineItems(dict, defLine));
    }
    std::shared_ptr<clsAdisDataLine> Add(const std::string& valueLine) {
        return event->DataLines()->AddItemEx(dict.Events(), *event->Items(), defLine, valueLine);
    }
};

} // namespace

TEST_F(DataLinesFixture, DecodesFieldsCountingCharactersAndKeysByKeyItems) {
    const std::string valueLine = "VN055043Förlossning    073000 1250";
    EXPECT_EQ(event->GetValueLineLength(), 34);
    const auto line = Add(valueLine);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Key, "Förlossning    #07:30:00");
    EXPECT_EQ(line->ItemValues.ValueOf(900080), AdisValue(std::string("Förlossning    ")));
    EXPECT_EQ(line->ItemValues.ValueOf(900042), AdisValue(AdisNumber(1250, 2)));
    EXPECT_EQ(line->LineString(*event->Items()), valueLine);
}

TEST_F(DataLinesFixture, KeepsTheFirstOfTwoLinesWithOneKey) {
    EXPECT_TRUE(Add("VN055043SE-1           073000 1250"));
    EXPECT_FALSE(Add("VN055043SE-1           073000 9999"));
    EXPECT_TRUE(Add("VN055043SE-1           ?????? 9999")); // key "SE-1...#Null"
    EXPECT_EQ(event->DataLines()->Count(), 2);
    EXPECT_TRUE(event->DataLines()->Exists("SE-1           #Null"));
}

TEST_F(DataLinesFixture, LinesOfAnEventWithoutKeyItemsAreAllKept) {
    const std::string keyless = "DN05550300900080150";
    auto lines = std::make_shared<clsAdisDataLines>();
    clsAdisItems items;
    items.AddItem(900080, TypeText, 15, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines->AddItemEx(dict.Events(), items, keyless, "VN055503same text      "));
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_TRUE(lines->Exists("#1"));
    EXPECT_TRUE(lines->Exists("#3"));
}

TEST_F(DataLinesFixture, BadValueLinesGiveNothingOrNull) {
    EXPECT_FALSE(Add(""));
    EXPECT_FALSE(Add("VN05"));
    EXPECT_FALSE(Add("VNabcdefSE-1           073000 1250")); // event number not a number
    EXPECT_FALSE(Add("VN055021SE-1           073000 1250")); // event not in the dictionary
    const auto shortLine = Add("VN055043SE-2");
    ASSERT_TRUE(shortLine);
    EXPECT_EQ(shortLine->ItemValues.ValueOf(900080), AdisValue(std::string("SE-2")));
    EXPECT_TRUE(IsNull(*shortLine->ItemValues.ValueOf(900042)));
    const auto garbage = Add("VN055043\xff\xfe\x80            99999999999");
    ASSERT_TRUE(garbage);
}

TEST(ItemValues, KeyedCollectionRules) {
    clsAdisItemValues values;
    EXPECT_TRUE(values.AddItem(900024, AdisValues::Number(5)));
    EXPECT_TRUE(values.AddItem(50011, AdisValues::Text("SE ")));
    EXPECT_FALSE(values.AddItem(900024, AdisValues::Number(6)));
    EXPECT_EQ(values.Count(), 2);
    EXPECT_EQ(values.Item("900024")->Value, AdisValue(AdisNumber(5, 0)));
    EXPECT_FALSE(values.Item("0900024"));
    EXPECT_FALSE(values.Exists("abc"));
    EXPECT_EQ(values.Item(2)->Key, "50011");
    EXPECT_FALSE(values.Item(3));
    EXPECT_THROW(values.Add(clsAdisItemValue{"", 50011, AdisNull{}}), LinkError);
    EXPECT_THROW(values.Add(clsAdisItemValue{"12", 13, AdisNull{}}), LinkError);
    values.Add(clsAdisItemValue{"", 7, AdisNull{}}, "50011");
    EXPECT_EQ(values.Item(2)->DDNo, 7);
    EXPECT_TRUE(values.SetValue(50011, AdisValues::Text("longer text now")));
    EXPECT_EQ(values.ValueOf(50011), AdisValue(std::string("longer text now")));
    values.Remove("900024");
    EXPECT_THROW(values.Remove("900024"), LinkError);
    std::vector<std::int32_t> order;
    for (const auto& value : values)
        order.push_back(value.DDNo);
    EXPECT_EQ(order, (std::vector<std::int32_t>{7, 50011}));
}

TEST(DataEvents, KeysRenumberingAndLineLength) {
    clsAdisDataEvents events;
    auto first = events.AddItem(55021, 0, nullptr, nullptr);
    events.AddItem(55021, 1, nullptr, nullptr);
    EXPECT_TRUE(events.Exists("055021#1"));
    EXPECT_FALSE(events.AddItem(55021, 1, nullptr, nullptr));
    first->DataLines()->AddItem("k", "V", "N", 55021);
    EXPECT_FALSE(events.ChangeEventNo(55021, 55021));
    EXPECT_TRUE(events.ChangeEventNo(55021, 55022));
    const auto renamed = events.Item("055022");
    EXPECT_EQ(renamed->DataLines(), first->DataLines());
    EXPECT_EQ(renamed->DataLines()->Item("k")->EventNo, 55022);
    EXPECT_TRUE(events.Exists("055021#1")); // further definitions are not touched

    renamed->Items()->AddItem(1, 0, 32000, 0);
    renamed->Items()->AddItem(2, 0, 800, 0);
    EXPECT_THROW(renamed->GetValueLineLength(), LinkError);
}
