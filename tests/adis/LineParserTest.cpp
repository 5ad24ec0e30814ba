#include "adis/clsAdisSearchItems.h"
#include "adis/modADIS.h"
#include "dictionary/clsAdisItems.h"

#include <gtest/gtest.h>

using namespace modADIS;

TEST(ParseDefItems, ReadsWholeGroupsAndIgnoresARest) {
    auto items = ParseDefItems("DN055021009000801601234");
    ASSERT_TRUE(items);
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ(items->Item("900080")->Length, 16);
    EXPECT_EQ(items->Item("900080")->Resolution, 0);

    items = ParseDefItems("DN055021"
                          "00900080160"
                          "00900080060");
    ASSERT_TRUE(items);
    EXPECT_EQ(items->Count(), 1); // the repeated DD number keeps its first group
    EXPECT_EQ(items->Item("900080")->Length, 16);

    for (const char* shortLine : {"", "DN", "DN055021", "DN0550210090008016"})
        EXPECT_EQ(ParseDefItems(shortLine)->Count(), 0) << shortLine;
}

TEST(ParseDefItems, UnreadableGroupsGiveNothing) {
    for (const char* line : {
             "DN055021900080  160", // DD number with trailing blanks
             "DN055021  900080160", // or leading ones
             "DN05502100900080x60", // length not a number
             "DN055021009000801 x", // resolution not a number
             "DN055021009000801-1", // negative resolution
             "DN0550210090ö080160", // bytes outside ASCII
         })
        EXPECT_FALSE(ParseDefItems(line)) << line;
}

TEST(ParseSearchLine, ReadsRangesTypedByTheDictionaryAndRejectsBadLines) {
    clsAdisItems dict;
    dict.AddItem(900080, TypeText, 4, 0);
    dict.AddItem(900070, TypeNumber, 3, 1);
    dict.AddItem(900054, TypeDate, 8, 0);
    const std::string line = "SN055021"
                             "00900080040AB  CD  "
                             "00900070031 10999"
                             "00900054080????????20071231"
                             "   100";
    auto search = ParseSearchLine(line, dict);
    ASSERT_TRUE(search);
    ASSERT_EQ(search->Count(), 3);
    EXPECT_EQ(search->Item("900080")->LowValue, AdisValue(std::string("AB  ")));
    EXPECT_EQ(search->Item("900070")->LowValue, AdisValue(AdisNumber(10, 1)));
    EXPECT_EQ(search->Item("900070")->HighValue, AdisValue(AdisNumber(999, 1)));
    EXPECT_TRUE(IsNull(search->Item("900054")->LowValue));
    EXPECT_EQ(search->MaxRecords, AdisValue(std::string("   100")));
    EXPECT_EQ(search->LineString(55021, dict), line);

    search = ParseSearchLine("SN05502100111111040????????", dict);
    ASSERT_TRUE(search); // unknown DD number with both values not available
    EXPECT_TRUE(IsNull(search->Item("111111")->LowValue));
    EXPECT_FALSE(ParseSearchLine("SN055021001111110401234????", dict));
    EXPECT_FALSE(ParseSearchLine("SN05502100900080040AB  C", dict)); // high value cut short
    EXPECT_FALSE(ParseSearchLine("SN055021x0900080040AB  CD  ", dict));
    EXPECT_EQ(ParseSearchLine("SN", dict)->Count(), 0);
}
