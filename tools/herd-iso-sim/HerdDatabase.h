#pragma once

#include <cstdint>
#include <string>

namespace HerdSim {

// Makes a new herd database at the path (an existing file is replaced): the
// tables, and with demo a realistic demo herd whose records lie in the months
// before `today` (a day number).
void CreateHerdDatabase(const std::string& path, bool demo, std::int64_t today);

} // namespace HerdSim
