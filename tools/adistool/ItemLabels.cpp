#include "ItemLabels.h"

#include <unordered_map>

namespace {

const std::unordered_map<std::int32_t, const char*>& Items() {
    static const std::unordered_map<std::int32_t, const char*> labels{
        // national
        {900080, "Official id"},
        {900070, "Animal no"},
        {900053, "Birth date"},
        {900046, "Sex"},
        {900083, "Mother id"},
        {900045, "Name"},
        {900035, "Lactation"},
        {900034, "Entry date"},
        {900038, "Exit date"},
        {900028, "Calving date"},
        {900030, "Insem. date"},
        {900059, "Preg. check"},
        {900054, "Milking date"},
        {900078, "Time"},
        {900079, "Duration"},
        {900042, "Yield kg"},
        {900068, "Unit"},
        {900024, "Rack"},
        {900025, "Tube"},
        {900091, "Examiner"},
        {900096, "Technician"},
        {900032, "Test date"},
        {50011, "Herd no"},
        {50084, "Breed"},
        {50322, "Calf fate"},
        {50181, "Remark"},
        {50182, "Remark"},
        {50183, "Remark"},
        {50184, "Bull"},
        {50134, "Insem. date"},
        {50135, "Check date"},
        {50138, "Dry-off date"},
        {50139, "Calving date"},
        {50185, "Exit reason"},
        {50186, "Reason 2"},
        {50187, "Calf fate"},
        {50085, "Bull id"},
        {50308, "Heat"},
        {50305, "Preg. status"},
        {50052, "Ease"},
        {50070, "Calf no"},
        {50046, "Calf sex"},
        {50088, "Calf breed"},
        {50178, "7-day avg kg"},
        {50151, "Status"},
        // herd-management
        {300001, "Animal no"},
        {300348, "Official id"},
        {303924, "Mother id"},
        {355071, "Date"},
        {355072, "Kind"},
        {355073, "Code"},
        {355074, "Text"},
        {355078, "Identity"},
    };
    return labels;
}

const std::unordered_map<std::int32_t, const char*>& Events() {
    static const std::unordered_map<std::int32_t, const char*> labels{
        {55021, "animals"},
        {55022, "entries"},
        {55023, "inseminations"},
        {55024, "pregnancy checks"},
        {55025, "exits"},
        {55026, "dry-offs"},
        {55027, "calvings"},
        {55031, "inseminations with bull"},
        {55033, "pregnancy checks"},
        {55036, "calvings with calves"},
        {55042, "seven-day milk averages"},
        {55043, "milking sessions"},
        {55501, "animal list"},
        {55502, "test-day results"},
        {1, "animals"},
        {303085, "animal events"},
    };
    return labels;
}

} // namespace

std::string ItemLabel(std::int32_t ddNo) {
    const auto found = Items().find(ddNo);
    return found == Items().end() ? "DD " + std::to_string(ddNo) : found->second;
}

std::string EventLabel(std::int32_t eventNo) {
    const auto found = Events().find(eventNo);
    return found == Events().end() ? std::string() : found->second;
}
