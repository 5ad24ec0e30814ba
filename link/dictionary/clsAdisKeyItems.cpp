#include "clsAdisKeyItems.h"

std::shared_ptr<clsAdisKeyItem> clsAdisKeyItems::AddItem(std::int32_t ddNo) {
    auto item = std::make_shared<clsAdisKeyItem>();
    item->Key = std::to_string(ddNo);
    item->DDNo = ddNo;
    return AddIfAbsent(item);
}
