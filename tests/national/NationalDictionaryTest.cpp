#include "national/NationalDictionary.h"
#include "common/UserInterface.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

using Keys_t = std::vector<std::string>;

Keys_t Keys(const auto& collection) {
    Keys_t keys;
    for (const auto& element : collection)
        keys.push_back(element->Key);
    return keys;
}

Keys_t Numbers(std::initializer_list<std::int32_t> numbers) {
    Keys_t keys;
    for (std::int32_t n : numbers)
        keys.push_back(std::to_string(n));
    return keys;
}

Keys_t Range(std::int32_t first, std::int32_t last) {
    Keys_t keys;
    for (std::int32_t n = first; n <= last; ++n)
        keys.push_back(std::to_string(n));
    return keys;
}

Keys_t Join(std::initializer_list<Keys_t> parts) {
    Keys_t all;
    for (const Keys_t& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

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

TEST(NationalVersions, CurrentVersionFirst) {
    ASSERT_EQ(modNational::NationalVersions.size(), 2u);
    EXPECT_EQ(modNational::NationalVersions[0], "ZIRAZ22 ");
    EXPECT_EQ(modNational::NationalVersions[1], "ZIRAZ19 ");
}

TEST_P(NationalDictionary, HasHeaderItemsAndEvents) {
    EXPECT_EQ(dict.Version, "2000    ");
    EXPECT_EQ(dict.ManufacturerVersion, GetParam());
    EXPECT_EQ(dict.NationalVersion, "kept");
    EXPECT_EQ(dict.Items().Count(), 106);
    EXPECT_EQ(dict.Events().Count(), 21);
}

TEST_P(NationalDictionary, ItemsComeInTheirDefinedOrder) {
    const Keys_t expected = Join({
        Numbers({900024, 900025, 900028, 900030, 900031, 900032, 900034, 900035, 900038, 900039,
                 900040, 900042, 900044, 900045, 900046, 900053, 900054, 900059, 900068, 900070,
                 900073, 900075, 900076, 900077, 900078, 900079, 900080, 900082, 900083, 900087,
                 900091, 900094, 900096, 351402, 351449, 50011,  50039,  50040,  50041,  50046,
                 50052,  50070,  50081,  50082,  50083,  50084,  50085,  50086,  50087,  50088,
                 50151,  50171,  50172,  50178,  50181,  50182,  50183,  50184,  50185,  50186,
                 50187,  50134,  50135,  50138,  50139,  50201,  50202,  50203,  50301,  50302,
                 50303,  50305,  50308,  50322,  50331}),
        Range(50501, 50515),
        Range(50520, 50529),
        Numbers({50531, 50532, 50533, 50534, 50541, 50542}),
    });
    EXPECT_EQ(Keys(dict.Items()), expected);
}

TEST_P(NationalDictionary, ItemsHaveTheirTypeLengthAndResolution) {
    struct Expected {
        std::int32_t ddNo;
        std::int16_t type, length, resolution;
    };
    const Expected expected[] = {
        {50506, 0, 1, 0},   {900094, 0, 2, 0},  {50541, 0, 2, 0},   {50529, 0, 3, 0},
        {900042, 0, 3, 1},  {50505, 0, 3, 1},   {50041, 0, 3, 2},   {900068, 0, 4, 0},
        {900031, 0, 4, 2},  {900077, 0, 4, 2},  {900087, 0, 5, 0},  {50508, 0, 5, 0},
        {900024, 0, 6, 0},  {50501, 0, 6, 0},   {900073, 0, 6, 2},  {50531, 0, 7, 0},
        {50512, 0, 7, 1},   {50514, 0, 7, 2},   {50532, 0, 9, 1},   {50533, 0, 9, 2},
        {900025, 0, 15, 0}, {900076, 0, 16, 0}, {351402, 1, 8, 0},  {50542, 1, 8, 0},
        {351449, 2, 6, 0},  {50039, 2, 6, 0},   {900046, 3, 1, 0},  {50203, 3, 5, 0},
        {50011, 3, 8, 0},   {50184, 3, 8, 0},   {900080, 3, 16, 0}, {50087, 3, 16, 0},
        {900045, 3, 24, 0},
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

TEST_P(NationalDictionary, EventsHaveTheirItemsAndKeyItemsInOrder) {
    EXPECT_EQ(Keys(dict.Events()),
              (Keys_t{"055021", "055022", "055025", "055026", "055023", "055027", "055024",
                      "055031", "055032", "055033", "055034", "055035", "055036", "055042",
                      "055043", "055050", "055051", "055501", "055502", "055503", "055504"}));
    struct Expected {
        const char* event;
        Keys_t keyItems;
        Keys_t items;
    };
    const Expected expected[] = {
        {"055022", Numbers({900080}),
         Numbers({900080, 900070, 900046, 50084, 900053, 900035, 900045, 900034, 50181})},
        {"055043", Numbers({900080, 900054, 900078}),
         Numbers({900080, 900070, 900054, 900078, 900079, 900042, 900068, 900024, 900025, 50151})},
        {"055050", Numbers({900080, 900039, 50039}),
         Numbers({900080, 900070, 900039, 50039, 900040})},
        {"055501", Numbers({900080}),
         Numbers({900080, 900070, 900046, 50084,  900053, 900045, 50011,  900034,
                  50081,  900083, 50083,  900082, 50082,  50087,  900035, 900028,
                  900030, 50305,  900059, 900094, 900044, 50331})},
        {"055502", Numbers({900080}),
         Numbers({900080, 900070, 50011, 900032, 50501,  50502, 50171, 900077,
                  900031, 50504,  50503, 50505,  50506,  50507, 50508, 50509,
                  50510,  50541,  50542, 900087, 900075, 900073})},
        {"055503",
         {},
         Join({Numbers({50011, 900032, 50501}), Range(50511, 50515), Range(50520, 50529),
               Numbers({50531, 50532, 50533, 50534})})},
        {"055504", Numbers({900070}), Numbers({900070, 900080, 900046})},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.event);
        auto event = dict.Events().Item(e.event);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(Keys(*event->KeyItems()), e.keyItems);
        EXPECT_EQ(Keys(*event->Items()), e.items);
    }
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
    EXPECT_EQ(Keys(*dict.CodeSets().Item("050186")),
              Numbers({2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 31, 34, 35, 50}));
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
        {"ZIRAZ19 ", "050305", 1, "01", "01 Undersökt, Ej dräktig"},
        {"ZIRAZ19 ", "050322", 6, "6", "6 Dödfödd eller självdöd första dygn"},
        {"ZIRAZ22 ", "050052", 14, "14", "14 Svår, med veterinärhjälp"},
        {"ZIRAZ22 ", "050082", 1, "01", "01 SRB"},
        {"ZIRAZ22 ", "050082", 27, "27", "27 Montbéliard"},
        {"ZIRAZ22 ", "050082", 52, "52", "52 Dølafe"},
        {"ZIRAZ22 ", "050185-6", 16, "16", "16 Ämnesoms.sjukdom/acetonemi/foderleda"},
        {"ZIRAZ22 ", "050185-7", 54, "54", "54 Avlivad, ej destruktion"},
        {"ZIRAZ22 ", "050185-8", 46, "46", "46 Hemslakt"},
        {"ZIRAZ22 ", "050186", 50, "50", "50 Övrig utgångsorsak"},
        {"ZIRAZ22 ", "050305", 42, "42", "42 Dräktig (ins i annan besättning"},
        {"ZIRAZ22 ", "050308", 5, "5", "5 Mycket starka"},
        {"ZIRAZ22 ", "050322", 7, "7", "7 Självdöd, ej första dygnet"},
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
    const Keys_t expected =
        Join({Numbers({900073, 900075, 50011, 50081, 50082, 50087, 50172, 50186, 50187, 50201,
                       50301, 50501, 50502, 50503, 50506, 50507, 50509, 50510}),
              Range(50511, 50515), Range(50521, 50529),
              Numbers({50531, 50532, 50533, 50534, 50541, 50542})});
    Keys_t listed;
    for (const auto& item : dict.Items())
        if (dict.NotSupported(item->DDNo))
            listed.push_back(item->Key);
    Keys_t sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, sortedExpected);
    EXPECT_EQ(listed.size(), 38u);
    EXPECT_EQ(dict.NotSupportedItems().size(), 38u);
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
