#include "../common/TestFiles.h"
#include "DictionaryKeys.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

namespace {

struct DictionaryFile : ::testing::Test {
    void Write(const std::string& utf8Text) {
        ASSERT_TRUE(WriteFileBytesAtomic(path, TextEncoding::Utf8ToCp1252(utf8Text)));
    }
    TempDir dir;
    std::string path = dir.File("dd.ini");
};

} // namespace

TEST_F(DictionaryFile, SavedAndLoadedAgainIsEqualLessTrailingBlanks) {
    clsAdisDataDict dict;
    dict.Version = "2000    ";
    dict.ManufacturerVersion = "ZIRAZ22 ";
    dict.AddEventKeyDDNo(55504, {900070});
    dict.AddEventItem(55504, nullptr, 900080, 3, 16, 0);
    dict.AddEventItem(55504, nullptr, 900070, 0, 6, 0);
    dict.AddEventItem(55021, nullptr, 900031, 0, 4, 2);
    dict.AddEventKeyDDNo(55021, {900031, 900080});
    dict.AddEventKeyDDNo(55030, {900070}); // an event without items
    dict.AddCodeSetItem("050308", 1, "1", "1 Mycket svaga");
    dict.AddCodeSetItem("050185-6", 12, "12", "12 Dödfödd kalv, vägd");
    dict.AddNotSupportedItem(50011);
    ASSERT_TRUE(dict.Save(path));

    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes.rfind("[Data Dictionary]\r\nVersion=2000    \r\n", 0), 0u);
    EXPECT_NE(bytes.find("LongText1=12 D\xF6"
                         "df\xF6"
                         "dd kalv, v\xE4gd\r\n"),
              std::string::npos);

    clsAdisDataDict loaded;
    ASSERT_TRUE(loaded.Load(path, "", "", ""));
    dict.Version = "2000";
    dict.ManufacturerVersion = "ZIRAZ22";
    EXPECT_EQ(Describe(loaded), Describe(dict));
    EXPECT_FALSE(loaded.NotSupported(50011));

    EXPECT_TRUE(loaded.Load(path, "2000", "", "ZIRAZ22"));
    EXPECT_FALSE(loaded.Load(path, "2000    ", "", ""));
    EXPECT_EQ(loaded.Version, "2000"); // the mismatching version is kept
}

TEST_F(DictionaryFile, MissingFileAndMissingKeys) {
    clsAdisDataDict dict;
    dict.AddItem(1, 0, 1, 0);
    EXPECT_FALSE(dict.Load(path, "", "", ""));
    EXPECT_EQ(dict.Items().Count(), 0);

    Write("[Data Dictionary]\r\nVersion=2000\r\nItemCount=4\r\n"
          "Item1=900080\r\nType1=3\r\nLength1=16\r\n"
          "Item2=900070\r\nItem4=900054\r\nType4=1\r\nLength4=8\r\n"
          "[Events]\r\nEventCount=2\r\nEvent1=055504\r\n"
          "[Event055504]\r\nItemCount=1\r\nItem1=900080\r\n"
          "[CodeSets]\r\nCodeSetCount=1\r\nCodeSet1=050308\r\n"
          "[CodeSet050308]\r\nItemCount=2\r\nCode1=1\r\nShortText1=\r\nLongText1=1 x\r\n"
          "Code2=2\r\nShortText2=2\r\nLongText2=" +
          std::string(300, 'y') + "\r\n");
    ASSERT_TRUE(dict.Load(path, "", "", ""));
    EXPECT_EQ(dict.Items().Count(), 3);
    EXPECT_EQ(dict.Items().Item("900054")->Length, 8);
    EXPECT_EQ(dict.Items().Item("900070")->Resolution, 0);
    EXPECT_TRUE(dict.Events().Exists("000000"));
    EXPECT_EQ(dict.Events().Item("000000")->Items()->Count(), 0);
    const auto set = dict.CodeSets().Item("050308");
    ASSERT_EQ(set->Count(), 1); // the code without a short text is not loaded
    EXPECT_EQ(set->Item(1)->LongText.size(), 254u);
}

