#include "clsAdisDataEvent.h"
#include "modADISFiles.h"

#include <utility>

namespace modADIS {
namespace {

std::string KeyPart(const AdisValue& value) {
    return IsNull(value) ? std::string("Null") : AdisValues::ToText(value);
}

std::shared_ptr<clsAdisDataLine> AddValueLine(clsAdisDataEvent& dataEvent, const std::string& key,
                                              const AdisValue* const* values, long count) {
    const auto& items = *dataEvent.Items();
    if (items.Count() < count)
        return nullptr;
    clsAdisItemValues itemValues;
    for (long i = 0; i < count; ++i)
        itemValues.AddItem(items.Item(i + 1)->DDNo, *values[i]);
    return dataEvent.DataLines()->AddItem(key, "V", "N", dataEvent.EventNo, std::move(itemValues));
}

} // namespace

std::shared_ptr<clsAdisDataLine> AddValueLine2(clsAdisDataEvent& dataEvent, const AdisValue& value1,
                                               const AdisValue& value2) {
    const AdisValue* values[] = {&value1, &value2};
    return AddValueLine(dataEvent, KeyPart(value1), values, 2);
}

std::shared_ptr<clsAdisDataLine> AddValueLine3(clsAdisDataEvent& dataEvent, const AdisValue& value1,
                                               const AdisValue& value2, const AdisValue& value3) {
    const AdisValue* values[] = {&value1, &value2, &value3};
    return AddValueLine(dataEvent, KeyPart(value3) + "#" + KeyPart(value1), values, 3);
}

} // namespace modADIS
