#include "clsAdisItemValues.h"

#include "AdisPlainFields.h"
#include "AdisText.h"
#include "AdisValueLineLayout.h"
#include "common/LinkError.h"
#include "modADIS.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

using AdisPlainFields::AllDigits;
using AdisPlainFields::Digits;
using AdisPlainFields::PlainInteger;

namespace {

[[noreturn]] void RaiseInvalid() {
    throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
}

[[noreturn]] void RaiseTooLong() {
    throw LinkError(LinkErrors::InvalidArgument, "Text of a value line too long");
}

std::uint64_t ToPayload(const AdisDate& date) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(date.Year)) |
           static_cast<std::uint64_t>(date.Month) << 16 |
           static_cast<std::uint64_t>(date.Day) << 24 |
           static_cast<std::uint64_t>(date.Hour) << 32 |
           static_cast<std::uint64_t>(date.Minute) << 40 |
           static_cast<std::uint64_t>(date.Second) << 48;
}

std::uint64_t ToPayload(const AdisTime& time) {
    return static_cast<std::uint64_t>(time.Hour) | static_cast<std::uint64_t>(time.Minute) << 8 |
           static_cast<std::uint64_t>(time.Second) << 16;
}

std::uint8_t Byte(std::uint64_t payload, int shift) {
    return static_cast<std::uint8_t>(payload >> shift);
}

AdisDate DateFromPayload(std::uint64_t payload) {
    return AdisDate{static_cast<std::int16_t>(static_cast<std::uint16_t>(payload)),
                    Byte(payload, 16),
                    Byte(payload, 24),
                    Byte(payload, 32),
                    Byte(payload, 40),
                    Byte(payload, 48)};
}

AdisTime TimeFromPayload(std::uint64_t payload) {
    return AdisTime{Byte(payload, 0), Byte(payload, 8), Byte(payload, 16)};
}

std::uint64_t TextPayload(std::size_t offset, std::size_t size) {
    return static_cast<std::uint64_t>(offset) | static_cast<std::uint64_t>(size) << 32;
}

void PutTwoDigits(char* at, int value) {
    value %= 100;
    at[0] = static_cast<char>('0' + value / 10);
    at[1] = static_cast<char>('0' + value % 10);
}

// A text field stored as it stands (not "?" or "|" throughout).
bool IsPlainTextField(std::int16_t dataType, std::string_view field) {
    if (dataType == modADIS::TypeNumber || dataType == modADIS::TypeDate ||
        dataType == modADIS::TypeTime)
        return false;
    return field.empty() || (field.front() != '?' && field.front() != '|') ||
           (!AdisText::IsAllOf(field, '?') && !AdisText::IsAllOf(field, '|'));
}

// As AdisDate::Make decides it: a day that exists, in the years 1 to 9999.
bool IsDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && leap ? 29 : kDays[month - 1]);
}

// Whether a field of a value line is written back exactly as it was read (but
// for control characters, which become blanks): any text, a number of plain
// digits right-aligned without leading zeros, a valid date of 8 digits or time
// of 6, "?" or "|" throughout. Anything else is read and written by the
// general rules.
bool IsWrittenAsRead(std::string_view field, std::int16_t dataType, std::int16_t resolution) {
    switch (dataType) {
    case modADIS::TypeNumber: {
        std::size_t pos = 0;
        while (pos < field.size() && field[pos] == ' ')
            ++pos;
        const bool negative = pos < field.size() && field[pos] == '-';
        const std::string_view digits = field.substr(pos + (negative ? 1 : 0));
        // No leading zero: "0" alone, never "-0" or "007".
        if (!digits.empty() && digits.size() <= 18 && AllDigits(digits) && resolution >= 0 &&
            resolution <= AdisNumber::MaxScale &&
            (digits.front() != '0' || (digits.size() == 1 && !negative)))
            return true;
        break;
    }
    case modADIS::TypeDate:
        if (field.size() == 8 && AllDigits(field) &&
            IsDate(Digits(field, 0, 4), Digits(field, 4, 2), Digits(field, 6, 2)))
            return true;
        break;
    case modADIS::TypeTime:
        if (field.size() == 6 && AllDigits(field) && Digits(field, 0, 2) < 24 &&
            Digits(field, 2, 2) < 60 && Digits(field, 4, 2) < 60)
            return true;
        break;
    default:
        return true;
    }
    return field.empty() || AdisText::IsAllOf(field, '?') || AdisText::IsAllOf(field, '|');
}

