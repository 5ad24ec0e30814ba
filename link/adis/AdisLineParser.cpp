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

bool HasReadableDefGroups(std::string_view defLine) {
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    for (; remaining >= DefGroupLength; remaining -= DefGroupLength)
        if (!ReadDefGroup(defLine, pos))
            return false;
    return true;
}

namespace {

// Walks the search groups of an SN-line: f(ddNo, type, resolution, low, high)
// for each, typeOf(group, ddNo) giving its DD number's data type or
// kNotInItems; then the maximum count of records, if it is there. False when
// the line is unreadable: a group, or the values of a DD number not in the
// items other than "?" throughout.
template <class TypeOf, class F>
bool ForEachSearchGroup(std::string_view searchLine, TypeOf typeOf, F f,
                        std::string_view& maxRecords) {
    std::size_t pos = 0;
    AdisText::TakeChars(searchLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(searchLine.substr(pos));
    for (std::size_t index = 0; remaining >= DefGroupLength; ++index) {
        const auto group = ReadDefGroup(searchLine, pos);
        if (!group)
            return false;
        remaining -= DefGroupLength;
        const auto width = static_cast<std::size_t>(group->length);
        if (remaining < 2 * width)
            return false;
        const std::string_view low = AdisText::TakeChars(searchLine, pos, group->length);
        const std::string_view high = AdisText::TakeChars(searchLine, pos, group->length);
        remaining -= 2 * width;
        const std::int16_t type = typeOf(index, group->ddNo);
        if (type == kNotInItems && (!AdisText::IsAllOf(low, '?') || !AdisText::IsAllOf(high, '?')))
            return false;
        f(group->ddNo, type, group->resolution, low, high);
    }
    if (remaining >= 6)
        maxRecords = AdisText::TakeChars(searchLine, pos, 6);
    return true;
}

std::shared_ptr<clsAdisSearchItems> MakeSearchItems(std::string_view searchLine, auto typeOf) {
    auto searchItems = std::make_shared<clsAdisSearchItems>();
    std::string_view maxRecords;
    const bool readable = ForEachSearchGroup(
        searchLine, typeOf,
        [&](std::int32_t ddNo, std::int16_t type, std::int16_t resolution, std::string_view low,
            std::string_view high) {
            if (type == kNotInItems)
                searchItems->AddItem(ddNo, AdisNull{}, AdisNull{});
            else
                searchItems->AddItem(ddNo, DecodeField(low, type, resolution, false),
                                     DecodeField(high, type, resolution, false));
        },
        maxRecords);
    if (!readable)
        return nullptr;
    if (!maxRecords.empty())
        searchItems->MaxRecords = std::string(maxRecords);
    return searchItems;
}

auto TypeIn(const clsAdisItems& items) {
    return [&items](std::size_t, std::int32_t ddNo) {
        const auto item = items.ItemOf(ddNo);
        return item ? item->DataType : kNotInItems;
    };
}

} // namespace

std::shared_ptr<clsAdisSearchItems> ParseSearchLine(std::string_view searchLine,
                                                    const clsAdisItems& items) {
    return MakeSearchItems(searchLine, TypeIn(items));
}

std::optional<std::vector<std::int16_t>> SearchLineTypes(std::string_view searchLine,
                                                         const clsAdisItems& items) {
    std::vector<std::int16_t> types;
    std::string_view maxRecords;
    if (!ForEachSearchGroup(
            searchLine, TypeIn(items),
            [&](std::int32_t, std::int16_t type, std::int16_t, std::string_view, std::string_view) {
                types.push_back(type);
            },
            maxRecords))
        return std::nullopt;
    return types;
}

std::shared_ptr<clsAdisSearchItems> ParseSearchLine(std::string_view searchLine,
                                                    std::span<const std::int16_t> types) {
    return MakeSearchItems(searchLine,
                           [types](std::size_t group, std::int32_t) { return types[group]; });
}

} // namespace modADIS
