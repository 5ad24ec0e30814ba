#include "clsAdisDataLines.h"

#include "AdisLinePool.h"
#include "AdisPlainFields.h"
#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisEvents.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <charconv>
#include <utility>

using AdisPlainFields::AllDigits;

namespace {

// TakeChars of a line of plain ASCII, where every character is one byte.
std::string_view TakeBytes(std::string_view line, std::size_t& pos, long width) {
    if (pos >= line.size() || width <= 0)
        return {};
    const std::string_view field = line.substr(pos, static_cast<std::size_t>(width));
    pos += field.size();
    return field;
}

// The windows-1252 byte of the first character of UTF-8 text; a blank for none.
char FirstCharacter(std::string_view text) {
    if (text.empty())
        return ' ';
    if (static_cast<unsigned char>(text.front()) < 0x80)
        return text.front();
    const std::string byte =
        TextEncoding::Utf8ToCp1252(text.substr(0, TextEncoding::ByteOffsetOfChar(text, 1)));
    return byte.empty() ? ' ' : byte.front();
}

bool IsTextType(std::int16_t dataType) {
    return dataType != modADIS::TypeNumber && dataType != modADIS::TypeDate &&
           dataType != modADIS::TypeTime;
}

// A text field stored as it stands (not "?" or "|" throughout).
bool IsPlainText(std::int16_t dataType, std::string_view field) {
    return IsTextType(dataType) && !AdisText::IsAllOf(field, '?') && !AdisText::IsAllOf(field, '|');
}

// A field of a line: in place in a line kept as read, else as it was cut.
std::string_view FieldOf(const AdisValueLineLayout& layout, std::string_view valueLine,
                         const std::vector<std::string_view>& fields, bool asRead,
                         std::size_t group) {
    if (!asRead)
        return fields[group];
    const auto& cut = layout.Groups()[group];
    return valueLine.substr(modADIS::LineFrameLength + cut.offset,
                            static_cast<std::size_t>(cut.length));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

// The key text of a date field of 8 digits ("2024-05-01") or a time field of 6
// ("05:00:00") straight from its digits, as the value's key text reads: "Null"
// when they name no day or time. False for any other field.
bool clsAdisDataLines::AppendDigitsKey(std::int16_t dataType, std::string_view field,
                                       std::string& key) {
    if (dataType == modADIS::TypeDate && field.size() >= 8 && AllDigits(field.substr(0, 8))) {
        static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const int year = (field[0] - '0') * 1000 + (field[1] - '0') * 100 + (field[2] - '0') * 10 +
                         (field[3] - '0');
        const int month = (field[4] - '0') * 10 + (field[5] - '0');
        const int day = (field[6] - '0') * 10 + (field[7] - '0');
        const bool valid = year >= 1 && month >= 1 && month <= 12 && day >= 1 &&
                           day <= (month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1]);
        if (!valid) {
            key += "Null";
            return true;
        }
        const char text[10] = {field[0], field[1], field[2], field[3], '-',
                               field[4], field[5], '-',      field[6], field[7]};
        key.append(text, sizeof text);
        return true;
    }
    if (dataType == modADIS::TypeTime && field.size() >= 6 && AllDigits(field.substr(0, 6))) {
        const int hour = (field[0] - '0') * 10 + (field[1] - '0');
        const int minute = (field[2] - '0') * 10 + (field[3] - '0');
        const int second = (field[4] - '0') * 10 + (field[5] - '0');
        if (hour > 23 || minute > 59 || second > 59) {
            key += "Null";
            return true;
        }
        const char text[8] = {field[0], field[1], ':', field[2], field[3], ':', field[4], field[5]};
        key.append(text, sizeof text);
        return true;
    }
    return false;
}

void clsAdisDataLines::SharePool(std::shared_ptr<AdisLinePool> pool) {
    if (!Owner())
        SetOwner(std::move(pool));
}

AdisLinePool& clsAdisDataLines::Pool() {
    if (!Owner())
        SetOwner(std::make_shared<AdisLinePool>());
    return *static_cast<AdisLinePool*>(Owner().get());
}

std::int32_t clsAdisDataLines::LineEventNo(std::string_view eventField) {
    if (eventField.size() == 6) {
        std::int32_t value = 0;
        bool digits = true;
        for (const char c : eventField) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + (c - '0');
        }
        if (digits)
            return value;
    }
    const auto eventNo = AdisText::ParseWholeNumber(eventField);
    return eventNo && *eventNo >= INT32_MIN && *eventNo <= INT32_MAX
               ? static_cast<std::int32_t>(*eventNo)
               : -1;
}

