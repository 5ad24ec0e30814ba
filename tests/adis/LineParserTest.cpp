#include "adis/clsAdisSearchItems.h"
#include "adis/modADIS.h"
#include "dictionary/clsAdisDataDict.h"
#include "dictionary/clsAdisEvent.h"
#include "dictionary/clsAdisItems.h"

#include <gtest/gtest.h>

using namespace modADIS;

// The items of a request line, made from its groups when first asked for.
std::shared_ptr<clsAdisItems> RequestItems(std::string_view line) {
    static const clsAdisDataDict dict;
    clsAdisEvent request;
    if (!request.AddReqLineItems(dict, line))
        return nullptr;
    return request.Items();
}

TEST(ParseDefItems, ReadsWholeGroupsAndIgnoresARest) {
    auto items = RequestItems("RN055021009000801601234");
    ASSERT_TRUE(items);
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ(items->Item("900080")->Length, 16);
    EXPECT_EQ(items->Item("900080")->Resolution, 0);

    items = RequestItems("RN055021"
                         "00900080160"
                         "00900080060");
    ASSERT_TRUE(items);
    EXPECT_EQ(items->Count(), 1); // the repeated DD number keeps its first group
    EXPECT_EQ(items->Item("900080")->Length, 16);

    for (const char* shortLine : {"", "RN", "RN055021", "RN0550210090008016"})
        EXPECT_EQ(RequestItems(shortLine)->Count(), 0) << shortLine;
}

TEST(ParseDefItems, UnreadableGroupsGiveNothing) {
    for (const char* line : {
             "RN055021900080  160", // DD number with trailing blanks
             "RN055021  900080160", // or leading ones
             "RN05502100900080x60", // length not a number
             "RN055021009000801 x", // resolution not a number
             "RN055021009000801-1", // negative resolution
             "RN0550210090ö080160", // bytes outside ASCII
         }) {
        EXPECT_FALSE(HasReadableDefGroups(line)) << line;
        EXPECT_FALSE(RequestItems(line)) << line;
    }
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

// A search line is checked when it is read and its items made later from the
// types its groups had then: the same items as parsed at once.
TEST(ParseSearchLine, ByTheTypesKeptForTheLineAsByTheDictionary) {
    clsAdisItems dict;
    dict.AddItem(900080, TypeText, 4, 0);
    dict.AddItem(900070, TypeNumber, 3, 1);
    dict.AddItem(900099, TypeUnknown, 2, 0); // in the items, of no known type
    for (const std::string line : {"SN05502100900080040AB  CD  00900070031 10999   100",
                                   "SN05502100111111040????????00900099020ab??",
                                   "SN05502100900080040AB  CD  00900080040EF  GH  "}) {
        const auto types = SearchLineTypes(line, dict);
        ASSERT_TRUE(types) << line;
        const auto kept = ParseSearchLine(line, *types);
        const auto direct = ParseSearchLine(line, dict);
        ASSERT_TRUE(kept && direct);
        ASSERT_EQ(kept->Count(), direct->Count()) << line;
        for (long i = 1; i <= kept->Count(); ++i) {
            EXPECT_EQ(kept->Item(i)->Key, direct->Item(i)->Key);
            EXPECT_EQ(kept->Item(i)->LowValue, direct->Item(i)->LowValue) << line;
            EXPECT_EQ(kept->Item(i)->HighValue, direct->Item(i)->HighValue) << line;
        }
        EXPECT_EQ(kept->MaxRecords, direct->MaxRecords);
    }
    EXPECT_FALSE(SearchLineTypes("SN055021001111110401234????", dict));
    EXPECT_FALSE(SearchLineTypes("SN05502100900080040AB  C", dict));
}
