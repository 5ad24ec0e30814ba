#pragma once

#include <cstdint>
#include <memory>
#include <string>

class clsAdisDataDict;

namespace HerdSim {

// The herd-management dictionary as the simulator reads and answers with it: the
// program's built-in one with the request events 000000 (herd), 000001
// (animals) and 000002 (milk yields) added.
std::shared_ptr<clsAdisDataDict> SimHerdDictionary();

// The program's built-in national dictionary of the given manufacturer version
// (an unknown version gives the current one), which also knows the herd side's
// bull identity 350305.
std::shared_ptr<clsAdisDataDict> SimNationalDictionary(const std::string& manufacturerVersion);

// The eight DD numbers of each milking's start time, end time and yield, newest
// milking first, as the milk-yield request 000002 asks for them.
extern const std::int32_t kMilkStartItems[8];
extern const std::int32_t kMilkEndItems[8];
extern const std::int32_t kMilkYieldItems[8];
inline constexpr std::int32_t kAverageYieldItem = 300127;

} // namespace HerdSim
