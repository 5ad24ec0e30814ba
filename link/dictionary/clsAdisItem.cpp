#include "clsAdisItem.h"

#include "adis/modADIS.h"

std::string clsAdisItem::ItemString() const {
    return modADIS::FormatDefField(DDNo, Length, Resolution);
}