// Bit i set where byte i of the 8 bytes at `at` (plain ASCII) is a digit, a
// blank or a minus; 8 bytes at a time, without a branch per byte.
struct ByteClasses {
    unsigned digits;
    unsigned blanks;
    unsigned minus;
};
constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

unsigned HighBitsToMask(std::uint64_t high) {
    return static_cast<unsigned>(((high >> 7) * 0x0102040810204080u) >> 56);
}

// For words whose bytes are all below 0x80, so that no byte carries into the next.
ByteClasses ClassesOf(std::uint64_t word) {
    const std::uint64_t digits =
        (word + kOnes * (0x80 - '0')) & ~(word + kOnes * (0x80 - '9' - 1)) & kHighBits;
    const std::uint64_t blankXor = word ^ (kOnes * ' ');
    const std::uint64_t minusXor = word ^ (kOnes * '-');
    return {HighBitsToMask(digits), HighBitsToMask(~(blankXor + kOnes * 0x7F) & kHighBits),
            HighBitsToMask(~(minusXor + kOnes * 0x7F) & kHighBits)};
}

// IsWrittenAsRead of a number field for the common case, in a few word
// operations: true only when the field is blanks, an optional minus and digits
// without a leading zero (or "0" alone). `field` is followed by at least 16
// readable bytes; `false` means "not decided here".
// The width is 1 to 16 and the resolution one a number can have.
bool IsPlainNumberField(const char* field, std::size_t width) {
    if constexpr (std::endian::native != std::endian::little)
        return false;
    std::uint64_t low = 0;
    std::memcpy(&low, field, 8);
    const unsigned full = (1u << width) - 1;
    unsigned digits = 0, blanks = 0, minus = 0;
    if (width <= 8) { // nearly all: one word
        if (HighBitsToMask(low & kHighBits) & full)
            return false;
        // Bytes beyond the field may be anything; only those of the field count.
        const ByteClasses a = ClassesOf(low & ~kHighBits);
        digits = a.digits & full;
        blanks = a.blanks & full;
        minus = a.minus & full;
    } else {
        std::uint64_t high = 0;
        std::memcpy(&high, field + 8, 8);
        if ((HighBitsToMask(low & kHighBits) | HighBitsToMask(high & kHighBits) << 8) & full)
            return false;
        const ByteClasses a = ClassesOf(low & ~kHighBits), b = ClassesOf(high & ~kHighBits);
        digits = (a.digits | b.digits << 8) & full;
        blanks = (a.blanks | b.blanks << 8) & full;
        minus = (a.minus | b.minus << 8) & full;
    }
    if ((digits | blanks | minus) != full || (blanks & (blanks + 1)) != 0)
        return false; // another character, or a blank after the first non-blank
    const unsigned lead = static_cast<unsigned>(std::countr_one(blanks));
    const unsigned sign = minus == 0 ? 0 : minus == 1u << lead ? 1 : 2;
    if (sign == 2)
        return false;
    const unsigned first = lead + sign;
    if (first >= width || digits != (full & ~((1u << first) - 1)))
        return false;
    return field[first] != '0' || (first + 1 == width && sign == 0);
}

// Writes the number zero-filled into at[0, width).
void PutZeroFilled(char* at, int number, int width) {
    for (int i = width; i-- > 0; number /= 10)
        at[i] = static_cast<char>('0' + number % 10);
}

} // namespace

clsAdisItemValues::clsAdisItemValues(const clsAdisItemValues& other) {
    *this = other;
}

