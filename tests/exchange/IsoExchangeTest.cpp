// The exchange with the real simulated herd-management ISO application
// (herd-iso-sim): started through ExecuteIsoApp and SendIsoRequest as the link
// program starts it, with the registry value "IsoApplication" naming it.

#include "ExchangeTestSupport.h"
#include "LinkSandbox.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/LinkRegistryKeys.h"
#include "common/Platform.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/HerdDictionary.h"
#include "exchange/modMirelCom.h"
#include "national/NationalDictionary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>

using namespace modMirelCom;
using ::testing::Contains;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::string kSimulator = HERD_ISO_SIM_PATH;

std::shared_ptr<clsAdisDataDict> BuiltHerdDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    EXPECT_TRUE(BuildHerdDictionary(*dict, std::string(HerdSenderCode)));
    return dict;
}

std::shared_ptr<clsAdisDataDict> NationalDictionary() {
    auto national = std::make_shared<clsAdisDataDict>();
    EXPECT_TRUE(modNational::BuildNationalDict(*national, "ZIRAZ22 "));
    return national;
}

// A data file for the ISO application to import: one event with the given items.
std::unique_ptr<clsAdisDataFile> ImportFile(std::shared_ptr<clsAdisDataDict> dict,
                                            std::int32_t eventNo,
                                            std::initializer_list<std::int32_t> ddNos) {
    auto file = std::make_unique<clsAdisDataFile>();
    file->DataDict = std::move(dict);
    file->FilePath = IsoInFilePath();
    for (const std::int32_t ddNo : ddNos)
        file->AddDataEventItem(eventNo, ddNo);
    return file;
}

void WriteRequest(const clsAdisEvents& request, const std::string& path,
                  const clsAdisDataDict& dict) {
    ASSERT_TRUE(modADIS::WriteRequestFile(request, path, dict, dict.Version, dict.NationalVersion,
                                          dict.ManufacturerVersion));
}

// The ISO application's answer file, read as the link program reads it.
std::unique_ptr<clsAdisDataFile> ReadAnswer(const std::string& path,
                                            std::shared_ptr<clsAdisDataDict> dict,
                                            const clsAdisEvents* request = nullptr) {
    auto answer = std::make_unique<clsAdisDataFile>();
    clsMessages messages;
    EXPECT_TRUE(answer->Read(path, messages, std::move(dict), request, !request, true)) << path;
    return answer;
}

// A request event with the dictionary's own item objects and the given key items.
void AddRequest(clsAdisEvents& events, const clsAdisDataDict& dict, std::int32_t eventNo,
                std::initializer_list<std::int32_t> keyDDNos,
                std::initializer_list<std::int32_t> ddNos) {
    auto keys = std::make_shared<clsAdisKeyItems>();
    for (const std::int32_t keyDDNo : keyDDNos)
        keys->AddItem(keyDDNo);
    auto items = std::make_shared<clsAdisItems>();
    for (const std::int32_t ddNo : ddNos) {
        auto item = dict.Items().ItemOf(ddNo);
        ASSERT_TRUE(item) << ddNo;
        items->Add(item);
    }
    events.AddItem(eventNo, keys, 0, items);
}

// The request of the Check command: every animal's number, identity and mother.
clsAdisEvents CheckRequest() {
    clsAdisEvents events;
    AddRequest(events, *HerdDataDict(), 1, {300001}, {300001, 300348, 303924});
    return events;
}

// The value's text without the blanks that fill a text field.
std::string ValueText(const clsAdisDataLine& line, std::int32_t ddNo) {
    const auto value = line.ItemValues.ValueOf(ddNo);
    if (!value)
        return "<none>";
    std::string text = AdisValues::ToText(*value);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class IsoExchange : public ::testing::Test {
protected:
    void SetUp() override {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::nullopt);
        database_ = sandbox_.File("herd.db");
        ASSERT_EQ(modUtils::RunProgramAndWait({kSimulator, "--init", database_, "--demo"}, 1), 0);
        Platform::SetEnvironmentValue("HERD_ISO_SIM_DB", database_);
        UseApplication(kSimulator);
        SetHerdDataDict(BuiltHerdDictionary());
    }

    void TearDown() override {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::nullopt);
        Platform::SetEnvironmentValue("HERD_ISO_SIM_DB", std::nullopt);
        SetHerdDataDict(nullptr);
        SetMainWindowVisible(false);
        SharedMessages().Clear();
    }

    static void UseApplication(const std::string& path) {
        ASSERT_TRUE(modUtils::RegWriteString(path, modUtils::RegRoot::LocalMachine, IsoRegistryKey,
                                             IsoApplicationValue));
    }

    static void Fault(const std::string& faults) {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", faults);
    }

    LinkSandbox sandbox_;
    std::string database_;
};

