#include "AdisText.h"
#include "clsAdisSearchItems.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisItems.h"
#include "modADIS.h"

#include <limits>

namespace modADIS {
namespace {

struct DefGroup {
    std::int32_t ddNo;
    std::int16_t length;
    std::int16_t resolution;
};

// Reads one strict definition group at `pos`: the DD number must fill its 8
// characters, and all three parts must be whole numbers that are not negative.
std::optional<DefGroup> ReadDefGroup(std::string_view line, std::size_t& pos) {
    const std::string_view ddText = AdisText::TakeChars(line, pos, 8);
    const std::string_view lengthText = AdisText::TakeChars(line, pos, 2);
    const std::string_view resolutionText = AdisText::TakeChars(line, pos, 1);
    std::size_t first = ddText.find_first_not_of(' ');
    std::size_t last = ddText.find_last_not_of(' ');
    if (first == std::string_view::npos || last - first + 1 < 8)
        return std::nullopt;
    const auto ddNo = AdisText::ParseWholeNumber(ddText);
    const auto length = AdisText::ParseWholeNumber(lengthText);
    const auto resolution = AdisText::ParseWholeNumber(resolutionText);
    if (!ddNo || !length || !resolution || *ddNo < 0 ||
        *ddNo > std::numeric_limits<std::int32_t>::max() || *length < 0 || *resolution < 0)
        return std::nullopt;
    return DefGroup{static_cast<std::int32_t>(*ddNo), static_cast<std::int16_t>(*length),
                    static_cast<std::int16_t>(*resolution)};
}

} // namespace

bool IsDataDefinition(std::string_view defLine) {
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    if (remaining < DefGroupLength)
        return false;
    long valueLineLength = static_cast<long>(LineFrameLength);
    for (; remaining >= DefGroupLength; remaining -= DefGroupLength) {
        const auto group = ReadDefGroup(defLine, pos);
        if (!group)
            return false;
        valueLineLength += group->length;
        if (group->length == 0 || valueLineLength > MaxValueLineLength)
            return false;
    }
    return true;
}

std::shared_ptr<clsAdisItems> ParseDefItems(std::string_view defLine) {
    auto items = std::make_shared<clsAdisItems>();
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    for (; remaining >= DefGroupLength; remaining -= DefGroupLength) {
        const auto group = ReadDefGroup(defLine, pos);
        if (!group)
            return nullptr;
        items->AddItem(group->ddNo, 0, group->length, group->resolution);
    }
    return items;
}

std::shared_ptr<clsAdisSearchItems> ParseSearchLine(std::string_view searchLine,
                                                    const clsAdisItems& items) {
    auto searchItems = std::make_shared<clsAdisSearchItems>();
    std::size_t pos = 0;
    AdisText::TakeChars(searchLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(searchLine.substr(pos));
    while (remaining >= DefGroupLength) {
        const auto group = ReadDefGroup(searchLine, pos);
        if (!group)
            return nullptr;
        remaining -= DefGroupLength;
        const auto width = static_cast<std::size_t>(group->length);
        if (remaining < 2 * width)
            return nullptr;
        const std::string_view low = AdisText::TakeChars(searchLine, pos, group->length);
        const std::string_view high = AdisText::TakeChars(searchLine, pos, group->length);
        remaining -= 2 * width;
        const auto item = items.ItemOf(group->ddNo);
        if (!item) {
            if (!AdisText::IsAllOf(low, '?') || !AdisText::IsAllOf(high, '?'))
                return nullptr;
            searchItems->AddItem(group->ddNo, AdisNull{}, AdisNull{});
            continue;
        }
        searchItems->AddItem(group->ddNo,
                             DecodeField(low, item->DataType, group->resolution, false),
                             DecodeField(high, item->DataType, group->resolution, false));
    }
    if (remaining >= 6)
        searchItems->MaxRecords = std::string(AdisText::TakeChars(searchLine, pos, 6));
    return searchItems;
}

} // namespace modADIS