std::shared_ptr<clsAdisDataLine> clsAdisDataLines::AddItem(std::string_view key,
                                                           std::string_view lineType,
                                                           std::string_view status,
                                                           std::int32_t eventNo) {
    return AddItem(key, lineType, status, eventNo, clsAdisItemValues());
}

std::shared_ptr<clsAdisDataLine>
clsAdisDataLines::AddItem(std::string_view key, std::string_view lineType, std::string_view status,
                          std::int32_t eventNo, clsAdisItemValues&& itemValues) {
    const std::uint32_t hash = HashOf(key);
    const std::size_t entry = EntryForNew(key, hash);
    if (entry == kNoEntry)
        return nullptr;
    std::size_t textBytes = 0;
    itemValues.ForEachValue([&](std::int32_t, const AdisValue& value) {
        if (KindOf(value) == AdisValueKind::Text)
            textBytes += std::get<std::string>(value).size();
    });
    clsAdisDataLine* const line =
        Pool().MakeLine(key, static_cast<std::size_t>(itemValues.Count()), textBytes);
    line->LineType = FirstCharacter(lineType);
    line->Status = FirstCharacter(status);
    line->EventNo = eventNo;
    line->ItemValues = static_cast<const clsAdisItemValues&>(itemValues); // into its block
    itemValues.Clear();
    StoreAt(entry, line, hash);
    return Handle(line);
}

bool clsAdisDataLines::ChangeKey(std::string_view oldKey, std::string newKey) {
    return ChangeKeyWith(oldKey, newKey,
                         [](clsAdisDataLine& line, std::string_view key) { line.Key.Assign(key); });
}

void clsAdisDataLines::CutFields(const AdisValueLineLayout& layout, std::string_view valueLine,
                                 std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t pos = modADIS::LineFrameLength;
    const bool ascii = AdisText::IsAscii(valueLine);
    if (!ascii) {
        pos = 0;
        AdisText::TakeChars(valueLine, pos, static_cast<long>(modADIS::LineFrameLength));
    }
    for (const auto& group : layout.Groups())
        fields.push_back(ascii ? TakeBytes(valueLine, pos, group.length)
                               : AdisText::TakeChars(valueLine, pos, group.length));
}

// The key text of a field: a plain text as it stands, anything else as the
// value's key text.
void clsAdisDataLines::AppendKeyField(const AdisValueLineLayout::Group& group,
                                      std::string_view field, std::string& key) {
    if (IsPlainText(group.dataType, field))
        key += field;
    else if (!AppendDigitsKey(group.dataType, field, key))
        AdisValues::AppendKeyText(
            key, modADIS::DecodeField(field, group.dataType, group.resolution, true));
}

template <class Field>
void clsAdisDataLines::AppendFieldsKey(const AdisValueLineLayout& layout,
                                       const std::vector<int>& keyFields, Field field,
                                       std::string& key) {
    const auto& groups = layout.Groups();
    for (std::size_t k = 0; k < keyFields.size(); ++k) {
        if (k > 0)
            key += '#';
        const int group = keyFields[k];
        if (group < 0)
            key += "Empty";
        else
            AppendKeyField(groups[static_cast<std::size_t>(group)],
                           field(static_cast<std::size_t>(group)), key);
    }
}

// A key of one text field as it stands (an animal's number, mostly) is kept
// once, in the field text.
template <class Field>
std::optional<std::size_t> clsAdisDataLines::KeyInFields(const AdisValueLineLayout& layout,
                                                         const std::vector<int>& keyFields,
                                                         Field field, std::string_view key) {
    if (keyFields.size() != 1 || keyFields[0] < 0)
        return std::nullopt;
    const auto group = static_cast<std::size_t>(keyFields[0]);
    if (field(group) != key)
        return std::nullopt;
    return layout.Groups()[group].offset;
}

