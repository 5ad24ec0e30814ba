#include "DemoHerd.h"

#include "SimDates.h"
#include "SqliteDb.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace HerdSim {
namespace {

// A small fixed-sequence generator: the demo herd must be the same on every
// platform and standard library.
class DemoRandom {
public:
    int Between(int low, int high) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>((state_ >> 33) % span);
    }

private:
    std::uint64_t state_ = 20260101;
};

constexpr std::array kCowNames = {
    "Rosa",  "Stjärna", "Majros", "Dagny",  "Gullan",   "Klara", "Bella", "Lisa",
    "Docka", "Svala",   "Fia",    "Blomma", "Hjärtros", "Mimmi", "Rölla", "Pärla",
    "Vera",  "Smilla",  "Lycka",  "Saga",   "Stina",    "Elsa",  "Doris", "Tulpan",
    "Viola", "Ronja",   "Molly",  "Ester",  "Frida",    "Greta", "Hulda", "Ingrid",
    "Julia", "Kajsa",   "Linnea", "Märta",  "Nora",     "Olga",  "Pia",   "Ruth"};
constexpr std::array kBullNames = {"Tor", "Bamse", "Ferdinand"};
constexpr std::array kAiBulls = {"SE-880011-0421", "SE-880011-0517", "DK-254001-0093",
                                 "SE-880011-0733"};
constexpr std::array kBreeds = {1, 1, 1, 2, 2, 4, 99};

// Kinds of animal events.
enum Kind {
    Entry = 1,
    Insemination = 2,
    Calving = 3,
    PregnancyCheck = 4,
    DryOff = 5,
    ExitSold = 6,
    Died = 7,
    HomeSlaughter = 8
};

struct Animal {
    std::int64_t no = 0;
    std::optional<std::string> officialId;
    std::string name;
    int sex = 1;
    std::int64_t birth = 0;
    std::optional<std::int64_t> entry;
    int breed = 1;
    std::string motherId;
    std::string fatherId;
    int group = 1;
    int lactation = 0;
    std::optional<std::int64_t> lastCalving;
    int inseminations = 0;
    std::optional<std::int64_t> lastInsemination;
    std::optional<int> pregnant;
    std::optional<int> pregStatus;
    std::optional<std::int64_t> pregCheck;
    int calfCount = 0;
    std::array<std::optional<std::int64_t>, 2> calfNo;
    std::array<std::optional<int>, 2> calfEase;
    std::array<std::optional<int>, 2> calfFate;
    std::optional<double> lactYield;
    std::optional<double> bcs;
    std::optional<std::int64_t> bcsDate;
    std::optional<std::int64_t> exit;
};

struct Event {
    std::optional<std::int64_t> animalNo;
    std::string identity;
    std::int64_t date = 0;
    int kind = 0;
    std::optional<int> code;
    std::string text;
    std::optional<std::int64_t> number;
    std::string time;
    std::optional<int> lactation;
    std::optional<int> calfSex;
    std::optional<int> calfFate;
    std::optional<int> calfBreed;
    std::string extraText;
};

std::string TimeText(int minutes) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:00", (minutes / 60) % 24, minutes % 60);
    return text;
}

class DemoBuilder {
public:
    // Animals are referred to while calves are added: the list never reallocates.
    explicit DemoBuilder(std::int64_t today) : today_(today) { animals_.reserve(kMaxAnimals); }

    void Build() {
        BuildCows();
        BuildHeifers();
        BuildBulls();
        AddIdentityFaults();
    }

    void Store(SqliteDb& db) const;
    // The same herd under other numbers: animal numbers (and with them the
    // identities) moved by `offset`, for a larger herd made of several such parts.
    void Shift(std::int64_t offset);
    // Herd-health pregnancy checks every 21 days in the cows' lives, one cow
    // after another, until `wanted` are added or the cows' lives are full.
    void AddHerdHealthChecks(std::int64_t wanted);
    std::size_t AnimalCount() const { return animals_.size(); }
    std::size_t EventCount() const { return events_.size(); }

private:
    Animal& NewAnimal(std::int64_t no, int sex) {
        if (animals_.size() == kMaxAnimals)
            throw std::logic_error("demo herd too large");
        animals_.emplace_back();
        Animal& animal = animals_.back();
        animal.no = no;
        animal.officialId = DemoOfficialId(no);
        animal.sex = sex;
        animal.breed = kBreeds[static_cast<std::size_t>(random_.Between(0, kBreeds.size() - 1))];
        if (sex == 1)
            animal.name = kCowNames[static_cast<std::size_t>(nextName_++ % kCowNames.size())];
        return animal;
    }

