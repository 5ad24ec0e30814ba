#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace HerdSim {

// Makes a new herd database at the path (an existing file is replaced): the
// tables, and with demo a realistic demo herd whose records lie in the months
// before `today` (a day number; nothing: the clock's); then the statements of
// seedSql (a test's own herd), all in one transaction. A given day stays the
// herd's present day in its answers; otherwise the herd follows the clock.
void CreateHerdDatabase(const std::string& path, bool demo, std::optional<std::int64_t> today,
                        const std::string& seedSql = {});

} // namespace HerdSim
