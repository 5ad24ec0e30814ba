#pragma once

#include <cstdint>
#include <string>

namespace HerdSim {

class SqliteDb;

// Fills an empty herd database with the demo herd: about 60 animals (cows in
// lactations 1-5 with their calvings, twins and one stillborn calf among them;
// open, inseminated and pregnant heifers; bulls; calves), their inseminations,
// pregnancy checks, dry-offs, exits and two weeks of milkings. The same day gives
// the same herd.
void FillDemoHerd(SqliteDb& db, std::int64_t today);

// The demo herd's national herd number and the identity of its animal numbers.
inline constexpr const char* kDemoHerdNo = "12003456";
std::string DemoOfficialId(std::int64_t animalNo);

// The identity faults of the demo herd, for the check to find: a calf without
// identity, a heifer with the identity of the heifer numbered before her, and a
// heifer whose identity lacks its last digit.
inline constexpr std::int64_t kDemoCalfWithoutId = 401;
inline constexpr std::int64_t kDemoHeiferWithRepeatedId = 203;
inline constexpr std::int64_t kDemoHeiferWithMalformedId = 204;

} // namespace HerdSim