clsAdisItemValues& clsAdisItemValues::operator=(const clsAdisItemValues& other) {
    if (this == &other)
        return *this;
    Clear();
    if (other.KeepsFields()) {
        const auto& groups = other.FieldLayout()->Groups();
        MakeRoom(other.count_, other.TextBytes());
        for (std::size_t i = 0; i < other.count_; ++i) {
            const auto& group = groups[other.FieldLayout()->ValueGroup(i)];
            AppendField(group.ddNo, other.FieldAt(i), group.dataType, group.resolution);
        }
        return *this;
    }
    std::size_t texts = 0;
    for (std::size_t i = 0; i < other.count_; ++i)
        if (other.Kinds()[i] == AdisValueKind::Text)
            texts += other.TextAt(i).size();
    MakeRoom(other.count_, texts);
    for (std::size_t i = 0; i < other.count_; ++i) {
        if (other.Kinds()[i] == AdisValueKind::Text) {
            PutText(i, other.DDNos()[i], other.TextAt(i));
        } else {
            Payloads()[i] = other.Payloads()[i];
            DDNos()[i] = other.DDNos()[i];
            Kinds()[i] = other.Kinds()[i];
            Scales()[i] = other.Scales()[i];
        }
    }
    count_ = other.count_;
    return *this;
}

clsAdisItemValues::clsAdisItemValues(clsAdisItemValues&& other) {
    *this = std::move(other);
}

clsAdisItemValues& clsAdisItemValues::operator=(clsAdisItemValues&& other) {
    if (this == &other)
        return *this;
    if (!other.KeepsFields() && (!other.block_ || other.block_.owned())) {
        block_ = std::move(other.block_);
        SetRoom(other.Capacity(), other.TextCapacity());
        count_ = other.count_;
        textSize_ = other.textSize_;
        other.SetRoom(0, 0);
        other.count_ = 0;
        other.textSize_ = 0;
        return *this;
    }
    *this = static_cast<const clsAdisItemValues&>(other);
    other.Clear();
    return *this;
}

void clsAdisItemValues::BorrowFields(const AdisValueLineLayout& layout, const char* fields) {
    block_ = BorrowedStorage(reinterpret_cast<std::byte*>(const_cast<char*>(fields)));
    KeepFieldsOf(layout);
    count_ = static_cast<std::uint32_t>(layout.Values());
    textSize_ = 0;
}

std::int32_t clsAdisItemValues::DDNoAt(std::size_t index) const {
    return KeepsFields() ? FieldLayout()->ValueDDNos()[index] : DDNos()[index];
}

std::string_view clsAdisItemValues::FieldAt(std::size_t index) const {
    const auto& group = FieldLayout()->Groups()[FieldLayout()->ValueGroup(index)];
    return {reinterpret_cast<const char*>(block_.get()) + group.offset,
            static_cast<std::size_t>(group.length)};
}

void clsAdisItemValues::DecodeFields() {
    if (!KeepsFields())
        return;
    clsAdisItemValues decoded;
    decoded = *this;
    *this = std::move(decoded);
}

void clsAdisItemValues::BorrowBlock(std::byte* block, std::size_t values, std::size_t textBytes) {
    block_ = BorrowedStorage(block);
    SetRoom(static_cast<std::uint32_t>(values), static_cast<std::uint32_t>(textBytes));
    count_ = 0;
    textSize_ = 0;
}

std::string_view clsAdisItemValues::TextAt(std::size_t index) const {
    const std::uint64_t payload = Payloads()[index];
    return {Texts() + (payload & 0xFFFFFFFFu), static_cast<std::size_t>(payload >> 32)};
}

void clsAdisItemValues::MakeRoom(std::size_t values, std::size_t textBytes) {
    DecodeFields();
    if (values <= Capacity() && textSize_ + textBytes <= TextCapacity())
        return;
    std::size_t texts = 0; // the texts in use, which the new block takes compacted
    for (std::size_t i = 0; i < count_; ++i)
        if (Kinds()[i] == AdisValueKind::Text)
            texts += TextAt(i).size();
    if (texts + textBytes > kMostTextBytes || values > UINT32_MAX / kBytesPerValue)
        RaiseTooLong();
    const std::size_t capacity =
        values <= Capacity() ? Capacity() : std::max<std::size_t>(values, Capacity() * 2);
    const std::size_t textCapacity =
        std::max<std::size_t>(texts + textBytes, count_ == 0 ? 0 : TextCapacity() * 2);
    Regrow(std::min<std::size_t>(capacity, UINT32_MAX / kBytesPerValue),
           std::min<std::size_t>(textCapacity, kMostTextBytes));
}

