#pragma once

#include "../common/TestFiles.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// ODBC driver libraries of the test machine; nothing where the build's platform
// has none of them.
std::optional<std::string> SqliteOdbcDriverPath();
std::optional<std::string> FreeTdsOdbcDriverPath();

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
        std::vector<std::string> texts;
        const std::string bytes = FileBytes(modUtils::TraceLogPath());
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            std::size_t end = bytes.find("\r\n", pos);
            if (end == std::string::npos)
                end = bytes.size();
            const std::string line = bytes.substr(pos, end - pos);
            const std::size_t tab = line.find('\t');
            texts.push_back(tab == std::string::npos ? line : line.substr(tab + 1));
            pos = end + 2;
        }
        return texts;
    }

    TempDir dir;
    ScopedEnvironment appFolder{"LINK_APP_FOLDER", dir.Folder()};
    std::shared_ptr<LinkUi::RecordingUserInterface> ui =
        std::make_shared<LinkUi::RecordingUserInterface>();
};
