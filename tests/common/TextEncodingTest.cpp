#include "common/TextEncoding.h"

#include <gtest/gtest.h>

using namespace TextEncoding;

TEST(TextEncoding, AllBytesSurviveRoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(CharCount(utf8), 256u);
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
}

TEST(TextEncoding, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x88\x9E"
                           "b"),
              "a?b");                                 // infinity sign
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x90\x84"), "?"); // a cow
    // Malformed UTF-8 passes through as bytes.
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x\xC3");
}

// Long runs of plain ASCII are taken whole; the characters around and between
// them, at every place against an 8-byte word, must come out as one by one.
TEST(TextEncoding, AsciiRunsAndOtherCharactersAtEveryOffset) {
    for (std::size_t lead = 0; lead < 17; ++lead) {
        const std::string ascii(lead, 'a');
        const std::string cp1252 = ascii + "\xF6\x80" + ascii + "z";
        const std::string utf8 = ascii + "\xC3\xB6\xE2\x82\xAC" + ascii + "z";
        EXPECT_EQ(TextEncoding::AsciiPrefixLength(cp1252), lead);
        EXPECT_EQ(TextEncoding::Cp1252ToUtf8(cp1252), utf8) << lead;
        EXPECT_EQ(TextEncoding::Utf8ToCp1252(utf8), cp1252) << lead;
        EXPECT_EQ(TextEncoding::CharCount(utf8), 2 * lead + 3) << lead;
        EXPECT_EQ(TextEncoding::ByteOffsetOfChar(utf8, lead + 1), lead + 2) << lead;
        EXPECT_EQ(TextEncoding::ByteOffsetOfChar(utf8, lead + 2), lead + 5) << lead;
        EXPECT_EQ(TextEncoding::ByteOffsetOfChar(utf8, 1000), utf8.size()) << lead;
    }
}
