#pragma once

// The exchange with the herd-management side's ISO application: the exchange
// files in the program folder, finding and starting the application, one
// complete request exchange, and the reports of the link log "~link.log".

#include "common/modUtils.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class clsAdisDataFile;
class clsAdisEvents;
class clsMessages;

namespace modMirelCom {

class ExchangeSession;

// ---- Exchange files (full paths in the program folder) --------------------------

std::string HerdDictFilePath();     // "dd.ini"
std::string IsoInFilePath();        // "~isoin.dat", the request for the ISO application
std::string IsoOutFilePath();       // "~isoout.dat", its answer
std::string IsoLogFilePath();       // "~iso.log", its log
std::string LinkLogFilePath();      // "~link.log", the report of the last exchange or check
std::string ExchangeLockFilePath(); // "~iso.lck", held while an exchange runs

// The relay program's file name on this platform ("QelIsoRemote.exe" on Windows).
std::string RelayProgramName();

// Registry key and value naming the herd-management ISO application.
inline constexpr const char* IsoRegistryKey = "Software\\Kestrom\\Zova Dirovedavi\\ISO";
inline constexpr const char* IsoApplicationValue = "IsoApplication";

// With the relay: the relay program in the program folder. Otherwise the
// machine-wide registry value "IsoApplication" without surrounding quotes; the
// empty text when missing.
std::string IsoApplicationPath(bool useRelay);

// ---- Starting the ISO application ------------------------------------------------

// The ISO application's call: the program, its arguments, and the command-line
// text " -f " InFile, " -o " OutFile, " -l " LogFile, " -d " Database (each only
// when not empty), then always " /n", with no quotes around anything. Windows
// programs receive exactly this text; elsewhere the arguments go over as a vector.
using IsoCommand = modUtils::ProgramCall;
IsoCommand BuildIsoCommand(const std::string& application, const std::string& inFile,
                           const std::string& outFile, const std::string& logFile,
                           const std::string& database);

// Starts the ISO application and waits for it, letting the window handle its
// events meanwhile; true when it ended with exit code 0. On another exit code a
// visible main window shows the error (language texts 166 and 168).
bool RunIsoProcess(bool useRelay, int showWindow, const std::string& inFile,
                   const std::string& outFile, const std::string& logFile,
                   const std::string& database);

// Empty InFile, OutFile and LogFile become the default exchange files. Any file at
// the answer path is deleted before the run, so that only this run's answer is
// read. True when the application succeeded and left its answer file; false at
// once when the session is not active.
bool ExecuteIsoApp(const ExchangeSession& session, bool useRelay, std::string inFile = {},
                   std::string outFile = {}, std::string logFile = {},
                   const std::string& database = {});
// The same as an exchange of its own (refused while another exchange runs).
bool ExecuteIsoApp(bool useRelay, std::string inFile = {}, std::string outFile = {},
                   std::string logFile = {}, const std::string& database = {});

// One complete request exchange: writes the request events in the herd-management
// dictionary, runs the ISO application on the default exchange files and reads
// its answer into the shared answer file. False when a step fails or a message of
// the reading contains "Error" (then "~link.log" holds the report); false at once
// when the session is not active.
bool SendIsoRequest(const ExchangeSession& session, const clsAdisEvents& events, bool useRelay);
// The same as an exchange of its own (refused while another exchange runs).
bool SendIsoRequest(const clsAdisEvents& events, bool useRelay);

// ---- Reports ---------------------------------------------------------------------

// The first line of every report: company, title, version text and the present
// date and time.
std::string ReportHeaderLine();

// The report of an exchange: header line, the data file's sender and path (when it
// has a path), the messages, "*****". Replaces ReportPath; false on any failure.
bool WriteLinkReport(const std::string& reportPath, const clsAdisDataFile& dataFile,
                     const clsMessages& messages);

// One entry of a check list: the animal number and its identity text.
using CheckEntry = std::pair<std::string, std::string>;

// The report of the identity check, written to "~link.log" only when a list has
// entries: heading 300 with the invalid identities, heading 301 with the
// duplicates, each entry as text 302. True when written or nothing to write.
bool WriteCheckReport(const std::vector<CheckEntry>& invalidIds,
                      const std::vector<CheckEntry>& duplicateIds);

} // namespace modMirelCom
