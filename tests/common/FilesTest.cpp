#include "TestFiles.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

using namespace modUtils;

TEST(Files, ExistSizeAndQuietDeletion) {
    TempDir dir;
    const std::string file = dir.File("Dödfödd.txt");
    EXPECT_FALSE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.Folder())); // a folder is no file
    EXPECT_EQ(GetFileSize(file), -1);
    ASSERT_TRUE(WriteFileBytesAtomic(file, "12345"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(GetFileSize(file), 5);

    MakeReadOnly(file);
    DeleteFileQuiet(file); // read-only files included
    EXPECT_FALSE(FileExists(file));
    DeleteFileQuiet(file); // errors are ignored
    DeleteFileQuiet(dir.Folder());
    EXPECT_TRUE(std::filesystem::exists(Platform::PathFromUtf8(dir.Folder())));
}

TEST(Files, AReadOnlyFileIsNotReplaced) {
    TempDir dir;
    const std::string file = dir.File("link.ini");
    ASSERT_TRUE(WriteFileBytesAtomic(file, "old"));
    // Root may write any file: the rule is only observable for other users.
    MakeReadOnly(file);
    if (Platform::IsWritable(file))
        GTEST_SKIP() << "this user may write read-only files";
    EXPECT_FALSE(WriteFileBytesAtomic(file, "new"));
    EXPECT_FALSE(WriteProfileString("v", "S", "K", file));
    EXPECT_EQ(FileBytes(file), "old");
    EXPECT_EQ(dir.FileCount(), 1u);
    DeleteFileQuiet(file);
}
