#include "RelaySandbox.h"
#include "RelayTestSupport.h"

#include "relay/RelayFiles.h"

#include <gtest/gtest.h>

using namespace Relay;

TEST(FolderShare, OnlyAnExistingFolderConnects) {
    RelaySandbox sandbox;
    WriteText(sandbox.File("file.dat"), "x");
    FolderShare share;
    EXPECT_TRUE(share.Connect(sandbox.Folder(), "kestrom", "mobrikanet"));
    EXPECT_FALSE(share.Connect(sandbox.File("missing"), "", ""));
    EXPECT_FALSE(share.Connect(sandbox.File("file.dat"), "", "")) << "a file is no share";
    EXPECT_FALSE(share.Connect("", "", ""));
}

TEST(RelayFiles, CopyReplacesTheTargetWholeAndLeavesNoTemporaryFile) {
    RelaySandbox sandbox;
    std::string big(300 * 1024, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 % 251);
    WriteText(sandbox.File("from.dat"), big);
    WriteText(sandbox.File("to.dat"), "old");
    EXPECT_TRUE(CopyFileReplacing(sandbox.File("from.dat"), sandbox.File("to.dat")));
    EXPECT_EQ(ReadText(sandbox.File("to.dat")), big);
    EXPECT_FALSE(CopyFileReplacing(sandbox.File("missing.dat"), sandbox.File("to.dat")));
    EXPECT_EQ(ReadText(sandbox.File("to.dat")), big) << "a failed copy leaves the target";
    EXPECT_FALSE(CopyFileReplacing(sandbox.File("from.dat"), sandbox.File("no/to.dat")));
    for (const auto& entry : std::filesystem::directory_iterator(sandbox.Path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}
