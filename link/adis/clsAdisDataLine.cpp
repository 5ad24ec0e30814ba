#include "clsAdisDataLine.h"

#include "common/LinkError.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

std::string clsAdisDataLine::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

std::string clsAdisDataLine::LineString(const clsAdisItems& items) const {
    std::string line;
    line += LineType;
    line += Status;
    line += EventNoStr();
    for (const auto& value : ItemValues) {
        const auto item = items.Item(value.Key);
        if (!item)
            throw LinkError(LinkErrors::InvalidArgument,
                            "DD number " + value.Key + " of a value is not defined");
        line += value.ItemString(item->Length, item->Resolution);
    }
    return line;
}