TEST_F(IsoExchange, CheckRequestIsAnsweredWithTheDemoHerdsAnimals) {
    StartTraceLog();
    const clsAdisEvents request = CheckRequest();
    ASSERT_TRUE(SendIsoRequest(request, false));

    const auto event = SharedAnswerFile().DataEvents.Item("000001");
    ASSERT_TRUE(event);
    const auto& lines = *event->DataLines();
    EXPECT_GE(lines.Count(), 55);
    EXPECT_LE(lines.Count(), 70);
    // Lines are keyed by the request's key item, the animal number, and carry
    // the requested items in the requested order.
    const auto cow = lines.Item("101");
    ASSERT_TRUE(cow);
    EXPECT_EQ(cow->ItemValues.Count(), 3);
    EXPECT_EQ(cow->ItemValues.Item(1L)->DDNo, 300001);
    EXPECT_EQ(cow->ItemValues.Item(2L)->DDNo, 300348);
    EXPECT_EQ(cow->ItemValues.Item(3L)->DDNo, 303924);
    long validIds = 0;
    for (const auto& line : lines) {
        const std::string id = ValueText(*line, 300348);
        validIds += id.size() == 14 && id.rfind("SE-", 0) == 0 && id[9] == '-';
    }
    // All but the demo herd's deliberate faults for the check: one identity is
    // missing, one lacks a digit (the third fault repeats a valid identity).
    EXPECT_EQ(validIds, lines.Count() - 2);
    const auto calf = lines.Item("401");
    ASSERT_TRUE(calf);
    EXPECT_THAT(ValueText(*calf, 303924), StartsWith("SE-"));
    EXPECT_FALSE(modUtils::FileExists(LinkLogFilePath()));

    // The command-line text as the log shows it.
    const auto trace = ReadCrLfLines(modUtils::TraceLogPath());
    EXPECT_THAT(trace,
                Contains(EndsWith("Execute: " + kSimulator + " -f " + IsoInFilePath() + " -o " +
                                  IsoOutFilePath() + " -l " + IsoLogFilePath() + " /n")));
    EXPECT_THAT(trace, Contains(HasSubstr("\tResult: 0")));
}

TEST_F(IsoExchange, NonZeroExitOrMissingAnswerFailsAndAnEarlierAnswerIsNeverRead) {
    const clsAdisEvents request = CheckRequest();
    ASSERT_TRUE(SendIsoRequest(request, false));
    // Also at another answer path than the default one (the pass-on run's).
    const std::string otherAnswer = sandbox_.File("~~isoout.dat");
    std::filesystem::copy_file(Platform::PathFromUtf8(IsoOutFilePath()),
                               Platform::PathFromUtf8(otherAnswer));

    SetMainWindowVisible(true);
    Fault("exit=3");
    EXPECT_FALSE(SendIsoRequest(request, false))
        << "an answer was written, but the exit code rules";
    ASSERT_EQ(sandbox_.Ui().boxes.size(), 1u);
    EXPECT_EQ(sandbox_.Ui().boxes[0].text,
              "Error running ISO application!\r\n\r\n\"" + kSimulator + "\" (3)");
    EXPECT_EQ(sandbox_.Ui().boxes[0].caption, "Error");

    SetMainWindowVisible(false);
    Fault("no-answer");
    EXPECT_FALSE(SendIsoRequest(request, false));
    EXPECT_FALSE(modUtils::FileExists(IsoOutFilePath()));
    EXPECT_FALSE(ExecuteIsoApp(false, IsoInFilePath(), otherAnswer, sandbox_.File("~~iso.log")));
    EXPECT_FALSE(modUtils::FileExists(otherAnswer));
    EXPECT_FALSE(ExecuteIsoApp(false));
    EXPECT_EQ(sandbox_.Ui().boxes.size(), 1u) << "no message box without the window";

    // An answer without header lines is no ADIS answer.
    Fault("no-header");
    EXPECT_FALSE(SendIsoRequest(request, false));

    // No application registered: the start fails.
    Fault("");
    UseApplication("");
    EXPECT_FALSE(ExecuteIsoApp(false));
}