bool clsAdisDataLines::CutUnlessAsRead(const AdisValueLineLayout& layout,
                                       std::string_view valueLine,
                                       std::vector<std::string_view>& fields) {
    const bool asRead = valueLine.size() == modADIS::LineFrameLength + layout.FieldLength() &&
                        AdisText::IsAscii(valueLine);
    if (!asRead)
        CutFields(layout, valueLine, fields);
    return asRead;
}

std::string_view clsAdisDataLines::EventField(std::string_view valueLine) {
    if (valueLine.size() >= modADIS::LineFrameLength &&
        AdisText::IsAscii(valueLine.substr(0, modADIS::LineFrameLength)))
        return valueLine.substr(2, 6);
    std::size_t pos = 0;
    AdisText::TakeChars(valueLine, pos, 2);
    return AdisText::TakeChars(valueLine, pos, 6);
}

clsAdisDataLine* clsAdisDataLines::MakeValueLine(const std::shared_ptr<AdisValueLineLayout>& shared,
                                                 const clsAdisEvent& keyEvent, std::int32_t eventNo,
                                                 std::string_view valueLine, std::uint32_t& hash,
                                                 bool& keyIsNew) {
    const AdisValueLineLayout& layout = *shared;
    AdisLinePool& pool = Pool();
    std::vector<std::string_view>& fields = pool.Work().fields;
    std::string& key = pool.Work().key;
    const bool asRead = CutUnlessAsRead(layout, valueLine, fields);
    const auto field = [&](std::size_t group) {
        return FieldOf(layout, valueLine, fields, asRead, group);
    };

    // The key is built from its fields first; its index entry is loaded while the
    // line is made, which is given back when the key proves to be present.
    key.clear();
    const auto& keyFields = pool.Work().KeyFields(shared, keyEvent);
    // Numbers in arrival order are new while every key stored is one of them;
    // such lines are not indexed until a key is looked for.
    keyIsNew = keyFields.empty() && OnlyNewKeys();
    if (keyFields.empty()) {
        do
            key.assign(1, '#').append(std::to_string(nextOrdinal_++));
        while (!keyIsNew && Exists(key));
    }
    AppendFieldsKey(layout, keyFields, field, key);
    if (!keyIsNew) {
        hash = HashOf(key);
        Prefetch(hash);
    }
    return MakeLineOf(shared, key,
                      asRead ? KeyInFields(layout, keyFields, field, key) : std::nullopt, eventNo,
                      valueLine, asRead);
}

clsAdisDataLine* clsAdisDataLines::MakeLineOf(const std::shared_ptr<AdisValueLineLayout>& shared,
                                              std::string_view key,
                                              std::optional<std::size_t> keyInFields,
                                              std::int32_t eventNo, std::string_view valueLine,
                                              bool asRead) {
    AdisLinePool& pool = Pool();
    if (asRead) {
        clsAdisDataLine* const line = pool.MakeLineAsRead(
            key, shared, valueLine.substr(modADIS::LineFrameLength), keyInFields);
        line->LineType = valueLine[0];
        line->Status = valueLine[1];
        line->EventNo = eventNo;
        return line;
    }
    const auto& groups = shared->Groups();
    const std::vector<std::string_view>& fields = pool.Work().fields;
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i].kept && IsTextType(groups[i].dataType))
            textBytes += fields[i].size();
    clsAdisDataLine* const line = pool.MakeLine(key, shared->Values(), textBytes);
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (groups[i].kept)
            line->ItemValues.AppendField(groups[i].ddNo, fields[i], groups[i].dataType,
                                         groups[i].resolution);
    line->LineType = FirstCharacter(valueLine);
    const std::size_t second = valueLine.empty() ? 0
                               : static_cast<unsigned char>(valueLine.front()) < 0x80
                                   ? 1
                                   : TextEncoding::ByteOffsetOfChar(valueLine, 1);
    line->Status = FirstCharacter(valueLine.substr(second));
    line->EventNo = eventNo;
    return line;
}

