#include "clsAdisDataDict.h"

#include "common/LinkError.h"

std::shared_ptr<clsAdisItem> clsAdisDataDict::AddItem(std::int32_t ddNo, std::int16_t dataType,
                                                      std::int16_t length,
                                                      std::int16_t resolution) {
    return items_.AddItem(ddNo, dataType, length, resolution);
}

void clsAdisDataDict::AddEventDDNo(std::int32_t eventNo, std::int32_t ddNo) {
    const auto item = items_.ItemOf(ddNo);
    if (!item)
        throw LinkError(LinkErrors::InvalidArgument, std::string("DD number ")
                                                         .append(std::to_string(ddNo))
                                                         .append(" is not in the dictionary"));
    if (const auto event = events_.ItemOf(eventNo)) {
        event->Items()->AddItem(item->DDNo, item->DataType, item->Length, item->Resolution);
        return;
    }
    auto items = std::make_shared<clsAdisItems>();
    items->AddItem(item->DDNo, item->DataType, item->Length, item->Resolution);
    events_.AddItem(eventNo, std::make_shared<clsAdisKeyItems>(), 0, std::move(items));
}

void clsAdisDataDict::AddEventKeyDDNo(std::int32_t eventNo,
                                      const std::vector<std::int32_t>& ddNos) {
    if (const auto event = events_.ItemOf(eventNo)) {
        for (std::int32_t ddNo : ddNos)
            event->KeyItems()->AddItem(ddNo);
        return;
    }
    auto keyItems = std::make_shared<clsAdisKeyItems>();
    for (std::int32_t ddNo : ddNos)
        keyItems->AddItem(ddNo);
    events_.AddItem(eventNo, std::move(keyItems), 0, nullptr);
}

void clsAdisDataDict::AddEventItem(std::int32_t eventNo, std::shared_ptr<clsAdisKeyItems> keyItems,
                                   std::int32_t ddNo, std::int16_t dataType, std::int16_t length,
                                   std::int16_t resolution) {
    items_.AddItem(ddNo, dataType, length, resolution);
    if (const auto event = events_.ItemOf(eventNo)) {
        event->Items()->AddItem(ddNo, dataType, length, resolution);
        return;
    }
    auto items = std::make_shared<clsAdisItems>();
    items->AddItem(ddNo, dataType, length, resolution);
    events_.AddItem(eventNo, std::move(keyItems), 0, std::move(items));
}

void clsAdisDataDict::AddCodeSetItem(const std::string& codeSetKey, std::int16_t code,
                                     const std::string& shortText, const std::string& longText) {
    if (const auto set = codeSets_.Item(codeSetKey)) {
        set->AddItem(code, shortText, longText);
        return;
    }
    auto set = std::make_shared<clsCodeSetItems>();
    set->AddItem(code, shortText, longText);
    codeSets_.AddItem(codeSetKey, std::move(set));
}

void clsAdisDataDict::AddNotSupportedItem(std::int32_t ddNo) {
    if (!notSupported_.insert(ddNo).second)
        throw LinkError(LinkErrors::DuplicateKey,
                        "This key is already associated with an element of this collection");
}

bool clsAdisDataDict::Match(const std::string& version, const std::string& nationalVersion) const {
    return version.compare(Version) <= 0 && nationalVersion == NationalVersion;
}

void clsAdisDataDict::ClearContents() {
    items_.Clear();
    events_.Clear();
    codeSets_.Clear();
    notSupported_.clear();
}
