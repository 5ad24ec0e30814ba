#include "TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace TextEncoding {
namespace {

// Unicode code points of the bytes 0x80-0x9F; the rest of windows-1252 equals
// Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, or 0 when the
// bytes there are not a well-formed sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

// The position after the character at pos (an ASCII byte needs no decoding); a
// byte that starts no valid character counts as one.
std::size_t AfterChar(std::string_view text, std::size_t pos) {
    if (static_cast<unsigned char>(text[pos]) < 0x80)
        return pos + 1;
    char32_t cp;
    const std::size_t length = DecodeUtf8(text, pos, cp);
    return pos + (length == 0 ? 1 : length);
}

} // namespace

std::size_t AsciiPrefixLength(std::string_view text) {
    std::size_t pos = 0;
    for (; text.size() - pos >= 8; pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, 8);
        if (word & 0x8080808080808080u)
            break;
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80)
        ++pos;
    return pos;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        const std::size_t ascii = AsciiPrefixLength(bytes.substr(pos));
        out.append(bytes.data() + pos, ascii);
        pos += ascii;
        if (pos == bytes.size())
            break;
        AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(bytes[pos])));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t ascii = AsciiPrefixLength(text.substr(pos));
        out.append(text.data() + pos, ascii);
        pos += ascii;
        if (pos == text.size())
            break;
        char32_t cp;
        const std::size_t length = DecodeUtf8(text, pos, cp);
        if (length == 0) {
            out += text[pos++];
            continue;
        }
        const int byte = CodePointToByte(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        pos += length;
    }
    return out;
}

std::size_t CharCount(std::string_view text) {
    const std::size_t ascii = AsciiPrefixLength(text);
    std::size_t count = ascii;
    for (std::size_t pos = ascii; pos < text.size(); ++count)
        pos = AfterChar(text, pos);
    return count;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex) {
    const std::size_t ascii = AsciiPrefixLength(text.substr(0, charIndex));
    std::size_t pos = ascii;
    for (std::size_t i = ascii; i < charIndex && pos < text.size(); ++i)
        pos = AfterChar(text, pos);
    return pos;
}

std::string_view LeftChars(std::string_view text, std::size_t n) {
    return text.substr(0, ByteOffsetOfChar(text, n));
}

} // namespace TextEncoding
