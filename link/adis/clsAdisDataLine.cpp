#include "clsAdisDataLine.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const AdisLineKey& key) {
    return out << key.View();
}

std::string clsAdisDataLine::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

std::string clsAdisDataLine::LineString(const clsAdisItems& items) const {
    const char frame[] = {AdisText::BlankControl(LineType), AdisText::BlankControl(Status)};
    std::string line = TextEncoding::Cp1252ToUtf8(std::string_view(frame, 2));
    line += EventNoStr();
    std::size_t position = 0;
    for (const auto& item : items)
        modADIS::AppendValueField(line, ItemValues.FieldValue(position++, item->DDNo), item->Length,
                                  item->Resolution);
    return line;
}
