#include "dictionary/DictionaryTable.h"

#include "dictionary/clsAdisDataDict.h"

#include <string>
#include <vector>

namespace DictionaryTable {

void AddItems(clsAdisDataDict& dict, std::span<const ItemDef> items) {
    for (const ItemDef& item : items)
        dict.AddItem(item.ddNo, item.dataType, item.length, item.resolution);
}

void AddEvents(clsAdisDataDict& dict, std::span<const EventDef> events) {
    for (const EventDef& event : events) {
        if (!event.keyItems.empty())
            dict.AddEventKeyDDNo(event.eventNo, std::vector<std::int32_t>(event.keyItems.begin(),
                                                                          event.keyItems.end()));
        for (std::int32_t ddNo : event.items)
            dict.AddEventDDNo(event.eventNo, ddNo);
    }
}

void AddCodeSets(clsAdisDataDict& dict, std::span<const CodeSetDef> codeSets) {
    for (const CodeSetDef& set : codeSets)
        for (const CodeDef& code : set.codes)
            dict.AddCodeSetItem(std::string(set.key), code.code, std::string(code.shortText),
                                std::string(code.longText));
}

void AddNotSupported(clsAdisDataDict& dict, std::span<const std::int32_t> ddNos) {
    for (std::int32_t ddNo : ddNos)
        dict.AddNotSupportedItem(ddNo);
}

} // namespace DictionaryTable
