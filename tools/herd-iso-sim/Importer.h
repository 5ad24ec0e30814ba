#pragma once

class clsAdisDataFile;

namespace HerdSim {

class SimLog;
class SqliteDb;

// Imports the data events of a herd-management file: new animals (390001; an
// animal number already present is an error, the others are added), animal data
// (390002, 390006) and the code tables (390055, 303078-303093, kept as lookups).
// Everything else, and every event of a national file, is noted as not used.
void ImportData(SqliteDb& db, const clsAdisDataFile& input, bool herdFile, SimLog& log);

} // namespace HerdSim
