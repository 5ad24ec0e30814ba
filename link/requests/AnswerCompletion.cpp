// How the herd-management side's answers are completed with herd data. Every
// line is matched to its animal (herd event 000001) by the first 15 characters of
// its key; an animal's mother is the animal whose identity is its 303924.
//
// Animals (055021), in this order:
//  1. 50322 and 50084 that the herd side left empty become Null.
//  2. Only a line whose official identity (900080) is present (not Null, not "-",
//     not blank) is completed: 50084 (breed) takes the animal's 303923 when that
//     is given; a Null 50322 (fate at birth) takes the mother's fate of the calf
//     whose number is the line's 900070 (351139 for her first calf 300339, 351140
//     for her second calf 300340); a 50322 that stays empty is Null.
// Calvings (055036), in this order:
//  1. 50052, 50322 and 50088 that the herd side left empty become Null.
//  2. Only a line whose cow identity (900080) is present is completed, and only
//     when its calving date (900028) is the cow's last calving (300035): the
//     cow's calf items describe that calving alone. Values not given (Empty or
//     Null) are taken from the first calf: 50070 from 300339, 50052 from 351135, 50322 from
//     351139, 50088 from the calf's own breed (303923, the calf found by its
//     number); the calf's sex 50046 is SexCode2 of the calf's 300343 whenever the
//     calf is in the herd.
//  3. When the cow had a second calf at that calving (300340 given) and no line
//     for it exists, a line is added under the first line's key with "#calf2"
//     (type "V", status "N"): the first line's values with the calf items of the
//     second calf (300340, 351136, 351140, its breed and sex), Null where the herd
//     has none. "#calf2" is left out of the key when the line is matched.
// Milkings (055042, 055043): a sample-tube rack (900024) or sample tube (900025)
// of 0 becomes Null.
#include "requests/AnswerCompletion.h"

#include "adis/clsAdisDataFile.h"
#include "requests/ConversionCodes.h"
#include "requests/ExitCodes.h"
#include "requests/HerdAnimals.h"

#include <vector>