TEST_F(IsoExchange, AnswerWithAnErrorFailsAndIsReportedInTheLinkLog) {
    const clsAdisEvents request = CheckRequest();
    Fault("bad-line");
    EXPECT_FALSE(SendIsoRequest(request, false));
    const auto report = ReadCrLfLines(LinkLogFilePath());
    ASSERT_GE(report.size(), 8u);
    EXPECT_THAT(report[0], StartsWith("Kestrom Vantor Link SE 2.04  "));
    EXPECT_EQ(report[1], "");
    // The answer's sender is the herd side, not the link program.
    EXPECT_THAT(report[2], StartsWith("herd-iso-sim "));
    EXPECT_EQ(report[3], "");
    EXPECT_EQ(report[4], IsoOutFilePath());
    EXPECT_EQ(report[5], "");
    EXPECT_THAT(report, Contains(HasSubstr("  Error in line:")));
    EXPECT_EQ(report.back(), "*****");
}

TEST_F(IsoExchange, WarningsAndNotesAloneSucceed) {
    const clsAdisEvents request = CheckRequest();
    Fault("warn-answer,error-log");
    ASSERT_TRUE(SendIsoRequest(request, false))
        << "an error line in the ISO log is not the answer's";
    const std::vector<std::string> messages(SharedMessages().begin(), SharedMessages().end());
    EXPECT_THAT(messages, Contains(StartsWith("Warning in line:")));
    EXPECT_THAT(messages, Contains(StartsWith("   Note in line:")));
    EXPECT_FALSE(modUtils::FileExists(LinkLogFilePath()));
    EXPECT_EQ(modADIS::GetLogLevel(IsoLogFilePath()), 3);
}

TEST_F(IsoExchange, PathsWithBlanksDashesAndSwedishLettersArriveIntact) {
    const auto folder = sandbox_.Path() / Platform::PathFromUtf8("ISO app - Ängö");
    std::filesystem::create_directories(folder / "-data dir");
    const auto simulator = Platform::PathFromUtf8(kSimulator);
    const auto application = folder / ("herd iso-sim" + simulator.extension().string());
    std::filesystem::copy_file(simulator, application);
    // Registered with quotes around it, as a command line would need it.
    UseApplication(Quoted(Platform::Utf8FromPath(application)));

    const auto file = [&](const char* name) {
        return Platform::Utf8FromPath(folder / "-data dir" / Platform::PathFromUtf8(name));
    };
    const auto dict = HerdDataDict();
    WriteRequest(CheckRequest(), file("-f in å.dat"), *dict);
    std::filesystem::copy_file(Platform::PathFromUtf8(database_),
                               Platform::PathFromUtf8(file("-d herd db.db")));
    ASSERT_TRUE(ExecuteIsoApp(false, file("-f in å.dat"), file("-o out.dat"), file("-l x.log"),
                              file("-d herd db.db")));
    const clsAdisEvents request = CheckRequest();
    const auto answer = ReadAnswer(file("-o out.dat"), dict, &request);
    ASSERT_TRUE(answer->DataEvents.Item("000001"));
    EXPECT_GE(answer->DataEvents.Item("000001")->DataLines()->Count(), 55);
    EXPECT_TRUE(modUtils::FileExists(file("-l x.log")));
}

TEST_F(IsoExchange, TheRelayInTheProgramFolderIsStartedWhateverTheRegistrySays) {
    std::filesystem::copy_file(kSimulator, Platform::PathFromUtf8(IsoApplicationPath(true)));
    UseApplication(sandbox_.File("no such program"));
    ASSERT_TRUE(SendIsoRequest(CheckRequest(), true));
    EXPECT_FALSE(SendIsoRequest(CheckRequest(), false));
}