std::optional<std::size_t> clsAdisDataLines::KeyOfLine(const AdisValueLineLayout& layout,
                                                       const std::vector<int>& keyFields,
                                                       std::string_view valueLine, std::string& key,
                                                       std::vector<std::string_view>& fields) {
    const bool asRead = CutUnlessAsRead(layout, valueLine, fields);
    const auto field = [&](std::size_t group) {
        return FieldOf(layout, valueLine, fields, asRead, group);
    };
    key.clear();
    AppendFieldsKey(layout, keyFields, field, key);
    return asRead ? KeyInFields(layout, keyFields, field, key) : std::nullopt;
}

void clsAdisDataLines::AddReadLine(const std::shared_ptr<AdisValueLineLayout>& layout,
                                   std::string_view key, std::optional<std::size_t> keyInFields,
                                   std::string_view valueLine, bool numbered) {
    SettleValueLine();
    const bool asRead = CutUnlessAsRead(*layout, valueLine, Pool().Work().fields);
    clsAdisDataLine* const line =
        MakeLineOf(layout, key, keyInFields, LineEventNo(EventField(valueLine)), valueLine, asRead);
    if (numbered) {
        long ordinal = 0;
        std::from_chars(key.data() + 1, key.data() + key.size(), ordinal);
        nextOrdinal_ = ordinal + 1;
        if (OnlyNewKeys()) {
            AppendNew(line);
            return;
        }
    }
    StoreValueLine(line, HashOf(key));
}

bool clsAdisDataLines::StoreValueLine(clsAdisDataLine* line, std::uint32_t hash) {
    const std::size_t entry = EntryForNew(line->Key, hash);
    if (entry == kNoEntry) {
        Pool().GiveBack(line); // when it is the block made last
        return false;
    }
    StoreAt(entry, line, hash);
    return true;
}

clsAdisDataLine* clsAdisDataLines::AddValueLine(const std::shared_ptr<AdisValueLineLayout>& layout,
                                                const clsAdisEvent& keyEvent, std::int32_t eventNo,
                                                std::string_view valueLine) {
    SettleValueLine();
    std::uint32_t hash = 0;
    bool keyIsNew = false;
    clsAdisDataLine* const line =
        MakeValueLine(layout, keyEvent, eventNo, valueLine, hash, keyIsNew);
    if (keyIsNew) {
        AppendNew(line);
        return line;
    }
    return StoreValueLine(line, hash) ? line : nullptr;
}

bool clsAdisDataLines::AddValueLineLater(const std::shared_ptr<AdisValueLineLayout>& layout,
                                         const clsAdisEvent& keyEvent, std::int32_t eventNo,
                                         std::string_view valueLine) {
    // Keys numbered in arrival order are looked for among the stored lines.
    if (Pool().Work().KeyFields(layout, keyEvent).empty()) {
        const bool stored = SettleValueLine();
        AddValueLine(layout, keyEvent, eventNo, valueLine);
        return stored;
    }
    std::uint32_t hash = 0;
    bool keyIsNew = false; // keys are made of fields here
    clsAdisDataLine* const line =
        MakeValueLine(layout, keyEvent, eventNo, valueLine, hash, keyIsNew);
    const bool stored = SettleValueLine();
    pending_ = line;
    pendingHash_ = hash;
    return stored;
}

bool clsAdisDataLines::SettleValueLine() {
    if (!pending_)
        return true;
    clsAdisDataLine* const line = std::exchange(pending_, nullptr);
    return StoreValueLine(line, pendingHash_);
}

std::shared_ptr<clsAdisDataLine> clsAdisDataLines::AddItemEx(const clsAdisEvents& events,
                                                             const clsAdisItems& items,
                                                             std::string_view defLine,
                                                             std::string_view valueLine) {
    const std::int32_t eventNo = LineEventNo(EventField(valueLine));
    const auto event = events.Item(modADIS::FormatEventNo(eventNo));
    if (!event)
        return nullptr;
    std::shared_ptr<AdisValueLineLayout>& layout = Pool().Work().layout;
    if (!layout || !layout->IsFor(defLine, items))
        layout = std::make_shared<AdisValueLineLayout>(defLine, items);
    const std::shared_ptr<AdisValueLineLayout> keep = layout; // the pool's may change
    clsAdisDataLine* const line = AddValueLine(keep, *event, eventNo, valueLine);
    return line ? Handle(line) : nullptr;
}
