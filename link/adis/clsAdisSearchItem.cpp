#include "clsAdisSearchItem.h"

#include "modADIS.h"

std::string clsAdisSearchItem::ItemString(std::int16_t length, std::int16_t resolution) const {
    return modADIS::FormatDefField(DDNo, length, resolution) +
           modADIS::FormatValueField(LowValue, length, resolution) +
           modADIS::FormatValueField(HighValue, length, resolution);
}