TEST_F(IsoExchange, NationalDataFilesAreTakenWithNotesForWhatIsNotUsed) {
    const auto file = ImportFile(NationalDictionary(), 55021, {900080, 900070});
    auto line =
        file->DataEvents.ItemOf(55021)->DataLines()->AddItem("SE-345612-4737", "V", "N", 55021);
    line->ItemValues.AddItem(900080, AdisValues::Text("SE-345612-4737"));
    line->ItemValues.AddItem(900070, AdisValues::Number(101));
    ASSERT_TRUE(file->WriteData(nullptr, IsoInFilePath()));
    ASSERT_TRUE(ExecuteIsoApp(false));
    EXPECT_EQ(modADIS::GetLogLevel(IsoLogFilePath()), 1);
    EXPECT_THAT(ReadCrLfLines(IsoLogFilePath()),
                Contains(StartsWith("   Note: National event 055021")));
    EXPECT_EQ(ReadAnswer(IsoOutFilePath(), HerdDataDict())->DataEvents.Count(), 0);
}

// Runs the nested exchange once from the event pump, while the outer one waits
// for the ISO application.
class NestingUserInterface : public LinkUi::RecordingUserInterface {
public:
    void PumpEvents() override {
        RecordingUserInterface::PumpEvents();
        if (nested)
            std::exchange(nested, nullptr)();
    }
    std::function<void()> nested;
};

TEST_F(IsoExchange, AnExchangeStartedFromTheEventPumpIsRefusedAndTheOuterAnswerIsItsOwn) {
    StartTraceLog();
    Fault("sleep=300");
    const auto ui = std::make_shared<NestingUserInterface>();
    LinkUi::SetUi(ui);
    clsAdisEvents herdRequest;
    AddRequest(herdRequest, *HerdDataDict(), 0, {}, {308503, 308504, 308505});
    std::optional<bool> nestedResult;
    ui->nested = [&] { nestedResult = SendIsoRequest(herdRequest, false); };

    const bool outerResult = SendIsoRequest(CheckRequest(), false);
    LinkUi::SetUi(nullptr);
    ASSERT_TRUE(nestedResult.has_value()) << "the pump ran while the ISO application worked";
    EXPECT_FALSE(*nestedResult);
    EXPECT_TRUE(outerResult);
    EXPECT_FALSE(SharedAnswerFile().DataEvents.Item("000000"));
    const auto animals = SharedAnswerFile().DataEvents.Item("000001");
    ASSERT_TRUE(animals);
    EXPECT_GE(animals->DataLines()->Count(), 55);
    const auto trace = TraceTexts();
    EXPECT_THAT(trace, Contains("Exchange refused: another exchange of this program is running"));
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "ExecuteIsoApp"), 1);
}

TEST_F(IsoExchange, AnOperationRunsSeveralExchangesInItsOneSession) {
    const clsAdisEvents request = CheckRequest();
    {
        const ExchangeSession session;
        ASSERT_TRUE(session.Active());
        EXPECT_TRUE(SendIsoRequest(session, request, false));
        const std::string answer = sandbox_.File("~~isoout.dat");
        EXPECT_TRUE(
            ExecuteIsoApp(session, false, IsoInFilePath(), answer, sandbox_.File("~~iso.log")));
        EXPECT_TRUE(modUtils::FileExists(answer));
        // An exchange of its own is not part of the operation.
        EXPECT_FALSE(SendIsoRequest(request, false));
    }
    EXPECT_TRUE(SendIsoRequest(request, false));
}

TEST_F(IsoExchange, NewAnimalsAreImportedAndAKnownNumberIsAnErrorInTheIsoLog) {
    const auto dict = HerdDataDict();
    const auto file = ImportFile(dict, 390001, {303910, 300348, 300003, 303926});
    const auto event = file->DataEvents.ItemOf(390001);
    const auto addLine = [&](std::int64_t no, const std::string& id) {
        auto line = event->DataLines()->AddItem(std::to_string(no), "V", "N", 390001);
        line->ItemValues.AddItem(303910, AdisValues::Number(no));
        line->ItemValues.AddItem(300348, AdisValues::Text(id));
        line->ItemValues.AddItem(300003, AdisValues::Number(2));
        line->ItemValues.AddItem(303926, AdisValues::Number(1));
    };
    addLine(101, "SE-111111-1111"); // the demo herd's first cow
    addLine(777, "SE-777777-7777");
    ASSERT_TRUE(file->WriteData(nullptr, ""));
    ASSERT_TRUE(ExecuteIsoApp(false));
    EXPECT_EQ(modADIS::GetLogLevel(IsoLogFilePath()), 3);
    EXPECT_THAT(ReadCrLfLines(IsoLogFilePath()),
                Contains(StartsWith("  Error: Animal number 101")));
    EXPECT_EQ(ReadAnswer(IsoOutFilePath(), dict)->DataEvents.Count(), 0);

    ASSERT_TRUE(SendIsoRequest(CheckRequest(), false));
    const auto lines = SharedAnswerFile().DataEvents.Item("000001")->DataLines();
    ASSERT_TRUE(lines->Item("777"));
    EXPECT_EQ(ValueText(*lines->Item("777"), 300348), "SE-777777-7777");
    EXPECT_NE(ValueText(*lines->Item("101"), 300348), "SE-111111-1111");
}

