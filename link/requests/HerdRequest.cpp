#include "requests/HerdRequest.h"

#include "national/HerdRequestEvent.h"

#include "adis/clsAdisSearchItems.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"

#include <array>
#include <vector>

namespace modNational {
namespace {

using DDNos = std::vector<std::int32_t>;

// Start times, end times and yields of the eight newest milkings, taken in
// turn (start, end, yield of the first milking, then of the second, ...).
constexpr std::array<std::int32_t, 8> kMilkStart{300370, 300371, 300372, 300373,
                                                 300366, 300367, 300368, 300369};
constexpr std::array<std::int32_t, 8> kMilkEnd{300123, 300124, 300125, 300126,
                                               300119, 300120, 300121, 300122};
constexpr std::array<std::int32_t, 8> kMilkYield{300142, 300145, 300148, 300151,
                                                 300130, 300133, 300136, 300139};

// The date the herd request starts from when no request gives one: the zero
// date, which every event date passes.
constexpr AdisDate kZeroDate{1899, 12, 30};

AdisValue BoundOrNull(const std::string& text) {
    return text.empty() ? AdisValue(AdisNull{}) : AdisValue(text);
}

} // namespace

std::string VersionKey(const std::string& version) {
    return modUtils::PadRightTo(version, 8);
}

clsAdisEvents BuildHerdRequest(const clsAdisDataDict& herdDict, const HerdRequestOptions& options,
                               const HerdRequestRanges& ranges) {
    clsAdisEvents events;
    AddHerdRequestEvent(events, herdDict, 0, {308503, 308504, 308505}, {});

    DDNos animalItems{300348, 300001, 300033, 300035, 300036, 300339,
                      300340, 300342, 300343, 303923, 303924, 303926};
    if (VersionKey(options.nationalManufacturerVersion) >= "ZIRAZ22 ")
        animalItems.insert(animalItems.end(), {304901, 304902});
    animalItems.insert(animalItems.end(), {351135, 351136, 351139, 351140, 351141, 351142, 351150});
    if (options.newIsoVersion)
        animalItems.insert(animalItems.end(), {354201, 354202});
    AddHerdRequestEvent(events, herdDict, 1, animalItems, {300348});

    if (!options.milkServed) {
        DDNos milkItems{300348, 300001};
        for (std::size_t i = 0; i < kMilkStart.size(); ++i)
            milkItems.insert(milkItems.end(), {kMilkStart[i], kMilkEnd[i], kMilkYield[i]});
        milkItems.push_back(300127);
        AddHerdRequestEvent(events, herdDict, 2, milkItems, {300348});
    }

    DDNos eventItems{300001, 355071, 355072, 355073, 355074};
    if (options.newIsoVersion)
        eventItems.push_back(355075);
    eventItems.insert(eventItems.end(), {355078, 355079, 355080, 355089});
    const auto animalEvents =
        AddHerdRequestEvent(events, herdDict, 303085, eventItems, {355078, 355072, 355079, 355089});
    auto& search = *animalEvents->SearchItems();
    search.AddItem(355071, ranges.earliestDate.value_or(kZeroDate), AdisNull{});
    if (!ranges.rangeLow.empty() || !ranges.rangeHigh.empty())
        search.AddItem(355075, BoundOrNull(ranges.rangeLow), BoundOrNull(ranges.rangeHigh));
    return events;
}

} // namespace modNational