void clsAdisItemValues::Regrow(std::size_t capacity, std::size_t textCapacity) {
    clsAdisItemValues grown;
    grown.block_ =
        OwnedStorage<std::byte>(std::max<std::size_t>(1, BlockBytes(capacity, textCapacity)));
    grown.SetRoom(static_cast<std::uint32_t>(capacity), static_cast<std::uint32_t>(textCapacity));
    for (std::size_t i = 0; i < count_; ++i) {
        if (Kinds()[i] == AdisValueKind::Text) {
            grown.PutText(i, DDNos()[i], TextAt(i));
        } else {
            grown.Payloads()[i] = Payloads()[i];
            grown.DDNos()[i] = DDNos()[i];
            grown.Kinds()[i] = Kinds()[i];
            grown.Scales()[i] = Scales()[i];
        }
    }
    block_ = std::move(grown.block_);
    SetRoom(grown.Capacity(), grown.TextCapacity());
    textSize_ = grown.textSize_;
}

void clsAdisItemValues::PutText(std::size_t index, std::int32_t ddNo, std::string_view text) {
    if (!text.empty())
        std::memcpy(Texts() + textSize_, text.data(), text.size());
    Payloads()[index] = TextPayload(textSize_, text.size());
    DDNos()[index] = ddNo;
    Kinds()[index] = AdisValueKind::Text;
    Scales()[index] = 0;
    textSize_ += static_cast<std::uint32_t>(text.size());
}

void clsAdisItemValues::Put(std::size_t index, std::int32_t ddNo, const AdisValue& value) {
    std::uint64_t payload = 0;
    std::uint8_t scale = 0;
    switch (KindOf(value)) {
    case AdisValueKind::Number: {
        const auto& number = std::get<AdisNumber>(value);
        scale = static_cast<std::uint8_t>(number.Scale());
        payload = static_cast<std::uint64_t>(number.Mantissa());
        break;
    }
    case AdisValueKind::Date:
        payload = ToPayload(std::get<AdisDate>(value));
        break;
    case AdisValueKind::Time:
        payload = ToPayload(std::get<AdisTime>(value));
        break;
    case AdisValueKind::Text:
        PutText(index, ddNo, std::get<std::string>(value));
        return;
    default:
        break;
    }
    PutRaw(index, ddNo, KindOf(value), scale, payload);
}

void clsAdisItemValues::InsertAt(std::size_t index, std::int32_t ddNo, const AdisValue& value) {
    const std::size_t text =
        KindOf(value) == AdisValueKind::Text ? std::get<std::string>(value).size() : 0;
    MakeRoom(count_ + 1, text);
    const std::size_t behind = count_ - index;
    std::memmove(Payloads() + index + 1, Payloads() + index, behind * sizeof(std::uint64_t));
    std::memmove(DDNos() + index + 1, DDNos() + index, behind * sizeof(std::int32_t));
    std::memmove(Kinds() + index + 1, Kinds() + index, behind);
    std::memmove(Scales() + index + 1, Scales() + index, behind);
    Put(index, ddNo, value);
    ++count_;
}

void clsAdisItemValues::EraseAt(std::size_t index) {
    DecodeFields();
    const std::size_t behind = count_ - index - 1;
    std::memmove(Payloads() + index, Payloads() + index + 1, behind * sizeof(std::uint64_t));
    std::memmove(DDNos() + index, DDNos() + index + 1, behind * sizeof(std::int32_t));
    std::memmove(Kinds() + index, Kinds() + index + 1, behind);
    std::memmove(Scales() + index, Scales() + index + 1, behind);
    --count_;
}

AdisValue clsAdisItemValues::ValueAt(std::size_t index) const {
    if (KeepsFields()) {
        const auto& group = FieldLayout()->Groups()[FieldLayout()->ValueGroup(index)];
        return modADIS::DecodeField(FieldAt(index), group.dataType, group.resolution, true);
    }
    const std::uint64_t payload = Payloads()[index];
    switch (Kinds()[index]) {
    case AdisValueKind::Empty:
        return AdisEmpty{};
    case AdisValueKind::Null:
        return AdisNull{};
    case AdisValueKind::Number:
        return AdisNumber(static_cast<std::int64_t>(payload), Scales()[index]);
    case AdisValueKind::Date:
        return DateFromPayload(payload);
    case AdisValueKind::Time:
        return TimeFromPayload(payload);
    case AdisValueKind::Text:
        return std::string(TextAt(index));
    }
    return AdisNull{};
}

