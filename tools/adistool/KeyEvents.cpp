#include "KeyEvents.h"

#include "adis/AdisText.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "dictionary/clsAdisEvents.h"

#include <cstdint>
#include <exception>

namespace {

// The event number of characters 3 to 8 of a line, 0 when not a number (as the
// reader takes it).
std::int32_t EventNumber(const std::string& line) {
    const auto number = AdisText::ParseWholeNumber(std::string_view(line).substr(2, 6));
    return number && *number >= 0 && *number <= INT32_MAX ? static_cast<std::int32_t>(*number) : 0;
}

} // namespace

std::shared_ptr<clsAdisEvents> RequestKeyEvents(const std::string& requestFile,
                                                const clsAdisDataDict& dict) {
    auto events = std::make_shared<clsAdisEvents>();
    try {
        TextStreamReader stream(requestFile);
        std::string bytes;
        while (stream.ReadLineBytes(bytes)) {
            if (bytes.empty() || bytes.rfind("ZN", 0) == 0)
                break;
            if (bytes[0] != 'R')
                continue;
            const std::int32_t eventNo = EventNumber(bytes);
            if (events->ItemOf(eventNo))
                continue; // the first request of an event number keys its lines
            const auto known = dict.Events().ItemOf(eventNo);
            const auto event =
                events->AddItem(eventNo, known ? known->KeyItems() : nullptr, 0, nullptr);
            event->AddReqLineItems(dict, TextEncoding::Cp1252ToUtf8(bytes));
        }
    } catch (const std::exception&) {
        return nullptr;
    }
    return events;
}
