#include "clsAdisDataLines.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisEvents.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <utility>

namespace {

// TakeChars of a line of plain ASCII, where every character is one byte.
std::string_view TakeBytes(std::string_view line, std::size_t& pos, long width) {
    if (pos >= line.size() || width <= 0)
        return {};
    const std::string_view field = line.substr(pos, static_cast<std::size_t>(width));
    pos += field.size();
    return field;
}

// The event number of six digits (the key text of the event as it stands); -1
// for anything else.
std::int32_t SixDigits(std::string_view field) {
    if (field.size() != 6)
        return -1;
    std::int32_t value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
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

} // namespace

std::shared_ptr<clsAdisDataLine> clsAdisDataLines::AddItem(std::string_view key,
                                                           std::string_view lineType,
                                                           std::string_view status,
                                                           std::int32_t eventNo) {
    return AddItem(key, lineType, status, eventNo, clsAdisItemValues());
}

std::shared_ptr<clsAdisDataLine>
clsAdisDataLines::AddItem(std::string_view key, std::string_view lineType, std::string_view status,
                          std::int32_t eventNo, clsAdisItemValues&& itemValues) {
    if (Exists(key))
        return nullptr;
    auto line = std::make_shared<clsAdisDataLine>(key);
    line->LineType = FirstCharacter(lineType);
    line->Status = FirstCharacter(status);
    line->EventNo = eventNo;
    line->ItemValues = std::move(itemValues);
    Add(line);
    return line;
}

bool clsAdisDataLines::ChangeKey(std::string_view oldKey, std::string newKey) {
    return ChangeKeyWith(oldKey, newKey,
                         [](clsAdisDataLine& line, std::string_view key) { line.Key.Assign(key); });
}

const std::vector<clsAdisDataLines::FieldGroup>&
clsAdisDataLines::GroupsOf(std::string_view defLine, const clsAdisItems& items) {
    if (&items == cachedItems_ && items.Count() == cachedItemCount_ && defLine == cachedDefLine_)
        return cachedGroups_;
    cachedDefLine_ = defLine;
    cachedItems_ = &items;
    cachedItemCount_ = items.Count();
    cachedGroups_.clear();
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(modADIS::LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    while (remaining >= modADIS::DefGroupLength) {
        const auto ddNo = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 8));
        const auto length = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 2));
        const auto resolution = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 1));
        const auto dd = static_cast<std::int32_t>(ddNo);
        cachedGroups_.push_back({dd, static_cast<std::int16_t>(length < 0 ? 0 : length),
                                 static_cast<std::int16_t>(resolution), items.ItemOf(dd)});
        remaining -= modADIS::DefGroupLength;
    }
    cachedUnique_ = true;
    for (std::size_t i = 0; i < cachedGroups_.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (cachedGroups_[i].ddNo == cachedGroups_[j].ddNo)
                cachedUnique_ = false;
    return cachedGroups_;
}

std::int16_t clsAdisDataLines::DataTypeOf(const FieldGroup& group) {
    return group.item ? group.item->DataType : modADIS::TypeUnknown;
}

// A text field that is stored as it stands (not "?" or "|" throughout).
bool clsAdisDataLines::IsPlainText(std::int16_t dataType, std::string_view field) {
    return dataType != modADIS::TypeNumber && dataType != modADIS::TypeDate &&
           dataType != modADIS::TypeTime && !AdisText::IsAllOf(field, '?') &&
           !AdisText::IsAllOf(field, '|');
}

// The key text of the value the line stores for the DD number: that of its
// first field, as the line keeps only the first value of a DD number.
void clsAdisDataLines::AppendKeyField(std::int32_t ddNo, const std::vector<FieldGroup>& groups) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].ddNo != ddNo)
            continue;
        const std::int16_t dataType = DataTypeOf(groups[i]);
        if (IsPlainText(dataType, fields_[i]))
            key_ += fields_[i];
        else
            AdisValues::AppendKeyText(
                key_, modADIS::DecodeField(fields_[i], dataType, groups[i].resolution, true));
        return;
    }
    key_ += "Empty";
}

std::shared_ptr<clsAdisDataLine> clsAdisDataLines::AddItemEx(const clsAdisEvents& events,
                                                             const clsAdisItems& items,
                                                             std::string_view defLine,
                                                             std::string_view valueLine) {
    std::size_t pos = 0;
    const bool ascii = AdisText::IsAscii(valueLine);
    const auto take = [&](long width) {
        return ascii ? TakeBytes(valueLine, pos, width)
                     : AdisText::TakeChars(valueLine, pos, width);
    };
    const std::string_view lineType = take(1);
    const std::string_view status = take(1);
    const std::string_view eventField = take(6);
    // Six digits are the event's key text as they stand.
    std::int32_t lineEventNo = SixDigits(eventField);
    std::shared_ptr<clsAdisEvent> event;
    if (lineEventNo >= 0) {
        event = events.Item(eventField);
    } else {
        const auto eventNo = AdisText::ParseWholeNumber(eventField);
        lineEventNo = eventNo && *eventNo >= INT32_MIN && *eventNo <= INT32_MAX
                          ? static_cast<std::int32_t>(*eventNo)
                          : -1;
        event = events.Item(modADIS::FormatEventNo(lineEventNo));
    }
    if (!event)
        return nullptr;

    // The line key is built from the fields first and its index entry is loaded
    // while the values are decoded into scratch space and the line is made.
    const auto& groups = GroupsOf(defLine, items);
    fields_.clear();
    for (const auto& group : groups)
        fields_.push_back(take(group.length));

    const auto& keyItems = *event->KeyItems();
    const bool ordinalKey = keyItems.Count() == 0;
    std::uint32_t keyHash = 0;
    if (!ordinalKey) {
        key_.clear();
        bool first = true;
        for (const auto& keyItem : keyItems) {
            if (!first)
                key_ += '#';
            first = false;
            AppendKeyField(keyItem->DDNo, groups);
        }
        keyHash = PrefetchKey(key_);
    }

    values_.Clear();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& group = groups[i];
        const std::string_view field = fields_[i];
        const std::int16_t dataType = DataTypeOf(group);
        // A definition without repeated DD numbers needs no test for them.
        if (IsPlainText(dataType, field)) {
            if (cachedUnique_)
                values_.AppendItemText(group.ddNo, field);
            else
                values_.AddItemText(group.ddNo, field);
            continue;
        }
        AdisValue value = modADIS::DecodeField(field, dataType, group.resolution, true);
        if (cachedUnique_)
            values_.AppendItem(group.ddNo, value);
        else
            values_.AddItem(group.ddNo, std::move(value));
    }

    if (ordinalKey) {
        do
            key_.assign(1, '#').append(std::to_string(nextOrdinal_++));
        while (Exists(key_));
        keyHash = PrefetchKey(key_);
    }
    auto line = std::make_shared<clsAdisDataLine>(key_);
    line->LineType = FirstCharacter(lineType);
    line->Status = FirstCharacter(status);
    line->EventNo = lineEventNo;
    line->ItemValues = values_;
    return AddIfAbsent(line, keyHash);
}
