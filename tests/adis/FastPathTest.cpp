// Short cuts for plain value lines; each case holds input they must leave to
// the general rules.

#include "AdisTestFiles.h"
#include "adis/clsAdisDataEvents.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace modADIS;

TEST(FastPath, FieldsOutsideThePlainFormsReadAsTheGeneralRulesSay) {
    struct Case {
        const char* field;
        std::int16_t dataType, resolution;
        AdisValue expected;
    } cases[] = {
        {"\t-12 ", TypeNumber, 1, AdisNumber(-12, 1)},
        {"+5", TypeNumber, 0, AdisNumber(5, 0)},
        {"- 5", TypeNumber, 0, AdisNumber(-5, 0)},
        {"1.5", TypeNumber, 0, AdisNumber(2, 0)},
        {"1234567890123456789", TypeNumber, 0, AdisNumber(1234567890123456789, 0)},
        {"00000000000000000000007", TypeNumber, 2, AdisNumber(7, 2)},
        {"12", TypeNumber, -1, AdisNull{}},
        {"2024 501", TypeDate, 0, *AdisDate::Make(2024, 5, 1)},
        {"20240501xyz", TypeDate, 0, *AdisDate::Make(2024, 5, 1)},
        {"00000000", TypeDate, 0, AdisNull{}},
        {" 73000", TypeTime, 0, *AdisTime::Make(7, 30, 0)},
        {"073099", TypeTime, 0, AdisNull{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeField(c.field, c.dataType, c.resolution, true), c.expected) << c.field;
}

// Event 055021 with the key item given twice: a line keeps the first value of
// a DD number, and so does its key. Blanks in the event number and text
// outside ASCII still find the event and the fields.
TEST(FastPath, RepeatedItemsBlankEventNumbersAndNonAsciiLines) {
    const auto dict = SmallDictionary();
    clsAdisDataEvents events;
    const auto event = events.AddItem(55021, 0, nullptr, nullptr);
    const std::string def = "DN055021009000801600090008016000900054041";
    ASSERT_TRUE(event->AddDefLineItems(*dict, def));
    const auto add = [&](const std::string& eventNo, const std::string& first,
                         const std::string& second, const std::string& number) {
        return event->DataLines()->AddItemEx(dict->Events(), *event->Items(), def,
                                             "VN" + eventNo + AdisText::PadRight(first, 16) +
                                                 AdisText::PadRight(second, 16) + number);
    };
    const auto repeated = add("055021", "first", "second", "  12");
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->Key, AdisText::PadRight("first", 16));
    EXPECT_EQ(repeated->ItemValues.Count(), 2);
    EXPECT_EQ(repeated->ItemValues.ValueOf(900054), AdisValue(AdisNumber(12, 1)));
    EXPECT_TRUE(add(" 55021", "SE1", "", "  12"));
    const auto line = add("055021", "Dödfödd", "x", "  13");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Key, AdisText::PadRight("Dödfödd", 16));
    EXPECT_EQ(line->ItemValues.ValueOf(900054), AdisValue(AdisNumber(13, 1)));
}

// More than one block of output, with a line outside ASCII in each block:
// the written file is the read file, byte for byte.
TEST(FastPath, LargeFileWritesBackUnchanged) {
    std::string bytes = Cp1252Lines({HeaderDef, HeaderValues, "TN", Def55021});
    for (int i = 0; i < 40000; ++i) {
        const std::string animal = (i % 15000 == 7 ? "Dödfödd " : "SE") + std::to_string(i);
        bytes += Cp1252Lines({Value55021(animal, "20240131", i % 3 ? " -12" : "||||")});
    }
    bytes += "EN\r\nZN\r\n";
    EXPECT_EQ(RewrittenBody(bytes), bytes.substr(bytes.find("TN\r\n")));
}

