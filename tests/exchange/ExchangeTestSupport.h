#pragma once

#include "../common/TestFiles.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"

#include <string>
#include <vector>

// The lines of a windows-1252 file with CR LF line ends, as UTF-8; a line end
// other than CR LF shows as a line ending in "<LF>".
inline std::vector<std::string> ReadCrLfLines(const std::string& path) {
    std::string bytes;
    std::vector<std::string> lines;
    if (!ReadFileBytes(path, bytes))
        return lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(TextEncoding::Cp1252ToUtf8(bytes.substr(start)) + "<no line end>");
            break;
        }
        const bool crlf = end > start && bytes[end - 1] == '\r';
        std::string line = bytes.substr(start, end - start - (crlf ? 1 : 0));
        lines.push_back(TextEncoding::Cp1252ToUtf8(line) + (crlf ? "" : "<LF>"));
        start = end + 1;
    }
    return lines;
}

// Starts the trace log (it is written only when its file exists).
inline void StartTraceLog() {
    WriteFileBytesAtomic(modUtils::TraceLogPath(), "");
}

// The texts of the trace log's lines, without their date and time.
inline std::vector<std::string> TraceTexts() {
    std::vector<std::string> lines = ReadCrLfLines(modUtils::TraceLogPath());
    for (std::string& line : lines)
        line.erase(0, line.find('\t') + 1);
    return lines;
}

// The child program of the exchange tests (tests/exchange/child).
inline std::string ExchangeChildPath() {
    return LINK_EXCHANGE_CHILD_PATH;
}

// The text in double quotes.
inline std::string Quoted(const std::string& text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}
