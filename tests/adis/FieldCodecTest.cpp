#include "adis/clsAdisItemValues.h"
#include "adis/modADIS.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace modADIS;

namespace {

AdisValue Date(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    return *AdisDate::Make(y, m, d, hh, mm, ss);
}
AdisValue Time(int hh, int mm, int ss) {
    return *AdisTime::Make(hh, mm, ss);
}
AdisValue Num(const char* text) {
    return *AdisNumber::Parse(text);
}

} // namespace

// Every kind formatted into its field; the fields written straight from the
// stored values of a line (by another DD number, at another position, or
// missing) must be the same texts.
TEST(FieldCodec, FormatsEveryKindIntoItsField) {
    const auto min = std::numeric_limits<std::int64_t>::min();
    struct Case {
        AdisValue value;
        std::int16_t length, resolution;
        std::optional<std::string> expected; // none: only the same text both ways
    } cases[] = {
        {AdisEmpty{}, 4, 0, "||||"},
        {AdisNull{}, 4, 0, "????"},
        {Num("12.34"), 6, 1, "   123"},
        {AdisValues::Number(-5), 4, 0, "  -5"},
        {Num("2.5"), 4, 0, "   2"},
        {Num("3.5"), 4, 0, "   4"},
        {Num("-2.5"), 4, 0, "  -2"},
        {Num("0.125"), 4, 2, "  12"},
        {Num("0.135"), 4, 2, "  14"},
        {AdisValues::Number(123456), 4, 0, "????"}, // does not fit: not available
        {AdisValues::Number(-1000), 4, 0, "????"},
        {AdisValues::Number(1234), 4, 0, "1234"},
        {AdisValues::Number(5), 0, 0, ""},
        {AdisValues::Number(5), 4, 19, "????"},
        {AdisNumber(min, 0), 20, 0, "-9223372036854775808"},
        {AdisNumber(min, 0), 19, 0, std::string(19, '?')},
        {AdisNumber(999999999999999999, 0), 18, 0, "999999999999999999"},
        {AdisNumber(-42, 1), 40, 1, std::string(37, ' ') + "-42"},
        {AdisNumber(42, 1), 40, 1, std::string(38, ' ') + "42"},
        {AdisNumber(0, 2), 3, 2, "  0"},
        {AdisNumber(0, 0), 1, 0, "0"},
        {AdisNumber(15, 1), 3, 0, "  2"}, // other resolution: rounded
        {Date(2007, 3, 3), 8, 0, "20070303"},
        {Date(2007, 3, 3, 13, 5, 9), 8, 0, "20070303"},
        {Date(2007, 3, 3, 13, 5, 9), 6, 0, "130509"},
        {Date(2007, 3, 3), 10, 0, "??????????"},
        {Date(2007, 3, 3), 7, 0, "???????"},
        {AdisDate{-5, 1, 1}, 8, 0, std::nullopt},
        {Time(7, 30, 0), 6, 0, "073000"},
        {Time(7, 30, 0), 8, 0, "????????"},
        {Time(7, 30, 0), 4, 0, "????"},
        {AdisValues::Text("abc"), 5, 0, "abc  "},
        {AdisValues::Text("abcdef"), 3, 0, "abc"},
        {AdisValues::Text("ab"), 40, 0, "ab" + std::string(38, ' ')},
        {AdisValues::Text("a\tb\r\n"), 6, 0, "a b   "},
        {AdisValues::Text("Förlossning"), 15, 0, "Förlossning    "},
        {AdisValues::Text("Dödfödd kalv"), 7, 0, "Dödfödd"},
        {AdisValues::Text("Dödfödd"), 3, 0, "Död"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(AdisValues::ToText(c.value) + " length " + std::to_string(c.length));
        const std::string formatted = FormatValueField(c.value, c.length, c.resolution);
        EXPECT_EQ(formatted, c.expected.value_or(formatted));
        clsAdisItemValues values;
        values.AddItem(7, AdisValues::Text("before"));
        values.AddItem(1, c.value);
        std::string at, elsewhere = "x";
        const FieldFormat inPlace[] = {{7, 0, 0}, {1, c.length, c.resolution}};
        values.AppendFields(at, inPlace);
        EXPECT_EQ(at, formatted);
        const FieldFormat moved[] = {{1, c.length, c.resolution}, {7, 2, 0}};
        values.AppendFields(elsewhere, moved);
        EXPECT_EQ(elsewhere, "x" + formatted + "be");
    }
    clsAdisItemValues none;
    std::string missing;
    const FieldFormat absent[] = {{3, 4, 0}, {4, 2, 0}};
    none.AppendFields(missing, absent);
    EXPECT_EQ(missing, "||||||");
}

// A numeric field read and written again with the same length and resolution
// gives the same text, right-aligned with blanks.
TEST(FieldCodec, NumberFieldsRoundTripWithoutDrift) {
    struct Case {
        const char* field;
        std::int16_t resolution;
        const char* written;
        const char* text;
    } cases[] = {
        {"0012", 1, "  12", "1.2"},
        {"  -5", 0, "  -5", "-5"},
        {"12345", 2, "12345", "123.45"},
        {"  0001", 3, "     1", "0.001"},
        {"   100", 2, "   100", "1"},
        {"     0", 3, "     0", "0"},
        {"  -0", 1, "   0", "0"},
        {"999999999999999999", 3, "999999999999999999", "999999999999999.999"},
        {"-99999999999999999", 0, "-99999999999999999", "-99999999999999999"},
        {"9223372036854775807", 0, "9223372036854775807", "9223372036854775807"},
        {"0000000000000000000000012", 2, "                       12", "0.12"},
        {"  17", 1, "  17", "1.7"},
    };
    for (const auto& c : cases) {
        const auto length = static_cast<std::int16_t>(std::string(c.field).size());
        const AdisValue value = DecodeField(c.field, TypeNumber, c.resolution, true);
        ASSERT_EQ(KindOf(value), AdisValueKind::Number) << c.field;
        EXPECT_EQ(AdisValues::ToText(value), c.text) << c.field;
        EXPECT_EQ(FormatValueField(value, length, c.resolution), c.written) << c.field;
    }
}

TEST(FieldCodec, DecodesFieldsByDataType) {
    EXPECT_TRUE(IsEmpty(DecodeField("||||", TypeNumber, 0, true)));
    EXPECT_TRUE(IsNull(DecodeField("||||", TypeNumber, 0, false))); // search lines
    EXPECT_EQ(DecodeField("||||", TypeText, 0, false), AdisValue(std::string("||||")));
    EXPECT_TRUE(IsNull(DecodeField("????", TypeText, 0, true)));
    EXPECT_TRUE(IsNull(DecodeField("12a4", TypeNumber, 0, true)));
    EXPECT_TRUE(IsNull(DecodeField("    ", TypeNumber, 0, true)));
    EXPECT_EQ(DecodeField("ab  ", TypeText, 0, true), AdisValue(std::string("ab  ")));
    EXPECT_EQ(DecodeField("ab  ", TypeUnknown, 0, true), AdisValue(std::string("ab  ")));
    EXPECT_EQ(DecodeField("20070303", TypeDate, 0, true), Date(2007, 3, 3));
    EXPECT_EQ(DecodeField("235959", TypeTime, 0, true), Time(23, 59, 59));
}

TEST(FieldCodec, FieldsThatAreNotValidAreNull) {
    for (const char* text : {"20070231", "20071301", "00000101", "20070000", "2007ab03", "2007",
                             "????????", "||||||||", "2007ö303"})
        EXPECT_TRUE(IsNull(ParseDateField(text))) << text;
    EXPECT_EQ(ParseDateField("20080229"), Date(2008, 2, 29));
    EXPECT_TRUE(IsNull(ParseDateField("20070229")));
    for (const char* text : {"240000", "236000", "235960", "||||||", "??????", "12", "1a0000"})
        EXPECT_TRUE(IsNull(ParseTimeField(text))) << text;
    EXPECT_EQ(ParseTimeField("000000"), Time(0, 0, 0));
    for (const char* text : {"99999999999999999999", "-99999999999999999999", "1ö2", "--5", "+",
                             "1.2.3", "\xff\xfe", "5 5"})
        EXPECT_TRUE(IsNull(DecodeField(text, TypeNumber, 0, true))) << text;
    EXPECT_TRUE(IsNull(DecodeField("12", TypeNumber, 30, true)));
    EXPECT_EQ(DecodeField(" + 12 ", TypeNumber, 0, true), AdisValue(AdisNumber(12, 0)));
}

TEST(AdisNumberTest, RoundsDecimalValuesHalvesToEven) {
    struct Case {
        double value;
        int scale;
        std::int64_t expected;
    } cases[] = {{2.5, 0, 2},     {3.5, 0, 4},       {0.125, 2, 12},  {-0.125, 2, -12},
                 {1.005, 2, 100}, {0.1 + 0.2, 1, 3}, {12.34, 1, 123}, {1e15, 0, 1000000000000000}};
    for (const auto& c : cases) {
        const auto number = AdisNumber::FromDouble(c.value);
        ASSERT_TRUE(number) << c.value;
        EXPECT_EQ(number->ScaledTo(c.scale), c.expected) << c.value;
    }
    EXPECT_FALSE(AdisNumber::FromDouble(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(AdisNumber::FromDouble(1e30));
    EXPECT_EQ(AdisNumber::FromDouble(1e-30)->Mantissa(), 0);
    EXPECT_DOUBLE_EQ(AdisNumber(-1234, 2).ToDouble(), -12.34);
    EXPECT_FALSE(AdisNumber(INT64_MAX, 0).ScaledTo(1));
}

TEST(AdisValueCompare, ComparesByKind) {
    using AdisValues::Compare;
    EXPECT_EQ(Compare(Num("1.20"), Num("1.2")), 0);
    EXPECT_EQ(Compare(Num("10"), Num("9")), 1);
    EXPECT_EQ(Compare(AdisValues::Text("10"), Num("9")), 1); // a number held as text
    EXPECT_EQ(Compare(AdisValues::Text("10"), AdisValues::Text("9")), -1);
    EXPECT_EQ(Compare(Date(2007, 1, 2), Date(2006, 12, 31)), 1);
    EXPECT_EQ(Compare(Time(7, 0, 0), Time(7, 0, 1)), -1);
    EXPECT_FALSE(Compare(AdisNull{}, Num("1")));
    EXPECT_FALSE(Compare(Num("1"), AdisNull{}));
    EXPECT_FALSE(Compare(Date(2007, 1, 2), Num("1")));
    EXPECT_EQ(Compare(AdisEmpty{}, Num("-1")), 1);
    EXPECT_EQ(Compare(AdisValues::Text("a"), AdisEmpty{}), 1);
}

TEST(AdisValueText, TextAndKeyForms) {
    EXPECT_EQ(AdisValues::KeyText(AdisEmpty{}), "Empty");
    EXPECT_EQ(AdisValues::KeyText(AdisNull{}), "Null");
    EXPECT_EQ(AdisValues::KeyText(Num("-0.50")), "-0.5");
    EXPECT_EQ(AdisValues::ToText(Date(2007, 3, 3)), "2007-03-03");
    EXPECT_EQ(AdisValues::ToText(Date(2007, 3, 3, 8, 5, 0)), "2007-03-03 08:05:00");
    EXPECT_EQ(AdisValues::ToText(Time(8, 5, 0)), "08:05:00");
}