// Keys are built from the fields of the key items without decoding the whole
// line: each key text must be the key text of the field's value.
TEST(FastPath, KeyTextsOfFieldsAreTheValuesKeyTexts) {
    struct Case {
        std::int16_t dataType;
        const char* field;
    } cases[] = {
        {TypeDate, "20240131"}, {TypeDate, "20240229"}, {TypeDate, "20230229"},
        {TypeDate, "20241301"}, {TypeDate, "00000101"}, {TypeDate, "2024 131"},
        {TypeDate, "????????"}, {TypeDate, "||||||||"}, {TypeTime, "235959"},
        {TypeTime, "240000"},   {TypeTime, "12 000"},   {TypeTime, "??????"},
        {TypeNumber, "  -5"},   {TypeNumber, "0012"},   {TypeNumber, "????"},
        {TypeText, "a b "},     {TypeText, "||||"},     {TypeText, "????"},
    };
    for (const auto& c : cases) {
        clsAdisDataDict dict;
        const std::string field = c.field;
        const auto length = static_cast<std::int16_t>(field.size());
        dict.AddEventKeyDDNo(1, {5});
        dict.AddEventItem(1, nullptr, 5, c.dataType, length, 1);
        clsAdisDataEvents events;
        const auto event = events.AddItem(1, 0, nullptr, nullptr);
        const std::string defLine = "DN000001" + FormatDefField(5, length, 1);
        ASSERT_TRUE(event->AddDefLineItems(dict, defLine));
        const auto line = event->DataLines()->AddItemEx(dict.Events(), *event->Items(), defLine,
                                                        "VN000001" + field);
        ASSERT_TRUE(line) << c.field;
        EXPECT_EQ(line->Key, AdisValues::KeyText(DecodeField(field, c.dataType, 1, true)))
            << c.field;
    }
}

// A field kept as read is written back as it stands only when that is how its
// value is written.
TEST(FastPath, FieldsKeptAsReadAreWrittenAsTheirValues) {
    struct Case {
        const char* text16;
        const char* date8;
        const char* number4;
        const char* time6;
        const char* written; // the fields as written
    } cases[] = {
        {"SE1             ", "20240131", "  12", "235959", "SE1             20240131  12235959"},
        {"SE2             ", "20240230", "0012", "240000", "SE2             ????????  12??????"},
        {"SE3             ", "????????", "  -0", "||||||", "SE3             ????????   0||||||"},
        {"SE4\x01            ", "||||||||", "+  5", "12 000", "SE4             ||||||||   5120000"},
        {"SE5             ", "2024 131", "1   ", "000000", "SE5             20240131   1000000"},
        {"SE6             ", "00010101", "-123", "??????", "SE6             00010101-123??????"},
        {"SE7             ", "20240101", "1.25", "120000", "SE7             20240101   1120000"},
        {"SE8             ", "20240101", "    ", "120000", "SE8             20240101????120000"},
        {"SE9             ", "20240101", "\x01 12", "120000", "SE9             20240101????120000"},
        {"SE10            ", "20240101", "   0", "120000", "SE10            20240101   0120000"},
        {"SE11            ", "20240101", "  -7", "120000", "SE11            20240101  -7120000"},
        {"SE12            ", "20240101", " - 7", "120000", "SE12            20240101  -7120000"},
        {"SE13            ", "20240101", "-007", "120000", "SE13            20240101  -7120000"},
        {"SE14            ", "20240101", "--7 ", "120000", "SE14            20240101????120000"},
    };
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->AddEventKeyDDNo(55021, {900080});
    dict->AddEventItem(55021, nullptr, 900080, TypeText, 16, 0);
    dict->AddEventItem(55021, nullptr, 900070, TypeDate, 8, 0);
    dict->AddEventItem(55021, nullptr, 900054, TypeNumber, 4, 1);
    dict->AddEventItem(55021, nullptr, 900024, TypeTime, 6, 0);
    const std::string def = "DN05502100900080160009000700800090005404100900024060";
    std::string input = "TN\r\n" + def + "\r\n";
    std::string expected = input;
    for (const auto& c : cases) {
        input += std::string("VN055021") + c.text16 + c.date8 + c.number4 + c.time6 + "\r\n";
        expected += std::string("VN055021") + c.written + "\r\n";
    }
    EXPECT_EQ(RewrittenBody(input + "EN\r\nZN\r\n", dict), expected + "EN\r\nZN\r\n");
}

