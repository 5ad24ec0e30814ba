#include "HerdDatabase.h"

#include "DemoHerd.h"
#include "HerdSchema.h"
#include "SqliteDb.h"

#include "common/Platform.h"

#include <filesystem>

namespace HerdSim {

void CreateHerdDatabase(const std::string& path, bool demo, std::int64_t today,
                        const std::string& seedSql) {
    std::error_code ec;
    std::filesystem::remove(Platform::PathFromUtf8(path), ec);
    SqliteDb db(path, true);
    db.Execute("BEGIN");
    db.Execute(kSchemaSql);
    if (demo)
        FillDemoHerd(db, today);
    else
        db.Execute("INSERT INTO herd (herd_no) VALUES ('00000000')");
    if (!seedSql.empty())
        db.Execute(seedSql);
    db.Execute("COMMIT");
}

} // namespace HerdSim
