#pragma once

#include "../common/TestFiles.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// ODBC driver libraries of the test machine; nothing where the build's platform
// has none of them.
std::optional<std::string> SqliteOdbcDriverPath();
std::optional<std::string> FreeTdsOdbcDriverPath();
// A file's path as the driver names it (under Wine the host's path).
std::string DriverFilePath(const std::string& path);

// Writes the herd-management client's configuration under the program-files folder.
inline void WriteClientConfig(const std::string& programFiles, const std::string& xml) {
    const auto path = Platform::PathFromUtf8(programFiles) / "Kestrom" / "Vantor software" /
                      "kxWinClient.exe.config";
    std::filesystem::create_directories(path.parent_path());
    WriteFileBytesAtomic(Platform::Utf8FromPath(path), xml);
}

// Records message boxes and the trace log of the procedures under test.
class RecordedUserAndLog {
public:
    RecordedUserAndLog() {
        LinkUi::SetUi(ui);
        WriteFileBytesAtomic(modUtils::TraceLogPath(), "");
    }
    ~RecordedUserAndLog() { LinkUi::SetUi(nullptr); }

    // The texts of the trace log's lines, without their date and time.
    std::vector<std::string> LogTexts() const {
        std::vector<std::string> lines;
        modUtils::SplitToCollection(FileBytes(modUtils::TraceLogPath()), lines, "\r\n", false,
                                    false, true);
        for (std::string& line : lines)
            line.erase(0, line.find('\t') + 1);
        return lines;
    }

    // The one message of a failed opening: the error, a blank line and the tried
    // connection string; the log has the error alone.
    void ExpectOpeningFailure(const std::string& tried) const {
        ASSERT_EQ(ui->boxes.size(), 1u);
        const auto& box = ui->boxes[0];
        EXPECT_EQ(box.icon, LinkUi::Icon::Critical);
        const std::string tail = "\r\n\r\n" + tried;
        ASSERT_GT(box.text.size(), tail.size());
        EXPECT_EQ(box.text.substr(box.text.size() - tail.size()), tail);
        EXPECT_EQ(LogTexts(),
                  std::vector<std::string>{box.text.substr(0, box.text.size() - tail.size())});
        EXPECT_FALSE(ui->waitPointer);
    }

    TempDir dir;
    ScopedEnvironment appFolder{"LINK_APP_FOLDER", dir.Folder()};
    std::shared_ptr<LinkUi::RecordingUserInterface> ui =
        std::make_shared<LinkUi::RecordingUserInterface>();
};
