#include "TestFiles.h"
#include "common/AppFolder.h"
#include "common/RegistryStore.h"
#include "common/RegistryValue.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace modUtils;

std::string TestChildPath(); // ProcessTest.cpp

namespace {
const char* kKey = "Software\\Kestrom\\Vantor Link SE";
} // namespace

TEST(RegistryValue, TypesReadAsTextAndNumbers) {
    using namespace RegistryValue;
    struct Case {
        std::uint32_t type;
        std::string data;
        std::optional<std::string> text;
        std::optional<std::int32_t> number;
    } cases[] = {
        {String, std::string("abc\0def", 7), "abc", std::nullopt},
        {Binary, std::string("\x01\x00\x02\x00", 4), "1", 0x00020001},
        {Binary, "\xff\xff", "-1", 0xFFFF},
        {Binary, "\x05", "5", 5},
        {Binary, "", "0", 0},
        {Binary, "\x01\x02\x03\x04\x05", std::nullopt, std::nullopt}, // beyond 4 bytes
        {DWord, DWordBytes(-2), std::nullopt, -2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AsText(c.type, c.data), c.text) << c.type << " " << c.data.size();
        EXPECT_EQ(AsLong(c.type, c.data), c.number) << c.type << " " << c.data.size();
    }
}

TEST(RegistryStore, WritesRegEditFilesAndReadsThemWithoutRegardToCase) {
    TempDir dir;
    const RegistryStore store(dir.File("HKEY_LOCAL_MACHINE.reg"),
                              dir.File("HKEY_CURRENT_USER.reg"));
    EXPECT_TRUE(store.WriteString("C:\\ISO \"Prog\" åäö", RegRoot::CurrentUser, kKey, "Path"));
    EXPECT_TRUE(store.WriteLong(10, RegRoot::CurrentUser, kKey, "Left"));
    EXPECT_TRUE(store.WriteLong(-1, RegRoot::CurrentUser, kKey, "Top"));
    EXPECT_TRUE(
        store.WriteLong(11, RegRoot::CurrentUser, "SOFTWARE\\KESTROM\\vantor link se", "left"));
    EXPECT_EQ(FileBytes(dir.File("HKEY_CURRENT_USER.reg")),
              "REGEDIT4\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Kestrom\\Vantor Link SE]\r\n"
              "\"Path\"=\"C:\\\\ISO \\\"Prog\\\" \xE5\xE4\xF6\"\r\n"
              "\"Left\"=dword:0000000b\r\n"
              "\"Top\"=dword:ffffffff\r\n");
    EXPECT_FALSE(FileExists(dir.File("HKEY_LOCAL_MACHINE.reg")));

    std::string text;
    EXPECT_TRUE(
        store.ReadString(text, RegRoot::CurrentUser, "software\\kestrom\\VANTOR LINK SE", "PATH"));
    EXPECT_EQ(text, "C:\\ISO \"Prog\" åäö");
    std::int32_t number = 0;
    EXPECT_TRUE(store.ReadLong(number, RegRoot::CurrentUser, kKey, "TOP"));
    EXPECT_EQ(number, -1);

    number = 99;
    text = "untouched";
    EXPECT_FALSE(store.ReadString(text, RegRoot::LocalMachine, kKey, "Path"));
    EXPECT_FALSE(store.ReadString(text, RegRoot::CurrentUser, kKey, "Missing"));
    EXPECT_FALSE(store.ReadString(text, RegRoot::CurrentUser, "Software\\Other", "Path"));
    EXPECT_FALSE(store.ReadLong(number, RegRoot::CurrentUser, kKey, "Path")); // a string
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(number, 99);
}

TEST(RegistryStore, ReadsHandWrittenFiles) {
    TempDir dir;
    const std::string file = dir.File("HKEY_LOCAL_MACHINE.reg");
    ASSERT_TRUE(
        WriteFileBytesAtomic(file, "REGEDIT4\n\n"
                                   "; written by hand\n"
                                   "[HKEY_LOCAL_MACHINE\\Software\\Kestrom\\Zova Dirovedavi\\ISO]\n"
                                   "\"Version\"=hex:02,00,00,00\n"
                                   "\"Long\"=hex:01,02,03,\\\n"
                                   "  04,05\n"
                                   "\"IsoApplication\" = \"C:\\\\Prog\\\\iso.exe\"\n"
                                   "@=\"default\"\n"
                                   "\"Multi\"=hex(7):41,00,00\n"));
    const RegistryStore store(file, dir.File("user.reg"));
    const char* key = "Software\\Kestrom\\Zova Dirovedavi\\ISO";
    std::string text;
    EXPECT_TRUE(store.ReadString(text, RegRoot::LocalMachine, key, "Version"));
    EXPECT_EQ(text, "2");
    EXPECT_FALSE(store.ReadString(text, RegRoot::LocalMachine, key, "Long"));
    EXPECT_TRUE(store.ReadString(text, RegRoot::LocalMachine, key, "IsoApplication"));
    EXPECT_EQ(text, "C:\\Prog\\iso.exe");
    EXPECT_TRUE(store.ReadString(text, RegRoot::LocalMachine, key, ""));
    EXPECT_EQ(text, "default");
    EXPECT_EQ(store.Read(RegRoot::LocalMachine, key, "Long", false)->data, "\x01\x02\x03\x04\x05");

    // A rewrite keeps the values it does not change.
    ASSERT_TRUE(store.WriteLong(3, RegRoot::LocalMachine, key, "Version"));
    EXPECT_EQ(FileBytes(file), "REGEDIT4\r\n\r\n"
                               "[HKEY_LOCAL_MACHINE\\Software\\Kestrom\\Zova Dirovedavi\\ISO]\r\n"
                               "\"Version\"=dword:00000003\r\n"
                               "\"Long\"=hex:01,02,03,04,05\r\n"
                               "\"IsoApplication\"=\"C:\\\\Prog\\\\iso.exe\"\r\n"
                               "@=\"default\"\r\n"
                               "\"Multi\"=hex(7):41,00,00\r\n");
}

