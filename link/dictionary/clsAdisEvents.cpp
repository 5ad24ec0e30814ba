#include "clsAdisEvents.h"

#include "adis/modADIS.h"

std::string clsAdisEvents::EventKey(std::int32_t eventNo, std::int16_t subItem) {
    return EventKeyOf(eventNo, subItem);
}

std::shared_ptr<clsAdisEvent> clsAdisEvents::AddItem(std::int32_t eventNo,
                                                     std::shared_ptr<clsAdisKeyItems> keyItems,
                                                     std::int16_t subItem,
                                                     std::shared_ptr<clsAdisItems> items) {
    auto event = std::make_shared<clsAdisEvent>();
    event->Key = EventKey(eventNo, subItem);
    event->EventNo = eventNo;
    event->SetKeyItems(std::move(keyItems));
    event->SetItems(std::move(items));
    return AddIfAbsent(event);
}

std::shared_ptr<clsAdisEvent> clsAdisEvents::ItemOf(std::int32_t eventNo) const {
    return Item(modADIS::FormatEventNo(eventNo));
}

bool clsAdisEvents::ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo) {
    const auto old = ItemOf(oldEventNo);
    if (!old || ItemOf(newEventNo))
        return false;
    AddItem(newEventNo, old->KeyItems(), 0, old->Items());
    Remove(old->Key);
    return true;
}