    static constexpr std::size_t kMaxAnimals = 256;

    void AddEvent(Event event) { events_.push_back(std::move(event)); }

    void BuildCows();
    void CalveCow(Animal& cow, std::int64_t date, int lactation, bool last);
    void BreedCow(Animal& cow);
    std::vector<std::size_t> HeiferBirths() const;
    void BuildHeifers();
    void BuildBulls();
    void AddIdentityFaults();
    void Milk(const Animal& cow);

    std::int64_t today_;
    DemoRandom random_;
    std::size_t nextName_ = 0;
    std::int64_t nextCalfNo_ = 401;
    std::vector<Animal> animals_;
    std::vector<Event> events_;
    struct Milking {
        std::int64_t animalNo;
        std::int64_t date;
        int session;
        std::string start;
        std::string end;
        double yield;
    };
    std::vector<Milking> milkings_;
};

void DemoBuilder::BuildCows() {
    constexpr int kCows = 30;
    // Cows whose last calving brought twins, and the one whose calf was stillborn.
    constexpr std::int64_t kTwinCows[] = {103, 117};
    constexpr std::int64_t kStillbornCow = 110;
    for (int i = 0; i < kCows; ++i) {
        const std::int64_t no = 101 + i;
        Animal& cow = NewAnimal(no, 1);
        const int lactations = i % 5 + 1;
        // Half the herd calved in the last four months; the rest earlier.
        const std::int64_t sinceCalving =
            i % 2 == 0 ? random_.Between(8, 120) : random_.Between(130, 330);
        const std::int64_t lastCalving = today_ - sinceCalving;
        cow.birth = lastCalving - 730 - (lactations - 1) * 395 - random_.Between(0, 60);
        if (no == 127 || no == 128) {
            cow.entry = cow.birth + 400;
            AddEvent({no, "", *cow.entry, Entry, 1, "Köpt", {}, "", {}, {}, {}, {}, ""});
        }
        for (int lactation = 1; lactation <= lactations; ++lactation) {
            const std::int64_t date = lastCalving - (lactations - lactation) * 395;
            CalveCow(cow, date, lactation, lactation == lactations);
        }
        if (std::find(std::begin(kTwinCows), std::end(kTwinCows), no) != std::end(kTwinCows)) {
            // The second calf of the last calving, born 25 minutes after the first.
            const std::int64_t calfNo = nextCalfNo_++;
            cow.calfCount = 2;
            cow.calfNo[1] = calfNo;
            cow.calfEase[1] = 12;
            cow.calfFate[1] = 1;
            AddEvent({no, "", lastCalving, Calving, 12, "Tvilling", calfNo, TimeText(4 * 60 + 35),
                      lactations, 0, 1, cow.breed, ""});
            Animal& twin = NewAnimal(calfNo, 0);
            twin.birth = lastCalving;
            twin.motherId = DemoOfficialId(no);
            twin.fatherId = kAiBulls[0];
            twin.breed = cow.breed;
            twin.group = 7;
        }
        if (no == kStillbornCow) {
            // The calf of the last calving was born dead: it has no animal
            // number, only its exit under a made-up identity.
            cow.calfFate[0] = 6;
            cow.calfNo[0].reset();
            for (auto& event : events_)
                if (event.animalNo == no && event.kind == Calving && event.date == lastCalving) {
                    event.calfFate = 6;
                    event.number.reset();
                    event.text = "Dödfödd";
                }
            AddEvent({no,
                      "Dödfödd - {110}",
                      lastCalving,
                      Died,
                      51,
                      "Dödfödd kalv",
                      {},
                      "06:10:00",
                      {},
                      {},
                      6,
                      {},
                      ""});
        }
        cow.group = sinceCalving > 260 ? 3 : (lactations == 1 ? 1 : 2);
        // Two cows went to slaughter in the last weeks, after their last calving;
        // nothing happens to them after that.
        if (no == 129 || no == 130)
            cow.exit = std::max(today_ - random_.Between(10, 50), lastCalving + 5);
        const std::int64_t lastDay = cow.exit.value_or(today_);
        if (sinceCalving > 260 && lastCalving + 255 <= lastDay)
            AddEvent({no,
                      "",
                      lastCalving + 255,
                      DryOff,
                      1,
                      "Sinläggning",
                      {},
                      "",
                      {},
                      {},
                      {},
                      {},
                      "T07"});
        BreedCow(cow);
        cow.bcs = 2.5 + 0.25 * random_.Between(0, 6);
        cow.bcsDate = std::min(today_ - random_.Between(10, 40), lastDay);
        if (cow.exit)
            AddEvent({no,
                      "",
                      *cow.exit,
                      ExitSold,
                      32,
                      "Slakt",
                      no == 129 ? 4 : 13,
                      "",
                      {},
                      {},
                      {},
                      {},
                      ""});
        if (sinceCalving <= 260)
            Milk(cow);
    }
}

