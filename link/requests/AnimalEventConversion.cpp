#include "requests/AnimalEventConversion.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/clsMessages.h"
#include "dictionary/clsAdisDataDict.h"
#include "requests/ConversionCodes.h"
#include "requests/ExitCodes.h"
#include "requests/HerdAnimals.h"

#include <algorithm>
#include <vector>

namespace modNational {
namespace {

constexpr std::int32_t kAnimalEvents = 303085;
constexpr std::int32_t kLineAnimalNo = 300001;
constexpr std::int32_t kLineDate = 355071;
constexpr std::int32_t kLineKind = 355072;
constexpr std::int32_t kLineText = 355074;
constexpr std::int32_t kLineIdentity = 355078;
constexpr std::int32_t kExitEvent = 55025;

// A stillborn calf's exit, under an identity made up by the herd system.
constexpr std::string_view kStillbornMark = "Dödfödd - {";

enum class From {
    Line,       // the animal event's own item
    Animal,     // the animal's item
    AnimalSex,  // the national sex code of the animal's 303926
    ExitReason, // the exit codes (see ExitCodes.h)
    SecondExitReason,
    CalfFate,
};

struct ItemSource {
    std::int32_t nationalDDNo;
    From from;
    std::int32_t herdDDNo = 0;
};

struct EventRule {
    std::int32_t eventNo;
    std::vector<long long> kinds; // herd event kinds (355072) answered
    std::vector<ItemSource> items;
};

std::vector<ItemSource> WithIdentity(std::vector<ItemSource> items) {
    items.insert(items.begin(),
                 {{900070, From::Line, kLineAnimalNo}, {900080, From::Line, kLineIdentity}});
    return items;
}

const std::vector<EventRule>& Rules() {
    static const std::vector<EventRule> rules{
        {55022,
         {1},
         WithIdentity({{900034, From::Line, kLineDate},
                       {50181, From::Line, kLineText},
                       {50084, From::Animal, 303923},
                       {900035, From::Animal, 300036},
                       {900045, From::Animal, 351150},
                       {900053, From::Animal, 300033},
                       {900046, From::AnimalSex}})},
        {55023,
         {2},
         WithIdentity({{50134, From::Line, kLineDate}, {50184, From::Line, kLineText}})},
        {55024,
         {4},
         WithIdentity({{50135, From::Line, kLineDate}, {50183, From::Line, kLineText}})},
        {kExitEvent,
         {6, 7, 8},
         WithIdentity({{900038, From::Line, kLineDate},
                       {50182, From::Line, kLineText},
                       {50185, From::ExitReason},
                       {50186, From::SecondExitReason},
                       {50187, From::CalfFate}})},
        {55026, {5}, WithIdentity({{50138, From::Line, kLineDate}})},
        {55027, {3}, WithIdentity({{50139, From::Line, kLineDate}, {900046, From::AnimalSex}})},
    };
    return rules;
}

const EventRule* RuleOf(std::int32_t eventNo) {
    for (const EventRule& rule : Rules())
        if (rule.eventNo == eventNo)
            return &rule;
    return nullptr;
}

const ItemSource* SourceOf(const EventRule& rule, std::int32_t ddNo) {
    for (const ItemSource& source : rule.items)
        if (source.nationalDDNo == ddNo)
            return &source;
    return nullptr;
}

bool NeedsAnimal(From from) {
    return from == From::Animal || from == From::AnimalSex;
}

std::string TrimmedText(const AdisValue& value) {
    std::string text = AdisValues::ToText(value);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string AnimalNotFound(const clsAdisDataLine& line) {
    return "  Error in event 303085 (" + TrimmedText(ValueIn(line, kLineKind)) + "): Cow " +
           TrimmedText(ValueIn(line, kLineAnimalNo)) + " with cow id '" +
           TrimmedText(ValueIn(line, kLineIdentity)) + "' not found in database";
}

AdisValue WithoutFill(const AdisValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::string trimmed = *text;
        trimmed.erase(trimmed.find_last_not_of(' ') + 1);
        return trimmed;
    }
    return value;
}

using Evaluated = std::vector<std::pair<std::int32_t, AdisValue>>;

// Whether a converted line lies in the request's search ranges. Texts compare
// without the blanks that fill their fields: the herd's and the national fields
// of an identity differ in length.
bool InRequestedRange(const clsAdisEvent& request, const Evaluated& values) {
    if (!request.HasSearchItems())
        return true;
    for (const auto& search : *request.SearchItems()) {
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&](const auto& v) { return v.first == search->DDNo; });
        if (value == values.end())
            continue;
        if (IsNull(value->second))
            return false;
        const AdisValue comparable = WithoutFill(value->second);
        if (AdisValues::Compare(comparable, WithoutFill(search->LowValue)).value_or(0) < 0 ||
            AdisValues::Compare(comparable, WithoutFill(search->HighValue)).value_or(0) > 0)
            return false;
    }
    return true;
}

