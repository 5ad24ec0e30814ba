#include "AdisText.h"

#include "common/TextEncoding.h"

#include <cstring>

namespace AdisText {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

SignedText SplitSign(std::string_view text) {
    std::size_t pos = 0, end = text.size();
    while (pos < end && IsBlank(text[pos]))
        ++pos;
    while (end > pos && IsBlank(text[end - 1]))
        --end;
    SignedText result;
    if (pos < end && (text[pos] == '-' || text[pos] == '+')) {
        result.negative = text[pos] == '-';
        ++pos;
        while (pos < end && IsBlank(text[pos]))
            ++pos;
    }
    result.body = text.substr(pos, end - pos);
    return result;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
    const SignedText number = SplitSign(text);
    if (number.body.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : number.body) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value > (INT64_MAX - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return number.negative ? -value : value;
}

std::int64_t LeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value > (INT64_MAX - 9) / 10)
            break;
        value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> ParseKeyNumber(std::string_view text) {
    if (text.empty() || text.size() > 11)
        return std::nullopt;
    std::size_t pos = text[0] == '-' ? 1 : 0;
    if (pos == text.size() || (text[pos] == '0' && text.size() > pos + 1))
        return std::nullopt;
    std::int64_t value = 0;
    for (std::size_t i = pos; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (pos == 1)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX || (pos == 1 && value == 0))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string PadLeft(std::string_view text, long n) {
    if (n <= 0)
        return {};
    const std::size_t count = TextEncoding::CharCount(text);
    if (count >= static_cast<std::size_t>(n))
        return std::string(TextEncoding::LeftChars(text, static_cast<std::size_t>(n)));
    std::string out(static_cast<std::size_t>(n) - count, ' ');
    out.append(text);
    return out;
}

std::string PadRight(std::string_view text, long n) {
    if (n <= 0)
        return {};
    const std::size_t count = TextEncoding::CharCount(text);
    if (count >= static_cast<std::size_t>(n))
        return std::string(TextEncoding::LeftChars(text, static_cast<std::size_t>(n)));
    std::string out(text);
    out.append(static_cast<std::size_t>(n) - count, ' ');
    return out;
}

std::string ZeroPad(std::string_view text, long n) {
    if (n <= 0)
        return {};
    const std::size_t count = TextEncoding::CharCount(text);
    if (count >= static_cast<std::size_t>(n))
        return std::string(TextEncoding::LeftChars(text, static_cast<std::size_t>(n)));
    std::string out(static_cast<std::size_t>(n) - count, '0');
    out.append(text);
    return out;
}

std::string ZeroPad(std::int64_t number, long n) {
    return ZeroPad(std::to_string(number), n);
}

std::string Repeat(char c, long n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), c) : "";
}

std::string_view TakeChars(std::string_view line, std::size_t& pos, long width) {
    if (pos >= line.size() || width <= 0)
        return {};
    const std::string_view rest = line.substr(pos);
    const std::size_t bytes = TextEncoding::ByteOffsetOfChar(rest, static_cast<std::size_t>(width));
    pos += bytes;
    return rest.substr(0, bytes);
}

bool IsAllOf(std::string_view text, char c) {
    if (text.empty())
        return false;
    for (char x : text)
        if (x != c)
            return false;
    return true;
}

namespace {

// Whether any of the 8 bytes of the word is a control character (below 0x20 or
// 0x7F); bytes from 0x80 on never are.
bool HasControl(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    const std::uint64_t low7 = word & ~kHigh; // per byte below 0x80: no carries
    const std::uint64_t below20 = ~(low7 + kOnes * (0x80 - 0x20));
    const std::uint64_t is7F = ~((low7 ^ (kOnes * 0x7F)) + kOnes * 0x7F);
    return ((below20 | is7F) & ~word & kHigh) != 0;
}

} // namespace

void BlankControls(char* first, char* last) {
    // Texts without any (nearly all) are passed over a word at a time.
    for (; last - first >= 8; first += 8) {
        std::uint64_t word;
        std::memcpy(&word, first, 8);
        if (HasControl(word))
            break;
    }
    for (; first != last; ++first)
        *first = BlankControl(*first);
}

void BlankControls(std::string& text, std::size_t from) {
    if (from < text.size())
        BlankControls(text.data() + from, text.data() + text.size());
}

bool IsAscii(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    std::uint64_t high = 0;
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        high |= word;
    }
    for (; p < end; ++p)
        high |= static_cast<unsigned char>(*p);
    return (high & 0x8080808080808080u) == 0;
}

} // namespace AdisText