TEST_F(IsoExchange, CodeTablesAreImportedWithoutData) {
    const auto dict = HerdDataDict();
    const auto file = ImportFile(dict, 303084, {355091, 355092, 355093});
    const auto event = file->DataEvents.ItemOf(303084);
    // One cull reason for the exit types 6, 7 and 8: three lines of one code.
    for (const int exitType : {6, 7, 8})
        modADIS::AddValueLine3(*event, AdisValues::Number(1), AdisValues::Text("01 Såld till liv"),
                               AdisValues::Number(exitType));
    ASSERT_TRUE(file->WriteData(nullptr, IsoInFilePath()));
    ASSERT_TRUE(ExecuteIsoApp(false));
    EXPECT_THAT(ReadCrLfLines(IsoLogFilePath()), Contains("Event 303084: 3 codes stored"));
    EXPECT_LT(modADIS::GetLogLevel(IsoLogFilePath()), 2);
    EXPECT_EQ(ReadAnswer(IsoOutFilePath(), dict)->DataEvents.Count(), 0);
}

TEST_F(IsoExchange, HerdRequestOfTheRequestFlowIsAnsweredItemByItem) {
    const auto dict = HerdDataDict();
    clsAdisEvents request;
    AddRequest(request, *dict, 0, {}, {308503, 308504, 308505});
    const std::initializer_list<std::int32_t> animalItems = {
        300348, 300001, 300033, 300035, 300036, 300339, 300340, 300342,
        300343, 303923, 303924, 303926, 304901, 304902, 351135, 351136,
        351139, 351140, 351141, 351142, 351150, 354201, 354202};
    AddRequest(request, *dict, 1, {300348}, animalItems);
    AddRequest(request, *dict, 2, {300348},
               {300348, 300001, 300370, 300123, 300142, 300371, 300124, 300145, 300127});
    AddRequest(request, *dict, 303085, {355078, 355072, 355079, 355089},
               {300001, 355071, 355072, 355073, 355074, 355075, 355078, 355079, 355080, 355089});
    auto herdRange = std::make_shared<clsAdisSearchItems>();
    herdRange->AddItem(355075, AdisValues::Text("12003456"), AdisValues::Text("12003456"));
    request.ItemOf(303085)->SetSearchItems(herdRange);
    ASSERT_TRUE(SendIsoRequest(request, false));
    const auto& answer = SharedAnswerFile().DataEvents;

    const auto herd = answer.Item("000000");
    ASSERT_TRUE(herd);
    ASSERT_EQ(herd->DataLines()->Count(), 1);
    const auto today = herd->DataLines()->Item(1L)->ItemValues.ValueOf(308503);
    ASSERT_TRUE(today);
    EXPECT_EQ(KindOf(*today), AdisValueKind::Date);

    const auto animals = answer.Item("000001")->DataLines();
    ASSERT_GE(animals->Count(), 55);
    bool twins = false;
    for (const auto& line : *animals) {
        ASSERT_EQ(line->ItemValues.Count(), static_cast<long>(animalItems.size()));
        EXPECT_EQ(line->ItemValues.Item(1L)->DDNo, 300348);
        twins |= ValueText(*line, 300342) == "2" && !ValueText(*line, 300340).empty();
    }
    EXPECT_TRUE(twins) << "the demo herd has cows with twins";
    const auto yields = answer.Item("000002")->DataLines();
    ASSERT_GT(yields->Count(), 10);
    EXPECT_TRUE(AdisValues::AsNumber(*yields->Item(1L)->ItemValues.ValueOf(300127)));
    EXPECT_EQ(KindOf(*yields->Item(1L)->ItemValues.ValueOf(300370)), AdisValueKind::Time);

    // Animal lines are keyed by the official identity, so that each animal event
    // finds its animal; only the stillborn calf has none.
    const auto events = answer.Item("303085")->DataLines();
    EXPECT_GT(events->Count(), 50);
    long withoutAnimal = 0;
    for (const auto& line : *events)
        withoutAnimal += !animals->Item(AdisValues::KeyText(*line->ItemValues.ValueOf(355078)));
    EXPECT_EQ(withoutAnimal, 1);
    herdRange->Item(1L)->LowValue = AdisValues::Text("99000000");
    herdRange->Item(1L)->HighValue = AdisValues::Text("99999999");
    ASSERT_TRUE(SendIsoRequest(request, false));
    const auto otherHerd = SharedAnswerFile().DataEvents.Item("303085");
    EXPECT_TRUE(!otherHerd || otherHerd->DataLines()->Count() == 0);
}

