#include "SimOptions.h"

#include "common/Platform.h"

#include <filesystem>

namespace HerdSim {

const char* const kUsage =
    "usage: herd-iso-sim -f IN -o OUT -l LOG [-d DB] [/n]\n"
    "       herd-iso-sim --init DB [--demo [--size ANIMALS] [--events EVENTS]]\n"
    "                    [--today YYYY-MM-DD] [--seed FILE.sql]\n"
    "       herd-iso-sim --serve FOLDER [--db DB]\n"
    "The herd database is the -d value when it names a file, else $HERD_ISO_SIM_DB,\n"
    "else herd.db beside the program. HERD_ISO_SIM_FAULT injects faults for tests:\n"
    "exit=N, no-answer, no-header, error-log, sleep=MS, bad-line, warn-answer,\n"
    "and when serving: slow-serve=MS, keep-request.\n";

std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= args.size()) {
                error = "missing value after " + arg;
                return false;
            }
            target = args[++i];
            return true;
        };
        std::string today;
        if (arg == "-f" || arg == "-F") {
            if (!value(options.inFile))
                return std::nullopt;
        } else if (arg == "-o" || arg == "-O") {
            if (!value(options.outFile))
                return std::nullopt;
        } else if (arg == "-l" || arg == "-L") {
            if (!value(options.logFile))
                return std::nullopt;
        } else if (arg == "-d" || arg == "-D") {
            if (!value(options.database))
                return std::nullopt;
        } else if (arg == "--init") {
            if (!value(options.initDatabase))
                return std::nullopt;
        } else if (arg == "--serve") {
            if (!value(options.serveFolder))
                return std::nullopt;
        } else if (arg == "--db") {
            if (!value(options.database))
                return std::nullopt;
        } else if (arg == "--today") {
            if (!value(today))
                return std::nullopt;
            options.today = today;
        } else if (arg == "--seed") {
            if (!value(options.seedFile))
                return std::nullopt;
        } else if (arg == "--size" || arg == "--events") {
            std::string count;
            if (!value(count))
                return std::nullopt;
            const bool digits = !count.empty() && count.size() <= 7 &&
                                count.find_first_not_of("0123456789") == std::string::npos;
            if (!digits) {
                error = arg + " needs a whole number below 10000000";
                return std::nullopt;
            }
            (arg == "--size" ? options.demoAnimals : options.demoEvents) = std::stoll(count);
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "/n" || arg == "/N") {
            // The link program's "no user interface" switch: this program has none.
        } else {
            error = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (options.help || !options.initDatabase.empty() || !options.serveFolder.empty())
        return options;
    if (options.inFile.empty() || options.outFile.empty() || options.logFile.empty()) {
        error = "-f, -o and -l are required";
        return std::nullopt;
    }
    return options;
}

std::string HerdDatabasePath(const std::string& databaseArgument) {
    if (!databaseArgument.empty()) {
        const auto path = Platform::PathFromUtf8(databaseArgument);
        std::error_code ec;
        const auto extension = path.extension().string();
        if (std::filesystem::is_regular_file(path, ec) || path.has_parent_path() ||
            extension == ".db" || extension == ".sqlite" || extension == ".sqlite3")
            return databaseArgument;
    }
    if (const auto fromEnvironment = Platform::EnvironmentValue("HERD_ISO_SIM_DB");
        fromEnvironment && !fromEnvironment->empty())
        return *fromEnvironment;
    const auto folder = Platform::PathFromUtf8(Platform::ExecutablePath()).parent_path();
    return Platform::Utf8FromPath(folder / "herd.db");
}

} // namespace HerdSim
