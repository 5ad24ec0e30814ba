#include "clsCodeSetItems.h"

std::shared_ptr<clsCodeSetItem>
clsCodeSetItems::AddItem(std::int16_t code, std::string_view shortText, std::string_view longText) {
    auto item = std::make_shared<clsCodeSetItem>();
    item->Key = std::to_string(code);
    item->Code = code;
    item->ShortText = shortText;
    item->LongText = longText;
    return AddIfAbsent(item);
}
