// Files made to cost a reader time and memory (measured by link_bench_hostile).

#include "AdisTestFiles.h"

#include <gtest/gtest.h>

namespace {

bool Read(const std::string& path, clsMessages& messages) {
    clsAdisDataFile file;
    return file.Read(path, messages, SmallDictionary(), nullptr, false, false);
}

// "DN055021", the key group 900080 (16 characters), then `groups` groups of
// distinct DD numbers of the given length.
std::string LongDefinition(int groups, int length) {
    std::string def = "DN05502100900080160";
    def.reserve(def.size() + static_cast<std::size_t>(groups) * 11);
    for (int i = 0; i < groups; ++i)
        def += modADIS::FormatDefField(10000000 + i, static_cast<std::int16_t>(length), 0);
    return def;
}

} // namespace

TEST(HostileInput, DefinitionOfTwoHundredThousandGroups) {
    TempDir dir;
    const auto path =
        WriteLines(dir, "long.dat",
                   {LongDefinition(200000, 1), "VN055021" + std::string(16 + 200000, 'a'), Def55021,
                    Value55021("SE1")});
    clsMessages messages;
    EXPECT_TRUE(Read(path, messages));
    // Its value lines could never be read: the definition is refused, and the
    // definition after it is read.
    EXPECT_EQ(Messages(messages),
              (std::vector<std::string>{
                  "  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.",
                  "  Error in line:     2 Error in preceding D-line. V-line skipped!"}));
}

TEST(HostileInput, DefinitionOfAsManyGroupsAsAValueLineHolds) {
    constexpr int kGroups = 32767 - 8 - 16;
    TempDir dir;
    const auto path = WriteLines(dir, "wide.dat",
                                 {LongDefinition(kGroups, 1),
                                  "VN055021" + std::string(16, 'a') + std::string(kGroups, '1'),
                                  "VN055021" + std::string(16, 'b') + std::string(kGroups, '2')});
    clsMessages messages;
    EXPECT_TRUE(Read(path, messages));
    EXPECT_EQ(messages.Count(), kGroups); // each DD number is unknown to the dictionary
}

// Groups of length 0 refuse the definition, not give each line 100,000 values.
TEST(HostileInput, GroupsOfLengthZero) {
    TempDir dir;
    std::string bytes = LongDefinition(100000, 0) + "\r\n";
    for (int i = 0; i < 200; ++i)
        bytes += "VN055021" + AdisText::PadRight("SE" + std::to_string(i), 16) + "\r\n";
    const std::string path = dir.File("zero.dat");
    ASSERT_TRUE(WriteFileBytesAtomic(path, bytes));
    clsMessages messages;
    EXPECT_TRUE(Read(path, messages));
    ASSERT_EQ(messages.Count(), 201);
    EXPECT_EQ(messages.Item(1),
              "  Error in line:     1 Syntax error. Can't read the D-line. Line skipped.");
    EXPECT_EQ(messages.Item(201),
              "  Error in line:   201 Error in preceding D-line. V-line skipped!");
}
