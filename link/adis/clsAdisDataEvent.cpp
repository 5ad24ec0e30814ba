#include "clsAdisDataEvent.h"

#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"

std::string clsAdisDataEvent::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

const std::shared_ptr<clsAdisItems>& clsAdisDataEvent::Items() const {
    if (!items_)
        items_ = std::make_shared<clsAdisItems>();
    return items_;
}

const std::shared_ptr<clsAdisDataLines>& clsAdisDataEvent::DataLines() const {
    if (!dataLines_)
        dataLines_ = std::make_shared<clsAdisDataLines>();
    return dataLines_;
}

std::string clsAdisDataEvent::LineString(std::string_view lineType, std::string_view status) const {
    return modADIS::DefinitionLine(lineType, status, EventNo, items_.get());
}

bool clsAdisDataEvent::AddDefLineItems(const clsAdisDataDict& dataDict, std::string_view defLine) {
    auto items = modADIS::ParseDataDefItems(defLine);
    if (!items)
        return false;
    for (const auto& item : *items) {
        const auto known = dataDict.Items().Item(item->Key);
        item->DataType = known ? known->DataType : modADIS::TypeUnknown;
    }
    items_ = std::move(items);
    return true;
}

std::int16_t clsAdisDataEvent::GetValueLineLength() const {
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
