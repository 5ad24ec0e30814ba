#pragma once

#include "AdisKeptDefinitions.h"
#include "KeptEventCollection.h"
#include "clsAdisDataEvent.h"

#include <cstdint>
#include <memory>

// Data events keyed by the six-digit event number; further definitions of the
// same number are keyed with "#" and their count ("055021#1"). Those a reader
// kept as text are made when first asked for.
class clsAdisDataEvents : public KeptEventCollection<clsAdisDataEvent> {
public:
    // The new event (its own SubItems stays 0; subItems only forms the key), or
    // nothing when the key is present.
    Element AddItem(std::int32_t eventNo, std::int16_t subItems,
                    std::shared_ptr<clsAdisItems> items,
                    std::shared_ptr<clsAdisDataLines> dataLines);
    Element ItemOf(std::int32_t eventNo) const;
    // Renumbers the event of oldEventNo and its lines, sharing its items and
    // lines; false (and no change) unless the old exists and the new does not.
    bool ChangeEventNo(std::int32_t oldEventNo, std::int32_t newEventNo);
};
