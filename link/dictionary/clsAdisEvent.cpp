#include "clsAdisEvent.h"

#include "adis/AdisValueLineLayout.h"
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
        items_ = request_ ? request_->MakeItems() : std::make_shared<clsAdisItems>();
    return items_;
}

void clsAdisEvent::SetItems(std::shared_ptr<clsAdisItems> items) {
    items_ = std::move(items);
    request_.reset();
}

const std::shared_ptr<clsAdisKeyItems>& clsAdisEvent::KeyItems() const {
    if (!keyItems_)
        keyItems_ = std::make_shared<clsAdisKeyItems>();
    return keyItems_;
}

const std::shared_ptr<clsAdisSearchItems>& clsAdisEvent::SearchItems() const {
    if (!searchItems_ && keptSearch_)
        searchItems_ = modADIS::ParseSearchLine(keptSearch_->line, keptSearch_->types);
    if (!searchItems_) // (the kept line was checked to be readable)
        searchItems_ = std::make_shared<clsAdisSearchItems>();
    keptSearch_.reset();
    return searchItems_;
}

void clsAdisEvent::SetSearchItems(std::shared_ptr<clsAdisSearchItems> searchItems) {
    searchItems_ = std::move(searchItems);
    keptSearch_.reset();
}

bool clsAdisEvent::HasAnySearchItem() const {
    if (keptSearch_)
        return !keptSearch_->types.empty();
    return searchItems_ && searchItems_->Count() >= 1;
}

bool clsAdisEvent::AddReqLineItems(const clsAdisDataDict& dataDict, std::string_view requestLine) {
    if (!modADIS::HasReadableDefGroups(requestLine))
        return false;
    request_ = std::make_shared<AdisValueLineLayout>(requestLine, dataDict);
    items_.reset();
    return true;
}

bool clsAdisEvent::AddSearchLineItems(const clsAdisDataDict& dataDict,
                                      std::string_view searchLine) {
    auto types = modADIS::SearchLineTypes(searchLine, dataDict.Items());
    if (!types)
        return false;
    keptSearch_ =
        std::make_shared<const KeptSearch>(KeptSearch{std::string(searchLine), std::move(*types)});
    searchItems_.reset();
    return true;
}

bool clsAdisEvent::InSearchRange(const clsAdisItemValues& itemValues) const {
    if (!HasSearchItems())
        return true;
    const auto& searchItems = *SearchItems();
    for (const auto& value : itemValues) {
        const auto search = searchItems.Item(value.DDNoStr());
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
    return modADIS::DefinitionLine(lineType, status, EventNo,
                                   items_ || request_ ? Items().get() : nullptr);
}
