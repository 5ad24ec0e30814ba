#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text is UTF-8 in memory; files are windows-1252. These convert at the file
// boundary and measure text in characters (code points), never in bytes.
namespace TextEncoding {

// Every byte value 0x00-0xFF maps to one character; the five bytes windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc., so all 256
// byte values survive a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character windows-1252 cannot hold is written as "?". Malformed UTF-8 bytes
// are taken as windows-1252 bytes themselves.
std::string Utf8ToCp1252(std::string_view text);

// How many bytes at the start of the text are ASCII (below 0x80).
std::size_t AsciiPrefixLength(std::string_view text);

// Number of characters in UTF-8 text (a malformed byte counts as one character).
std::size_t CharCount(std::string_view text);

// Byte offset of the character at the given 0-based character index (the text
// size when the index is past the end).
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t charIndex);

// The first n characters.
std::string_view LeftChars(std::string_view text, std::size_t n);

} // namespace TextEncoding
