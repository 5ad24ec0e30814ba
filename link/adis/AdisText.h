#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Small text procedures of the ADIS line codec. Widths count characters of UTF-8
// text, never bytes.
namespace AdisText {

// A number's text without the blanks around it, split into its sign and the rest
// (blanks between the sign and the digits are skipped too).
struct SignedText {
    bool negative = false;
    std::string_view body;
};
SignedText SplitSign(std::string_view text);

// A whole number with optional blanks around it and an optional sign; nothing for
// anything else (letters, a decimal point, bytes outside ASCII, more than 64 bits).
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);
// The leading whole number of the text after leading blanks (an optional sign,
// then digits up to the first other character); 0 when there is none. Stops
// growing instead of overflowing.
std::int64_t LeadingNumber(std::string_view text);
// The text of a 32-bit number without leading zeros, or nothing when the text is
// not exactly such a text ("900024" yes; "0900024", " 900024", "+5" no).
std::optional<std::int32_t> ParseKeyNumber(std::string_view text);

// Text right-aligned (PadLeft), left-aligned (PadRight) or zero-filled on the
// left (ZeroPad) in n characters; a longer text is cut to its first n characters.
std::string PadLeft(std::string_view text, long n);
std::string PadRight(std::string_view text, long n);
std::string ZeroPad(std::string_view text, long n);
std::string ZeroPad(std::int64_t number, long n);
std::string Repeat(char c, long n);

// Cuts the next field of `width` characters from `line` at byte offset `pos` and
// moves `pos` behind it; a line that ends early gives a shorter field.
std::string_view TakeChars(std::string_view line, std::size_t& pos, long width);

bool IsAllOf(std::string_view text, char c);

// Control characters (0x00-0x1F and 0x7F) would break a written line (a CR or
// LF ends it): every text written into an ADIS file has them as blanks. Bytes
// of UTF-8 sequences are never control characters.
inline char BlankControl(char c) {
    return (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
}
void BlankControls(char* first, char* last);
// BlankControls of the text from byte `from` on.
void BlankControls(std::string& text, std::size_t from = 0);

// True when every byte is below 0x80 (plain ASCII: one byte, one character, the
// same in UTF-8 and windows-1252).
bool IsAscii(std::string_view text);

} // namespace AdisText
