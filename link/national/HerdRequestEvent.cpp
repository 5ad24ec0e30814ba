#include "national/HerdRequestEvent.h"

#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <string>

namespace modNational {

std::shared_ptr<clsAdisEvent> AddHerdRequestEvent(clsAdisEvents& events,
                                                  const clsAdisDataDict& herdDict,
                                                  std::int32_t eventNo,
                                                  const std::vector<std::int32_t>& items,
                                                  const std::vector<std::int32_t>& keyItems) {
    auto keys = std::make_shared<clsAdisKeyItems>();
    for (const std::int32_t ddNo : keyItems)
        keys->AddItem(ddNo);
    auto eventItems = std::make_shared<clsAdisItems>();
    for (const std::int32_t ddNo : items) {
        const auto item = herdDict.Items().ItemOf(ddNo);
        if (!item)
            throw LinkError(LinkErrors::SubscriptOutOfRange,
                            "Item " + std::to_string(ddNo) +
                                " is missing from the herd-management dictionary");
        eventItems->AddItem(ddNo, item->DataType, item->Length, item->Resolution);
    }
    return events.AddItem(eventNo, std::move(keys), 0, std::move(eventItems));
}

} // namespace modNational
