#include "national/ProgramDictionaries.h"
#include "../common/TestFiles.h"
#include "DictionaryKeys.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using modNational::DictionarySwitches;
using modNational::LoadProgramDictionaries;
using modNational::ParseDictionarySwitches;
using modUtils::FileExists;

namespace {

class ProgramDictionaries : public ::testing::Test {
protected:
    std::string Folder() const { return dir.Folder() + modUtils::PathSeparator; }
    std::string HerdFile() const { return dir.File("dd.ini"); }
    std::string NationalFile() const { return dir.File("ziraz_dd.ini"); }

    TempDir dir;
};

const std::string kItemSection = "[Data Dictionary]\r\nVersion=2000\r\nItemCount=1\r\n"
                                 "Item1=900080\r\nType1=3\r\nLength1=16\r\nResolution1=0\r\n";
const std::string kEventStart =
    "[Events]\r\nEventCount=1\r\nEvent1=055504\r\n[Event055504]\r\nItemCount=1\r\n";

const std::string kDamagedFiles[] = {
    // An event item that is not a dictionary item ends the load with an error.
    kItemSection + kEventStart + "Item1=900070\r\n",
    // A key item that is not a number.
    kItemSection + kEventStart + "Item1=900080\r\nKeyItemCount=1\r\nKeyItem1=x9\r\n",
    // Without a version the file loads, but gives no items.
    "[Events]\r\nEventCount=0\r\n",
    // Cut off after its items: no events.
    kItemSection,
    "",
};

} // namespace

TEST(DictionarySwitches, RecogniseBothNamesWithoutRegardToCase) {
    struct Case {
        std::vector<std::string> args;
        bool herd, national;
    };
    const Case cases[] = {
        {{}, false, false},          {{"mirel_dd"}, true, false},
        {{"ziraz_dd"}, false, true}, {{"ZIRAZ_DD ", " Mirel_DD"}, true, true},
        {{"ziraz"}, false, false},   {{"ziraz_dd.ini"}, false, false},
        {{""}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? std::string() : c.args.back());
        const DictionarySwitches switches = ParseDictionarySwitches(c.args);
        EXPECT_EQ(switches.herd, c.herd);
        EXPECT_EQ(switches.national, c.national);
    }
}

TEST_F(ProgramDictionaries, WithoutFilesBothAreBuiltAndNothingIsWritten) {
    auto dicts = LoadProgramDictionaries({}, Folder());
    EXPECT_EQ(dicts.herd->Items().Count(), 194);
    EXPECT_EQ(dicts.herd->ManufacturerVersion, "VANTOR20");
    EXPECT_EQ(dicts.national->Items().Count(), 106);
    EXPECT_EQ(dicts.national->ManufacturerVersion, "ZIRAZ22 ");
    EXPECT_EQ(dicts.national->CodeSets().Count(), 9);
    EXPECT_TRUE(dicts.national->NotSupported(50011));
    EXPECT_FALSE(dicts.national->NotSupported(900080));
    EXPECT_EQ(dir.FileCount(), 0u);
}

TEST_F(ProgramDictionaries, SwitchesWriteFilesThatLoadBackEqual) {
    auto built = LoadProgramDictionaries({true, true}, Folder());
    ASSERT_TRUE(FileExists(HerdFile()));
    ASSERT_TRUE(FileExists(NationalFile()));

    // Swedish letters are stored in windows-1252, lines end in CR LF.
    const std::string bytes = FileBytes(NationalFile());
    EXPECT_NE(bytes.find("LongText5=06 F\xf6rlossningssv\xe5righeter\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ManufacturerVersion=ZIRAZ22 \r\n"), std::string::npos);

    auto loaded = LoadProgramDictionaries({}, Folder());
    // The versions lose their trailing blanks on the way.
    built.national->Version = "2000";
    built.national->ManufacturerVersion = "ZIRAZ22";
    EXPECT_EQ(Describe(*loaded.herd), Describe(*built.herd));
    EXPECT_EQ(Describe(*loaded.national), Describe(*built.national));
    EXPECT_EQ(loaded.national->CodeSets().Item("050185-6")->Item("6")->LongText,
              "06 Förlossningssvårigheter");
    EXPECT_TRUE(loaded.national->NotSupported(50542));
}

TEST_F(ProgramDictionaries, OneSwitchWritesOnlyItsFileAndReplacesADamagedOne) {
    WriteFileBytesAtomic(NationalFile(), kDamagedFiles[0]);
    EXPECT_EQ(LoadProgramDictionaries({false, true}, Folder()).national->Events().Count(), 21);
    EXPECT_FALSE(FileExists(HerdFile()));
    clsAdisDataDict reloaded;
    EXPECT_TRUE(reloaded.Load(NationalFile(), "", "", ""));
    EXPECT_EQ(reloaded.Items().Count(), 106);

    modUtils::DeleteFileQuiet(NationalFile());
    LoadProgramDictionaries({true, false}, Folder());
    EXPECT_TRUE(FileExists(HerdFile()));
    EXPECT_FALSE(FileExists(NationalFile()));
}

TEST_F(ProgramDictionaries, ExistingFilesAreUsedAsTheyAre) {
    clsAdisDataDict small;
    small.Version = "2000";
    small.AddItem(900080, 3, 16, 0);
    small.AddEventKeyDDNo(55504, {900080});
    small.AddEventDDNo(55504, 900080);
    small.Save(HerdFile());
    small.Save(NationalFile());

    auto dicts = LoadProgramDictionaries({}, Folder());
    EXPECT_EQ(dicts.herd->Items().Count(), 1);
    EXPECT_EQ(dicts.national->Items().Count(), 1);
    EXPECT_EQ(dicts.national->CodeSets().Count(), 0);
    // The not-supported list does not depend on the file.
    EXPECT_TRUE(dicts.national->NotSupported(50011));
}

TEST_F(ProgramDictionaries, DamagedFilesAreReplacedByTheBuiltInDefinitionAndKept) {
    for (const std::string& damaged : kDamagedFiles) {
        SCOPED_TRACE(damaged);
        WriteFileBytesAtomic(HerdFile(), damaged);
        WriteFileBytesAtomic(NationalFile(), damaged);
        auto dicts = LoadProgramDictionaries({}, Folder());
        EXPECT_EQ(dicts.herd->Items().Count(), 194);
        EXPECT_EQ(dicts.herd->Events().Count(), 19);
        EXPECT_EQ(dicts.national->Items().Count(), 106);
        EXPECT_EQ(dicts.national->Events().Count(), 21);
        EXPECT_EQ(FileBytes(HerdFile()), damaged);
        EXPECT_EQ(FileBytes(NationalFile()), damaged);
    }
}