TEST_F(IsoExchange, AnimalEventsHonourTheDateBound) {
    const auto dict = HerdDataDict();
    clsAdisEvents request;
    AddRequest(request, *dict, 303085, {355078, 355072, 355079, 355089},
               {300001, 355071, 355072, 355073, 355074, 355078, 355079, 355080, 355089});
    ASSERT_TRUE(SendIsoRequest(request, false));
    const auto allLines = SharedAnswerFile().DataEvents.Item("303085")->DataLines();
    const long all = allLines->Count();
    EXPECT_GT(all, 100);
    // The stillborn calf has no animal number, only its exit under a made-up identity.
    EXPECT_TRUE(std::any_of(allLines->begin(), allLines->end(), [](const auto& line) {
        return ValueText(*line, 355078).rfind("Dödfödd - {", 0) == 0 &&
               ValueText(*line, 355072) == "7";
    }));

    // From a date some months back only the later events come.
    const auto recent = std::chrono::system_clock::now() - std::chrono::hours(24 * 60);
    const std::time_t recentTime = std::chrono::system_clock::to_time_t(recent);
    const std::tm day = Platform::LocalTime(recentTime);
    const AdisDate from = *AdisDate::Make(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday);
    auto search = std::make_shared<clsAdisSearchItems>();
    search->AddItem(355071, from, AdisNull{});
    request.ItemOf(303085)->SetSearchItems(search);
    ASSERT_TRUE(SendIsoRequest(request, false));
    const auto lines = SharedAnswerFile().DataEvents.Item("303085")->DataLines();
    EXPECT_GT(lines->Count(), 0);
    EXPECT_LT(lines->Count(), all);
    for (const auto& line : *lines)
        EXPECT_GE(std::get<AdisDate>(*line->ItemValues.ValueOf(355071)), from);
}

TEST_F(IsoExchange, NationalRequestsOfThePassOnRunAreAnswered) {
    const auto national = NationalDictionary();
    clsAdisEvents request;
    AddRequest(request, *national, 55021, {900080},
               {900080, 900070, 900053, 900046, 900083, 50322, 50084});
    // The request flow asks for the bull under the herd side's DD number.
    national->AddItem(350305, 3, 16, 0);
    AddRequest(request, *national, 55031, {900080, 900030},
               {900080, 900070, 900030, 50308, 350305, 900096});
    const std::string in = sandbox_.File("~~isoin.dat");
    const std::string out = sandbox_.File("~~isoout.dat");
    WriteRequest(request, in, *national);
    ASSERT_TRUE(ExecuteIsoApp(false, in, out, sandbox_.File("~~iso.log"), "VantorHerd"));
    const auto answer = ReadAnswer(out, national, &request);
    const auto animals = answer->DataEvents.Item("055021");
    ASSERT_TRUE(animals);
    EXPECT_GE(animals->DataLines()->Count(), 50);
    const auto first = animals->DataLines()->Item(1L);
    EXPECT_THAT(ValueText(*first, 900080), StartsWith("SE-"));
    EXPECT_THAT(ValueText(*first, 900046), ::testing::AnyOf("F", "M"));
    const auto inseminations = answer->DataEvents.Item("055031");
    ASSERT_TRUE(inseminations);
    ASSERT_GT(inseminations->DataLines()->Count(), 0);
    EXPECT_FALSE(ValueText(*inseminations->DataLines()->Item(1L), 350305).empty());
}

} // namespace
