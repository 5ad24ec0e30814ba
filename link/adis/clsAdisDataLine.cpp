#include "clsAdisDataLine.h"

#include "AdisText.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

std::ostream& operator<<(std::ostream& out, const AdisLineKey& key) {
    return out << key.View();
}

void AdisLineKey::Assign(std::string_view text) {
    char* const copy =
        std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(text.size(), 1)).release();
    if (!text.empty())
        std::memcpy(copy, text.data(), text.size());
    Release();
    text_ = copy;
    size_ = static_cast<std::uint32_t>(text.size());
    owned_ = true;
}

std::string clsAdisDataLine::EventNoStr() const {
    return modADIS::FormatEventNo(EventNo);
}

std::string clsAdisDataLine::LineString(const clsAdisItems& items) const {
    const char frame[] = {AdisText::BlankControl(LineType), AdisText::BlankControl(Status)};
    std::string line = TextEncoding::Cp1252ToUtf8(std::string_view(frame, 2));
    line += EventNoStr();
    std::vector<modADIS::FieldFormat> formats;
    formats.reserve(static_cast<std::size_t>(items.Count()));
    for (const auto& item : items)
        formats.push_back({item->DDNo, item->Length, item->Resolution});
    ItemValues.AppendFields(line, formats);
    return line;
}