clsAdisItemValue clsAdisItemValues::ElementAt(std::size_t index) const {
    clsAdisItemValue element;
    element.DDNo = DDNoAt(index);
    element.Key = std::to_string(element.DDNo);
    element.Value = ValueAt(index);
    return element;
}

std::optional<std::size_t> clsAdisItemValues::IndexOf(std::int32_t ddNo) const {
    const std::int32_t* ddNos = KeepsFields() ? FieldLayout()->ValueDDNos().data() : DDNos();
    for (std::size_t i = 0; i < count_; ++i)
        if (ddNos[i] == ddNo)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> clsAdisItemValues::IndexOfKey(std::string_view key) const {
    const auto ddNo = AdisText::ParseKeyNumber(key);
    return ddNo ? IndexOf(*ddNo) : std::nullopt;
}

bool clsAdisItemValues::Add(const clsAdisItemValue& element, std::string_view before,
                            std::string_view after) {
    if (!element.Key.empty() && element.Key != std::to_string(element.DDNo))
        RaiseInvalid();
    if (IndexOf(element.DDNo))
        throw LinkError(LinkErrors::DuplicateKey,
                        "This key is already associated with an element of this collection");
    std::size_t position = count_;
    if (!before.empty() || !after.empty()) {
        const auto anchor = IndexOfKey(before.empty() ? after : before);
        if (!anchor)
            RaiseInvalid();
        position = *anchor + (before.empty() ? 1 : 0);
    }
    InsertAt(position, element.DDNo, element.Value);
    return true;
}

bool clsAdisItemValues::AddItem(std::int32_t ddNo, const AdisValue& value) {
    if (IndexOf(ddNo))
        return false;
    AppendItem(ddNo, value);
    return true;
}

bool clsAdisItemValues::AddItemText(std::int32_t ddNo, std::string_view text) {
    if (IndexOf(ddNo))
        return false;
    AppendItemText(ddNo, text);
    return true;
}

void clsAdisItemValues::AppendItem(std::int32_t ddNo, const AdisValue& value) {
    InsertAt(count_, ddNo, value);
}

void clsAdisItemValues::AppendItemText(std::int32_t ddNo, std::string_view text) {
    MakeRoom(count_ + 1, text.size());
    PutText(count_, ddNo, text);
    ++count_;
}

void clsAdisItemValues::PutRaw(std::size_t index, std::int32_t ddNo, AdisValueKind kind,
                               std::uint8_t scale, std::uint64_t payload) {
    Payloads()[index] = payload;
    DDNos()[index] = ddNo;
    Kinds()[index] = kind;
    Scales()[index] = scale;
}

bool clsAdisItemValues::PutPlainDigits(std::size_t index, std::int32_t ddNo, std::string_view field,
                                       std::int16_t dataType, std::int16_t resolution) {
    switch (dataType) {
    case modADIS::TypeNumber: {
        const auto integer = PlainInteger(field);
        if (!integer)
            return false;
        if (resolution < 0 || resolution > AdisNumber::MaxScale)
            PutRaw(index, ddNo, AdisValueKind::Null, 0, 0);
        else
            PutRaw(index, ddNo, AdisValueKind::Number, static_cast<std::uint8_t>(resolution),
                   static_cast<std::uint64_t>(*integer));
        return true;
    }
    case modADIS::TypeDate: {
        if (field.size() < 8 || !AllDigits(field.substr(0, 8)))
            return false;
        const int year = Digits(field, 0, 4), month = Digits(field, 4, 2),
                  day = Digits(field, 6, 2);
        if (IsDate(year, month, day))
            PutRaw(index, ddNo, AdisValueKind::Date, 0,
                   ToPayload(AdisDate{static_cast<std::int16_t>(year),
                                      static_cast<std::uint8_t>(month),
                                      static_cast<std::uint8_t>(day), 0, 0, 0}));
        else
            PutRaw(index, ddNo, AdisValueKind::Null, 0, 0);
        return true;
    }
    case modADIS::TypeTime: {
        if (field.size() < 6 || !AllDigits(field.substr(0, 6)))
            return false;
        const int hour = Digits(field, 0, 2), minute = Digits(field, 2, 2),
                  second = Digits(field, 4, 2);
        if (hour < 24 && minute < 60 && second < 60)
            PutRaw(index, ddNo, AdisValueKind::Time, 0,
                   ToPayload(AdisTime{static_cast<std::uint8_t>(hour),
                                      static_cast<std::uint8_t>(minute),
                                      static_cast<std::uint8_t>(second)}));
        else
            PutRaw(index, ddNo, AdisValueKind::Null, 0, 0);
        return true;
    }
    default:
        return false;
    }
}

void clsAdisItemValues::AppendField(std::int32_t ddNo, std::string_view field,
                                    std::int16_t dataType, std::int16_t resolution) {
    const bool text = IsPlainTextField(dataType, field);
    // A line being read has room made for its fields.
    if (count_ < Capacity() && text && textSize_ + field.size() <= TextCapacity()) {
        PutText(count_++, ddNo, field);
        return;
    }
    if (text) {
        AppendItemText(ddNo, field);
        return;
    }
    MakeRoom(count_ + 1, 0);
    if (PutPlainDigits(count_, ddNo, field, dataType, resolution)) {
        ++count_;
        return;
    }
    const AdisValue value = modADIS::DecodeField(field, dataType, resolution, true);
    if (count_ < Capacity() && KindOf(value) != AdisValueKind::Text) {
        Put(count_++, ddNo, value);
        return;
    }
    AppendItem(ddNo, value);
}

std::optional<const clsAdisItemValue> clsAdisItemValues::Item(std::string_view key) const {
    if (const auto index = IndexOfKey(key))
        return ElementAt(*index);
    return std::nullopt;
}

std::optional<const clsAdisItemValue> clsAdisItemValues::Item(long position) const {
    if (!Exists(position))
        return std::nullopt;
    return ElementAt(static_cast<std::size_t>(position - 1));
}

std::optional<AdisValue> clsAdisItemValues::ValueOf(std::int32_t ddNo) const {
    if (const auto index = IndexOf(ddNo))
        return ValueAt(*index);
    return std::nullopt;
}

bool clsAdisItemValues::AppendKeyText(std::int32_t ddNo, std::string& out) const {
    const auto index = IndexOf(ddNo);
    if (!index)
        return false;
    AppendKeyTextAt(*index, out);
    return true;
}

void clsAdisItemValues::AppendKeyTextAt(std::size_t position, std::string& out) const {
    if (KeepsFields()) {
        AdisValues::AppendKeyText(out, ValueAt(position));
        return;
    }
    const std::uint64_t payload = Payloads()[position];
    switch (Kinds()[position]) {
    case AdisValueKind::Text:
        out.append(TextAt(position));
        return;
    case AdisValueKind::Date: {
        const AdisDate date = DateFromPayload(payload);
        if (date.Year < 0 || date.Hour != 0 || date.Minute != 0 || date.Second != 0)
            break;
        char text[10] = {'0', '0', '0', '0', '-', '0', '0', '-', '0', '0'};
        PutZeroFilled(text, date.Year, 4);
        PutZeroFilled(text + 5, date.Month, 2);
        PutZeroFilled(text + 8, date.Day, 2);
        out.append(text, 10);
        return;
    }
    case AdisValueKind::Time: {
        const AdisTime time = TimeFromPayload(payload);
        char text[8] = {'0', '0', ':', '0', '0', ':', '0', '0'};
        PutZeroFilled(text, time.Hour, 2);
        PutZeroFilled(text + 3, time.Minute, 2);
        PutZeroFilled(text + 6, time.Second, 2);
        out.append(text, 8);
        return;
    }
    default:
        break;
    }
    AdisValues::AppendKeyText(out, ValueAt(position));
}

std::size_t clsAdisItemValues::TextBytes() const {
    std::size_t bytes = 0;
    if (KeepsFields()) { // at most the fields of texts
        for (std::size_t i = 0; i < count_; ++i) {
            const auto type = FieldLayout()->Groups()[FieldLayout()->ValueGroup(i)].dataType;
            if (type != modADIS::TypeNumber && type != modADIS::TypeDate &&
                type != modADIS::TypeTime)
                bytes += FieldAt(i).size();
        }
        return bytes;
    }
    for (std::size_t i = 0; i < count_; ++i)
        if (Kinds()[i] == AdisValueKind::Text)
            bytes += static_cast<std::size_t>(Payloads()[i] >> 32);
    return bytes;
}

bool clsAdisItemValues::SetValue(std::int32_t ddNo, const AdisValue& value) {
    const auto index = IndexOf(ddNo);
    if (!index)
        return false;
    DecodeFields();
    if (KindOf(value) == AdisValueKind::Text)
        MakeRoom(count_, std::get<std::string>(value).size());
    Put(*index, ddNo, value);
    return true;
}

bool clsAdisItemValues::ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo) {
    const auto index = IndexOf(oldDDNo);
    if (!index || IndexOf(newDDNo))
        return false;
    DecodeFields();
    DDNos()[*index] = newDDNo;
    return true;
}