TEST(RegistryStore, NumbersNeedFullAccess) {
    TempDir dir;
    const std::string machine = dir.File("HKEY_LOCAL_MACHINE.reg");
    ASSERT_TRUE(RegistryStore(machine, "").WriteLong(1, RegRoot::LocalMachine, kKey, "AddCows"));
    ASSERT_TRUE(
        RegistryStore(machine, "").WriteString("12", RegRoot::LocalMachine, kKey, "HerdNo"));

    std::vector<std::string> checked;
    const RegistryStore readOnly(machine, "", [&](const std::string& path) {
        checked.push_back(path);
        return false;
    });
    std::int32_t number = 5;
    EXPECT_FALSE(readOnly.ReadLong(number, RegRoot::LocalMachine, kKey, "AddCows"));
    EXPECT_EQ(number, 5);
    EXPECT_EQ(checked, std::vector<std::string>{machine});
    std::string text;
    EXPECT_TRUE(readOnly.ReadString(text, RegRoot::LocalMachine, kKey, "HerdNo")); // read access
    EXPECT_EQ(text, "12");
    EXPECT_FALSE(readOnly.WriteString("13", RegRoot::LocalMachine, kKey, "HerdNo"));
    EXPECT_FALSE(readOnly.WriteLong(0, RegRoot::LocalMachine, kKey, "AddCows"));
    EXPECT_TRUE(
        RegistryStore(machine, "").ReadLong(number, RegRoot::LocalMachine, kKey, "AddCows"));
    EXPECT_EQ(number, 1);
}

TEST(RegistryStore, TwoWritingProcessesLoseNothing) {
    TempDir dir;
    const std::string file = dir.File("shared.reg");
    constexpr int kCount = 40;
    int codes[2] = {-2, -2};
    std::thread first([&] {
        codes[0] =
            RunProgramAndWait({TestChildPath(), "regwrite", file, "A", std::to_string(kCount)}, 1);
    });
    std::thread second([&] {
        codes[1] =
            RunProgramAndWait({TestChildPath(), "regwrite", file, "B", std::to_string(kCount)}, 1);
    });
    first.join();
    second.join();
    ASSERT_EQ(codes[0], 0);
    ASSERT_EQ(codes[1], 0);
    const RegistryStore store(file, file);
    for (const char* prefix : {"A", "B"}) {
        for (int i = 1; i <= kCount; ++i) {
            std::int32_t number = 0;
            EXPECT_TRUE(store.ReadLong(number, RegRoot::CurrentUser, "Software\\Test",
                                       prefix + std::to_string(i)));
            EXPECT_EQ(number, i);
        }
    }
}

TEST(Registry, ProceduresReadWhatTheyWrote) {
    TempDir dir;
    ScopedEnvironment store("LINK_REGISTRY_DIR", dir.Folder());
    std::random_device random;
    const std::string key = "Software\\Kestrom\\VantorLinkTest\\" + std::to_string(random());

    EXPECT_TRUE(RegWriteString("Dödfödd", RegRoot::CurrentUser, key, "IsoCLInFile"));
    EXPECT_TRUE(RegWriteLong(-7, RegRoot::CurrentUser, key, "Left"));
    EXPECT_TRUE(RegWriteLong(0, RegRoot::CurrentUser, key, "Off"));
    std::string text;
    EXPECT_TRUE(RegReadString(text, RegRoot::CurrentUser, key, "isoclinfile"));
    EXPECT_EQ(text, "Dödfödd");
    std::int32_t number = 0;
    EXPECT_TRUE(RegReadLong(number, RegRoot::CurrentUser, key, "Left"));
    EXPECT_EQ(number, -7);
    bool flag = false;
    EXPECT_TRUE(RegReadBool(flag, RegRoot::CurrentUser, key, "Left"));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(RegReadBool(flag, RegRoot::CurrentUser, key, "Off"));
    EXPECT_FALSE(flag);
    flag = true;
    EXPECT_FALSE(RegReadBool(flag, RegRoot::CurrentUser, key, "Missing"));
    EXPECT_FALSE(flag);
    text = "untouched";
    EXPECT_FALSE(RegReadString(text, RegRoot::CurrentUser, key + "\\Absent", "Left"));
    EXPECT_EQ(text, "untouched");
}
