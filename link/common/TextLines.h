#pragma once

// Small helpers the readers of line-based text files share.

#include <string_view>

namespace TextLines {

// The text without blanks and tabs at either end.
inline std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Calls visit with each line of the text, without its end (LF or CR LF); a last
// line without a line end counts, an empty text has no lines.
template <class Visit> void ForEachLine(std::string_view text, Visit&& visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
    }
}

} // namespace TextLines
