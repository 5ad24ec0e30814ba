#include "BuiltInStrings.h"

#include <algorithm>
#include <iterator>

namespace modCommon {
namespace {

struct NumberedText {
    long number;
    const char* text;
};

// Sorted by number.
constexpr NumberedText kEnglish[] = {
    {101, "&Herd number:"},
    {102, "&Remote connection"},
    {104, "Add Animals"},
    {105, "Group"},
    {106, "Lactation 1"},
    {107, "Lactation 2-"},
    {108, "&Cows"},
    {109, "&Heifers"},
    {110, "&Inseminated"},
    {111, "&Pregnant"},
    {112, "&Bulls"},
    {113, "&Steers"},
    {114, "New Herd"},
    {115, "Remove Herd?"},
    {118, "&File"},
    {119, "&New Herd"},
    {120, "&Remove Herd"},
    {121, "&Select Herd"},
    {122, "&Print..."},
    {123, "&Exit"},
    {124, "F&unction"},
    {125, "&Initialize"},
    {126, "&Check"},
    {127, "&Send ADIS Data..."},
    {128, "&Add Animals..."},
    {130, "&Options"},
    {131, "&Settings..."},
    {132, "S&elect Language..."},
    {133, "View &Log"},
    {134, "&Help"},
    {135, "&About..."},
    {136, "Herd number:"},
    {138, "Exit"},
    {139, "Print"},
    {140, "Initialize"},
    {141, "Check"},
    {143, "Settings"},
    {144, "View Log"},
    {145, "About"},
    {146, "Close"},
    {147, "Version"},
    {148, "OK"},
    {149, "Cancel"},
    {150, "Information"},
    {151, "Confirm"},
    {152, "You must restart %x for this setting to take effect!"},
    {156, "Initialization failed!"},
    {157, "Initialization succeded!"},
    {158, "All cow id's are correct!"},
    {159, "No data available!"},
    {160, "Invalid dictionary version!"},
    {161, "Sending data ..."},
    {162, "Receiving data ..."},
    {166, "Error running ISO application!"},
    {167, "Data successfully transfered!"},
    {168, "Error"},
    {169, "File creation error:"},
    {170, "File not found:"},
    {171, "Permission denied:"},
    {172, "Processing ADIS File ..."},
    {174, "Errors found!"},
    {176, "Cows already exists!"},
    {177, "Invalid ADIS file!"},
    {178, "Wrong herd number!"},
    {179, "Required data missing in ADIS file!"},
    {180, "Select Language"},
    {181, "Select a language"},
    {182, "English"},
    {187, "Today"},
    {188, "Clear"},
    {192, "Value out of range, allowed range is %x to %x."},
    {200, "Kestrom Sync is installed and you should not use this application. We recommend that "
          "you uninstall it!"},
    {201, "This function is not allowed when Kestrom Sync is installed!"},
    {244, "All Files"},
    {245, "ADIS Files"},
    {300, "Invalid id's was found for the following cows:"},
    {301, "Duplicate id's was found for the following cows:"},
    {302, "Cow %x with id: '%x'"},
    {303, "Cow %x with mother id: '%x'"},
};

} // namespace

const char* BuiltInString(long number) {
    auto found =
        std::lower_bound(std::begin(kEnglish), std::end(kEnglish), number,
                         [](const NumberedText& entry, long n) { return entry.number < n; });
    if (found == std::end(kEnglish) || found->number != number)
        return nullptr;
    return found->text;
}

std::vector<long> BuiltInStringNumbers() {
    std::vector<long> numbers;
    for (const auto& entry : kEnglish)
        numbers.push_back(entry.number);
    return numbers;
}

} // namespace modCommon
