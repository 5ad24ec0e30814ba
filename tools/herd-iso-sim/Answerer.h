#pragma once

class clsAdisDataFile;
class clsAdisEvents;

namespace HerdSim {

class SimLog;
class SqliteDb;

// Answers every requested event of the input with one data event of the
// requested items, in the requested order: a value line per database row that
// lies in the request's search ranges (up to its maximum number of records),
// values from the database or Empty where it holds none. The answered requests
// are added to answerEvents, which the answer is written for.
void AnswerRequests(SqliteDb& db, const clsAdisDataFile& input, clsAdisDataFile& answer,
                    clsAdisEvents& answerEvents, SimLog& log);

} // namespace HerdSim
