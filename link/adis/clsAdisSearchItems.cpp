#include "clsAdisSearchItems.h"

#include "AdisText.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

std::shared_ptr<clsAdisSearchItem>
clsAdisSearchItems::AddItem(std::int32_t ddNo, AdisValue lowValue, AdisValue highValue) {
    auto item = std::make_shared<clsAdisSearchItem>();
    item->Key = std::to_string(ddNo);
    item->DDNo = ddNo;
    item->LowValue = std::move(lowValue);
    item->HighValue = std::move(highValue);
    return AddIfAbsent(item);
}

std::string clsAdisSearchItems::LineString(std::int32_t eventNo, const clsAdisItems& items) const {
    std::string line = "SN" + modADIS::FormatEventNo(eventNo);
    for (const auto& search : *this) {
        const auto item = items.Item(search->Key);
        if (!item)
            throw LinkError(LinkErrors::InvalidArgument,
                            "DD number " + search->Key + " of a search item is not defined");
        line += search->ItemString(item->Length, item->Resolution);
    }
    if (!IsEmpty(MaxRecords) && AdisValues::AsNumber(MaxRecords))
        line += AdisText::PadLeft(AdisValues::ToText(MaxRecords), 6);
    return line;
}
