#include "common/BuiltInStrings.h"
#include "common/LanguageResources.h"

#include <gtest/gtest.h>

using namespace modCommon;

namespace {

struct Expected {
    long number;
    const char* text;
};

// Where the table is easy to mistype: the first and last texts, access keys,
// placeholders, quotes, the spellings as they are and the longest text.
constexpr Expected kSample[] = {
    {101, "&Herd number:"},
    {107, "Lactation 2-"},
    {124, "F&unction"},
    {152, "You must restart %x for this setting to take effect!"},
    {157, "Initialization succeded!"},
    {158, "All cow id's are correct!"},
    {167, "Data successfully transfered!"},
    {168, "Error"},
    {192, "Value out of range, allowed range is %x to %x."},
    {200, "Kestrom Sync is installed and you should not use this application. We recommend that "
          "you uninstall it!"},
    {302, "Cow %x with id: '%x'"},
    {303, "Cow %x with mother id: '%x'"},
};

} // namespace

TEST(BuiltInTexts, SampleIsExact) {
    for (const auto& expected : kSample) {
        SCOPED_TRACE(expected.number);
        EXPECT_EQ(ResString(expected.number, nullptr), expected.text);
    }
}

TEST(BuiltInTexts, TableHasEveryNumberOnceInOrder) {
    const auto numbers = BuiltInStringNumbers();
    ASSERT_EQ(numbers.size(), 79u);
    EXPECT_EQ(numbers.front(), 101);
    EXPECT_EQ(numbers.back(), 303);
    for (std::size_t i = 1; i < numbers.size(); ++i)
        EXPECT_LT(numbers[i - 1], numbers[i]);
}

TEST(BuiltInTexts, ProgramWideLookupUsesBuiltInTableWithoutLibrary) {
    SetCurrentLanguageLibrary(nullptr);
    EXPECT_EQ(ResString(169), "File creation error:");
    for (long number : {0L, -168L, 100L, 103L, 116L, 117L, 137L, 142L, 199L, 304L, 100000L})
        EXPECT_EQ(ResString(number), "<Missing>") << number;
}
