#include "clsAdisDataEvents.h"

#include "modADIS.h"

clsAdisDataEvents::Element clsAdisDataEvents::AddItem(std::int32_t eventNo, std::int16_t subItems,
                                                      std::shared_ptr<clsAdisItems> items,
                                                      std::shared_ptr<clsAdisDataLines> dataLines) {
    auto event = std::make_shared<clsAdisDataEvent>();
    event->Key = EventKeyOf(eventNo, subItems);
    event->EventNo = eventNo;
    event->SetItems(std::move(items));
    event->SetDataLines(std::move(dataLines));
    return AddIfAbsent(event);
}

clsAdisDataEvents::Element clsAdisDataEvents::ItemOf(std::int32_t eventNo) const {
    return Item(modADIS::FormatEventNo(eventNo));
}

bool clsAdisDataEvents::ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo) {
    const auto old = ItemOf(oldEventNo);
    if (!old || ItemOf(newEventNo))
        return false;
    for (const auto& line : *old->DataLines())
        line->EventNo = newEventNo;
    AddItem(newEventNo, 0, old->Items(), old->DataLines());
    Remove(old->Key);
    return true;
}
