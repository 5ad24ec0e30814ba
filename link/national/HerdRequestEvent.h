#pragma once

// A request event for the herd-management ISO application, built from that
// side's dictionary.

#include "dictionary/clsAdisEvents.h"

#include <cstdint>
#include <memory>
#include <vector>

class clsAdisDataDict;

namespace modNational {

// Adds request event `eventNo` with `items` in that order, each defined as the
// herd-management dictionary defines it, keyed by `keyItems`. Raises LinkError
// naming the first item that dictionary lacks.
std::shared_ptr<clsAdisEvent> AddHerdRequestEvent(clsAdisEvents& events,
                                                  const clsAdisDataDict& herdDict,
                                                  std::int32_t eventNo,
                                                  const std::vector<std::int32_t>& items,
                                                  const std::vector<std::int32_t>& keyItems);

} // namespace modNational