AdisValue clsAdisItemValues::FieldValue(std::size_t position, std::int32_t ddNo) const {
    if (position < count_ && DDNoAt(position) == ddNo)
        return ValueAt(position);
    if (const auto index = IndexOf(ddNo))
        return ValueAt(*index);
    return AdisEmpty{};
}

char* clsAdisItemValues::PutPlainField(char* at, std::size_t index, std::int16_t length,
                                       std::int16_t resolution) const {
    const auto width = static_cast<std::size_t>(length);
    const std::uint64_t payload = Payloads()[index];
    switch (Kinds()[index]) {
    case AdisValueKind::Empty:
        std::memset(at, '|', width);
        return at + width;
    case AdisValueKind::Null:
        std::memset(at, '?', width);
        return at + width;
    case AdisValueKind::Number: {
        if (Scales()[index] != resolution)
            return nullptr; // rounded to the field's resolution by the general rules
        auto mantissa = static_cast<std::int64_t>(payload);
        if (mantissa < 0 || mantissa >= 1000000000000000000)
            return nullptr;
        char* p = at + width;
        do {
            if (p == at)
                return nullptr; // does not fit: "?" throughout, by the general rules
            *--p = static_cast<char>('0' + mantissa % 10);
            mantissa /= 10;
        } while (mantissa != 0);
        std::memset(at, ' ', static_cast<std::size_t>(p - at));
        return at + width;
    }
    case AdisValueKind::Date: {
        const AdisDate date = DateFromPayload(payload);
        if (length == 8 && date.Year >= 0 && date.Month < 100 && date.Day < 100) {
            const int year = date.Year % 10000;
            PutTwoDigits(at, year / 100);
            PutTwoDigits(at + 2, year);
            PutTwoDigits(at + 4, date.Month);
            PutTwoDigits(at + 6, date.Day);
            return at + 8;
        }
        if (length == 6) {
            PutTwoDigits(at, date.Hour);
            PutTwoDigits(at + 2, date.Minute);
            PutTwoDigits(at + 4, date.Second);
            return at + 6;
        }
        return nullptr;
    }
    case AdisValueKind::Time: {
        if (length != 6)
            return nullptr;
        const AdisTime time = TimeFromPayload(payload);
        PutTwoDigits(at, time.Hour);
        PutTwoDigits(at + 2, time.Minute);
        PutTwoDigits(at + 4, time.Second);
        return at + 6;
    }
    case AdisValueKind::Text: {
        const std::string_view text = TextAt(index);
        if (!AdisText::IsAscii(text))
            return nullptr; // widths count characters
        const std::size_t taken = std::min(text.size(), width);
        std::memcpy(at, text.data(), taken);
        AdisText::BlankControls(at, at + taken);
        std::memset(at + taken, ' ', width - taken);
        return at + width;
    }
    }
    return nullptr;
}

