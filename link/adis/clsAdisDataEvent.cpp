#include "clsAdisDataEvent.h"

#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"

std::string clsAdisDataEvent::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

const std::shared_ptr<clsAdisItems>& clsAdisDataEvent::Items() const {
    if (!items_)
        items_ = definition_ ? definition_->MakeItems() : std::make_shared<clsAdisItems>();
    return items_;
}

const std::shared_ptr<clsAdisDataLines>& clsAdisDataEvent::DataLines() const {
    if (!dataLines_)
        dataLines_ = std::make_shared<clsAdisDataLines>();
    return dataLines_;
}

std::string clsAdisDataEvent::LineString(std::string_view lineType, std::string_view status) const {
    return modADIS::DefinitionLine(lineType, status, EventNo,
                                   items_ || definition_ ? Items().get() : nullptr);
}

bool clsAdisDataEvent::AddDefLineItems(const clsAdisDataDict& dataDict, std::string_view defLine) {
    if (!modADIS::IsDataDefinition(defLine))
        return false;
    // The items are made from the layout when they are first asked for: a file
    // of large definitions then holds each group once, not twice.
    SetDefinition(std::make_shared<AdisValueLineLayout>(defLine, dataDict));
    return true;
}

void clsAdisDataEvent::SetDefinition(std::shared_ptr<AdisValueLineLayout> layout) {
    definition_ = std::move(layout);
    items_.reset();
}

std::int16_t clsAdisDataEvent::GetValueLineLength() const {
    if (!items_ && definition_) // checked not to overflow when read
        return static_cast<std::int16_t>(definition_->ValueLineLength());
    long total = static_cast<long>(modADIS::LineFrameLength);
    for (const auto& item : *Items()) {
        total += item->Length;
        if (total > modADIS::MaxValueLineLength)
            throw LinkError(6, "Overflow");
    }
    return static_cast<std::int16_t>(total);
}

bool clsAdisDataEvent::ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo) {
    const auto& items = *Items();
    const auto item = items.ItemOf(oldDDNo);
    if (!item || items.ItemOf(newDDNo))
        return false;
    const auto& lines = *DataLines();
    for (const auto& line : lines)
        if (line->ItemValues.ValueOf(newDDNo))
            return false;
    auto renumbered = std::make_shared<clsAdisItems>();
    for (const auto& each : items) {
        if (each != item) {
            renumbered->Add(each);
            continue;
        }
        auto copy = std::make_shared<clsAdisItem>(*item);
        copy->DDNo = newDDNo;
        copy->Key = std::to_string(newDDNo);
        renumbered->Add(copy);
    }
    items_ = std::move(renumbered);
    for (const auto& line : lines)
        line->ItemValues.ChangeDDNo(oldDDNo, newDDNo);
    return true;
}
