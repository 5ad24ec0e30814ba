// The herd side's answers completed with herd data, and the exit codes of
// exits: rules settled for the national side where the herd side leaves values
// out.

#include "RequestWorld.h"

#include "adis/clsAdisDataFile.h"
#include "requests/AnswerCompletion.h"
#include "requests/ExitCodes.h"
#include "requests/HerdAnimals.h"

#include <gmock/gmock.h>

using namespace modNational;
using ::testing::ElementsAre;

namespace {

using Values = std::vector<std::pair<std::int32_t, AdisValue>>;

void AddLines(clsAdisDataFile& file, std::int32_t eventNo,
              const std::vector<std::pair<std::string, Values>>& lines) {
    auto event = file.DataEvents.ItemOf(eventNo);
    if (!event)
        event = file.DataEvents.AddItem(eventNo, 0, std::make_shared<clsAdisItems>(), nullptr);
    for (const auto& [key, values] : lines) {
        const auto line = event->DataLines()->AddItem(key, "V", "N", eventNo);
        for (const auto& [ddNo, value] : values) {
            event->Items()->AddItem(ddNo, 3, 16, 0);
            line->ItemValues.AddItem(ddNo, value);
        }
    }
}

AdisValue N(std::int64_t number) {
    return AdisValues::Number(number);
}
AdisValue T(const char* text) {
    return std::string(text);
}
const AdisValue kEmpty = AdisEmpty{};

// Identities as the herd database gives them: 15 characters.
std::string Herd(const char* identity) {
    std::string text(identity);
    text.resize(15, ' ');
    return text;
}

// A cow whose last calving brought the calves 401 and 402, an older cow, and
// the calves.
clsAdisDataFile HerdAnswer() {
    clsAdisDataFile herd;
    const auto animal = [](const char* id, std::int64_t no, std::int64_t breed, Values more) {
        Values values{{300348, T(Herd(id).c_str())}, {300001, N(no)}, {303923, N(breed)}};
        values.insert(values.end(), more.begin(), more.end());
        return std::pair{Herd(id), values};
    };
    AddLines(herd, 1,
             {animal("SE-1", 101, 1,
                     {{300035, AdisDate{2026, 9, 1}},
                      {300339, N(401)},
                      {300340, N(402)},
                      {351135, N(11)},
                      {351136, N(12)},
                      {351139, N(1)},
                      {351140, N(2)}}),
              animal("SE-2", 402, 4, {{303924, T(Herd("SE-1").c_str())}, {300343, N(1)}}),
              animal("SE-3", 401, 1, {{303924, T(Herd("SE-1").c_str())}, {300343, N(2)}}),
              animal("SE-4", 105, 2, {{303924, T(Herd("SE-1").c_str())}})});
    return herd;
}

TEST(AnswerCompletion, AnimalsTakeBreedAndTheirFateAsTheirMothersCalf) {
    const clsAdisDataFile herd = HerdAnswer();
    const HerdAnimals animals(herd);
    clsAdisDataFile answer;
    const auto line = [](const char* id, std::int64_t no, AdisValue fate, AdisValue breed) {
        return std::pair{std::string(id) + std::string(16 - std::string(id).size(), ' '),
                         Values{{900080, T(id)}, {900070, N(no)}, {50322, fate}, {50084, breed}}};
    };
    AddLines(answer, 55021,
             {line("SE-2", 402, kEmpty, kEmpty), line("SE-3", 401, N(3), N(9)),
              line("SE-4", 105, kEmpty, kEmpty), line("-", 106, kEmpty, kEmpty)});
    CompleteAnswer(answer, animals);
    EXPECT_THAT(EventRows(answer, 55021, {900070, 50322, 50084}),
                ElementsAre("402|2|4", "401|3|1", "105|<Null>|2",
                            // Without an official identity nothing is taken from the herd.
                            "106|<Null>|<Null>"));
}

TEST(AnswerCompletion, TheLastCalvingGetsItsCalvesAndATwinLine) {
    const clsAdisDataFile herd = HerdAnswer();
    const HerdAnimals animals(herd);
    clsAdisDataFile answer;
    const auto calving = [](std::int64_t lactation, AdisDate date, AdisValue ease) {
        return std::pair{Herd("SE-1") + " #" + std::to_string(lactation),
                         Values{{900080, T("SE-1")},
                                {900035, N(lactation)},
                                {900028, date},
                                {50052, ease},
                                {50070, kEmpty},
                                {50046, kEmpty},
                                {50322, kEmpty},
                                {50088, kEmpty}}};
    };
    AddLines(answer, 55036,
             {calving(1, AdisDate{2025, 8, 1}, kEmpty), calving(2, AdisDate{2026, 9, 1}, N(13))});
    CompleteAnswer(answer, animals);
    EXPECT_THAT(EventRows(answer, 55036, {900035, 900028, 50052, 50070, 50046, 50322, 50088}),
                ElementsAre(
                    // An older calving: the herd keeps no calves of it.
                    "1|2025-08-01|<Null>|<Empty>|<Empty>|<Null>|<Null>",
                    // The herd side's own ease stays; the rest comes from the cow.
                    "2|2026-09-01|13|401|F|1|1",
                    // The second calf as a line of its own.
                    "2|2026-09-01|12|402|M|2|4"));
    const auto twin = answer.DataEvents.ItemOf(55036)->DataLines()->Item(3);
    EXPECT_EQ(twin->Key, Herd("SE-1") + " #2#calf2");
    EXPECT_EQ(twin->LineType, 'V');
    EXPECT_EQ(twin->Status, 'N');
}

TEST(AnswerCompletion, SampleTubesOfZeroAreNotAvailable) {
    clsAdisDataFile answer;
    AddLines(answer, 55043, {{"a", {{900024, N(0)}, {900025, N(5)}}}});
    AddLines(answer, 55042, {{"b", {{900024, N(7)}, {900025, N(0)}}}});
    CompleteAnswer(answer, HerdAnimals(answer));
    EXPECT_THAT(EventRows(answer, 55043, {900024, 900025}), ElementsAre("<Null>|5"));
    EXPECT_THAT(EventRows(answer, 55042, {900024, 900025}), ElementsAre("7|<Null>"));
}

TEST(ExitCodes, CalvesThatLeftReportTheirFateFromTheNationalCodingOn) {
    const clsAdisDataFile herd = HerdAnswer();
    const HerdAnimals animals(herd);
    struct Case {
        const char* identity;
        std::int64_t animalNo;
        AdisValue code, second;
        const char* newCoding; // 50185|50186|50187 from "ZIRAZ20 " on
        const char* oldCoding; // the same before
    };
    const Case cases[] = {
        {"SE-2", 402, N(52), kEmpty, "52|<Null>|2", "52|<Empty>|<Null>"},
        {"SE-3", 401, N(4), N(17), "32|17|1", "4|17|<Null>"},
        {"SE-4", 105, N(99), kEmpty, "<Empty>|<Empty>|<Null>", "99|<Empty>|<Null>"},
        {"SE-4", 105, kEmpty, AdisNull{}, "<Null>|<Null>|<Null>", "<Empty>|<Null>|<Null>"},
        // A second calf marked in its identity is its mother's second calf.
        {"SE-3#calf2", 401, N(46), kEmpty, "46|<Null>|2", "46|<Empty>|<Null>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identity);
        clsAdisDataFile events;
        AddLines(events, 303085,
                 {{"x",
                   {{300001, N(c.animalNo)},
                    {355078, T(c.identity)},
                    {355073, c.code},
                    {355080, c.second}}}});
        const auto& line = *events.DataEvents.ItemOf(303085)->DataLines()->Item(1);
        for (const auto& [version, expected] :
             {std::pair{"ZIRAZ22", c.newCoding}, std::pair{"ZIRAZ19 ", c.oldCoding}}) {
            const ExitCodes codes(version);
            clsAdisDataLine result;
            result.ItemValues.AddItem(50185, codes.ExitReason(line));
            result.ItemValues.AddItem(50186, codes.SecondExitReason(line, animals));
            result.ItemValues.AddItem(50187, codes.CalfFate(line, animals));
            EXPECT_EQ(ValueText(result, 50185) + "|" + ValueText(result, 50186) + "|" +
                          ValueText(result, 50187),
                      expected)
                << version;
        }
    }
}

} // namespace