class EventConverter {
public:
    EventConverter(const HerdAnimals& animals, const ExitCodes& exitCodes)
        : animals_(animals), exitCodes_(exitCodes) {}

    AdisValue Evaluate(const ItemSource& source, const clsAdisDataLine& line,
                       const clsAdisDataLine* animal) const {
        switch (source.from) {
        case From::Line:
            return ValueIn(line, source.herdDDNo);
        case From::Animal:
            return ValueIn(*animal, source.herdDDNo);
        case From::AnimalSex:
            return SexCode(ValueIn(*animal, 303926));
        case From::ExitReason:
            return exitCodes_.ExitReason(line);
        case From::SecondExitReason:
            return exitCodes_.SecondExitReason(line, animals_);
        case From::CalfFate:
            return exitCodes_.CalfFate(line, animals_);
        }
        return AdisEmpty{};
    }

private:
    const HerdAnimals& animals_;
    const ExitCodes& exitCodes_;
};

} // namespace

void ConvertAnimalEvents(const clsAdisDataFile& request, const clsAdisDataFile& herdAnswer,
                         const HerdAnimals& animals, const clsAdisDataDict& nationalDict,
                         clsAdisDataFile& answer, clsMessages& messages) {
    const auto herdEvents = herdAnswer.DataEvents.ItemOf(kAnimalEvents);
    if (!herdEvents)
        return;
    const ExitCodes exitCodes(nationalDict.ManufacturerVersion);
    const EventConverter converter(animals, exitCodes);

    // What every conversion asks of a herd line, found once for all requests.
    struct HerdEvent {
        const clsAdisDataLine* line;
        long long kind;
        AdisValue identity;
        std::shared_ptr<clsAdisDataLine> animal;
        bool stillborn;
    };
    std::vector<HerdEvent> herdLines;
    herdLines.reserve(static_cast<std::size_t>(herdEvents->DataLines()->Count()));
    for (const auto& line : *herdEvents->DataLines()) {
        AdisValue identity = ValueIn(*line, kLineIdentity);
        const auto kind = WholeNumberOf(ValueIn(*line, kLineKind));
        if (!IsGiven(identity) || !kind)
            continue;
        const bool stillborn = AdisValues::ToText(identity).starts_with(kStillbornMark);
        herdLines.push_back({line.get(), *kind, identity, animals.ByIdentity(identity), stillborn});
    }

    Evaluated evaluated;
    for (const auto& requested : request.RequestEvents) {
        const EventRule* rule = RuleOf(requested->EventNo);
        // A request repeated in the file ("055022#1") is answered once.
        if (!rule || requested->Key != requested->EventNoStr())
            continue;
        std::shared_ptr<clsAdisDataEvent> answerEvent;
        for (const HerdEvent& herdEvent : herdLines) {
            if (std::find(rule->kinds.begin(), rule->kinds.end(), herdEvent.kind) ==
                    rule->kinds.end() ||
                (rule->eventNo == kExitEvent && herdEvent.stillborn))
                continue;
            const clsAdisDataLine& line = *herdEvent.line;
            const clsAdisDataLine* animal = herdEvent.animal.get();
            // Once a value of the missing animal is needed, the line gets no
            // further values; the range is judged on every value it could have.
            evaluated.clear();
            std::size_t kept = 0;
            bool animalMissing = false;
            for (const auto& item : *requested->Items()) {
                const ItemSource* source = SourceOf(*rule, item->DDNo);
                if (!source || !nationalDict.Items().Exists(item->DDNoStr()))
                    continue;
                if (NeedsAnimal(source->from) && !animal) {
                    animalMissing = true;
                    continue;
                }
                evaluated.emplace_back(item->DDNo, converter.Evaluate(*source, line, animal));
                if (!animalMissing)
                    kept = evaluated.size();
            }
            if (!InRequestedRange(*requested, evaluated))
                continue;
            clsAdisItemValues values;
            values.Reserve(kept);
            for (std::size_t i = 0; i < kept; ++i)
                values.AppendItem(evaluated[i].first, evaluated[i].second);
            if (animalMissing)
                messages.Add(AnimalNotFound(line));
            if (!answerEvent) {
                if (const auto earlier = answer.DataEvents.ItemOf(rule->eventNo))
                    answer.DataEvents.Remove(earlier->Key);
                answerEvent =
                    answer.DataEvents.AddItem(rule->eventNo, 0, requested->Items(), nullptr);
            }
            answerEvent->DataLines()->AddItem(line.Key, "V", "N", rule->eventNo, std::move(values));
        }
    }
}

} // namespace modNational
