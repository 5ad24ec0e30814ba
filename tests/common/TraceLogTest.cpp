#include "common/TraceLog.h"
#include "TestFiles.h"
#include "common/AppFolder.h"
#include "common/ProcedureError.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>
#include <regex>

using namespace modUtils;

namespace {

class TraceLogTest : public ::testing::Test {
protected:
    TempDir dir;
    ScopedEnvironment appFolder{"LINK_APP_FOLDER", dir.Folder()};
    std::string log = TraceLogPath();
};

bool IsLogLine(const std::string& bytes, const std::string& text) {
    static const std::regex dateTime("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\t");
    return bytes.size() > 20 && std::regex_match(bytes.substr(0, 20), dateTime) &&
           bytes.substr(20) == text + "\r\n";
}

} // namespace

TEST_F(TraceLogTest, IsNamedAfterTheExecutableInTheProgramFolder) {
    EXPECT_EQ(log, AddBackslash(dir.Folder()) + modCommon::ExecutableBaseName() + ".log");
    EXPECT_EQ(modCommon::ExecutableBaseName().rfind("test_common", 0), 0u);
}

TEST_F(TraceLogTest, WritesOnlyWhileTheFileExists) {
    WriteLog("nothing");
    EXPECT_FALSE(FileExists(log));
    EXPECT_EQ(GetFileSize(log), -1);

    ASSERT_TRUE(WriteFileBytesAtomic(log, ""));
    WriteLog("Dödfödd");
    EXPECT_TRUE(IsLogLine(FileBytes(log), "D\xF6"
                                          "df\xF6"
                                          "dd"))
        << FileBytes(log);
}

TEST_F(TraceLogTest, RotatesOnlyAboveTwoMillionBytes) {
    const std::string exact(2000000, 'a');
    ASSERT_TRUE(WriteFileBytesAtomic(log, exact));
    WriteLog("kept");
    EXPECT_FALSE(FileExists(log + ".old"));
    EXPECT_TRUE(IsLogLine(FileBytes(log).substr(exact.size()), "kept"));

    const std::string above(2000001, 'b');
    ASSERT_TRUE(WriteFileBytesAtomic(log, above));
    ASSERT_TRUE(WriteFileBytesAtomic(log + ".old", "older"));
    WriteLog("first line");
    EXPECT_EQ(FileBytes(log + ".old"), above);
    EXPECT_TRUE(IsLogLine(FileBytes(log), "first line"));
}

TEST_F(TraceLogTest, HeadlessMessageBoxesGoToTheLogAndAnswerTheFirstButton) {
    ASSERT_TRUE(WriteFileBytesAtomic(log, ""));
    LinkUi::HeadlessUserInterface ui;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ui.MessageBox("3002 Cannot open\r\n\r\nC:\\x.dat\nlast\r", LinkUi::Buttons::Ok,
                            LinkUi::Icon::Critical, "Error"),
              LinkUi::Answer::Ok);
    const std::string line = "Error: 3002 Cannot open | C:\\x.dat | last | ";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line + "\n");
    EXPECT_TRUE(IsLogLine(FileBytes(log), line)) << FileBytes(log);
    EXPECT_EQ(ui.MessageBox("q", LinkUi::Buttons::YesNoCancel, LinkUi::Icon::Question, "c"),
              LinkUi::Answer::Yes);
    EXPECT_EQ(ui.MessageBox("q", LinkUi::Buttons::RetryCancel, LinkUi::Icon::Question, "c"),
              LinkUi::Answer::Retry);
}

TEST_F(TraceLogTest, AnErrorShownAndLoggedIsLoggedOnce) {
    ASSERT_TRUE(WriteFileBytesAtomic(log, ""));
    // Headless, the box is the log line.
    ::testing::internal::CaptureStderr();
    LinkUi::ShowProcedureError(3002, "Cannot open");
    LinkUi::ShowErrorAndLog("91 Not set", "Vantor Link SE", "detail");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error: 3002 Cannot open\nVantor Link SE: 91 Not set | detail\n");
    std::vector<std::string> lines;
    SplitToCollection(FileBytes(log), lines, "\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(IsLogLine(lines[0] + "\r\n", "Error: 3002 Cannot open"));
    EXPECT_TRUE(IsLogLine(lines[1] + "\r\n", "Vantor Link SE: 91 Not set | detail"));

    // With a window, the box and the log line without the detail.
    ASSERT_TRUE(WriteFileBytesAtomic(log, ""));
    auto recording = std::make_shared<LinkUi::RecordingUserInterface>();
    LinkUi::SetUi(recording);
    LinkUi::ShowErrorAndLog("91 Not set", "Vantor Link SE", "detail");
    LinkUi::SetUi(nullptr);
    ASSERT_EQ(recording->boxes.size(), 1u);
    EXPECT_EQ(recording->boxes[0].text, "91 Not set\r\n\r\ndetail");
    EXPECT_EQ(recording->boxes[0].icon, LinkUi::Icon::Critical);
    EXPECT_TRUE(IsLogLine(FileBytes(log), "91 Not set"));
}

TEST(AppFolder, IsTheExecutablesFolderUnlessOverridden) {
    const std::string sep(1, PathSeparator);
    {
        ScopedEnvironment none("LINK_APP_FOLDER", std::nullopt);
        const std::string folder = modCommon::AppFolder();
        ASSERT_FALSE(folder.empty());
        EXPECT_EQ(folder.back(), PathSeparator);
        EXPECT_EQ(modCommon::ExecutablePath().rfind(folder, 0), 0u) << folder;
        EXPECT_TRUE(FileExists(modCommon::ExecutablePath()));
    }
    {
        ScopedEnvironment set("LINK_APP_FOLDER", "prog" + sep + "link");
        EXPECT_EQ(modCommon::AppFolder(), "prog" + sep + "link" + sep);
    }
    {
        ScopedEnvironment set("LINK_APP_FOLDER", "prog" + sep);
        EXPECT_EQ(modCommon::AppFolder(), "prog" + sep);
    }
}