void DemoBuilder::CalveCow(Animal& cow, std::int64_t date, int lactation, bool last) {
    const int ease = random_.Between(0, 9) < 7 ? 11 : random_.Between(12, 14);
    const int calfSex = random_.Between(0, 1);
    const int calfFate = calfSex == 1 ? 1 : 2;
    std::optional<std::int64_t> calfNo;
    // Calves of calvings in the last four months are still in the herd.
    if (last && today_ - date <= 120) {
        calfNo = nextCalfNo_++;
        const Animal& mother = cow;
        Animal& calf = NewAnimal(*calfNo, calfSex);
        calf.birth = date;
        calf.motherId = DemoOfficialId(mother.no);
        calf.fatherId = kAiBulls[static_cast<std::size_t>(random_.Between(0, kAiBulls.size() - 1))];
        calf.breed = mother.breed;
        calf.group = 7;
    }
    Animal& mother = cow;
    AddEvent({mother.no, "", date, Calving, ease, calfSex == 1 ? "Kviga" : "Tjurkalv", calfNo,
              TimeText(4 * 60 + 10 + random_.Between(0, 600)), lactation, calfSex, calfFate,
              mother.breed, ""});
    if (last) {
        mother.lactation = lactation;
        mother.lastCalving = date;
        mother.calfCount = 1;
        mother.calfNo = {calfNo, std::nullopt};
        mother.calfEase = {ease, std::nullopt};
        mother.calfFate = {calfFate, std::nullopt};
    }
}

void DemoBuilder::BreedCow(Animal& cow) {
    Animal& self = cow;
    const std::int64_t since = today_ - *self.lastCalving;
    if (since < 55)
        return;
    // A cow that left the herd is bred no more.
    const std::int64_t lastDay = self.exit.value_or(today_);
    std::int64_t date = *self.lastCalving + random_.Between(50, 70);
    while (date <= lastDay) {
        ++self.inseminations;
        self.lastInsemination = date;
        AddEvent({self.no,
                  "",
                  date,
                  Insemination,
                  random_.Between(2, 5),
                  kAiBulls[static_cast<std::size_t>(random_.Between(0, kAiBulls.size() - 1))],
                  {},
                  TimeText(8 * 60 + random_.Between(0, 300)),
                  {},
                  {},
                  {},
                  {},
                  "T12"});
        const std::int64_t check = date + 35;
        if (check > lastDay) {
            self.pregnant = 0;
            self.pregStatus.reset();
            return;
        }
        const bool pregnant = random_.Between(0, 9) < 6;
        self.pregCheck = check;
        self.pregStatus = pregnant ? 2 : 1;
        self.pregnant = pregnant ? 1 : 0;
        AddEvent({self.no,
                  "",
                  check,
                  PregnancyCheck,
                  pregnant ? 2 : 1,
                  pregnant ? "Dräktig" : "Ej dräktig",
                  {},
                  "",
                  {},
                  {},
                  {},
                  {},
                  "V03"});
        if (pregnant)
            return;
        date = check + random_.Between(3, 15);
    }
}

// The calvings of 14 to 26 months ago whose calf is not in the herd, oldest
// first: the births of the heifers.
std::vector<std::size_t> DemoBuilder::HeiferBirths() const {
    std::vector<std::size_t> births;
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const Event& event = events_[i];
        if (event.kind == Calving && !event.number && event.calfFate != 6 &&
            event.date >= today_ - 790 && event.date <= today_ - 420)
            births.push_back(i);
    }
    std::sort(births.begin(), births.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(events_[a].date, events_[a].animalNo) <
               std::pair(events_[b].date, events_[b].animalNo);
    });
    return births;
}