// Texts are checked for control characters a word at a time: every byte value,
// at every place of texts of several lengths, is blanked exactly when it is one.
TEST(FastPath, ControlCharactersAreBlankedAtAnyPlace) {
    for (std::size_t length : {1u, 7u, 8u, 9u, 17u, 24u}) {
        for (int byte = 0; byte < 256; ++byte) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string text(length, 'a');
                text[at] = static_cast<char>(byte);
                AdisText::BlankControls(text);
                const bool control = byte < 0x20 || byte == 0x7F;
                ASSERT_EQ(text[at], control ? ' ' : static_cast<char>(byte))
                    << "byte " << byte << " at " << at << " of " << length;
                ASSERT_EQ(text.find_first_not_of('a'), byte == 'a' ? std::string::npos : at);
            }
        }
    }
}

// Number fields of widths 1 to 20 side by side, plain or one a near miss, are
// written exactly as their values are.
TEST(FastPath, NumberFieldsSideBySideAreWrittenAsTheirValues) {
    const std::int16_t widths[] = {1, 2, 3, 5, 7, 8, 9, 12, 15, 16, 17, 18, 19, 20, 4};
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->AddEventKeyDDNo(55021, {900080});
    dict->AddEventItem(55021, nullptr, 900080, TypeText, 4, 0);
    std::string def = "DN05502100900080040";
    std::int32_t ddNo = 900100;
    for (const auto width : widths) {
        dict->AddEventItem(55021, nullptr, ddNo, TypeNumber, width, width % 3);
        def += FormatDefField(ddNo++, width, static_cast<std::int16_t>(width % 3));
    }
    const char* const nearMisses[] = {"0",  "07",  "-0", "-07", "5 ", "5 5", "+5", "\t5", "- 5",
                                      "5-", "--5", "-",  " ",   "00", "x",   "?",  "|",   "-5x"};
    std::mt19937 random(11787);
    const auto plain = [&](std::size_t width) {
        const bool zero = random() % 8 == 0;
        const std::size_t sign = !zero && width > 1 && random() % 4 == 0 ? 1 : 0;
        const std::size_t count =
            zero ? 1 : std::min(width - sign, 1 + random() % std::min<std::size_t>(width, 18));
        std::string field(width - count - sign, ' ');
        if (sign == 1)
            field += '-';
        field += zero ? '0' : "123456789"[random() % 9];
        for (std::size_t i = 1; i < count; ++i)
            field += "0123456789"[random() % 10];
        return field;
    };
    std::string input = std::string("TN\r\n").append(def).append("\r\n"), expected = input;
    for (int line = 0; line < 4000; ++line) {
        const std::size_t odd = random() % (2 * std::size(widths));
        std::string fields, written;
        for (std::size_t f = 0; f < std::size(widths); ++f) {
            const auto width = static_cast<std::size_t>(widths[f]);
            std::string field = plain(width);
            if (f == odd) {
                const std::string miss = nearMisses[random() % std::size(nearMisses)];
                if (miss.size() <= width)
                    field = random() % 2 == 0 ? std::string(width - miss.size(), ' ').append(miss)
                                              : std::string(miss).append(width - miss.size(), ' ');
                if (miss == "?" || miss == "|")
                    field.assign(width, miss[0]);
            }
            fields += field;
            written += FormatValueField(DecodeField(field, TypeNumber, widths[f] % 3, true),
                                        widths[f], static_cast<std::int16_t>(widths[f] % 3));
        }
        const std::string key = AdisText::ZeroPad(line, 4);
        input.append("VN055021").append(key).append(fields).append("\r\n");
        expected.append("VN055021").append(key).append(written).append("\r\n");
    }
    EXPECT_EQ(RewrittenBody(input.append("EN\r\nZN\r\n"), dict), expected.append("EN\r\nZN\r\n"));
}
