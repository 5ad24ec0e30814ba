#include "clsAdisDataLines.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisEvents.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

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
clsAdisDataLines::GroupsOf(std::string_view defLine) {
    if (defLine == cachedDefLine_ && !cachedDefLine_.empty())
        return cachedGroups_;
    cachedDefLine_ = defLine;
    cachedGroups_.clear();
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(modADIS::LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    while (remaining >= modADIS::DefGroupLength) {
        const auto ddNo = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 8));
        const auto length = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 2));
        const auto resolution = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 1));
        cachedGroups_.push_back({static_cast<std::int32_t>(ddNo),
                                 static_cast<std::int16_t>(length < 0 ? 0 : length),
                                 static_cast<std::int16_t>(resolution)});
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
    const auto eventNo = AdisText::ParseWholeNumber(AdisText::TakeChars(valueLine, pos, 6));
    const std::int32_t lineEventNo = eventNo && *eventNo >= INT32_MIN && *eventNo <= INT32_MAX
                                         ? static_cast<std::int32_t>(*eventNo)
                                         : -1;
    const auto event = events.Item(modADIS::FormatEventNo(lineEventNo));
    if (!event)
        return nullptr;

    auto line = std::make_shared<clsAdisDataLine>();
    line->LineType = lineType.empty() ? ' ' : lineType.front();
    line->Status = status.empty() ? ' ' : status.front();
    line->EventNo = lineEventNo;
    const auto& groups = GroupsOf(defLine);
    line->ItemValues.Reserve(groups.size());
    for (const auto& group : groups) {
        const std::string_view field = AdisText::TakeChars(valueLine, pos, group.length);
        const auto item = items.ItemOf(group.ddNo);
        const std::int16_t dataType = item ? item->DataType : modADIS::TypeUnknown;
        line->ItemValues.AddItem(group.ddNo,
                                 modADIS::DecodeField(field, dataType, group.resolution, true));
    }

    const auto& keyItems = *event->KeyItems();
    if (keyItems.Count() == 0) {
        do
            line->Key = "#" + std::to_string(nextOrdinal_++);
        while (Exists(line->Key));
    } else {
        bool first = true;
        for (const auto& keyItem : keyItems) {
            if (!first)
                line->Key += '#';
            first = false;
            line->Key += AdisValues::KeyText(
                line->ItemValues.ValueOf(keyItem->DDNo).value_or(AdisValue(AdisEmpty{})));
        }
    }
    if (Exists(line->Key))
        return nullptr;
    Add(line);
    return line;
}