void DemoBuilder::BuildHeifers() {
    constexpr int kHeifers = 12;
    const std::vector<std::size_t> births = HeiferBirths();
    if (births.size() < kHeifers)
        throw std::logic_error("demo herd: too few calvings for its heifers");
    for (int i = 0; i < kHeifers; ++i) {
        const std::int64_t no = 201 + i;
        Animal& heifer = NewAnimal(no, 1);
        // Each heifer is the calf of one of those calvings: the pregnant heifers
        // (the last four) are the oldest, the open ones the youngest.
        Event& birth = events_[births[static_cast<std::size_t>(kHeifers - 1 - i)]];
        birth.number = no;
        birth.calfSex = 1;
        birth.calfFate = 1;
        birth.text = "Kviga";
        heifer.birth = birth.date;
        heifer.motherId = DemoOfficialId(*birth.animalNo);
        heifer.breed = birth.calfBreed.value_or(heifer.breed);
        heifer.fatherId = kAiBulls[static_cast<std::size_t>(i % 4)];
        heifer.group = 4;
        if (i < 4)
            continue; // open
        // First bred at 13 months or later.
        const std::int64_t insemination =
            std::max(today_ - (i < 8 ? random_.Between(10, 30) : random_.Between(60, 150)),
                     heifer.birth + 395);
        heifer.inseminations = 1;
        heifer.lastInsemination = insemination;
        AddEvent({no,
                  "",
                  insemination,
                  Insemination,
                  random_.Between(2, 5),
                  kAiBulls[static_cast<std::size_t>(i % 4)],
                  {},
                  "09:30:00",
                  {},
                  {},
                  {},
                  {},
                  "T12"});
        if (i < 8) {
            heifer.pregnant = 0;
            continue; // inseminated, not yet checked
        }
        heifer.group = 5;
        heifer.pregnant = 1;
        heifer.pregStatus = 2;
        heifer.pregCheck = insemination + 35;
        AddEvent({no,
                  "",
                  *heifer.pregCheck,
                  PregnancyCheck,
                  2,
                  "Dräktig",
                  {},
                  "",
                  {},
                  {},
                  {},
                  {},
                  "V03"});
    }
}

void DemoBuilder::BuildBulls() {
    for (int i = 0; i < 3; ++i) {
        const std::int64_t no = 301 + i;
        Animal& bull = NewAnimal(no, 0);
        bull.name = kBullNames[static_cast<std::size_t>(i)];
        bull.birth = today_ - random_.Between(300, 600);
        bull.group = 6;
        if (i < 2) {
            bull.entry = bull.birth + 120;
            AddEvent({no, "", *bull.entry, Entry, 1, "Köpt", {}, "", {}, {}, {}, {}, ""});
        } else {
            bull.exit = today_ - 30;
            AddEvent(
                {no, "", *bull.exit, HomeSlaughter, 46, "Hemslakt", {}, "", {}, {}, {}, {}, ""});
        }
    }
}

// What the check of identities must find: a calf not registered yet,
// a heifer registered with the identity of the heifer numbered before her, and
// one whose identity lacks a digit.
void DemoBuilder::AddIdentityFaults() {
    for (Animal& animal : animals_) {
        if (animal.no == kDemoCalfWithoutId)
            animal.officialId.reset();
        else if (animal.no == kDemoHeiferWithRepeatedId)
            animal.officialId = DemoOfficialId(kDemoHeiferWithRepeatedId - 1);
        else if (animal.no == kDemoHeiferWithMalformedId)
            animal.officialId->pop_back();
    }
}

void DemoBuilder::Milk(const Animal& cow) {
    const std::int64_t calving = *cow.lastCalving;
    double total = 0;
    const int base = 22 + 3 * std::min(cow.lactation, 3);
    const std::int64_t last = cow.exit ? *cow.exit : today_;
    for (std::int64_t day = calving + 1; day < last; ++day) {
        const auto dim = static_cast<double>(day - calving);
        // A lactation curve: rising to its peak around day 50, then falling.
        const double daily =
            dim < 50 ? base * (0.7 + 0.3 * dim / 50) : base * (1 - (dim - 50) / 500);
        total += daily;
        if (last - day > 14)
            continue;
        for (int session = 1; session <= 2; ++session) {
            const int start = (session == 1 ? 5 * 60 + 30 : 16 * 60 + 30) +
                              static_cast<int>(cow.no % 40) + random_.Between(0, 5);
            const double yield = daily / 2 + random_.Between(-15, 15) / 10.0;
            milkings_.push_back({cow.no, day, session, TimeText(start),
                                 TimeText(start + random_.Between(6, 9)),
                                 static_cast<double>(static_cast<int>(yield * 10)) / 10});
        }
    }
    for (auto& animal : animals_)
        if (animal.no == cow.no)
            animal.lactYield = static_cast<double>(static_cast<long>(total * 100)) / 100;
}

