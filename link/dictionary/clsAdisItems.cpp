#include "clsAdisItems.h"

std::shared_ptr<clsAdisItem> clsAdisItems::AddItem(std::int32_t ddNo, std::int16_t dataType,
                                                   std::int16_t length, std::int16_t resolution) {
    auto item = std::make_shared<clsAdisItem>();
    item->Key = std::to_string(ddNo);
    item->DDNo = ddNo;
    item->DataType = dataType;
    item->Length = length;
    item->Resolution = resolution;
    return AddIfAbsent(item);
}

std::shared_ptr<clsAdisItem> clsAdisItems::ItemOf(std::int32_t ddNo) const {
    return Item(std::to_string(ddNo));
}

bool clsAdisItems::ChangeDDNo(std::int32_t oldDDNo, std::int32_t newDDNo) {
    const auto item = ItemOf(oldDDNo);
    if (!item || ItemOf(newDDNo))
        return false;
    long position = 1;
    while (Item(position) != item)
        ++position;
    const auto next = Item(position + 1);
    const std::string nextKey = next ? next->Key : std::string();
    Remove(position);
    item->DDNo = newDDNo;
    item->Key = std::to_string(newDDNo);
    Add(item, nextKey);
    return true;
}
