#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace HerdSim {

// The command line, either the ISO application's call
//   herd-iso-sim -f IN -o OUT -l LOG [-d DB] [/n]
// or the database set-up
//   herd-iso-sim --init DB [--demo [--size ANIMALS] [--events EVENTS]] [--today YYYY-MM-DD]
//                [--seed FILE.sql]
// or the herd server's side of a share
//   herd-iso-sim --serve FOLDER [--db DB]
struct SimOptions {
    std::string inFile;
    std::string outFile;
    std::string logFile;
    std::string database;
    std::string initDatabase;
    std::string serveFolder;
    bool demo = false;
    std::int64_t demoAnimals = 0; // a larger demo herd (benchmarks)
    std::int64_t demoEvents = 0;
    std::string seedFile; // SQL run on the new database (test herds)
    std::optional<std::string> today;
    bool help = false;
};

// Nothing (and the reason in `error`) when the arguments are not understood.
std::optional<SimOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The herd database of a run: the "-d" value when it names a file (it exists, or
// it has a folder or a database extension; a database name of the herd system's
// server does not), else the environment variable HERD_ISO_SIM_DB, else
// "herd.db" beside the executable.
std::string HerdDatabasePath(const std::string& databaseArgument);

extern const char* const kUsage;

} // namespace HerdSim
