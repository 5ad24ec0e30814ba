#include "clsAdisEvent.h"

#include "adis/clsAdisItemValues.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/modADIS.h"
#include "clsAdisDataDict.h"

clsAdisEvent::clsAdisEvent() = default;
clsAdisEvent::~clsAdisEvent() = default;

std::string clsAdisEvent::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

const std::shared_ptr<clsAdisItems>& clsAdisEvent::Items() const {
    if (!items_)
        items_ = std::make_shared<clsAdisItems>();
    return items_;
}

const std::shared_ptr<clsAdisKeyItems>& clsAdisEvent::KeyItems() const {
    if (!keyItems_)
        keyItems_ = std::make_shared<clsAdisKeyItems>();
    return keyItems_;
}

const std::shared_ptr<clsAdisSearchItems>& clsAdisEvent::SearchItems() const {
    if (!searchItems_)
        searchItems_ = std::make_shared<clsAdisSearchItems>();
    return searchItems_;
}

void clsAdisEvent::SetSearchItems(std::shared_ptr<clsAdisSearchItems> searchItems) {
    searchItems_ = std::move(searchItems);
}

bool clsAdisEvent::AddReqLineItems(const clsAdisDataDict& dataDict, std::string_view requestLine) {
    auto items = modADIS::ParseDefItems(requestLine);
    if (!items)
        return false;
    for (const auto& item : *items) {
        const auto known = dataDict.Items().Item(item->Key);
        item->DataType = known ? known->DataType : modADIS::TypeUnknown;
    }
    items_ = std::move(items);
    return true;
}

bool clsAdisEvent::AddSearchLineItems(const clsAdisDataDict& dataDict,
                                      std::string_view searchLine) {
    auto searchItems = modADIS::ParseSearchLine(searchLine, dataDict.Items());
    if (!searchItems)
        return false;
    searchItems_ = std::move(searchItems);
    return true;
}

bool clsAdisEvent::InSearchRange(const clsAdisItemValues& itemValues) const {
    if (!searchItems_)
        return true;
    for (const auto& value : itemValues) {
        const auto search = searchItems_->Item(value.DDNoStr());
        if (!search)
            continue;
        if (IsNull(value.Value))
            return false;
        if (AdisValues::Compare(value.Value, search->LowValue).value_or(0) < 0)
            return false;
        if (AdisValues::Compare(value.Value, search->HighValue).value_or(0) > 0)
            return false;
    }
    return true;
}

std::string clsAdisEvent::LineString(std::string_view lineType, std::string_view status) const {
    return modADIS::DefinitionLine(lineType, status, EventNo, items_.get());
}
