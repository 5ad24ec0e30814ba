#include "clsAdisDataLines.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisEvents.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

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

} // namespace

std::shared_ptr<clsAdisDataLine>
clsAdisDataLines::AddItem(std::string_view key, std::string_view lineType, std::string_view status,
                          std::int32_t eventNo, const clsAdisItemValues* itemValues) {
    if (Exists(key))
        return nullptr;
    auto line = std::make_shared<clsAdisDataLine>();
    line->Key = key;
    line->LineType = lineType.empty() ? ' ' : lineType.front();
    line->Status = status.empty() ? ' ' : status.front();
    line->EventNo = eventNo;
    if (itemValues)
        line->ItemValues = *itemValues;
    Add(line);
    return line;
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
    return cachedGroups_;
}

std::shared_ptr<clsAdisDataLine> clsAdisDataLines::AddItemEx(const clsAdisEvents& events,
                                                             const clsAdisItems& items,
                                                             std::string_view defLine,
                                                             std::string_view valueLine) {
    std::size_t pos = 0;
    const std::string_view lineType = AdisText::TakeChars(valueLine, pos, 1);
    const std::string_view status = AdisText::TakeChars(valueLine, pos, 1);
    const std::string_view eventField = AdisText::TakeChars(valueLine, pos, 6);
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

    auto line = std::make_shared<clsAdisDataLine>();
    line->LineType = lineType.empty() ? ' ' : lineType.front();
    line->Status = status.empty() ? ' ' : status.front();
    line->EventNo = lineEventNo;

    // Cut the fields first so that the line's text buffer is allocated once.
    const auto& groups = GroupsOf(defLine, items);
    fields_.clear();
    std::size_t textBytes = 0;
    const bool ascii = AdisText::IsAscii(valueLine);
    for (const auto& group : groups) {
        fields_.push_back(ascii ? TakeBytes(valueLine, pos, group.length)
                                : AdisText::TakeChars(valueLine, pos, group.length));
        const std::int16_t dataType = group.item ? group.item->DataType : modADIS::TypeUnknown;
        if (dataType != modADIS::TypeNumber && dataType != modADIS::TypeDate &&
            dataType != modADIS::TypeTime)
            textBytes += fields_.back().size();
    }
    line->ItemValues.Reserve(groups.size(), textBytes);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& group = groups[i];
        const std::string_view field = fields_[i];
        const std::int16_t dataType = group.item ? group.item->DataType : modADIS::TypeUnknown;
        const bool plainText = dataType != modADIS::TypeNumber && dataType != modADIS::TypeDate &&
                               dataType != modADIS::TypeTime && !AdisText::IsAllOf(field, '?') &&
                               !AdisText::IsAllOf(field, '|');
        if (plainText)
            line->ItemValues.AddItemText(group.ddNo, field);
        else
            line->ItemValues.AddItem(group.ddNo,
                                     modADIS::DecodeField(field, dataType, group.resolution, true));
    }

    const auto& keyItems = *event->KeyItems();
    if (keyItems.Count() == 0) {
        do
            line->Key.assign(1, '#').append(std::to_string(nextOrdinal_++));
        while (Exists(line->Key));
    } else {
        // The key is built aside so that the line's key is allocated once.
        key_.clear();
        bool first = true;
        for (const auto& keyItem : keyItems) {
            if (!first)
                key_ += '#';
            first = false;
            if (!line->ItemValues.AppendKeyText(keyItem->DDNo, key_))
                key_ += "Empty";
        }
        line->Key.reserve(key_.size());
        line->Key = key_;
    }
    return AddIfAbsent(line);
}
