#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItem.h"
#include "requests/HerdRequest.h"

#include <array>
#include <utility>

namespace modNational {
namespace {

// The requests whose herd-number range (DD 50011) bounds the herd request.
constexpr std::array<std::int32_t, 12> kHerdRangeEvents{55021, 55022, 55023, 55024, 55025, 55026,
                                                        55027, 55033, 55036, 55051, 55042, 55043};
constexpr std::int32_t kHerdNumber = 50011;

// Each request's start date. 055021 and 055036 are answered by the herd side,
// yet their start dates bound the herd's animal events too.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 8> kStartDates{{
    {55021, 900053},
    {55022, 900034},
    {55023, 50134},
    {55024, 50135},
    {55025, 900038},
    {55026, 50138},
    {55027, 50139},
    {55036, 900028},
}};

// The bound as text; empty for a bound not given (Empty, Null or only blanks).
std::string BoundText(const AdisValue& value) {
    std::string text = AdisValues::ToText(value);
    if (text.find_first_not_of(' ') == std::string::npos)
        text.clear();
    return text;
}

} // namespace

HerdRequestRanges CollectHerdRequestRanges(const clsAdisDataFile& request, bool newIsoVersion) {
    HerdRequestRanges ranges;
    if (newIsoVersion) {
        for (const std::int32_t eventNo : kHerdRangeEvents) {
            const auto search = request.GetSearchItem(eventNo, kHerdNumber);
            if (!search)
                continue;
            const std::string low = BoundText(search->LowValue);
            const std::string high = BoundText(search->HighValue);
            if (!low.empty() && (ranges.rangeLow.empty() || low < ranges.rangeLow))
                ranges.rangeLow = low;
            if (!high.empty() && high > ranges.rangeHigh)
                ranges.rangeHigh = high;
        }
    }
    bool unbounded = false;
    for (const auto& [eventNo, ddNo] : kStartDates) {
        const auto search = request.GetSearchItem(eventNo, ddNo);
        const auto* date = search ? std::get_if<AdisDate>(&search->LowValue) : nullptr;
        if (date && (!ranges.earliestDate || *date < *ranges.earliestDate))
            ranges.earliestDate = *date;
        // A request answered from the animal events that gives no start date
        // asks for their whole history.
        if (!date && eventNo != 55021 && eventNo != 55036 && request.RequestEvents.ItemOf(eventNo))
            unbounded = true;
    }
    if (unbounded)
        ranges.earliestDate.reset();
    return ranges;
}

} // namespace modNational
