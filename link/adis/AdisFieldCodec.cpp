#include "AdisText.h"
#include "modADIS.h"

#include "dictionary/clsAdisItems.h"

#include <cstdio>

namespace modADIS {
namespace {

std::string TwoDigits(int a, int b, int c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", a % 100, b % 100, c % 100);
    return buffer;
}

std::string FormatNumber(const AdisNumber& number, std::int16_t length, std::int16_t resolution) {
    const auto scaled = number.ScaledTo(resolution);
    if (resolution < -AdisNumber::MaxScale || resolution > AdisNumber::MaxScale || !scaled)
        return AdisText::Repeat('?', length);
    std::string digits = std::to_string(*scaled);
    if (digits.size() > static_cast<std::size_t>(length))
        return AdisText::Repeat('?', length);
    digits.insert(0, static_cast<std::size_t>(length) - digits.size(), ' ');
    return digits;
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
    return line;
}

std::string FormatValueField(const AdisValue& value, std::int16_t length, std::int16_t resolution) {
    if (length <= 0)
        return {};
    switch (KindOf(value)) {
    case AdisValueKind::Empty:
        return AdisText::Repeat('|', length);
    case AdisValueKind::Null:
        return AdisText::Repeat('?', length);
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        if (length == 8) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.Year % 10000, date.Month,
                          date.Day);
            return buffer;
        }
        if (length == 6)
            return TwoDigits(date.Hour, date.Minute, date.Second);
        return AdisText::Repeat('?', length);
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        return length == 6 ? TwoDigits(time.Hour, time.Minute, time.Second)
                           : AdisText::Repeat('?', length);
    }
    case AdisValueKind::Text:
        return AdisText::PadRight(std::get<std::string>(value), length);
    case AdisValueKind::Number:
        return FormatNumber(std::get<AdisNumber>(value), length, resolution);
    }
    return AdisText::Repeat('?', length);
}

AdisValue ParseDateField(std::string_view text) {
    if (text.size() < 8)
        return AdisNull{};
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
