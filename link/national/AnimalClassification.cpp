#include "adis/clsAdisDataLine.h"
#include "national/NationalFunctions.h"
#include "settings/LinkSettings.h"

#include <optional>

namespace modNational {
namespace {

constexpr std::int32_t kSexItem = 900046;
constexpr std::int32_t kLactationItem = 900035;
constexpr std::int32_t kInseminationDateItem = 900030;
constexpr std::int32_t kPregnancyStatusItem = 50305;

std::string TrimmedText(const AdisValue& value) {
    std::string text = AdisValues::ToText(value);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> NumberOf(const clsAdisDataLine& line, std::int32_t ddNo) {
    const auto value = line.ItemValues.ValueOf(ddNo);
    return value ? AdisValues::ToDouble(*value) : std::nullopt;
}

bool Given(const clsAdisDataLine& line, std::int32_t ddNo) {
    const auto value = line.ItemValues.ValueOf(ddNo);
    return value && !IsNull(*value) && !IsEmpty(*value);
}

bool IsPregnantStatus(const std::optional<double>& status) {
    return status && (*status == 2 || *status == 22);
}

AnimalClass Taken(AnimalKind kind, bool taken, std::int32_t group) {
    return {kind, taken ? static_cast<std::int16_t>(group) : std::int16_t{0}};
}

} // namespace

AnimalClass ClassifyAnimal(const clsAdisDataLine& line) {
    const auto& settings = modCommon::Settings();
    const auto sex = line.ItemValues.ValueOf(kSexItem);
    const std::string sexText = sex ? TrimmedText(*sex) : std::string();
    if (sexText == "F") {
        const auto lactation = NumberOf(line, kLactationItem);
        if (lactation && *lactation > 0) {
            if (*lactation == 1)
                return Taken(AnimalKind::CowLactation1, settings.AddCows, settings.AddCowsGroup1);
            return Taken(AnimalKind::CowLactation2, settings.AddCows, settings.AddCowsGroup2);
        }
        if (IsPregnantStatus(NumberOf(line, kPregnancyStatusItem)))
            return Taken(AnimalKind::PregnantHeifer,
                         settings.AddHeifers && settings.AddPregnantHeifers,
                         settings.AddHeifersGroup3);
        if (!Given(line, kInseminationDateItem))
            return Taken(AnimalKind::Heifer, settings.AddHeifers, settings.AddHeifersGroup1);
        return Taken(AnimalKind::InseminatedHeifer,
                     settings.AddHeifers && settings.AddInseminatedHeifers,
                     settings.AddHeifersGroup2);
    }
    if (sexText == "M")
        return Taken(AnimalKind::Bull, settings.AddBulls, settings.AddBullsGroup);
    return {};
}

std::int16_t AnimalGroup(const clsAdisDataLine& line) {
    return ClassifyAnimal(line).group;
}

AdisValue PregnantToHerd(const AdisValue& status) {
    const auto number = AdisValues::ToDouble(status);
    if (number && (*number == 1 || *number == 21))
        return AdisValues::Number(0);
    if (IsPregnantStatus(number))
        return AdisValues::Number(1);
    return AdisNull{};
}

AdisValue SexToHerd(const AdisValue& sex) {
    const std::string text = TrimmedText(sex);
    if (text == "M")
        return AdisValues::Number(0);
    if (text == "F")
        return AdisValues::Number(1);
    return AdisNull{};
}

} // namespace modNational
