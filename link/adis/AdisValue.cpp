#include "AdisValue.h"

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int Sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

// Writes the number zero-filled into text[at, at + width).
void PutDigits(std::string& text, std::size_t at, int number, std::size_t width) {
    for (std::size_t i = width; i-- > 0; number /= 10)
        text[at + i] = static_cast<char>('0' + number % 10);
}

} // namespace

std::optional<AdisDate> AdisDate::Make(int year, int month, int day, int hour, int minute,
                                       int second) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return AdisDate{static_cast<std::int16_t>(year),   static_cast<std::uint8_t>(month),
                    static_cast<std::uint8_t>(day),    static_cast<std::uint8_t>(hour),
                    static_cast<std::uint8_t>(minute), static_cast<std::uint8_t>(second)};
}

std::optional<AdisTime> AdisTime::Make(int hour, int minute, int second) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return AdisTime{static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute),
                    static_cast<std::uint8_t>(second)};
}

namespace AdisValues {

AdisValue Number(std::int64_t integer) {
    return AdisNumber::FromInteger(integer);
}
AdisValue Number(std::int64_t mantissa, int scale) {
    return AdisNumber(mantissa, scale);
}

AdisValue NumberFromDouble(double value) {
    if (auto number = AdisNumber::FromDouble(value))
        return *number;
    return AdisNull{};
}

AdisValue Text(std::string_view text) {
    return std::string(text);
}

std::optional<AdisNumber> AsNumber(const AdisValue& value) {
    if (auto number = std::get_if<AdisNumber>(&value))
        return *number;
    if (auto text = std::get_if<std::string>(&value))
        return AdisNumber::Parse(*text);
    return std::nullopt;
}

std::optional<double> ToDouble(const AdisValue& value) {
    if (auto number = AsNumber(value))
        return number->ToDouble();
    return std::nullopt;
}

void AppendText(std::string& out, const AdisValue& value) {
    switch (KindOf(value)) {
    case AdisValueKind::Number:
        out += std::get<AdisNumber>(value).ToText();
        return;
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        const std::size_t at = out.size();
        out += "0000-00-00";
        PutDigits(out, at, date.Year, 4);
        PutDigits(out, at + 5, date.Month, 2);
        PutDigits(out, at + 8, date.Day, 2);
        if (date.Hour != 0 || date.Minute != 0 || date.Second != 0) {
            out += " 00:00:00";
            PutDigits(out, at + 11, date.Hour, 2);
            PutDigits(out, at + 14, date.Minute, 2);
            PutDigits(out, at + 17, date.Second, 2);
        }
        return;
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        const std::size_t at = out.size();
        out += "00:00:00";
        PutDigits(out, at, time.Hour, 2);
        PutDigits(out, at + 3, time.Minute, 2);
        PutDigits(out, at + 6, time.Second, 2);
        return;
    }
    case AdisValueKind::Text:
        out += std::get<std::string>(value);
        return;
    default:
        return;
    }
}

std::string ToText(const AdisValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    std::string out;
    AppendText(out, value);
    return out;
}

void AppendKeyText(std::string& out, const AdisValue& value) {
    if (IsEmpty(value))
        out += "Empty";
    else if (IsNull(value))
        out += "Null";
    else
        AppendText(out, value);
}

std::string KeyText(const AdisValue& value) {
    std::string out;
    AppendKeyText(out, value);
    return out;
}

std::optional<int> Compare(const AdisValue& a, const AdisValue& b) {
    const AdisValueKind ka = KindOf(a), kb = KindOf(b);
    if (ka == AdisValueKind::Null || kb == AdisValueKind::Null)
        return std::nullopt;
    if (ka == AdisValueKind::Empty && kb == AdisValueKind::Empty)
        return 0;
    if (ka == AdisValueKind::Empty || kb == AdisValueKind::Empty) {
        const AdisValue& other = ka == AdisValueKind::Empty ? b : a;
        const int flip = ka == AdisValueKind::Empty ? 1 : -1;
        if (KindOf(other) == AdisValueKind::Number)
            return flip * Compare(AdisValue(AdisNumber()), other).value_or(0);
        if (KindOf(other) == AdisValueKind::Text)
            return flip * (std::get<std::string>(other).empty() ? 0 : -1);
        return std::nullopt;
    }
    if (ka == AdisValueKind::Number || kb == AdisValueKind::Number) {
        auto na = AsNumber(a), nb = AsNumber(b);
        if (na && nb)
            return AdisNumber::Compare(*na, *nb);
        if (ka == AdisValueKind::Text || kb == AdisValueKind::Text)
            return Sign(ToText(a).compare(ToText(b)));
        return std::nullopt;
    }
    if (ka == AdisValueKind::Date && kb == AdisValueKind::Date) {
        const auto order = std::get<AdisDate>(a) <=> std::get<AdisDate>(b);
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    if (ka == AdisValueKind::Time && kb == AdisValueKind::Time) {
        const auto order = std::get<AdisTime>(a) <=> std::get<AdisTime>(b);
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    if (ka == AdisValueKind::Text || kb == AdisValueKind::Text)
        return Sign(ToText(a).compare(ToText(b)));
    return std::nullopt;
}

} // namespace AdisValues
