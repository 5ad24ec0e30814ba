#include "AdisValueLineLayout.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisEvent.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <cstring>

AdisValueLineLayout::AdisValueLineLayout(std::string_view defLine, const clsAdisItems& items)
    : defLine_(defLine), items_(&items), itemCount_(items.Count()) {
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(modADIS::LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    while (remaining >= modADIS::DefGroupLength) {
        const auto ddNo = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 8));
        const auto length = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 2));
        const auto resolution = AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 1));
        const auto dd = static_cast<std::int32_t>(ddNo);
        const auto item = items.ItemOf(dd);
        const bool kept = firstGroup_.emplace(dd, static_cast<int>(groups_.size())).second;
        const auto width = static_cast<std::int16_t>(length < 0 ? 0 : length);
        if (kept) {
            valueGroups_.push_back(static_cast<std::uint32_t>(groups_.size()));
            valueDDNos_.push_back(dd);
        }
        groups_.push_back({dd, width, static_cast<std::int16_t>(resolution),
                           item ? item->DataType : modADIS::TypeUnknown, kept,
                           static_cast<std::uint32_t>(fieldLength_)});
        formats_.push_back({dd, width, static_cast<std::int16_t>(resolution)});
        const auto type = groups_.back().dataType;
        if (type == modADIS::TypeNumber && width >= 1 && width <= 16 && resolution >= 0 &&
            resolution <= AdisNumber::MaxScale)
            plainNumbers_.push_back({static_cast<std::uint32_t>(fieldLength_),
                                     static_cast<std::uint16_t>(width),
                                     static_cast<std::int16_t>(resolution)});
        else if (type == modADIS::TypeNumber || type == modADIS::TypeDate ||
                 type == modADIS::TypeTime)
            otherChecked_.push_back(static_cast<std::uint32_t>(groups_.size() - 1));
        fieldLength_ += static_cast<std::size_t>(width);
        values_ += kept ? 1 : 0;
        remaining -= modADIS::DefGroupLength;
    }
}

bool AdisValueLineLayout::IsWrittenBy(std::span<const modADIS::FieldFormat> formats) const {
    static_assert(sizeof(modADIS::FieldFormat) == 8, "compared as bytes: no padding");
    return values_ == groups_.size() && formats.size() == formats_.size() &&
           (formats.empty() ||
            std::memcmp(formats.data(), formats_.data(), formats.size() * sizeof formats[0]) == 0);
}

bool AdisValueLineLayout::IsFor(std::string_view defLine, const clsAdisItems& items) const {
    return &items == items_ && items.Count() == itemCount_ && defLine == defLine_;
}

const std::vector<int>& AdisValueLineLayout::KeyFields(const clsAdisEvent& keyEvent) {
    const auto& keyItems = keyEvent.KeyItems();
    if (&keyEvent == keyEvent_ && keyItems == keyItems_ && keyItems->Count() == keyItemCount_)
        return keyFields_;
    keyEvent_ = &keyEvent;
    keyItems_ = keyItems;
    keyItemCount_ = keyItems->Count();
    keyFields_.clear();
    for (const auto& keyItem : *keyItems) {
        const auto found = firstGroup_.find(keyItem->DDNo);
        keyFields_.push_back(found == firstGroup_.end() ? -1 : found->second);
    }
    return keyFields_;
}
