#include "HerdDatabase.h"

#include "DemoHerd.h"
#include "HerdSchema.h"
#include "SimDates.h"
#include "SqliteDb.h"

#include "common/Platform.h"

#include <filesystem>

namespace HerdSim {

void CreateHerdDatabase(const std::string& path, bool demo, std::optional<std::int64_t> today,
                        const std::string& seedSql) {
    std::error_code ec;
    std::filesystem::remove(Platform::PathFromUtf8(path), ec);
    SqliteDb db(path, true);
    db.Execute("BEGIN");
    db.Execute(kSchemaSql);
    if (demo)
        FillDemoHerd(db, today.value_or(Today()));
    else
        db.Execute("INSERT INTO herd (herd_no) VALUES ('00000000')");
    if (today) {
        SqliteStatement setToday(db, "UPDATE herd SET today = ?");
        setToday.Bind(1, std::string_view(DateText(*today))).Run();
    }
    if (!seedSql.empty())
        db.Execute(seedSql);
    db.Execute("COMMIT");
}

} // namespace HerdSim
