#include "requests/HerdAnimals.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisDataLine.h"
#include "common/modUtils.h"
#include "requests/ConversionCodes.h"

namespace modNational {
namespace {

constexpr std::int32_t kAnimalEvent = 1;
constexpr std::int32_t kAnimalNumber = 300001;
constexpr std::int32_t kIdentity = 300348;
constexpr std::int32_t kMotherIdentity = 303924;

} // namespace

AdisValue ValueIn(const clsAdisDataLine& line, std::int32_t ddNo) {
    return line.ItemValues.ValueOf(ddNo).value_or(AdisValue(AdisEmpty{}));
}

bool IsGiven(const AdisValue& value) {
    return !IsEmpty(value) && !IsNull(value);
}

bool SameWholeNumber(const AdisValue& a, const AdisValue& b) {
    const auto x = WholeNumberOf(a);
    return x && x == WholeNumberOf(b);
}

std::string HerdAnimals::IdentityKey(std::string_view text) {
    std::string key = modUtils::PadRightTo(text, static_cast<long>(kIdentityLength));
    key.erase(key.find_last_not_of(' ') + 1);
    return key;
}

HerdAnimals::HerdAnimals(const clsAdisDataFile& herdAnswer) {
    const auto event = herdAnswer.DataEvents.ItemOf(kAnimalEvent);
    if (!event)
        return;
    for (const auto& line : *event->DataLines()) {
        // An animal without identity cannot be found by one.
        if (IsGiven(ValueIn(*line, kIdentity)))
            byIdentity_.emplace(IdentityKey(line->Key), line);
        if (const auto number = WholeNumberOf(ValueIn(*line, kAnimalNumber)))
            byNumber_.emplace(*number, line);
    }
}

std::shared_ptr<clsAdisDataLine> HerdAnimals::ByKey(std::string_view identity) const {
    const auto found = byIdentity_.find(IdentityKey(identity));
    return found == byIdentity_.end() ? nullptr : found->second;
}

std::shared_ptr<clsAdisDataLine> HerdAnimals::ByIdentity(const AdisValue& identity) const {
    if (!IsGiven(identity))
        return nullptr;
    return ByKey(AdisValues::ToText(identity));
}

std::shared_ptr<clsAdisDataLine> HerdAnimals::ByNumber(const AdisValue& animalNo) const {
    const auto number = WholeNumberOf(animalNo);
    if (!number)
        return nullptr;
    const auto found = byNumber_.find(*number);
    return found == byNumber_.end() ? nullptr : found->second;
}

std::shared_ptr<clsAdisDataLine> HerdAnimals::MotherOf(const clsAdisDataLine& animal) const {
    return ByIdentity(ValueIn(animal, kMotherIdentity));
}

} // namespace modNational
