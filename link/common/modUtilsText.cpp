#include "TextEncoding.h"
#include "TextLines.h"
#include "modUtils.h"

#include <charconv>

namespace modUtils {
namespace {

constexpr long kMaxArgs = 10;

std::string& ProgramCommandLine() {
    static std::string commandLine;
    return commandLine;
}

// Upper case for ASCII and the Latin-1 letters (à-þ without ÷) in UTF-8 text.
std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        char& c = upper[i];
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < upper.size()) {
            const auto next = static_cast<unsigned char>(upper[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                upper[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return upper;
}

std::string Fill(std::string_view text, long n, char fill, bool alignRight) {
    if (n <= 0)
        return {};
    const auto width = static_cast<std::size_t>(n);
    const std::size_t chars = TextEncoding::CharCount(text);
    if (chars >= width)
        return std::string(TextEncoding::LeftChars(text, width));
    const std::string padding(width - chars, fill);
    return alignRight ? padding + std::string(text) : std::string(text) + padding;
}

} // namespace

void SetProgramCommandLine(std::string commandLine) {
    ProgramCommandLine() = std::move(commandLine);
}

long SplitArgs(std::vector<std::string>& args, std::string_view commandLine) {
    if (commandLine.empty())
        commandLine = ProgramCommandLine();
    args.assign(kMaxArgs + 1, std::string());
    long count = 0;
    bool inside = false;
    for (char c : commandLine) {
        if (c == '/' || c == '-') {
            inside = false;
            continue;
        }
        if (!inside) {
            if (count == kMaxArgs)
                break;
            ++count;
            inside = true;
        }
        args[static_cast<std::size_t>(count)] += c;
    }
    args.resize(static_cast<std::size_t>(count) + 1);
    return count;
}

std::string FormatStrList(std::string_view templ, const std::vector<std::string>& values) {
    std::string result;
    std::size_t next = 0;
    std::size_t pos = 0;
    while (next < values.size()) {
        const std::size_t found = templ.find("%x", pos);
        if (found == std::string_view::npos)
            break;
        result.append(templ.substr(pos, found - pos));
        result += values[next++];
        pos = found + 2;
    }
    result.append(templ.substr(pos));
    return result;
}

std::string PadLeftTo(std::string_view text, long n) {
    return Fill(text, n, ' ', true);
}
std::string PadRightTo(std::string_view text, long n) {
    return Fill(text, n, ' ', false);
}
std::string ZeroPadTo(std::string_view text, long n) {
    return Fill(text, n, '0', true);
}

std::string AddBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '/' && result.back() != PathSeparator)
        result += PathSeparator;
    return result;
}

long SplitToCollection(std::string_view text, std::vector<std::string>& pieces,
                       std::string_view delimiter, bool upperCase, bool trim, bool removeEmpty) {
    pieces.clear();
    const std::string source = upperCase ? UpperCase(text) : std::string(text);
    std::string_view rest = source;
    if (!delimiter.empty() && rest.substr(0, delimiter.size()) == delimiter)
        rest.remove_prefix(delimiter.size());
    // A delimiter at the end closes the last piece; it opens no empty one.
    while (!rest.empty()) {
        const std::size_t found = delimiter.empty() ? std::string_view::npos : rest.find(delimiter);
        std::string_view piece = rest.substr(0, found);
        rest = found == std::string_view::npos ? std::string_view{}
                                               : rest.substr(found + delimiter.size());
        if (trim)
            piece = TextLines::TrimBlanks(piece);
        pieces.emplace_back(piece);
    }
    if (removeEmpty)
        std::erase(pieces, std::string());
    return static_cast<long>(pieces.size());
}

std::string ToText(const std::string& value) {
    return value;
}
std::string ToText(std::string_view value) {
    return std::string(value);
}
std::string ToText(const char* value) {
    return value ? std::string(value) : std::string();
}
std::string ToText(long long value) {
    return std::to_string(value);
}

std::string ToText(double value) {
    // Up to 15 significant digits, no trailing zeros, always "." as decimal sign.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace modUtils
