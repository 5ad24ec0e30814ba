#include "requests/ExitCodes.h"

#include "adis/clsAdisDataLine.h"
#include "requests/ConversionCodes.h"
#include "requests/HerdAnimals.h"
#include "requests/HerdRequest.h"

namespace modNational {
namespace {

constexpr std::int32_t kLineAnimalNo = 300001;
constexpr std::int32_t kLineCode = 355073;
constexpr std::int32_t kLineIdentity = 355078;
constexpr std::int32_t kLineNumber = 355080;

} // namespace

ExitCodes::ExitCodes(const std::string& nationalManufacturerVersion)
    : nationalCoding_(VersionKey(nationalManufacturerVersion) >= "ZIRAZ20 ") {}

bool ExitCodes::StripSecondCalfMark(std::string& text) {
    const auto mark = text.find(kSecondCalfMark);
    if (mark == std::string::npos)
        return false;
    text.erase(mark, kSecondCalfMark.size());
    return true;
}

AdisValue ExitCodes::CalfFateAtMother(const clsAdisDataLine& line, const HerdAnimals& animals) {
    std::string identity = AdisValues::ToText(ValueIn(line, kLineIdentity));
    const bool markedSecond = StripSecondCalfMark(identity);
    const auto animal = animals.ByKey(identity);
    const auto mother = animal ? animals.MotherOf(*animal) : nullptr;
    if (!mother)
        return AdisEmpty{};
    const AdisValue number = ValueIn(line, kLineAnimalNo);
    for (const HerdCalfItems& slot : {kFirstCalfItems, kSecondCalfItems}) {
        const bool thisSlot = markedSecond ? slot.number == kSecondCalfItems.number
                                           : SameWholeNumber(ValueIn(*mother, slot.number), number);
        if (thisSlot)
            return ValueIn(*mother, slot.fate);
    }
    return AdisEmpty{};
}

AdisValue ExitCodes::ExitReason(const clsAdisDataLine& line) const {
    const AdisValue code = ValueIn(line, kLineCode);
    if (!nationalCoding_)
        return code;
    if (IsEmpty(code))
        return AdisNull{};
    return IsKeptCalvingCode(code) ? code : MapCalvingCode(code);
}

AdisValue ExitCodes::SecondExitReason(const clsAdisDataLine& line,
                                      const HerdAnimals& animals) const {
    const AdisValue second = ValueIn(line, kLineNumber);
    if (!nationalCoding_ || IsGiven(second))
        return second;
    return IsGiven(CalfFateAtMother(line, animals)) ? AdisValue(AdisNull{}) : second;
}

AdisValue ExitCodes::CalfFate(const clsAdisDataLine& line, const HerdAnimals& animals) const {
    if (!nationalCoding_)
        return AdisNull{};
    const AdisValue fate = CalfFateAtMother(line, animals);
    return IsGiven(fate) ? fate : AdisValue(AdisNull{});
}

} // namespace modNational
