#include "national/NationalDictionary.h"
#include "DictionaryKeys.h"
#include "common/UserInterface.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

long CodeCount(clsAdisDataDict& dict) {
    long codes = 0;
    for (const auto& set : dict.CodeSets())
        codes += set->Count();
    return codes;
}

class NationalDictionary : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        dict.NationalVersion = "kept";
        ASSERT_TRUE(modNational::BuildNationalDict(dict, GetParam()));
    }
    clsAdisDataDict dict;
};

class OldCodeSets : public NationalDictionary {};
class NewCodeSets : public NationalDictionary {};

} // namespace

TEST_P(NationalDictionary, HeaderAndItemsInTheirDefinedOrder) {
    EXPECT_EQ(dict.Version, "2000    ");
    EXPECT_EQ(dict.ManufacturerVersion, GetParam());
    EXPECT_EQ(dict.NationalVersion, "kept");
    ASSERT_EQ(dict.Items().Count(), 106);
    // Where the table is easy to mistype: the first and last, where the order
    // turns, the long texts and the decimals.
    struct Expected {
        long position;
        std::int32_t ddNo;
        std::int16_t type, length, resolution;
    };
    const Expected expected[] = {
        {1, 900024, 0, 6, 0},   {2, 900025, 0, 15, 0},  {12, 900042, 0, 3, 1},
        {14, 900045, 3, 24, 0}, {23, 900076, 0, 16, 0}, {33, 900096, 3, 5, 0},
        {34, 351402, 1, 8, 0},  {35, 351449, 2, 6, 0},  {39, 50041, 0, 3, 2},
        {61, 50187, 0, 3, 0},   {62, 50134, 1, 8, 0},   {87, 50512, 0, 7, 1},
        {103, 50533, 0, 9, 2},  {106, 50542, 1, 8, 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.ddNo);
        const auto item = dict.Items().Item(e.position);
        EXPECT_EQ(item->DDNo, e.ddNo);
        EXPECT_EQ(item->DataType, e.type);
        EXPECT_EQ(item->Length, e.length);
        EXPECT_EQ(item->Resolution, e.resolution);
    }
}

TEST_P(NationalDictionary, EventsHaveTheirItemsAndKeyItemsInOrder) {
    ASSERT_EQ(dict.Events().Count(), 21);
    const Keys_t order = Keys(dict.Events());
    EXPECT_EQ(order.front(), "055021");
    EXPECT_EQ(order[3], "055026"); // before 055023
    EXPECT_EQ(order[4], "055023");
    EXPECT_EQ(order.back(), "055504");
    const auto event = [&](const char* key) { return dict.Events().Item(key); };
    EXPECT_EQ(Keys(*event("055043")->KeyItems()), NumberKeys({900080, 900054, 900078}));
    EXPECT_EQ(Keys(*event("055043")->Items()), NumberKeys({900080, 900070, 900054, 900078, 900079,
                                                           900042, 900068, 900024, 900025, 50151}));
    EXPECT_EQ(Keys(*event("055503")->KeyItems()), Keys_t{});
    EXPECT_EQ(event("055503")->Items()->Count(), 22);
    EXPECT_EQ(event("055502")->Items()->Item(22)->Key, "900073");
    EXPECT_EQ(Keys(*event("055504")->Items()), NumberKeys({900070, 900080, 900046}));
}

INSTANTIATE_TEST_SUITE_P(BothVersions, NationalDictionary,
                         ::testing::Values("ZIRAZ22 ", "ZIRAZ19 "));

TEST_P(OldCodeSets, HasTheFirstGeneration) {
    EXPECT_EQ(Keys(dict.CodeSets()),
              (Keys_t{"050052", "050082", "050185", "050186", "050305", "050308", "050322"}));
    EXPECT_EQ(CodeCount(dict), 115);
    EXPECT_EQ(dict.CodeSets().Item("050082")->Count(), 33);
    EXPECT_EQ(dict.CodeSets().Item("050185")->Count(), 31);
    auto cull = dict.CodeSets().Item("050185");
    auto removal = dict.CodeSets().Item("050186");
    ASSERT_EQ(Keys(*removal), Keys(*cull));
    for (const auto& code : *cull)
        EXPECT_EQ(removal->Item(code->Key)->LongText, code->LongText);
}

INSTANTIATE_TEST_SUITE_P(BeforeVersion20, OldCodeSets,
                         ::testing::Values("ZIRAZ19 ", "ZIRAZ1  ", ""));

