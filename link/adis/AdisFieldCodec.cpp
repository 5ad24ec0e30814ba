#include "AdisPlainFields.h"
#include "AdisText.h"
#include "modADIS.h"

#include "dictionary/clsAdisItems.h"

#include "common/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using AdisPlainFields::AllDigits;
using AdisPlainFields::Digits;
using AdisPlainFields::PlainInteger;

namespace modADIS {
namespace {

void PutTwoDigits(char* at, int value) {
    value %= 100;
    at[0] = static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
}

void AppendTime(std::string& out, int hour, int minute, int second) {
    char digits[6];
    PutTwoDigits(digits, hour);
    PutTwoDigits(digits + 2, minute);
    PutTwoDigits(digits + 4, second);
    out.append(digits, 6);
}

// Writes the decimal digits (and sign) of the number so that they end at `end`;
// returns where they begin (at most 20 characters before `end`).
char* PutDecimal(char* end, std::int64_t value) {
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char* first = end;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = '-';
    return first;
}

void AppendNumber(std::string& out, const AdisNumber& number, std::int16_t length,
                  std::int16_t resolution) {
    // Numbers read from a field carry its resolution already (nearly all).
    const auto scaled = number.Scale() == resolution ? std::optional(number.Mantissa())
                                                     : number.ScaledTo(resolution);
    if (resolution < -AdisNumber::MaxScale || resolution > AdisNumber::MaxScale || !scaled) {
        out.append(static_cast<std::size_t>(length), '?');
        return;
    }
    // The field is put together right-aligned in one buffer: blanks, then digits.
    constexpr std::size_t kRoom = 32;
    char field[kRoom];
    char* const end = field + kRoom;
    char* const first = PutDecimal(end, *scaled);
    const auto count = static_cast<std::size_t>(end - first);
    const auto width = static_cast<std::size_t>(length);
    if (count > width) {
        out.append(width, '?');
        return;
    }
    if (width <= kRoom) {
        std::fill(end - width, first, ' ');
        out.append(end - width, width);
        return;
    }
    out.append(width - count, ' ');
    out.append(first, count);
}

void AppendText(std::string& out, std::string_view text, std::int16_t length) {
    const auto width = static_cast<std::size_t>(length);
    const std::size_t start = out.size();
    const bool ascii = AdisText::IsAscii(text);
    const std::size_t count = ascii ? text.size() : TextEncoding::CharCount(text);
    if (count >= width) {
        out.append(ascii ? text.substr(0, width) : TextEncoding::LeftChars(text, width));
    } else {
        out.append(text);
        out.append(width - count, ' ');
    }
    AdisText::BlankControls(out, start);
}

} // namespace

std::string FormatEventNo(std::int32_t eventNo) {
    const std::int64_t magnitude = eventNo < 0 ? -static_cast<std::int64_t>(eventNo) : eventNo;
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 6)
        digits.insert(0, 6 - digits.size(), '0');
    return eventNo < 0 ? "-" + digits : digits;
}

std::string FormatDefField(std::int32_t ddNo, std::int16_t length, std::int16_t resolution) {
    return AdisText::ZeroPad(ddNo, 8) + AdisText::ZeroPad(length, 2) +
           AdisText::ZeroPad(resolution, 1);
}

std::string DefinitionLine(std::string_view lineType, std::string_view status, std::int32_t eventNo,
                           const clsAdisItems* items) {
    std::string line;
    line.append(lineType).append(status).append(FormatEventNo(eventNo));
    if (items)
        for (const auto& item : *items)
            line += item->ItemString();
    AdisText::BlankControls(line);
    return line;
}