template <class T>
void BindOptional(SqliteStatement& statement, int position, const std::optional<T>& value) {
    if (value)
        statement.Bind(position, *value);
    else
        statement.BindNull(position);
}

void BindText(SqliteStatement& statement, int position, const std::string& text) {
    if (text.empty())
        statement.BindNull(position);
    else
        statement.Bind(position, std::string_view(text));
}

void BindDate(SqliteStatement& statement, int position, const std::optional<std::int64_t>& day) {
    if (day)
        statement.Bind(position, std::string_view(DateText(*day)));
    else
        statement.BindNull(position);
}

std::optional<std::int64_t> Wide(const std::optional<int>& value) {
    return value ? std::optional<std::int64_t>(*value) : std::nullopt;
}

void DemoBuilder::Shift(std::int64_t offset) {
    // Each part's identities carry their own middle number, so that no two
    // animals of the larger herd share one.
    const std::string prefix = DemoOfficialId(0).substr(0, 9); // "SE-345612"
    const std::string partPrefix =
        "SE-" + std::to_string(std::stoll(prefix.substr(3)) + offset / 1000);
    const auto shifted = [&](const std::string& identity) {
        return identity.starts_with(prefix) ? partPrefix + identity.substr(prefix.size())
                                            : identity;
    };
    for (Animal& a : animals_) {
        a.no += offset;
        if (a.officialId)
            a.officialId = shifted(*a.officialId);
        a.motherId = shifted(a.motherId);
        for (auto& calf : a.calfNo)
            if (calf)
                *calf += offset;
    }
    for (Event& e : events_) {
        if (e.animalNo)
            *e.animalNo += offset;
        e.identity = shifted(e.identity);
        if (e.kind == Calving && e.number)
            *e.number += offset;
    }
    for (Milking& m : milkings_)
        m.animalNo += offset;
}

void DemoBuilder::AddHerdHealthChecks(std::int64_t wanted) {
    std::vector<std::int64_t> calvings;
    for (const Animal& cow : animals_) {
        if (wanted <= 0)
            break;
        if (cow.sex != 1 || !cow.lastCalving)
            continue;
        calvings.clear();
        for (const Event& e : events_)
            if (e.kind == Calving && e.animalNo == cow.no)
                calvings.push_back(e.date);
        const std::int64_t end = cow.exit.value_or(today_);
        for (std::int64_t date = cow.birth + 450; date < end && wanted > 0; date += 21) {
            const bool pregnant = std::any_of(calvings.begin(), calvings.end(), [&](auto calving) {
                return calving > date && calving - date <= 250;
            });
            AddEvent({cow.no,
                      "",
                      date,
                      PregnancyCheck,
                      pregnant ? 2 : 1,
                      pregnant ? "Dräktig" : "Ej dräktig",
                      {},
                      "",
                      {},
                      {},
                      {},
                      {},
                      "V05"});
            --wanted;
        }
    }
}

