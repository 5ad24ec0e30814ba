#include "clsAdisDataFile.h"

#include "clsAdisSearchItems.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"
#include "modADIS.h"

clsAdisDataFile::clsAdisDataFile() = default;
clsAdisDataFile::~clsAdisDataFile() = default;

void clsAdisDataFile::Clear() {
    OutFilePath.clear();
    DataEvents.Clear();
}

std::shared_ptr<clsAdisItem> clsAdisDataFile::AddDataEventItem(std::int32_t eventNo,
                                                               std::int32_t ddNo) {
    if (!DataDict)
        throw LinkError(LinkErrors::InvalidArgument, "The ADIS file has no data dictionary");
    const auto item = DataDict->Items().ItemOf(ddNo);
    if (!item)
        throw LinkError(LinkErrors::InvalidArgument, std::string("DD number ")
                                                         .append(std::to_string(ddNo))
                                                         .append(" is not in the dictionary"));
    auto event = DataEvents.ItemOf(eventNo);
    if (!event)
        event = DataEvents.AddItem(eventNo, 0, nullptr, nullptr);
    event->Items()->Add(item);
    return item;
}

std::shared_ptr<clsAdisSearchItem> clsAdisDataFile::GetSearchItem(std::int32_t eventNo,
                                                                  std::int32_t ddNo) const {
    const auto event = RequestEvents.ItemOf(eventNo);
    if (!event || !event->HasSearchItems())
        return nullptr;
    return event->SearchItems()->Item(std::to_string(ddNo));
}

bool clsAdisDataFile::ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo) {
    const bool requests = RequestEvents.ChangeEventNo(oldEventNo, newEventNo);
    const bool data = DataEvents.ChangeEventNo(oldEventNo, newEventNo);
    return requests || data;
}