void AppendValueField(std::string& out, const AdisValue& value, std::int16_t length,
                      std::int16_t resolution) {
    if (length <= 0)
        return;
    const auto width = static_cast<std::size_t>(length);
    switch (KindOf(value)) {
    case AdisValueKind::Empty:
        out.append(width, '|');
        return;
    case AdisValueKind::Null:
        break;
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        if (length == 8 && date.Year >= 0 && date.Month < 100 && date.Day < 100) {
            const int year = date.Year % 10000;
            char digits[8];
            PutTwoDigits(digits, year / 100);
            PutTwoDigits(digits + 2, year);
            PutTwoDigits(digits + 4, date.Month);
            PutTwoDigits(digits + 6, date.Day);
            out.append(digits, 8);
            return;
        }
        if (length == 8) { // a year before 0 or parts beyond two digits as printf gives them
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year % 10000, date.Month,
                          date.Day);
            out.append(buffer);
            return;
        }
        if (length == 6) {
            AppendTime(out, date.Hour, date.Minute, date.Second);
            return;
        }
        break;
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        if (length == 6) {
            AppendTime(out, time.Hour, time.Minute, time.Second);
            return;
        }
        break;
    }
    case AdisValueKind::Text:
        AppendText(out, std::get<std::string>(value), length);
        return;
    case AdisValueKind::Number:
        AppendNumber(out, std::get<AdisNumber>(value), length, resolution);
        return;
    }
    out.append(width, '?');
}

std::string FormatValueField(const AdisValue& value, std::int16_t length, std::int16_t resolution) {
    std::string field;
    AppendValueField(field, value, length, resolution);
    return field;
}

AdisValue ParseDateField(std::string_view text) {
    if (text.size() < 8)
        return AdisNull{};
    if (AllDigits(text.substr(0, 8))) {
        if (auto date = AdisDate::Make(Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2)))
            return *date;
        return AdisNull{};
    }
    const auto year = AdisText::ParseWholeNumber(text.substr(0, 4));
    const auto month = AdisText::ParseWholeNumber(text.substr(4, 2));
    const auto day = AdisText::ParseWholeNumber(text.substr(6, 2));
    if (!year || !month || !day)
        return AdisNull{};
    if (auto date = AdisDate::Make(static_cast<int>(*year), static_cast<int>(*month),
                                   static_cast<int>(*day)))
        return *date;
    return AdisNull{};
}

AdisValue ParseTimeField(std::string_view text) {
    if (text.size() < 6)
        return AdisNull{};
    if (AllDigits(text.substr(0, 6))) {
        if (auto time = AdisTime::Make(Digits(text, 0, 2), Digits(text, 2, 2), Digits(text, 4, 2)))
            return *time;
        return AdisNull{};
    }
    const auto hour = AdisText::ParseWholeNumber(text.substr(0, 2));
    const auto minute = AdisText::ParseWholeNumber(text.substr(2, 2));
    const auto second = AdisText::ParseWholeNumber(text.substr(4, 2));
    if (!hour || !minute || !second)
        return AdisNull{};
    if (auto time = AdisTime::Make(static_cast<int>(*hour), static_cast<int>(*minute),
                                   static_cast<int>(*second)))
        return *time;
    return AdisNull{};
}

AdisValue DecodeField(std::string_view field, std::int16_t dataType, std::int16_t resolution,
                      bool emptyMarker) {
    if (dataType == TypeNumber) {
        if (const auto integer = PlainInteger(field)) {
            // As the general reading below: the digits at the field's resolution.
            if (resolution < 0 || resolution > AdisNumber::MaxScale)
                return AdisNull{};
            return AdisNumber(*integer, resolution);
        }
    }
    if (AdisText::IsAllOf(field, '?'))
        return AdisNull{};
    if (emptyMarker && AdisText::IsAllOf(field, '|'))
        return AdisEmpty{};
    switch (dataType) {
    case TypeNumber: {
        const auto number = AdisNumber::Parse(field);
        if (!number)
            return AdisNull{};
        if (auto value = number->DividedByPowerOfTen(resolution, resolution))
            return *value;
        return AdisNull{};
    }
    case TypeDate:
        return ParseDateField(field);
    case TypeTime:
        return ParseTimeField(field);
    default:
        return std::string(field);
    }
}

} // namespace modADIS
