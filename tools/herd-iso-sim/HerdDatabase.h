#pragma once

#include <cstdint>
#include <string>

namespace HerdSim {

// Makes a new herd database at the path (an existing file is replaced): the
// tables, and with demo a realistic demo herd whose records lie in the months
// before `today` (a day number); then the statements of seedSql (a test's own
// herd), all in one transaction.
void CreateHerdDatabase(const std::string& path, bool demo, std::int64_t today,
                        const std::string& seedSql = {});

} // namespace HerdSim
