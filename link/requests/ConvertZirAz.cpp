#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/AppFolder.h"
#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/ProcedureError.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "database/DatabaseConnection.h"
#include "database/QueryBuilders.h"
#include "database/SearchItemRanges.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/NationalShared.h"
#include "requests/AnimalEventConversion.h"
#include "requests/AnswerCompletion.h"
#include "requests/DatabaseAnswers.h"
#include "requests/HerdAnimals.h"
#include "requests/HerdRequest.h"
#include "requests/RequestFlow.h"
#include "settings/LinkSettings.h"
#include "settings/WorkingFiles.h"

#include <array>
#include <exception>
#include <memory>
#include <optional>

namespace modNational {
namespace {

constexpr std::array<std::int32_t, 6> kConvertedRequests{55022, 55023, 55024, 55025, 55026, 55027};
constexpr std::int32_t kSevenDayAverages = 55042;
constexpr std::int32_t kMilkingSessions = 55043;
constexpr std::int32_t kPregnancyChecks = 55033;
constexpr std::int32_t kInseminations = 55031;
constexpr std::int32_t kBullId = 50085;
constexpr std::int32_t kHerdBullId = 350305;
constexpr long kPermissionDenied = 70;

// A message of the run itself, at the level the log judges.
std::string RunError(const std::string& text) {
    return "  Error: " + text;
}

std::string WithExtension(std::string path, std::string_view from, std::string_view to) {
    if (path.size() >= from.size() &&
        path.compare(path.size() - from.size(), from.size(), from) == 0)
        path.replace(path.size() - from.size(), from.size(), to);
    return path;
}

// Removes every request of the event number; true when there was one.
bool RemoveRequests(clsAdisEvents& requests, std::int32_t eventNo) {
    bool removed = false;
    for (long position = requests.Count(); position >= 1; --position) {
        if (requests.Item(position)->EventNo == eventNo) {
            requests.Remove(position);
            removed = true;
        }
    }
    return removed;
}

const clsAdisSearchItems& SearchItemsOf(const clsAdisEvent& request) {
    return *request.SearchItems();
}

// One answered request: the values of the run and its steps, in the order they
// are taken.
class RequestRun {
public:
    RequestRun(std::string inFile, std::string& outFile, std::string logFile, std::string database)
        : inFile_(std::move(inFile)), outFile_(outFile), logFile_(std::move(logFile)),
          database_(std::move(database)), national_(NationalDataDict()),
          herd_(modMirelCom::HerdDataDict()), useRelay_(modCommon::Settings().RemoteConnection),
          messages_(modMirelCom::SharedMessages()) {}

    RequestOutcome Run(const modMirelCom::ExchangeSession& session);
    // The log file's report and, when it holds an error, the log shown to the user.
    void Report();

private:
    bool ReadRequest();
    void ServeFromDatabase();
    std::optional<RequestOutcome> RunHerdSide(const modMirelCom::ExchangeSession& session,
                                              const HerdRequestRanges& ranges);
    void PassOn(const modMirelCom::ExchangeSession& session);
    void AssembleAnswer();
    RequestOutcome WriteAnswer(bool withData);
    RequestOutcome HandOverDataFile(const modMirelCom::ExchangeSession& session);
    clsAdisDataFile& Answer();

    std::string inFile_;
    std::string& outFile_;
    std::string logFile_;
    std::string database_;
    std::shared_ptr<clsAdisDataDict> national_;
    std::shared_ptr<clsAdisDataDict> herd_;
    bool useRelay_;
    clsMessages& messages_;
    // What reading the request reported: part of the log, before the run's messages.
    clsMessages requestMessages_;