void clsAdisItemValues::AppendFields(std::string& out,
                                     std::span<const modADIS::FieldFormat> formats) const {
    if (KeepsFields()) {
        if (!AppendFieldsAsRead(out, formats))
            for (std::size_t i = 0; i < formats.size(); ++i)
                modADIS::AppendValueField(out, FieldValue(i, formats[i].ddNo), formats[i].length,
                                          formats[i].resolution);
        return;
    }
    std::size_t total = 0;
    for (const auto& format : formats)
        total += format.length > 0 ? static_cast<std::size_t>(format.length) : 0;
    std::size_t start = out.size();
    out.resize(start + total);
    // Nearly every field is written into the room made for the line; the rest,
    // and every field after one of them, by the general rules.
    char* at = out.data() + start;
    std::size_t i = 0;
    for (; i < formats.size(); ++i) {
        const auto& format = formats[i];
        if (format.length <= 0)
            continue;
        const std::size_t index =
            i < count_ && DDNos()[i] == format.ddNo ? i : IndexOf(format.ddNo).value_or(count_);
        char* end = nullptr;
        if (index < count_) {
            end = PutPlainField(at, index, format.length, format.resolution);
        } else { // a value the line lacks is Empty
            end = at + format.length;
            std::memset(at, '|', static_cast<std::size_t>(format.length));
        }
        if (!end)
            break;
        at = end;
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    for (; i < formats.size(); ++i)
        modADIS::AppendValueField(out, FieldValue(i, formats[i].ddNo), formats[i].length,
                                  formats[i].resolution);
}

void clsAdisItemValues::Remove(std::string_view key) {
    const auto index = IndexOfKey(key);
    if (!index)
        RaiseInvalid();
    EraseAt(*index);
}

void clsAdisItemValues::Remove(long position) {
    if (!Exists(position))
        RaiseInvalid();
    EraseAt(static_cast<std::size_t>(position - 1));
}

void clsAdisItemValues::Clear() {
    if (KeepsFields()) {
        block_.reset();
        SetRoom(0, 0);
    }
    count_ = 0;
    textSize_ = 0;
}

bool clsAdisItemValues::AppendFieldsAsRead(std::string& out,
                                           std::span<const modADIS::FieldFormat> formats) const {
    // Only where the formats are the layout's groups, one value each.
    if (!FieldLayout()->IsWrittenBy(formats))
        return false;
    const std::size_t start = out.size();
    const std::size_t length = FieldLayout()->FieldLength();
    out.append(reinterpret_cast<const char*>(block_.get()), length);
    // Room behind the last field, so that a number field is checked in whole words.
    constexpr std::size_t kWordRoom = 16;
    out.append(kWordRoom, ' ');
    // A field stands as it was read when that is how it is written (texts
    // always); the rest are written again from their values.
    bool asRead = true;
    for (const auto& number : FieldLayout()->PlainNumberFields()) {
        const char* const field = out.data() + start + number.offset;
        if (!IsPlainNumberField(field, number.width) &&
            !IsWrittenAsRead(std::string_view(field, number.width), modADIS::TypeNumber,
                             number.resolution))
            asRead = false;
    }
    const auto& groups = FieldLayout()->Groups();
    for (const std::uint32_t group : FieldLayout()->OtherCheckedGroups()) {
        const std::string_view text(out.data() + start + groups[group].offset,
                                    static_cast<std::size_t>(groups[group].length));
        asRead = IsWrittenAsRead(text, groups[group].dataType, groups[group].resolution) && asRead;
    }
    for (std::size_t i = 0; !asRead && i < groups.size(); ++i) {
        char* const field = out.data() + start + groups[i].offset;
        const std::string_view text(field, static_cast<std::size_t>(groups[i].length));
        if (IsWrittenAsRead(text, groups[i].dataType, groups[i].resolution))
            continue;
        std::string rewritten;
        modADIS::AppendValueField(rewritten, ValueAt(i), groups[i].length, groups[i].resolution);
        if (rewritten.size() != text.size()) { // a text outside ASCII: widths count characters
            out.resize(start);
            return false;
        }
        std::memcpy(field, rewritten.data(), rewritten.size());
    }
    out.resize(start + length);
    AdisText::BlankControls(out, start); // texts as they stand may hold some
    return true;
}

void clsAdisItemValues::Reserve(std::size_t n, std::size_t textBytes) {
    DecodeFields();
    if (textSize_ + textBytes > kMostTextBytes || n > UINT32_MAX / kBytesPerValue)
        RaiseTooLong();
    if (n > Capacity() || textSize_ + textBytes > TextCapacity())
        Regrow(std::max<std::size_t>(n, Capacity()),
               std::max<std::size_t>(textSize_ + textBytes, TextCapacity()));
}