TEST_P(NewCodeSets, HasTheSecondGeneration) {
    EXPECT_EQ(Keys(dict.CodeSets()), (Keys_t{"050052", "050082", "050185-6", "050185-7", "050185-8",
                                             "050186", "050305", "050308", "050322"}));
    EXPECT_EQ(CodeCount(dict), 130);
    EXPECT_EQ(dict.CodeSets().Item("050082")->Count(), 50);
    EXPECT_EQ(
        Keys(*dict.CodeSets().Item("050186")),
        NumberKeys({2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 31, 34, 35, 50}));
}

INSTANTIATE_TEST_SUITE_P(FromVersion20, NewCodeSets,
                         ::testing::Values("ZIRAZ22 ", "ZIRAZ20 ", "ZIRAZ3  "));

TEST(NationalCodeSets, TextsAreStoredAsListed) {
    struct Expected {
        const char* version;
        const char* set;
        std::int16_t code;
        const char* shortText;
        const char* longText;
    };
    const Expected expected[] = {
        {"ZIRAZ19 ", "050052", 9, "9", "9 Tidig kalvning (215-240 dagar)"},
        {"ZIRAZ19 ", "050082", 44, "44", "44 Ringemålako"},
        {"ZIRAZ19 ", "050185", 6, "06", "06 Förlossningssvårigheter"},
        {"ZIRAZ19 ", "050186", 68, "68", "68 Handjur avlivning/självdöd ej destruerad"},
        {"ZIRAZ19 ", "050322", 6, "6", "6 Dödfödd eller självdöd första dygn"},
        {"ZIRAZ22 ", "050082", 1, "01", "01 SRB"},
        {"ZIRAZ22 ", "050082", 27, "27", "27 Montbéliard"},
        {"ZIRAZ22 ", "050082", 52, "52", "52 Dølafe"},
        {"ZIRAZ22 ", "050185-6", 16, "16", "16 Ämnesoms.sjukdom/acetonemi/foderleda"},
        {"ZIRAZ22 ", "050185-8", 46, "46", "46 Hemslakt"},
        {"ZIRAZ22 ", "050305", 42, "42", "42 Dräktig (ins i annan besättning"},
        {"ZIRAZ22 ", "050308", 5, "5", "5 Mycket starka"},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string(e.version) + e.set + " " + e.shortText);
        clsAdisDataDict dict;
        ASSERT_TRUE(modNational::BuildNationalDict(dict, e.version));
        auto set = dict.CodeSets().Item(e.set);
        ASSERT_NE(set, nullptr);
        auto code = set->Item(std::to_string(e.code));
        ASSERT_NE(code, nullptr);
        EXPECT_EQ(code->Code, e.code);
        EXPECT_EQ(code->ShortText, e.shortText);
        EXPECT_EQ(code->LongText, e.longText);
    }
}

TEST(NationalNotSupported, ListsExactlyTheUnprocessedItems) {
    clsAdisDataDict dict;
    ASSERT_TRUE(modNational::BuildNationalDict(dict, "ZIRAZ22 "));
    ASSERT_TRUE(modNational::SetNationalNotSupported(dict));
    EXPECT_EQ(dict.NotSupportedItems().size(), 38u);
    long listedItems = 0;
    for (const auto& item : dict.Items())
        listedItems += dict.NotSupported(item->DDNo);
    EXPECT_EQ(listedItems, 38); // each one a dictionary item
    for (std::int32_t ddNo :
         {900073, 900075, 50011, 50186, 50187, 50301, 50511, 50515, 50521, 50529, 50534, 50542})
        EXPECT_TRUE(dict.NotSupported(ddNo)) << ddNo;
    for (std::int32_t ddNo : {900080, 900076, 50185, 50302, 50504, 50505, 50508, 50520})
        EXPECT_FALSE(dict.NotSupported(ddNo)) << ddNo;
}

TEST(NationalNotSupported, SecondCallReportsTheDuplicate) {
    auto ui = std::make_shared<LinkUi::RecordingUserInterface>();
    LinkUi::SetUi(ui);
    clsAdisDataDict dict;
    EXPECT_TRUE(modNational::SetNationalNotSupported(dict));
    EXPECT_FALSE(modNational::SetNationalNotSupported(dict));
    LinkUi::SetUi(std::make_shared<LinkUi::HeadlessUserInterface>());
    ASSERT_EQ(ui->boxes.size(), 1u);
    EXPECT_EQ(ui->boxes[0].icon, LinkUi::Icon::Critical);
    EXPECT_EQ(ui->boxes[0].text.substr(0, 4), "457 ");
}
