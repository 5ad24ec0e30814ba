#pragma once

#include "adis/AdisValue.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class clsAdisItems;

namespace HerdSim {

class SqliteDb;

// One answer line before it is cut to the requested items: every value the
// database holds for it, by DD number.
using HerdRow = std::map<std::int32_t, AdisValue>;

// The rows that answer a requested event, in the order the herd system lists
// them, with values typed by the dictionary's items (DD numbers it lacks by the
// stored value). Nothing when the simulator does not answer that event.
std::optional<std::vector<HerdRow>> QueryRows(SqliteDb& db, std::int32_t eventNo,
                                              const clsAdisItems& dictItems);

} // namespace HerdSim
