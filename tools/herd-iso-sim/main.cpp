#include "HerdDatabase.h"
#include "ProgramArguments.h"
#include "ServeFolder.h"
#include "SimDates.h"
#include "SimOptions.h"
#include "SimRun.h"
#include "SqliteDb.h"

#include "common/CommandLineMode.h"
#include "common/TextStream.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace HerdSim;
    // File-level problems of the input belong in the log, not on a screen.
    modCommon::SetCommandLineMode(true);
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "herd-iso-sim: %s\n%s", error.c_str(), kUsage);
        return ExitUsage;
    }
    if (options->help) {
        std::fputs(kUsage, stdout);
        return ExitOk;
    }
    if (!options->initDatabase.empty()) {
        std::optional<std::int64_t> today;
        if (options->today) {
            const auto day = ParseDateText(*options->today);
            if (!day) {
                std::fprintf(stderr, "herd-iso-sim: not a date: %s\n", options->today->c_str());
                return ExitUsage;
            }
            today = *day;
        }
        std::string seedSql;
        if (!options->seedFile.empty() && !ReadFileBytes(options->seedFile, seedSql)) {
            std::fprintf(stderr, "herd-iso-sim: cannot read %s\n", options->seedFile.c_str());
            return ExitUsage;
        }
        try {
            CreateHerdDatabase(options->initDatabase, options->demo, today, seedSql,
                               {options->demoAnimals, options->demoEvents});
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "herd-iso-sim: %s\n", failure.what());
            return ExitDatabaseFailed;
        }
        return ExitOk;
    }
    if (!options->serveFolder.empty())
        return ServeFolder(*options);
    return RunExchange(*options);
}
