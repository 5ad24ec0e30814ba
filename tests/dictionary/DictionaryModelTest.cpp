#include "adis/clsAdisItemValues.h"
#include "adis/clsAdisSearchItems.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

TEST(DictionaryCollections, KeysFollowTheirTables) {
    clsAdisItems items;
    const auto first = items.AddItem(900024, 0, 6, 0);
    EXPECT_FALSE(items.AddItem(900024, 3, 9, 1));
    EXPECT_EQ(items.Item("900024"), first);
    EXPECT_EQ(first->Length, 6);
    EXPECT_FALSE(items.Item("00900024"));
    EXPECT_EQ(first->ItemString(), "00900024060");

    items.AddItem(50085, 0, 2, 0);
    items.AddItem(900070, 0, 6, 0);
    EXPECT_FALSE(items.ChangeDDNo(50085, 900070));
    EXPECT_TRUE(items.ChangeDDNo(50085, 350305));
    EXPECT_EQ(items.Item(2)->Key, "350305");
    EXPECT_EQ(items.Item("350305")->DDNo, 350305);
    EXPECT_FALSE(items.Exists("50085"));
    EXPECT_EQ(items.Item(3)->DDNo, 900070);

    clsAdisEvents events;
    events.AddItem(55021, nullptr, 3, nullptr);
    EXPECT_TRUE(events.Exists("055021#3"));
    EXPECT_FALSE(events.Exists("055021"));
    EXPECT_EQ(events.AddItem(1234567, nullptr, 0, nullptr)->EventNoStr(), "1234567");

    clsCodeSets sets;
    auto set = std::make_shared<clsCodeSetItems>();
    set->AddItem(1, "01", "01 SRB");
    EXPECT_FALSE(set->AddItem(1, "1", "1 x"));
    sets.AddItem("050185-6", set);
    EXPECT_TRUE(sets.Exists("050185-6"));
    EXPECT_FALSE(sets.Exists("050185"));
    EXPECT_EQ(set->Item("1")->ShortText, "01");
    EXPECT_THROW(sets.AddItem("050185-6", std::make_shared<clsCodeSetItems>()), LinkError);
}

TEST(DictionaryCollections, ChangeEventNoSharesTheCollections) {
    clsAdisEvents events;
    const auto old = events.AddItem(55021, nullptr, 0, nullptr);
    old->Items()->AddItem(900080, 3, 16, 0);
    events.AddItem(55022, nullptr, 0, nullptr);
    EXPECT_FALSE(events.ChangeEventNo(55021, 55022));
    EXPECT_FALSE(events.ChangeEventNo(55099, 55023));
    EXPECT_EQ(events.Count(), 2);
    EXPECT_TRUE(events.ChangeEventNo(55021, 55023));
    EXPECT_FALSE(events.Exists("055021"));
    EXPECT_EQ(events.Item("055023")->Items(), old->Items());
    EXPECT_EQ(events.Item("055023")->KeyItems(), old->KeyItems());
}

TEST(DataDict, BuildsEventsFromItemsAndKeyItems) {
    clsAdisDataDict dict;
    EXPECT_THROW(dict.AddEventDDNo(55021, 900080), LinkError);
    const auto item = dict.AddItem(900080, 3, 16, 0);
    dict.AddItem(900070, 0, 6, 0);
    dict.AddEventKeyDDNo(55021, {900080});
    dict.AddEventDDNo(55021, 900080);
    dict.AddEventDDNo(55021, 900070);
    dict.AddEventDDNo(55021, 900080);
    dict.AddEventKeyDDNo(55021, {900070, 900080});
    const auto event = dict.Events().Item("055021");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Items()->Count(), 2);
    EXPECT_NE(event->Items()->Item("900080"), item); // a copy, not the same object
    EXPECT_EQ(event->KeyItems()->Count(), 2);
    EXPECT_EQ(event->KeyItems()->Item(1)->DDNo, 900080);

    // Items first, key items later: the same event.
    dict.AddEventDDNo(55022, 900080);
    dict.AddEventKeyDDNo(55022, {900080});
    EXPECT_EQ(dict.Events().Item("055022")->KeyItems()->Count(), 1);

    dict.AddEventItem(55030, nullptr, 900080, 0, 99, 9); // the first definition stays
    EXPECT_EQ(dict.Items().Item("900080")->Length, 16);
    EXPECT_EQ(dict.Events().Item("055030")->Items()->Item(1)->Length, 99);

    dict.AddCodeSetItem("050082", 1, "01", "01 SRB");
    dict.AddCodeSetItem("050082", 2, "02", "02 SLB");
    EXPECT_EQ(dict.CodeSets().Item("050082")->Count(), 2);

    dict.AddNotSupportedItem(50011);
    EXPECT_TRUE(dict.NotSupported(50011));
    EXPECT_FALSE(dict.NotSupported(50012));
    EXPECT_THROW(dict.AddNotSupportedItem(50011), LinkError);
}

TEST(DataDict, MatchComparesVersionsByCharacterCodes) {
    clsAdisDataDict dict;
    dict.Version = "2000    ";
    EXPECT_TRUE(dict.Match("1999    ", ""));
    EXPECT_TRUE(dict.Match("2000    ", ""));
    EXPECT_FALSE(dict.Match("2001    ", ""));
    EXPECT_FALSE(dict.Match("1999    ", "x"));
}

TEST(Event, RequestLinesSearchLinesAndRanges) {
    clsAdisDataDict dict;
    dict.AddItem(900080, 0, 1, 0);
    clsAdisEvent event;
    event.EventNo = 55021;
    EXPECT_TRUE(event.AddReqLineItems(dict, "RN05502100900080160"
                                            "00111111100"));
    EXPECT_EQ(event.Items()->Item("900080")->DataType, 0);
    EXPECT_EQ(event.Items()->Item("111111")->DataType, -1);
    EXPECT_EQ(event.Items()->Item("900080")->Length, 16); // as the line gave it
    EXPECT_FALSE(event.AddReqLineItems(dict, "RN0550210090008x160"));
    event.Items()->Remove("111111");
    EXPECT_EQ(event.LineString("R", "N"), "RN05502100900080160");

    clsAdisItemValues inRange, tooHigh, notAvailable, without;
    inRange.AddItem(900080, AdisValues::Number(3));
    tooHigh.AddItem(900080, AdisValues::Number(6));
    notAvailable.AddItem(900080, AdisNull{});
    without.AddItem(900070, AdisValues::Number(6));
    EXPECT_TRUE(event.InSearchRange(tooHigh)); // no search items yet
    ASSERT_TRUE(event.AddSearchLineItems(dict, "SN055021"
                                               "00900080010"
                                               "15"));
    EXPECT_TRUE(event.InSearchRange(inRange));
    EXPECT_FALSE(event.InSearchRange(tooHigh));
    EXPECT_FALSE(event.InSearchRange(notAvailable));
    EXPECT_TRUE(event.InSearchRange(without));

    // A bound not available neither passes nor fails a value.
    event.SearchItems()->Item("900080")->HighValue = AdisNull{};
    EXPECT_TRUE(event.InSearchRange(tooHigh));
    EXPECT_FALSE(event.AddSearchLineItems(dict, "SN055021"
                                                "00900070010"
                                                "15"));
}
