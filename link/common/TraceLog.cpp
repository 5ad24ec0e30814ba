#include "TraceLog.h"

#include "AppFolder.h"
#include "Platform.h"
#include "TextEncoding.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace modUtils {
namespace {

constexpr std::int32_t kRotateAbove = 2000000;

std::string DateTimeText() {
    const std::tm now = Platform::LocalTime(std::time(nullptr));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &now);
    return text;
}

void AppendLine(const std::string& path, std::string_view text) {
    std::string line = TextEncoding::Utf8ToCp1252(DateTimeText() + "\t" + std::string(text));
    line += "\r\n";
    std::FILE* file = Platform::OpenFile(path, "ab");
    if (!file)
        return;
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

} // namespace

std::string TraceLogPath() {
    return modCommon::AppFolder() + modCommon::ExecutableBaseName() + ".log";
}

std::int32_t GetFileSize(const std::string& path) {
    std::error_code ec;
    const auto file = Platform::PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, ec))
        return -1;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec)
        return -1;
    return static_cast<std::int32_t>(
        std::min<std::uintmax_t>(size, std::numeric_limits<std::int32_t>::max()));
}

void WriteLog(std::string_view text) {
    try {
        const std::string path = TraceLogPath();
        const std::int32_t size = GetFileSize(path);
        if (size < 0)
            return; // tracing is off while the file does not exist
        if (size > kRotateAbove) {
            // The old lines move to the ".old" copy and the log restarts empty.
            if (!Platform::RenameReplacing(path, path + ".old"))
                return;
            std::FILE* restarted = Platform::OpenFile(path, "ab");
            if (!restarted)
                return;
            std::fclose(restarted);
        }
        AppendLine(path, text);
    } catch (...) {
        // The trace log never disturbs the caller.
    }
}

} // namespace modUtils
