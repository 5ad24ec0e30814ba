#include "common/TextStream.h"
#include "TestFiles.h"
#include "common/LinkError.h"
#include "common/TextEncoding.h"
#include "common/modUtils.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace {
std::vector<std::string> ReadAll(const std::string& path) {
    std::vector<std::string> lines;
    TextStreamReader reader(path);
    while (!reader.AtEndOfStream())
        lines.push_back(reader.ReadLine());
    return lines;
}
long ErrorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const LinkError& e) {
        return e.Number();
    }
    return 0;
}
} // namespace

TEST(TextStream, All256BytesAndSwedishLettersSurviveAFile) {
    TempDir dir;
    const std::string file = dir.File("bytes.txt");
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            allBytes += static_cast<char>(b);
    {
        AtomicTextWriter writer(file);
        ASSERT_TRUE(writer.WriteLine(TextEncoding::Cp1252ToUtf8(allBytes)));
        ASSERT_TRUE(writer.WriteLine("Dödfödd kalv, ÅÄÖ € – ☺"));
        ASSERT_TRUE(writer.Commit());
    }
    EXPECT_EQ(FileBytes(file), allBytes + "\r\nD\xF6"
                                          "df\xF6"
                                          "dd kalv, \xC5\xC4\xD6 \x80 \x96 ?\r\n");
    const auto lines = ReadAll(file);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], TextEncoding::Cp1252ToUtf8(allBytes));
    EXPECT_EQ(lines[1], "Dödfödd kalv, ÅÄÖ € – ?");
}

TEST(TextStream, LinesEndWithCrLfOrLfAlone) {
    TempDir dir;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r\n\r\n", {"a\rb", ""}},
        {"\n\n", {"", ""}},
        {"last\r", {"last"}},
        {std::string("nul\0byte\n", 9), {std::string("nul\0byte", 8)}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const std::string file = dir.File("lines.txt");
        ASSERT_TRUE(WriteFileBytesAtomic(file, c.bytes));
        EXPECT_EQ(ReadAll(file), c.lines) << c.bytes;
    }
}

TEST(TextStream, LongLinesAndManyBlocksAreReadWhole) {
    TempDir dir;
    const std::string file = dir.File("big.txt");
    const std::string huge(300000, 'x'); // several read blocks without a line end
    std::string bytes = huge + "\r\n";
    for (int i = 0; i < 20000; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(WriteFileBytesAtomic(file, bytes));
    TextStreamReader reader(file);
    std::string line;
    ASSERT_TRUE(reader.ReadLineBytes(line));
    EXPECT_EQ(line, huge);
    for (int i = 0; i < 20000; ++i) {
        ASSERT_TRUE(reader.ReadLineBytes(line));
        ASSERT_EQ(line, "line " + std::to_string(i));
    }
    EXPECT_EQ(reader.Line(), 20001);
    EXPECT_FALSE(reader.ReadLineBytes(line));
}

TEST(TextStream, OpenFailureAndEndOfDataAreTellApart) {
    TempDir dir;
    EXPECT_EQ(ErrorNumber([&] { TextStreamReader reader(dir.File("missing.txt")); }),
              LinkErrors::CannotOpenFile);
    const std::string file = dir.File("one.txt");
    ASSERT_TRUE(WriteFileBytesAtomic(file, "only\r\n"));
    TextStreamReader reader(file);
    EXPECT_EQ(reader.ReadLine(), "only");
    EXPECT_TRUE(reader.AtEndOfStream());
    EXPECT_EQ(ErrorNumber([&] { reader.ReadLine(); }), LinkErrors::EndOfData);
}

TEST(TextStream, AWriterWithoutCommitLeavesTheTargetUntouched) {
    TempDir dir;
    const std::string file = dir.File("target.txt");
    ASSERT_TRUE(WriteFileBytesAtomic(file, "old\r\n"));
    {
        AtomicTextWriter writer(file);
        ASSERT_TRUE(writer.IsOpen());
        writer.WriteLine("new");
        EXPECT_EQ(FileBytes(file), "old\r\n");
    }
    EXPECT_EQ(FileBytes(file), "old\r\n");
    EXPECT_EQ(dir.FileCount(), 1u);

    AtomicTextWriter elsewhere(dir.File("no/such/folder/file.txt"));
    EXPECT_FALSE(elsewhere.IsOpen());
    EXPECT_FALSE(elsewhere.WriteLine("x"));
    EXPECT_FALSE(elsewhere.Commit());
}

TEST(TextStream, ASuccessfulWriteRemovesWhatKilledWritersOfTheSameFileLeft) {
    TempDir dir;
    const std::string file = dir.File("link.ini");
    const auto aged = [](const std::string& path) {
        std::filesystem::last_write_time(Platform::PathFromUtf8(path),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::minutes(5));
    };
    // Left by writers killed before their commit, some time ago.
    const std::string killed = file + ".0123456789abcdef.tmp";
    ASSERT_TRUE(WriteFileBytesAtomic(killed, "half"));
    aged(killed);
    // Not temporary files of this target.
    const std::vector<std::string> others = {
        file + ".0123456789abcdeg.tmp", file + ".012345678.tmp",
        dir.File("other.ini.0123456789abcdef.tmp"), file + ".0123456789abcdef.tmp.bak"};
    for (const auto& other : others) {
        ASSERT_TRUE(WriteFileBytesAtomic(other, "x"));
        aged(other);
    }
    // A writer still at work keeps its file, however old.
    AtomicTextWriter working(file);
    ASSERT_TRUE(working.WriteLine("still writing"));
    std::string workingTemp;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Folder())) {
        const std::string name = Platform::Utf8FromPath(entry.path());
        if (name != killed && std::find(others.begin(), others.end(), name) == others.end())
            workingTemp = name;
    }
    ASSERT_FALSE(workingTemp.empty());
    aged(workingTemp);

    ASSERT_TRUE(WriteFileBytesAtomic(file, "new\r\n"));
    EXPECT_FALSE(modUtils::FileExists(killed));
    for (const auto& other : others)
        EXPECT_TRUE(modUtils::FileExists(other)) << other;
    EXPECT_TRUE(modUtils::FileExists(workingTemp));
    EXPECT_TRUE(working.Commit());
    EXPECT_EQ(FileBytes(file), "still writing\r\n");
    EXPECT_EQ(dir.FileCount(), 1u + others.size());
}
