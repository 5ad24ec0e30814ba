#include "clsAdisItemValue.h"

#include "modADIS.h"

std::string clsAdisItemValue::ItemString(std::int16_t length, std::int16_t resolution) const {
    return modADIS::FormatValueField(Value, length, resolution);
}
