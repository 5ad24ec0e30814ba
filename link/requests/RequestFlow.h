#pragma once

// The request flow: VantorLink as the national side's ISO command-line
// application. It reads a national request, answers what it can from the herd
// database or by converting the herd-management side's data, passes the rest on
// to the herd-management ISO application, and writes one answer file and a log.

#include <string>

namespace modNational {

// How a run ended, for the program's exit status.
enum class RequestOutcome {
    Answered,          // the answer file was written
    DataFileTaken,     // a data file was handed over and the herd side took it
    RequestUnreadable, // the request could not be read; no answer written
    DataFileRefused,   // the herd-management ISO application failed on the data file
    AnswerNotWritten,  // the answer file could not be written
    RunFailed,         // an error stopped the run, or the exchange was not available
};

// 0 for an answer written or a data file taken; otherwise the documented code:
// 1 run failed or answer not written, 3 request unreadable, 4 data file refused.
int ExitStatus(RequestOutcome outcome);

// The herd-management ISO application's version ("Version" under its machine-wide
// key); empty when missing.
std::string GetIsoVersion();
// Left and right of the first "." zero-padded to two characters each compare, as
// text, with "05.05": 5.5 and 5.10 are new, 4.9 is not. Raises LinkError (5) for
// a version without ".".
bool IsNewIsoVersion(const std::string& version);

// Reads the request's four values stored by the command line (per-user
// "IsoCLInFile", "IsoCLOutFile", "IsoCLLogFile", "IsoCLDatabase"), logs them and
// answers the request.
RequestOutcome RunIsoRequest();

// Answers one request. outFile becomes the request's own answer path when the
// request names one. The result is false only when an error stopped the run;
// `outcome` tells how it ended.
bool ConvertZirAz(const std::string& inFile, std::string& outFile, const std::string& logFile,
                  const std::string& database, RequestOutcome* outcome = nullptr);

} // namespace modNational
