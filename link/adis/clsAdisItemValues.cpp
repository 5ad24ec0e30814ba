#include "clsAdisItemValues.h"

#include "AdisText.h"
#include "common/LinkError.h"

namespace {

[[noreturn]] void RaiseInvalid() {
    throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
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

} // namespace

clsAdisItemValues::Slot clsAdisItemValues::MakeSlot(std::int32_t ddNo, const AdisValue& value) {
    Slot slot{ddNo, KindOf(value), 0, 0};
    switch (slot.kind) {
    case AdisValueKind::Number: {
        const auto& number = std::get<AdisNumber>(value);
        slot.scale = static_cast<std::uint8_t>(number.Scale());
        slot.payload = static_cast<std::uint64_t>(number.Mantissa());
        break;
    }
    case AdisValueKind::Date:
        slot.payload = ToPayload(std::get<AdisDate>(value));
        break;
    case AdisValueKind::Time:
        slot.payload = ToPayload(std::get<AdisTime>(value));
        break;
    case AdisValueKind::Text: {
        const auto& text = std::get<std::string>(value);
        if (texts_.size() + text.size() > UINT32_MAX)
            throw LinkError(LinkErrors::InvalidArgument, "Text of a value line too long");
        slot.payload = static_cast<std::uint64_t>(texts_.size()) |
                       (static_cast<std::uint64_t>(text.size()) << 32);
        texts_ += text;
        break;
    }
    default:
        break;
    }
    return slot;
}

AdisValue clsAdisItemValues::ValueAt(std::size_t index) const {
    const Slot& slot = slots_[index];
    switch (slot.kind) {
    case AdisValueKind::Empty:
        return AdisEmpty{};
    case AdisValueKind::Null:
        return AdisNull{};
    case AdisValueKind::Number:
        return AdisNumber(static_cast<std::int64_t>(slot.payload), slot.scale);
    case AdisValueKind::Date:
        return DateFromPayload(slot.payload);
    case AdisValueKind::Time:
        return TimeFromPayload(slot.payload);
    case AdisValueKind::Text:
        return std::string(texts_, slot.payload & 0xFFFFFFFFu, slot.payload >> 32);
    }
    return AdisNull{};
}

clsAdisItemValue clsAdisItemValues::ElementAt(std::size_t index) const {
    clsAdisItemValue element;
    element.DDNo = slots_[index].ddNo;
    element.Key = std::to_string(element.DDNo);
    element.Value = ValueAt(index);
    return element;
}

std::optional<std::size_t> clsAdisItemValues::IndexOf(std::int32_t ddNo) const {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].ddNo == ddNo)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> clsAdisItemValues::IndexOfKey(std::string_view key) const {
    const auto ddNo = AdisText::ParseKeyNumber(key);
    return ddNo ? IndexOf(*ddNo) : std::nullopt;
}

void clsAdisItemValues::InsertAt(std::size_t index, const Slot& slot) {
    slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(index), slot);
}

bool clsAdisItemValues::Add(const clsAdisItemValue& element, std::string_view before,
                            std::string_view after) {
    if (!element.Key.empty() && element.Key != std::to_string(element.DDNo))
        RaiseInvalid();
    if (IndexOf(element.DDNo))
        throw LinkError(LinkErrors::DuplicateKey,
                        "This key is already associated with an element of this collection");
    std::size_t position = slots_.size();
    if (!before.empty() || !after.empty()) {
        const auto anchor = IndexOfKey(before.empty() ? after : before);
        if (!anchor)
            RaiseInvalid();
        position = *anchor + (before.empty() ? 1 : 0);
    }
    InsertAt(position, MakeSlot(element.DDNo, element.Value));
    return true;
}

bool clsAdisItemValues::AddItem(std::int32_t ddNo, AdisValue value) {
    if (IndexOf(ddNo))
        return false;
    slots_.push_back(MakeSlot(ddNo, value));
    return true;
}

bool clsAdisItemValues::AddItemText(std::int32_t ddNo, std::string_view text) {
    if (IndexOf(ddNo))
        return false;
    AppendItemText(ddNo, text);
    return true;
}

void clsAdisItemValues::AppendItem(std::int32_t ddNo, const AdisValue& value) {
    slots_.push_back(MakeSlot(ddNo, value));
}

void clsAdisItemValues::AppendItemText(std::int32_t ddNo, std::string_view text) {
    if (texts_.size() + text.size() > UINT32_MAX)
        throw LinkError(LinkErrors::InvalidArgument, "Text of a value line too long");
    slots_.push_back(Slot{ddNo, AdisValueKind::Text, 0,
                          static_cast<std::uint64_t>(texts_.size()) |
                              (static_cast<std::uint64_t>(text.size()) << 32)});
    texts_.append(text);
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
    const Slot& slot = slots_[*index];
    if (slot.kind == AdisValueKind::Text)
        out.append(texts_, slot.payload & 0xFFFFFFFFu, slot.payload >> 32);
    else
        AdisValues::AppendKeyText(out, ValueAt(*index));
    return true;
}

bool clsAdisItemValues::SetValue(std::int32_t ddNo, const AdisValue& value) {
    const auto index = IndexOf(ddNo);
    if (!index)
        return false;
    slots_[*index] = MakeSlot(ddNo, value);
    return true;
}

bool clsAdisItemValues::ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo) {
    const auto index = IndexOf(oldDDNo);
    if (!index || IndexOf(newDDNo))
        return false;
    slots_[*index].ddNo = newDDNo;
    return true;
}

AdisValue clsAdisItemValues::FieldValue(std::size_t position, std::int32_t ddNo) const {
    if (position < slots_.size() && slots_[position].ddNo == ddNo)
        return ValueAt(position);
    if (const auto index = IndexOf(ddNo))
        return ValueAt(*index);
    return AdisEmpty{};
}

void clsAdisItemValues::Remove(std::string_view key) {
    const auto index = IndexOfKey(key);
    if (!index)
        RaiseInvalid();
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(*index));
}

void clsAdisItemValues::Remove(long position) {
    if (!Exists(position))
        RaiseInvalid();
    slots_.erase(slots_.begin() + (position - 1));
}

void clsAdisItemValues::Clear() {
    slots_.clear();
    texts_.clear();
}