void DemoBuilder::Store(SqliteDb& db) const {

    SqliteStatement animal(
        db, "INSERT INTO animals (animal_no, official_id, name, sex, sex_code, birth_date, "
            "entry_date, breed, mother_id, father_id, group_no, location, lactation, last_calving, "
            "insem_count, last_insemination, pregnant, preg_status, preg_check_date, calf_count, "
            "calf1_no, calf2_no, calf1_ease, calf2_ease, calf1_fate, calf2_fate, lact_yield, bcs, "
            "bcs_date, exit_date, cull_mark, transponder) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Animal& a : animals_) {
        int p = 0;
        animal.Bind(++p, a.no);
        BindText(animal, ++p, a.officialId.value_or(std::string()));
        BindText(animal, ++p, a.name);
        animal.Bind(++p, static_cast<std::int64_t>(a.sex));
        animal.Bind(++p, static_cast<std::int64_t>(a.sex == 0 ? 1 : 2));
        BindDate(animal, ++p, a.birth);
        BindDate(animal, ++p, a.entry);
        animal.Bind(++p, static_cast<std::int64_t>(a.breed));
        BindText(animal, ++p, a.motherId);
        BindText(animal, ++p, a.fatherId);
        animal.Bind(++p, static_cast<std::int64_t>(a.group));
        animal.Bind(++p, a.no % 100 + (a.no / 100) * 40);
        animal.Bind(++p, static_cast<std::int64_t>(a.lactation));
        BindDate(animal, ++p, a.lastCalving);
        animal.Bind(++p, static_cast<std::int64_t>(a.inseminations));
        BindDate(animal, ++p, a.lastInsemination);
        BindOptional(animal, ++p, Wide(a.pregnant));
        BindOptional(animal, ++p, Wide(a.pregStatus));
        BindDate(animal, ++p, a.pregCheck);
        BindOptional(animal, ++p,
                     a.calfCount ? std::optional<std::int64_t>(a.calfCount) : std::nullopt);
        BindOptional(animal, ++p, a.calfNo[0]);
        BindOptional(animal, ++p, a.calfNo[1]);
        BindOptional(animal, ++p, Wide(a.calfEase[0]));
        BindOptional(animal, ++p, Wide(a.calfEase[1]));
        BindOptional(animal, ++p, Wide(a.calfFate[0]));
        BindOptional(animal, ++p, Wide(a.calfFate[1]));
        BindOptional(animal, ++p, a.lactYield);
        BindOptional(animal, ++p, a.bcs);
        BindDate(animal, ++p, a.bcsDate);
        BindDate(animal, ++p, a.exit);
        BindOptional(animal, ++p, a.exit ? std::optional<std::int64_t>(1) : std::nullopt);
        char transponder[32];
        std::snprintf(transponder, sizeof transponder, "752098%09lld",
                      static_cast<long long>(a.no * 7919));
        animal.Bind(++p, std::string_view(transponder));
        animal.Run();
    }

    SqliteStatement event(
        db, "INSERT INTO animal_events (animal_no, identity, event_date, kind, code, text, date2, "
            "number, time, lactation, calf_sex, calf_fate, calf_breed, extra_text) VALUES (?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const Event& e : events_) {
        int p = 0;
        BindOptional(event, ++p, e.animalNo);
        BindText(event, ++p, e.identity);
        BindDate(event, ++p, e.date);
        event.Bind(++p, static_cast<std::int64_t>(e.kind));
        BindOptional(event, ++p, Wide(e.code));
        BindText(event, ++p, e.text);
        BindDate(event, ++p, e.date + 2); // registered two days later
        BindOptional(event, ++p, e.number);
        BindText(event, ++p, e.time);
        BindOptional(event, ++p, Wide(e.lactation));
        BindOptional(event, ++p, Wide(e.calfSex));
        BindOptional(event, ++p, Wide(e.calfFate));
        BindOptional(event, ++p, Wide(e.calfBreed));
        BindText(event, ++p, e.extraText);
        event.Run();
    }

    SqliteStatement milking(db, "INSERT INTO milkings (animal_no, milk_date, session, start_time, "
                                "end_time, yield) VALUES (?, ?, ?, ?, ?, ?)");
    for (const auto& m : milkings_) {
        milking.Bind(1, m.animalNo);
        BindDate(milking, 2, m.date);
        milking.Bind(3, static_cast<std::int64_t>(m.session));
        milking.Bind(4, std::string_view(m.start));
        milking.Bind(5, std::string_view(m.end));
        milking.Bind(6, m.yield);
        milking.Run();
    }
}

} // namespace

std::string DemoOfficialId(std::int64_t animalNo) {
    char text[32];
    std::snprintf(text, sizeof text, "SE-345612-%04lld",
                  static_cast<long long>(1000 + (animalNo * 37) % 9000));
    return text;
}

void FillDemoHerd(SqliteDb& db, std::int64_t today, const DemoSize& size) {
    SqliteStatement herd(db, "INSERT INTO herd (herd_no) VALUES (?)");
    herd.Bind(1, std::string_view(kDemoHerdNo)).Run();
    // A larger herd is the demo herd several times over, each part under animal
    // numbers 1000 higher than the one before; the checks that bring it to its
    // events are shared out over the parts.
    DemoBuilder first(today);
    first.Build();
    const auto perPart = static_cast<std::int64_t>(first.AnimalCount());
    const std::int64_t parts = std::max<std::int64_t>(1, (size.animals + perPart - 1) / perPart);
    const std::int64_t extra = std::max<std::int64_t>(
        0, size.events - parts * static_cast<std::int64_t>(first.EventCount()));
    for (std::int64_t part = 0; part < parts; ++part) {
        DemoBuilder builder(today);
        builder.Build();
        builder.Shift(part * 1000);
        builder.AddHerdHealthChecks(extra / parts + (part < extra % parts ? 1 : 0));
        builder.Store(db);
    }
}

} // namespace HerdSim
