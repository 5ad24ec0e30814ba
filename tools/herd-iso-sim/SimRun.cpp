#include "SimRun.h"

#include "Answerer.h"
#include "Faults.h"
#include "Importer.h"
#include "SimDictionaries.h"
#include "SimLog.h"
#include "SimOptions.h"
#include "SqliteDb.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"

#include <chrono>
#include <exception>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace HerdSim {
namespace {

constexpr const char* kSenderName = "herd-iso-sim";
constexpr const char* kSenderVersion = "0100";

struct Input {
    std::unique_ptr<clsAdisDataFile> file;
    clsMessages messages;
    bool herdFile = false;
    bool read = false;
};

std::string Trimmed(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// The dictionary's events without key items: value lines are then kept in the
// order they arrive, none taken for a repetition of another's key (the three
// lines per cull reason of a code table share their code).
clsAdisEvents KeylessEvents(const clsAdisDataDict& dict) {
    clsAdisEvents events;
    for (const auto& event : dict.Events())
        events.AddItem(event->EventNo, std::make_shared<clsAdisKeyItems>(), event->SubItems,
                       event->Items());
    return events;
}

bool ReadWith(Input& input, const std::string& path, std::shared_ptr<clsAdisDataDict> dict) {
    const clsAdisEvents keyless = KeylessEvents(*dict);
    return input.file->Read(path, input.messages, std::move(dict), &keyless, false, true);
}

// A file of the link program's herd-management dictionary carries its sender
// code as manufacturer version; anything else is read as a national file.
Input ReadInput(const std::string& path) {
    Input input;
    input.file = std::make_unique<clsAdisDataFile>();
    input.read = ReadWith(input, path, SimHerdDictionary());
    if (!input.read || Trimmed(input.file->ManufacturerVersion()) == modMirelCom::HerdSenderCode) {
        input.herdFile = true;
        return input;
    }
    const std::string version = input.file->ManufacturerVersion();
    input.file = std::make_unique<clsAdisDataFile>();
    input.messages.Clear();
    input.read = ReadWith(input, path, SimNationalDictionary(version));
    return input;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// The answer-file faults change the written answer in place.
bool ApplyAnswerFaults(const std::string& path, const Faults& faults) {
    if (!faults.noHeader && !faults.badLine && !faults.warnAnswer)
        return true;
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    std::vector<std::string> extra;
    if (faults.badLine) {
        // One character short of its definition: a length error for the reader.
        extra.insert(extra.end(), {"TN", "DN99999900300001060", "VN999999" + std::string(5, '1')});
    }
    if (faults.warnAnswer) {
        // An item no dictionary defines (a warning) and two lines of an event the
        // requester has no key for (notes).
        extra.insert(extra.end(),
                     {"TN", "DN99999800399999060", "VN999998     1", "VN999998     2"});
    }
    std::string out;
    for (const auto& line : SplitLines(bytes)) {
        if (faults.noHeader && (line.rfind("DH", 0) == 0 || line.rfind("VH", 0) == 0))
            continue;
        if (line == "EN")
            for (const auto& added : extra)
                out += added + "\r\n";
        out += line + "\r\n";
    }
    return WriteFileBytesAtomic(path, out);
}

int Finish(SimLog& log, const SimOptions& options, int exitCode) {
    if (!log.Save(options.logFile))
        return exitCode == 0 ? ExitAnswerNotWritten : exitCode;
    return exitCode;
}

} // namespace

int RunExchange(const SimOptions& options) {
    const Faults faults = FaultsFromEnvironment();
    SimLog log;
    log.Info("herd-iso-sim: herd-management ISO application (simulated)");
    log.Info("Input: " + options.inFile);
    log.Info("Answer: " + options.outFile);
    if (!faults.unknown.empty())
        log.Warning("Unknown faults in HERD_ISO_SIM_FAULT: " + faults.unknown);
    if (faults.sleepMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(faults.sleepMs));

    try {
        Input input = ReadInput(options.inFile);
        for (const auto& message : input.messages)
            log.Raw(message);
        if (!input.read) {
            log.Error("Cannot read the input file " + options.inFile);
            return Finish(log, options, ExitInputNotRead);
        }
        log.Info(std::string("Dictionary: ") + (input.herdFile ? "herd-management" : "national") +
                 " " + Trimmed(input.file->ManufacturerVersion()));

        const std::string databasePath = HerdDatabasePath(options.database);
        log.Info("Herd database: " + databasePath);
        std::unique_ptr<SqliteDb> db;
        try {
            db = std::make_unique<SqliteDb>(databasePath, false);
        } catch (const DbError& error) {
            log.Error(error.what());
            return Finish(log, options, ExitDatabaseFailed);
        }

        clsAdisDataFile answer;
        answer.DataDict = input.file->DataDict;
        answer.FilePath = options.outFile;
        // The answer names the herd side as its sender, never the link program.
        answer.WriterSender = kSenderName;
        answer.WriterSenderVersion = kSenderVersion;
        clsAdisEvents answerEvents;
        AnswerRequests(*db, *input.file, answer, answerEvents, log);
        if (input.file->DataEvents.Count() > 0)
            ImportData(*db, *input.file, input.herdFile, log);

        if (faults.noAnswer) {
            log.Info("No answer written (fault injection)");
        } else if (!answer.WriteData(&answerEvents, options.outFile) ||
                   !ApplyAnswerFaults(options.outFile, faults)) {
            log.Error("Cannot write the answer file " + options.outFile);
            return Finish(log, options, ExitAnswerNotWritten);
        }
    } catch (const DbError& error) {
        log.Error(error.what());
        return Finish(log, options, ExitDatabaseFailed);
    } catch (const std::exception& error) {
        log.Error(std::string("Failure: ") + error.what());
        return Finish(log, options, ExitInputNotRead);
    }
    if (faults.errorLog)
        log.Error("Simulated error (HERD_ISO_SIM_FAULT=error-log)");
    log.Info("Done");
    return Finish(log, options, faults.exitCode.value_or(0));
}

} // namespace HerdSim
