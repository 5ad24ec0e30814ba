#include "exchange/HerdDictionary.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Keys(const auto& collection) {
    std::vector<std::string> keys;
    for (const auto& element : collection)
        keys.push_back(element->Key);
    return keys;
}

class HerdDictionary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(modMirelCom::BuildHerdDictionary(dict, "VANTOR20")); }
    clsAdisDataDict dict;
};

using Keys_t = std::vector<std::string>;

} // namespace

TEST_F(HerdDictionary, HasHeaderAndAllItemsInAscendingOrder) {
    EXPECT_EQ(dict.Version, "2000");
    EXPECT_EQ(dict.NationalVersion, "");
    EXPECT_EQ(dict.ManufacturerVersion, "VANTOR20");
    EXPECT_EQ(dict.Items().Count(), 194);
    EXPECT_EQ(dict.CodeSets().Count(), 0);
    std::int32_t previous = 0;
    for (const auto& item : dict.Items()) {
        EXPECT_GT(item->DDNo, previous);
        previous = item->DDNo;
    }
    EXPECT_EQ(dict.Items().Item(1)->DDNo, 300001);
    EXPECT_EQ(dict.Items().Item(194)->DDNo, 370010);
}

TEST_F(HerdDictionary, ItemsHaveTheirTypeLengthAndResolution) {
    struct Expected {
        std::int32_t ddNo;
        std::int16_t type, length, resolution;
    };
    // One or two of every attribute group, the rarer groups in full.
    const Expected expected[] = {
        {300032, 0, 1, 0},  {355393, 0, 1, 0},  {300036, 0, 2, 0},  {355072, 0, 2, 0},
        {300003, 0, 3, 0},  {351411, 0, 3, 0},  {351407, 0, 3, 1},  {351408, 0, 3, 1},
        {303914, 0, 3, 2},  {304901, 0, 3, 2},  {303913, 0, 4, 0},  {300127, 0, 4, 2},
        {351405, 0, 4, 2},  {300002, 0, 5, 0},  {351011, 0, 5, 0},  {300001, 0, 6, 0},
        {370010, 0, 6, 0},  {303915, 0, 6, 2},  {351197, 0, 6, 2},  {300033, 1, 8, 0},
        {355079, 1, 8, 0},  {300119, 2, 6, 0},  {355089, 2, 6, 0},  {355283, 3, 1, 0},
        {350309, 3, 5, 0},  {354300, 3, 8, 0},  {300348, 3, 15, 0}, {355078, 3, 15, 0},
        {350305, 3, 16, 0}, {351002, 3, 25, 0}, {351003, 3, 25, 0}, {351198, 3, 32, 0},
        {350306, 3, 50, 0}, {354026, 3, 50, 0}, {350001, 3, 99, 0}, {355392, 3, 99, 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.ddNo);
        auto item = dict.Items().Item(std::to_string(e.ddNo));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->DataType, e.type);
        EXPECT_EQ(item->Length, e.length);
        EXPECT_EQ(item->Resolution, e.resolution);
    }
}

TEST_F(HerdDictionary, EventsComeInDefinitionOrder) {
    EXPECT_EQ(Keys(dict.Events()),
              (Keys_t{"390001", "390002", "390006", "390055", "303078", "303079", "303080",
                      "303081", "303082", "303083", "303084", "303085", "303087", "303089",
                      "303092", "303093", "303330", "303026", "303094"}));
}

TEST_F(HerdDictionary, EventsHaveTheirItemsAndKeyItemsInOrder) {
    struct Expected {
        const char* event;
        Keys_t keyItems;
        Keys_t items;
    };
    const Expected expected[] = {
        {"390001",
         {"303910"},
         {"303910", "300003", "300002", "300033", "300035", "300036", "300034", "300357", "300037",
          "303911", "300194", "303912", "300348"}},
        {"390002", {"300348"}, {"300348", "300001", "300033", "300339", "300340",
                                "300342", "300343", "303923", "303924", "303926",
                                "351133", "351134", "351135", "351136", "351137",
                                "351138", "351139", "351140", "351150", "351151"}},
        {"303085",
         {"355078"},
         {"300001", "355071", "355072", "355073", "355074", "355078", "355079", "355080",
          "355089"}},
        {"303092", {"350004"}, {"350004", "350001"}},
        {"303330",
         {"300001"},
         {"300001", "300348", "350304", "350305", "350306", "350310", "350311", "350312",
          "350325"}},
        {"303094", {"350100"}, {"350100", "350101"}},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.event);
        auto event = dict.Events().Item(e.event);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(Keys(*event->KeyItems()), e.keyItems);
        EXPECT_EQ(Keys(*event->Items()), e.items);
    }
}

TEST_F(HerdDictionary, EventItemsAreCopiesWithTheDictionaryAttributes) {
    for (const auto& event : dict.Events()) {
        SCOPED_TRACE(event->Key);
        for (const auto& item : *event->Items()) {
            auto defined = dict.Items().Item(item->Key);
            ASSERT_NE(defined, nullptr);
            EXPECT_NE(defined, item);
            EXPECT_EQ(item->DataType, defined->DataType);
            EXPECT_EQ(item->Length, defined->Length);
            EXPECT_EQ(item->Resolution, defined->Resolution);
        }
        for (const auto& key : *event->KeyItems())
            EXPECT_TRUE(event->Items()->Exists(key->Key)) << key->Key;
        // The herd number is defined outside every event.
        EXPECT_FALSE(event->Items()->Exists("355075"));
    }
    EXPECT_TRUE(dict.Items().Exists("355075"));
}