TEST_F(DictionaryFile, WithoutAVersionEventsLoadButTheirItemsFail) {
    Write("[Events]\r\nEventCount=1\r\nEvent1=055504\r\n[Event055504]\r\nItemCount=0\r\n"
          "KeyItemCount=1\r\nKeyItem1=900070\r\n"
          "[CodeSets]\r\nCodeSetCount=1\r\nCodeSet1=050308\r\n"
          "[CodeSet050308]\r\nItemCount=1\r\nCode1=1\r\nShortText1=1\r\nLongText1=1 x\r\n");
    clsAdisDataDict dict;
    dict.Version = "old";
    ASSERT_TRUE(dict.Load(path, "2000", "", ""));
    EXPECT_EQ(dict.Version, "old");
    EXPECT_EQ(dict.Events().Item("055504")->KeyItems()->Count(), 1);
    EXPECT_EQ(dict.CodeSets().Count(), 1);

    Write("[Events]\r\nEventCount=1\r\nEvent1=055504\r\n[Event055504]\r\nItemCount=1\r\n"
          "Item1=900070\r\n");
    EXPECT_FALSE(dict.Load(path, "", "", ""));
}

TEST_F(DictionaryFile, MalformedFilesEndTheLoadWithFalse) {
    const std::string head = "[Data Dictionary]\r\nVersion=2000\r\n";
    for (const std::string& body : {
             head + "ItemCount=1\r\nItem1=abc\r\n",
             head + "ItemCount=40000\r\n",
             head + "ItemCount=1\r\nItem1=5\r\nLength1=70000\r\n",
             head + "ItemCount=1\r\nItem1=5\r\n[Events]\r\nEventCount=1\r\nEvent1=000001\r\n"
                    "[Event000001]\r\nItemCount=1\r\nItem1=05\r\n",
             std::string("[Events]\r\nEventCount=1\r\nEvent1=x\r\n"),
             std::string("[Events]\r\nEventCount=1\r\nEvent1=1\r\n[Event1]\r\nKeyItemCount=1\r\n"
                         "KeyItem1=1a\r\n"),
             std::string("[CodeSets]\r\nCodeSetCount=2\r\nCodeSet1=050308\r\nCodeSet2=050308\r\n"),
             std::string("[CodeSets]\r\nCodeSetCount=1\r\nCodeSet1=1\r\n[CodeSet1]\r\n"
                         "ItemCount=1\r\nCode1=40000\r\nShortText1=1\r\nLongText1=1\r\n"),
         }) {
        Write(body);
        clsAdisDataDict dict;
        EXPECT_FALSE(dict.Load(path, "", "", "")) << body;
    }
}

// Counts far above what the file holds load what it holds, at once (the load
// time is measured by link_bench_hostile).
TEST_F(DictionaryFile, CountsFarAboveWhatTheFileHoldsLoadWhatItHolds) {
    Write("[Events]\r\nEventCount=32767\r\n[Event0]\r\nItemCount=32767\r\nKeyItemCount=32767\r\n"
          "[CodeSets]\r\nCodeSetCount=1\r\n[CodeSet0]\r\nItemCount=32767\r\nCode32767=1\r\n"
          "ShortText32767=01\r\nLongText32767=01 x\r\n");
    clsAdisDataDict dict;
    EXPECT_TRUE(dict.Load(path, "", "", ""));
    EXPECT_EQ(dict.Events().Count(), 1);
    EXPECT_TRUE(dict.Events().Exists("000000"));
    EXPECT_EQ(dict.CodeSets().Item("0")->Count(), 1);
}

TEST_F(DictionaryFile, NumberedKeysAreFoundWhateverTheirCaseAndOrder) {
    Write("[Data Dictionary]\r\nVersion=2000\r\nItemCount=3\r\nITEM3=900054\r\nType3=0\r\n"
          "Length3=4\r\nResolution3=1\r\nitem1=900080\r\ntype1=3\r\nlength1=16\r\nItem01=5\r\n"
          "Item4=900070\r\n"
          "[Events]\r\nEventCount=2\r\nEvent1=055021\r\nEvent2=055021\r\n"
          "[Event055021]\r\nItemCount=2\r\nItem2=900080\r\nItem1=900054\r\nKeyItemCount=1\r\n"
          "keyitem1=900080\r\n");
    clsAdisDataDict dict;
    ASSERT_TRUE(dict.Load(path, "", "", ""));
    ASSERT_EQ(dict.Items().Count(), 2); // Item01 is not Item1, Item4 is beyond the count
    EXPECT_EQ(dict.Items().Item(1)->DDNo, 900080);
    EXPECT_EQ(dict.Items().Item(1)->Length, 16);
    EXPECT_EQ(dict.Items().Item(2)->DDNo, 900054);
    const auto event = dict.Events().Item("055021");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Items()->Item(1)->DDNo, 900054);
    EXPECT_EQ(event->KeyItems()->Item(1)->DDNo, 900080);
}