namespace modNational {
namespace {

constexpr std::int32_t kIdentity = 900080;
constexpr std::int32_t kAnimalNo = 900070;
constexpr std::int32_t kCalvingDate = 900028;
constexpr std::int32_t kEase = 50052;
constexpr std::int32_t kCalfNo = 50070;
constexpr std::int32_t kCalfSex = 50046;
constexpr std::int32_t kFate = 50322;
constexpr std::int32_t kBreed = 50084;
constexpr std::int32_t kCalfBreed = 50088;

bool IdentityPresent(const clsAdisDataLine& line) {
    const AdisValue identity = ValueIn(line, kIdentity);
    if (IsNull(identity))
        return false;
    std::string text = AdisValues::ToText(identity);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    return text != "-";
}

// Sets the value of a DD number the line carries; a line without the item is
// left as the herd side wrote it.
void Put(clsAdisDataLine& line, std::int32_t ddNo, const AdisValue& value) {
    line.ItemValues.SetValue(ddNo, value);
}

void EmptyToNull(clsAdisDataLine& line, std::initializer_list<std::int32_t> ddNos) {
    for (const std::int32_t ddNo : ddNos)
        if (const auto value = line.ItemValues.ValueOf(ddNo); value && IsEmpty(*value))
            Put(line, ddNo, AdisNull{});
}

AdisValue GivenOrNull(const AdisValue& value) {
    return IsGiven(value) ? value : AdisValue(AdisNull{});
}

std::string KeyWithoutCalfMark(std::string_view key) {
    std::string plain(key);
    ExitCodes::StripSecondCalfMark(plain);
    return plain;
}

void CompleteAnimal(clsAdisDataLine& line, const HerdAnimals& animals) {
    EmptyToNull(line, {kFate, kBreed});
    if (!IdentityPresent(line))
        return;
    const auto animal = animals.ByKey(line.Key);
    if (!animal)
        return;
    if (const AdisValue breed = ValueIn(*animal, 303923); IsGiven(breed))
        Put(line, kBreed, breed);
    const auto fate = line.ItemValues.ValueOf(kFate);
    const auto mother = animals.MotherOf(*animal);
    if (!fate || !IsNull(*fate) || !mother)
        return;
    const AdisValue number = ValueIn(line, kAnimalNo);
    for (const HerdCalfItems& calf : {kFirstCalfItems, kSecondCalfItems}) {
        if (SameWholeNumber(number, ValueIn(*mother, calf.number))) {
            Put(line, kFate, GivenOrNull(ValueIn(*mother, calf.fate)));
            return;
        }
    }
}

void FillCalf(clsAdisDataLine& line, const clsAdisDataLine& cow, const HerdCalfItems& calf,
              const HerdAnimals& animals, bool fillAll) {
    const auto fill = [&](std::int32_t ddNo, const AdisValue& value) {
        const auto current = line.ItemValues.ValueOf(ddNo);
        if (current && (fillAll || !IsGiven(*current)))
            Put(line, ddNo, GivenOrNull(value));
    };
    const AdisValue calfNo = ValueIn(cow, calf.number);
    fill(kCalfNo, calfNo);
    fill(kEase, ValueIn(cow, calf.ease));
    fill(kFate, ValueIn(cow, calf.fate));
    const auto calfAnimal = animals.ByNumber(calfNo);
    fill(kCalfBreed, calfAnimal ? ValueIn(*calfAnimal, 303923) : AdisValue(AdisNull{}));
    if (calfAnimal && line.ItemValues.ValueOf(kCalfSex))
        Put(line, kCalfSex, SexCode2(ValueIn(*calfAnimal, 300343)));
    else if (fillAll)
        fill(kCalfSex, AdisNull{});
}

// The cow of a calving line, when the line is her last calving.
std::shared_ptr<clsAdisDataLine> CowAtLastCalving(const clsAdisDataLine& line,
                                                  const HerdAnimals& animals) {
    if (!IdentityPresent(line))
        return nullptr;
    auto cow = animals.ByKey(KeyWithoutCalfMark(line.Key));
    if (!cow)
        return nullptr;
    const AdisValue lastCalving = ValueIn(*cow, 300035);
    const AdisValue calvingDate = ValueIn(line, kCalvingDate);
    if (!IsGiven(lastCalving) || AdisValues::Compare(lastCalving, calvingDate) != 0)
        return nullptr;
    return cow;
}

void CompleteCalvings(clsAdisDataEvent& event, const HerdAnimals& animals) {
    auto& lines = *event.DataLines();
    // Lines added for second calves are completed as they are added.
    std::vector<std::shared_ptr<clsAdisDataLine>> answered(lines.begin(), lines.end());
    for (const auto& line : answered) {
        EmptyToNull(*line, {kEase, kFate, kCalfBreed});
        const bool second =
            line->Key.View().find(ExitCodes::kSecondCalfMark) != std::string_view::npos;
        const auto cow = CowAtLastCalving(*line, animals);
        if (!cow)
            continue;
        FillCalf(*line, *cow, second ? kSecondCalfItems : kFirstCalfItems, animals, false);
        if (second || !IsGiven(ValueIn(*cow, kSecondCalfItems.number)))
            continue;
        const std::string key = line->Key + std::string(ExitCodes::kSecondCalfMark);
        const auto twin = lines.AddItem(key, "V", "N", event.EventNo);
        if (!twin)
            continue;
        line->ItemValues.ForEachValue([&](std::int32_t ddNo, const AdisValue& value) {
            twin->ItemValues.AddItem(ddNo, value);
        });
        FillCalf(*twin, *cow, kSecondCalfItems, animals, true);
    }
}

void ZeroToNull(clsAdisDataEvent& event, std::initializer_list<std::int32_t> ddNos) {
    for (const auto& line : *event.DataLines())
        for (const std::int32_t ddNo : ddNos)
            if (const auto value = line->ItemValues.ValueOf(ddNo);
                value && WholeNumberOf(*value) == 0)
                Put(*line, ddNo, AdisNull{});
}

} // namespace

void CompleteAnswer(clsAdisDataFile& answer, const HerdAnimals& animals) {
    if (const auto event = answer.DataEvents.ItemOf(55021))
        for (const auto& line : *event->DataLines())
            CompleteAnimal(*line, animals);
    if (const auto event = answer.DataEvents.ItemOf(55036))
        CompleteCalvings(*event, animals);
    for (const std::int32_t eventNo : {55042, 55043})
        if (const auto event = answer.DataEvents.ItemOf(eventNo))
            ZeroToNull(*event, {900024, 900025});
}

} // namespace modNational
