#pragma once

#include "adis/AdisKeptDefinitions.h"
#include "adis/KeptEventCollection.h"
#include "clsAdisEvent.h"

#include <memory>

// Events keyed by the six-digit event number; a further definition (or request)
// of the same number is keyed with "#" and its count behind ("055021#2").
// Requests a reader kept as text are made when first asked for.
class clsAdisEvents : public KeptEventCollection<clsAdisEvent> {
public:
    // The new event, or nothing when its key is present. Unset collections are
    // created empty when first read.
    std::shared_ptr<clsAdisEvent> AddItem(std::int32_t eventNo,
                                          std::shared_ptr<clsAdisKeyItems> keyItems,
                                          std::int16_t subItem,
                                          std::shared_ptr<clsAdisItems> items);
    // The event stored under the six-digit number, or nothing.
    std::shared_ptr<clsAdisEvent> ItemOf(std::int32_t eventNo) const;
    // Re-keys the event of oldEventNo to newEventNo, sharing its items and key
    // items; false (and no change) unless the old exists and the new does not.
    bool ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo);

    static std::string EventKey(std::int32_t eventNo, std::int16_t subItem);
};