    bool newIsoVersion_ = false;
    clsAdisDataFile request_;
    clsAdisDataFile passOn_;
    std::unique_ptr<clsAdisDataFile> answer_;
    std::shared_ptr<Recordset> sevenDayAverages_;
    std::shared_ptr<Recordset> sessions_;
    std::shared_ptr<Recordset> pregnancyChecks_;
    bool milkServed_ = false;
    bool pregServed_ = false;
    bool removed_ = false;
};

clsAdisDataFile& RequestRun::Answer() {
    if (!answer_)
        answer_ = std::make_unique<clsAdisDataFile>();
    return *answer_;
}

bool RequestRun::ReadRequest() {
    if (modUtils::FileExists(inFile_))
        modUtils::CopyFileReplacing(inFile_, modCommon::AppFolder() + "isoin.svm");
    modUtils::WriteLog("objInFile.Read " + inFile_);
    if (!request_.Read(inFile_, requestMessages_, national_, nullptr, false, true)) {
        modUtils::WriteLog("Error reading: " + inFile_);
        return false;
    }
    clsMessages again;
    passOn_.Read(inFile_, again, national_, nullptr, false, true);
    std::string ownAnswerPath = request_.OutFilePath;
    ownAnswerPath.erase(0, ownAnswerPath.find_first_not_of(' '));
    ownAnswerPath.erase(ownAnswerPath.find_last_not_of(' ') + 1);
    if (!ownAnswerPath.empty())
        outFile_ = ownAnswerPath;
    return true;
}

// Requests an ISO application older than 5.5 cannot answer: milkings and
// pregnancy checks come from the herd database.
void RequestRun::ServeFromDatabase() {
    if (const auto averages = request_.RequestEvents.ItemOf(kSevenDayAverages)) {
        sevenDayAverages_ = QueryMilk7DaysAvg(SearchItemsOf(*averages));
        RemoveRequests(passOn_.RequestEvents, kSevenDayAverages);
        milkServed_ = true;
    }
    if (const auto sessions = request_.RequestEvents.ItemOf(kMilkingSessions)) {
        sessions_ = QueryMilkingSessions(SearchItemsOf(*sessions));
        RemoveRequests(passOn_.RequestEvents, kMilkingSessions);
        milkServed_ = true;
    }
}

RequestOutcome RequestRun::Run(const modMirelCom::ExchangeSession& session) {
    modUtils::WriteLog("ConvertZirAz");
    LinkUi::Ui().SetStatusText(modCommon::ResString(172));
    messages_.Clear();
    const std::string isoVersion = GetIsoVersion();
    modUtils::WriteLog("sVantorVersion = " + isoVersion);

    if (!ReadRequest())
        return RequestOutcome::RequestUnreadable;

    newIsoVersion_ = IsNewIsoVersion(isoVersion);
    const HerdRequestRanges ranges = CollectHerdRequestRanges(request_, newIsoVersion_);

    for (const std::int32_t eventNo : kConvertedRequests)
        removed_ = RemoveRequests(passOn_.RequestEvents, eventNo) || removed_;
    if (!newIsoVersion_)
        ServeFromDatabase();
    if (const auto inseminations = passOn_.RequestEvents.ItemOf(kInseminations)) {
        modUtils::WriteLog("Exchange dd no 50085 for 350305 in event 055031");
        inseminations->Items()->ChangeDDNo(kBullId, kHerdBullId);
    }
    if (!newIsoVersion_) {
        if (const auto checks = request_.RequestEvents.ItemOf(kPregnancyChecks)) {
            modUtils::WriteLog("GetVantorPregCheckData");
            pregnancyChecks_ = QueryPregChecks(SearchItemsOf(*checks));
            if (pregnancyChecks_) {
                RemoveRequests(passOn_.RequestEvents, kPregnancyChecks);
                pregServed_ = true;
            }
        }
    }

    if (passOn_.RequestEvents.Count() > 0 || removed_) {
        if (const auto withoutAnimals = RunHerdSide(session, ranges))
            return *withoutAnimals;
    } else if (!milkServed_ && !pregServed_) {
        if (request_.DataEvents.Count() > 0)
            return HandOverDataFile(session);
        return WriteAnswer(false);
    }
    AssembleAnswer();
    return WriteAnswer(true);
}

// The herd request, then the pass-on run and the conversion of the herd's data.
// A herd without animals gets the answer without data (its outcome is
// returned); a herd side that fails leaves the answer to the database.
std::optional<RequestOutcome> RequestRun::RunHerdSide(const modMirelCom::ExchangeSession& session,
                                                      const HerdRequestRanges& ranges) {
    modUtils::WriteLog("HandleIsoRequest");
    HerdRequestOptions options;
    options.nationalManufacturerVersion = national_->ManufacturerVersion;
    options.newIsoVersion = newIsoVersion_;
    options.milkServed = milkServed_;
    const clsAdisEvents herdRequest = BuildHerdRequest(*herd_, options, ranges);
    if (!modADIS::WriteRequestFile(herdRequest, modMirelCom::IsoInFilePath(), *herd_,
                                   herd_->Version, herd_->NationalVersion,
                                   herd_->ManufacturerVersion)) {
        messages_.Add(
            RunError("The herd request could not be written: " + modMirelCom::IsoInFilePath()));
        return std::nullopt;
    }
    if (!modMirelCom::ExecuteIsoApp(session, useRelay_)) {
        messages_.Add(RunError("Error executing ISO application! " +
                               modMirelCom::IsoApplicationPath(useRelay_)));
        return std::nullopt;
    }
    messages_.Clear();
    clsAdisDataFile& herdAnswer = modMirelCom::SharedAnswerFile();
    if (!herdAnswer.Read(modMirelCom::IsoOutFilePath(), messages_, herd_, &herdRequest, false,
                         true))
        return std::nullopt;
    modMirelCom::WriteLinkReport(WithExtension(modMirelCom::IsoOutFilePath(), ".dat", ".log"),
                                 herdAnswer, messages_);
    const auto animalEvent = herdAnswer.DataEvents.ItemOf(1);
    if (!animalEvent || animalEvent->DataLines()->Count() == 0)
        return WriteAnswer(false);
    const HerdAnimals animals(herdAnswer);
    PassOn(session);
    CompleteAnswer(Answer(), animals);
    ConvertAnimalEvents(request_, herdAnswer, animals, *national_, Answer(), messages_);
    return std::nullopt;
}

void RequestRun::PassOn(const modMirelCom::ExchangeSession& session) {
    answer_ = std::make_unique<clsAdisDataFile>();
    if (passOn_.RequestEvents.Count() == 0) {
        modUtils::WriteLog("Nothing left to pass on");
        return;
    }
    if (!modADIS::WriteRequestFile(passOn_.RequestEvents, modCommon::ClInFilePath(), *national_,
                                   passOn_.Version(), passOn_.NationalVersion(),
                                   passOn_.ManufacturerVersion())) {
        messages_.Add(RunError("The request could not be passed on: " + modCommon::ClInFilePath()));
        return;
    }
    messages_.Clear();
    if (!modMirelCom::ExecuteIsoApp(session, useRelay_, modCommon::ClInFilePath(),
                                    modCommon::ClOutFilePath(), modCommon::ClLogFilePath(),
                                    database_)) {
        messages_.Add(RunError("Error executing ISO application! " +
                               modMirelCom::IsoApplicationPath(useRelay_)));
        return;
    }
    if (answer_->Read(modCommon::ClOutFilePath(), messages_, national_, nullptr, false, true))
        modMirelCom::WriteLinkReport(WithExtension(modCommon::ClOutFilePath(), ".dat", ".log"),
                                     *answer_, messages_);
}

void RequestRun::AssembleAnswer() {
    clsAdisDataFile& answer = Answer();
    if (const auto inseminations = answer.DataEvents.ItemOf(kInseminations)) {
        modUtils::WriteLog("Exchange dd no 350305 for 50085 in event 055031");
        inseminations->ChangeDDNo(kHerdBullId, kBullId);
    }
    if (pregServed_)
        AnswerPregnancyChecks(request_, pregnancyChecks_.get(), *national_, answer);
    if (milkServed_)
        AnswerMilkings(request_, sevenDayAverages_.get(), sessions_.get(), *national_, answer);
}

RequestOutcome RequestRun::WriteAnswer(bool withData) {
    if (!withData)
        answer_ = std::make_unique<clsAdisDataFile>();
    clsAdisDataFile& answer = Answer();
    answer.DataDict = national_;
    answer.FilePath = outFile_;
    if (!answer.WriteData(&request_.RequestEvents, outFile_)) {
        messages_.Add(RunError("The answer file could not be written: " + outFile_));
        return RequestOutcome::AnswerNotWritten;
    }
    if (withData) {
        modUtils::WriteLog("objOutFile.WriteData " + outFile_);
        if (modUtils::FileExists(inFile_))
            modUtils::CopyFileReplacing(inFile_, modCommon::AppFolder() + "isoin.bak");
    }
    return RequestOutcome::Answered;
}

// A file with data and no requests is for the herd-management side to take,
// with the national side's own paths.
RequestOutcome RequestRun::HandOverDataFile(const modMirelCom::ExchangeSession& session) {
    return modMirelCom::ExecuteIsoApp(session, useRelay_, inFile_, outFile_, logFile_, database_)
               ? RequestOutcome::DataFileTaken
               : RequestOutcome::DataFileRefused;
}

void RequestRun::Report() {
    clsMessages report;
    for (const std::string& message : requestMessages_)
        report.Add(message);
    for (const std::string& message : messages_)
        report.Add(message);
    if (!modMirelCom::WriteLinkReport(logFile_, Answer(), report)) {
        modUtils::WriteLog("The log file could not be written: " + logFile_);
        return;
    }
    if (modADIS::GetLogLevel(logFile_) == 3)
        LinkUi::Ui().OpenTextFile(logFile_);
}

} // namespace

bool ConvertZirAz(const std::string& inFile, std::string& outFile, const std::string& logFile,
                  const std::string& database, RequestOutcome* outcome) {
    RequestOutcome ended = RequestOutcome::RunFailed;
    bool result = true;
    {
        // The whole run is one exchange with the herd-management side: its
        // working files and the exchange files are this run's until it ends.
        const modMirelCom::ExchangeSession session;
        RequestRun run(inFile, outFile, logFile, database);
        try {
            if (!session.Active())
                throw LinkError(kPermissionDenied,
                                "Another exchange with the herd-management side is running (" +
                                    modMirelCom::ExchangeLockFilePath() + ")");
            ended = run.Run(session);
            // A data file's answer and log are the herd-management side's.
            if (ended != RequestOutcome::DataFileTaken && ended != RequestOutcome::DataFileRefused)
                run.Report();
        } catch (const std::exception& error) {
            LinkUi::ShowProcedureError(error);
            result = false;
            ended = RequestOutcome::RunFailed;
        }
    }
    CloseDbConnection();
    LinkUi::Ui().SetStatusText("");
    if (outcome)
        *outcome = ended;
    return result;
}

} // namespace modNational
