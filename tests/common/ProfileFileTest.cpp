#include "common/ProfileFile.h"
#include "TestFiles.h"
#include "common/TextEncoding.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

using namespace modUtils;

namespace {
const std::string kHead = "; settings of the link\r\n[Settings]\r\n";
const std::string kCodes = "; national codes\r\n"
                           "[CodeSet050082]\r\n"
                           "ShortText1=\xE5\xE4\xF6\r\n"
                           "Empty=\r\n"
                           "Count=42abc\r\n"
                           "Word=abc\r\n";
const std::string kSample = kHead + "  HerdNo =  12345 \r\nLookupShortText=1\r\n\r\n" + kCodes;
} // namespace

TEST(ProfileFile, ReadsValuesByTheRules) {
    TempDir dir;
    const std::string file = dir.File("link.ini");
    ASSERT_TRUE(WriteFileBytesAtomic(file, kSample));

    struct Case {
        const char* section;
        const char* key;
        const char* defaultValue;
        const char* expected;
        bool found;
    } cases[] = {
        {"Settings", "HerdNo", "", "12345", true},           // trimmed at both ends
        {"SETTINGS", "herdno", "", "12345", true},           // names without regard to case
        {" settings ", "HERDNO", "x", "12345", true},        //
        {"CodeSet050082", "ShortText1", "", "åäö", true},    // windows-1252 to UTF-8
        {"Settings", "Missing", "def", "def", true},         // the default counts as found
        {"Settings", "Missing", "", "", false},              //
        {"Nowhere", "HerdNo", "d", "d", true},               //
        {"CodeSet050082", "Empty", "def", "", false},        // present but empty: no default
        {"CodeSet050082", "LookupShortText", "", "", false}, // keys belong to their section
    };
    for (const auto& c : cases) {
        std::string out = "untouched";
        EXPECT_EQ(ReadProfileString(out, c.section, c.key, c.defaultValue, file), c.found)
            << c.section << "/" << c.key;
        EXPECT_EQ(out, c.expected) << c.section << "/" << c.key;
    }
    EXPECT_EQ(ReadProfileInt("CodeSet050082", "Count", 7, file), 42);
    EXPECT_EQ(ReadProfileInt("CodeSet050082", "Word", 7, file), 0);
    EXPECT_EQ(ReadProfileInt("CodeSet050082", "Empty", 7, file), 7);
    EXPECT_EQ(ReadProfileInt("CodeSet050082", "Missing", -3, file), -3);
    EXPECT_TRUE(ReadProfileBool("Settings", "LookupShortText", false, file));
    EXPECT_TRUE(ReadProfileBool("Settings", "Missing", true, file));
    EXPECT_FALSE(ReadProfileBool("CodeSet050082", "Word", true, file));

    std::string out = "untouched";
    EXPECT_TRUE(ReadProfileString(out, "S", "K", "def", dir.File("missing.ini")));
    EXPECT_EQ(out, "def");
}

TEST(ProfileFile, ValuesAreReadAsAtMost254Characters) {
    ProfileFile profile;
    std::string longValue;
    for (int i = 0; i < 300; ++i)
        longValue += i % 2 ? "ä" : "b";
    profile.SetString("S", "Long", longValue);
    profile.Parse(profile.Text());
    EXPECT_EQ(TextEncoding::CharCount(profile.GetString("S", "Long")), 254u);
    EXPECT_EQ(profile.GetString("S", "Long"), TextEncoding::LeftChars(longValue, 254));
    EXPECT_NE(profile.Text().find(longValue), std::string::npos); // written unchanged
}

TEST(ProfileFile, WritingKeepsEveryOtherLineAndTheOrder) {
    TempDir dir;
    const std::string file = dir.File("link.ini");
    ASSERT_TRUE(WriteFileBytesAtomic(file, kSample));

    EXPECT_TRUE(WriteProfileString("54321", "settings", "HERDNO", file));
    EXPECT_TRUE(WriteProfileInt(-5, "Settings", "AddGroup", file));
    EXPECT_TRUE(WriteProfileBool(true, "New Section", "Flag", file));
    EXPECT_TRUE(WriteProfileString("ö", "CodeSet050082", "LongText1", file));

    EXPECT_EQ(FileBytes(file), kHead + "HERDNO=54321\r\nLookupShortText=1\r\nAddGroup=-5\r\n\r\n" +
                                   kCodes + "LongText1=\xF6\r\n[New Section]\r\nFlag=1\r\n");
    EXPECT_EQ(dir.FileCount(), 1u); // no temporary file left behind

    EXPECT_TRUE(DeleteProfileKey("SETTINGS", "lookupshorttext", file));
    EXPECT_FALSE(DeleteProfileKey("Settings", "LookupShortText", file));
    EXPECT_TRUE(DeleteProfileSection("codeset050082", file));
    EXPECT_FALSE(DeleteProfileSection("CodeSet050082", file));
    EXPECT_EQ(FileBytes(file), "; settings of the link\r\n"
                               "[Settings]\r\n"
                               "HERDNO=54321\r\n"
                               "AddGroup=-5\r\n"
                               "\r\n"
                               "; national codes\r\n"
                               "[New Section]\r\n"
                               "Flag=1\r\n");
}

TEST(ProfileFile, WritingCreatesTheFileAndKeepsValuesOnOneLine) {
    TempDir dir;
    const std::string file = dir.File("new.ini");
    EXPECT_TRUE(WriteProfileString(" a\r\n[Injected]\nb ", "S", "K", file));
    EXPECT_EQ(FileBytes(file), "[S]\r\nK= a  [Injected] b \r\n");
    EXPECT_FALSE(WriteProfileString("v", "S", "K", dir.File("no/such/folder/x.ini")));
}

TEST(ProfileFile, TheFirstOfTwoEqualKeysIsInForce) {
    ProfileFile profile;
    profile.Parse("[A]\nk=1\nK=2\n[a]\nk=3\n");
    EXPECT_EQ(profile.GetString("a", "k"), "1");
    EXPECT_EQ(profile.Keys("A"), std::vector<std::string>{"k"});
    EXPECT_TRUE(profile.DeleteKey("A", "K"));
    EXPECT_EQ(profile.GetString("A", "k"), "2");
}

TEST(ProfileFile, ManyKeysAreWrittenAndReadBack) {
    ProfileFile profile;
    for (int i = 1; i <= 5000; ++i)
        profile.SetString("Data Dictionary", "Item" + std::to_string(i), std::to_string(i * 7));
    profile.SetString("Events", "EventCount", "0");
    ProfileFile reread;
    reread.Parse(profile.Text());
    EXPECT_EQ(reread.Keys("Data Dictionary").size(), 5000u);
    EXPECT_EQ(reread.GetInt("data dictionary", "ITEM4321", 0), 4321 * 7);
    EXPECT_TRUE(reread.HasSection("EVENTS"));
}
