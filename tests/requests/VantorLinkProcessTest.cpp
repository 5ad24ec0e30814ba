// VantorLink started as the national side starts it, answering requests from a
// herd that herd-iso-sim keeps.

#include "HerdSeed.h"
#include "RequestWorld.h"

#include "common/modUtils.h"
#include "settings/WorkingFiles.h"

#include <gmock/gmock.h>

#include <chrono>
#include <filesystem>
#include <thread>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

const RequestedEvent kEntries{
    55022, {900080, 900070, 900046, 50084, 900053, 900035, 900045, 900034, 50181}};
const RequestedEvent kInseminations{55023, {900080, 900070, 50134, 50184}};
const RequestedEvent kPregnancyChecks{55024, {900080, 900070, 50135, 50183}};
const RequestedEvent kExits{55025, {900080, 900070, 900038, 50185, 50186, 50187, 50182}};
const RequestedEvent kDryOffs{55026, {900080, 900070, 50138, 50183}};
const RequestedEvent kCalvings{55027, {900080, 900070, 50139, 900046, 50184}};

class VantorLinkProcess : public RequestWorld {
protected:
    void SetUp() override { SeedHerd(kHerdSeed); }

    // Answers the request; the answer read back, or nothing.
    std::unique_ptr<clsAdisDataFile> Answer(const std::string& request, int expectedExit = 0,
                                            const std::string& version = "ZIRAZ22 ") {
        EXPECT_EQ(RunLink({"-f", request, "-o", File("answer.dat"), "-l", File("answer.log")}),
                  expectedExit);
        return ReadAnswer(File("answer.dat"), version);
    }
    std::string Log() const { return FileBytes(sandbox.File("answer.log")); }
    // The path of a copy of an inseminations request in the folder, made here.
    std::string InseminationsRequestIn(const std::string& folder, const std::string& name) {
        std::filesystem::create_directories(Platform::PathFromUtf8(folder));
        std::filesystem::copy_file(Platform::PathFromUtf8(WriteRequest("r.dat", {kInseminations})),
                                   Platform::PathFromUtf8(folder + "/" + name));
        return folder + "/" + name;
    }
    void ExpectOneInsemination(const std::string& answerPath) {
        const auto answer = ReadAnswer(answerPath);
        ASSERT_TRUE(answer);
        EXPECT_EQ(EventRows(*answer, 55023, {900070}).size(), 1u);
    }
};

TEST_F(VantorLinkProcess, AnimalEventsAreConvertedEventByEvent) {
    const auto answer = Answer(WriteRequest(
        "request.dat", {kEntries, kInseminations, kPregnancyChecks, kExits, kDryOffs, kCalvings}));
    ASSERT_TRUE(answer);
    EXPECT_THAT(EventRows(*answer, 55022,
                          {900080, 900070, 900034, 50181, 50084, 900035, 900045, 900053, 900046}),
                ElementsAre("SE-100001-0002|102|2025-01-10|Köpt|2|1|Stjärna|2023-04-02|F",
                            // The animal is not in the herd: what needs it stays empty.
                            "SE-100001-0999|999|<Empty>|<Empty>|<Empty>|<Empty>|<Empty>|<Empty>|"
                            "<Empty>"));
    EXPECT_THAT(EventRows(*answer, 55023, {900080, 900070, 50134, 50184}),
                ElementsAre("SE-100001-0001|101|2026-10-20|SE-88001"));
    EXPECT_THAT(EventRows(*answer, 55024, {900080, 900070, 50135, 50183}),
                ElementsAre("SE-100001-0001|101|2026-11-25|Dräktig"));
    // Exits of every kind but the stillborn calf's, in their order; the calf 402
    // left as its mother's second calf, whose fate was 2.
    EXPECT_THAT(EventRows(*answer, 55025, kExits.items),
                ElementsAre("SE-100001-0402|402|2026-09-10|52|<Null>|2|Avlivad",
                            "SE-100001-0003|103|2026-10-01|32|4|<Null>|Slakt",
                            "SE-100001-0004|104|2026-10-05|51|<Empty>|<Null>|Självdöd",
                            "SE-100001-0201|201|2026-11-01|46|<Empty>|<Null>|Hemslakt"));
    EXPECT_THAT(EventRows(*answer, 55026, {900080, 900070, 50138, 50183}),
                ElementsAre("SE-100001-0002|102|2026-11-26|<Empty>"));
    EXPECT_THAT(EventRows(*answer, 55027, {900080, 900070, 50139, 900046, 50184}),
                ElementsAre("SE-100001-0002|102|2026-08-15|F|<Empty>",
                            "SE-100001-0001|101|2026-09-01|F|<Empty>",
                            "SE-100001-0001|101|2026-09-01|F|<Empty>"));

    // The missing animal is an error of the log, which is then shown to the user.
    EXPECT_THAT(Log(), HasSubstr("\r\n  Error in event 303085 (1): Cow 999 with cow id "
                                 "'SE-100001-0999' not found in database\r\n"));
    EXPECT_TRUE(Traced("Not shown (headless): " + File("answer.log")));
    // The converted requests never reach the herd side as national requests.
    EXPECT_FALSE(modUtils::FileExists(modCommon::ClInFilePath()));
}

// Each converted answer keeps to its own request's ranges; one request's start
// date does not cut the history another request asks for.
TEST_F(VantorLinkProcess, ConvertedAnswersKeepToTheRequestedRanges) {
    RequestedEvent inseminations = kInseminations;
    inseminations.search = {{50134, AdisDate{2026, 11, 1}, AdisDate{2026, 11, 30}}};
    RequestedEvent exits = kExits;
    exits.search = {{900080, std::string("SE-100001-0003"), std::string("SE-100001-0004")}};
    const auto answer = Answer(WriteRequest("request.dat", {inseminations, exits}));
    ASSERT_TRUE(answer);
    EXPECT_THAT(EventRows(*answer, 55023, {900070}), IsEmpty());
    EXPECT_THAT(EventRows(*answer, 55025, {900070}), ElementsAre("103", "104"));
}

TEST_F(VantorLinkProcess, OlderNationalVersionsKeepTheHerdsExitCodes) {
    ASSERT_EQ(modUtils::RunProgramAndWait({ADISTOOL_PATH, "dict", "national", "--national-version",
                                           "ZIRAZ19 ", "-o", File("ziraz_dd.ini")},
                                          5),
              0);
    const auto answer = Answer(WriteRequest("request.dat", {kExits}, "ZIRAZ19 "), 0, "ZIRAZ19 ");
    ASSERT_TRUE(answer);
    EXPECT_THAT(EventRows(*answer, 55025, {900070, 50185, 50186, 50187}),
                ElementsAre("402|52|<Empty>|<Null>", "103|9|4|<Null>", "104|51|<Empty>|<Null>",
                            "201|46|<Empty>|<Null>"));
    EXPECT_THAT(Log(), Not(HasSubstr("  Error")));
}

TEST_F(VantorLinkProcess, PassedOnRequestsLoseTheConvertedOnesAndExchangeTheBullItem) {
    const auto answer = Answer(WriteRequest(
        "request.dat", {{55021, {900080, 900070, 900053, 900046, 900083, 50322, 50084}},
                        kEntries,
                        {55031, {900080, 900070, 900030, 50308, 50085, 900096}}}));
    ASSERT_TRUE(answer);
    const std::string passedOn = FileBytes(modCommon::ClInFilePath());
    EXPECT_THAT(passedOn, HasSubstr("\r\nRN055021"));
    EXPECT_THAT(passedOn, Not(HasSubstr("RN055022")));
    // The herd side knows the bull by its own DD number...
    EXPECT_THAT(passedOn, HasSubstr("00350305160"));
    EXPECT_THAT(passedOn, Not(HasSubstr("00050085160")));
    // ... and the national side gets its own back.
    EXPECT_THAT(EventRows(*answer, 55031, {900080, 50085, 350305}),
                ElementsAre("SE-100001-0001|SE-880011-0421|<none>"));
    EXPECT_EQ(EventRows(*answer, 55022, {900070}).size(), 2u);
    // 055021 completed from the herd: the heifer 105 is not recorded as her
    // mother's calf, the calf 401 is, with its fate.
    EXPECT_THAT(EventRows(*answer, 55021, {900070, 50322, 50084}),
                ElementsAre("101|<Null>|1", "102|<Null>|2", "105|<Null>|1", "401|1|1"));
}

TEST_F(VantorLinkProcess, OlderIsoApplicationsLeaveMilkingsAndPregnancyChecksToTheDatabase) {
    const std::vector<RequestedEvent> request{{55021, {900080, 900070}},
                                              {55033, {900080, 900070, 900059, 50305}},
                                              {55042, {900080, 50178}},
                                              {55043, {900080, 900054, 900078, 900042}}};
    {
        const auto answer = Answer(WriteRequest("request.dat", request));
        ASSERT_TRUE(answer);
        const std::string passedOn = FileBytes(modCommon::ClInFilePath());
        for (const char* event : {"RN055033", "RN055042", "RN055043"})
            EXPECT_THAT(passedOn, HasSubstr(event));
        EXPECT_FALSE(Traced("GetVantorPregCheckData"));
    }
    SetIsoVersion("4.9");
    {
        // No database can be reached here: each milking answer is the one line for
        // no rows; the pregnancy checks, which came back as nothing, are left to
        // the herd side.
        const auto answer = Answer(WriteRequest("request.dat", request));
        ASSERT_TRUE(answer);
        const std::string passedOn = FileBytes(modCommon::ClInFilePath());
        for (const char* event : {"RN055021", "RN055033"})
            EXPECT_THAT(passedOn, HasSubstr(event));
        for (const char* event : {"RN055042", "RN055043"})
            EXPECT_THAT(passedOn, Not(HasSubstr(event)));
        EXPECT_THAT(EventRows(*answer, 55042, {900080, 50178}), ElementsAre("<Null>|<Null>"));
        EXPECT_THAT(EventRows(*answer, 55043, {900080, 900054, 900078, 900042}),
                    ElementsAre("<Null>|<Null>|<Null>|<Null>"));
        EXPECT_TRUE(Traced("HandleSqlMilkingsRequest"));
        EXPECT_TRUE(Traced("GetVantorPregCheckData"));
    }
}

TEST_F(VantorLinkProcess, ADataFileGoesToTheHerdSideWithTheNationalSidesOwnPaths) {
    const std::string data = File("animals.dat");
    ASSERT_TRUE(WriteFileBytesAtomic(
        data,
        "DH990001000000000800090000208000900003080009000040600090000624000900008080"
        "00900012080\r\n"
        "VH990001DD      2000    20261206101500V\xe4xa Sverige            0422    ZIRAZ22 \r\n"
        "TN\r\nDN05550400900070060009000801600900046010\r\n"
        "VN055504   777SE-100001-0777  F\r\nEN\r\nZN\r\n"));
    const std::string out = File("out dir-1/answer.dat");
    std::filesystem::create_directories(Platform::PathFromUtf8(File("out dir-1")));
    EXPECT_EQ(RunLink({"-f", data, "-o", out, "-l", File("herd.log"), "-d", "HERD1"}), 0);
    EXPECT_TRUE(Traced("Execute: " + kSimulator + " -f " + data + " -o " + out + " -l " +
                       File("herd.log") + " -d HERD1 /n"));
    EXPECT_TRUE(modUtils::FileExists(out));
    // The log is the herd side's own.
    EXPECT_THAT(FileBytes(File("herd.log")), HasSubstr("herd-iso-sim"));

    ScopedEnvironment fault("HERD_ISO_SIM_FAULT", std::string("exit=3"));
    EXPECT_EQ(RunLink({"-f", data, "-o", out, "-l", File("herd.log")}), 4);
}

TEST_F(VantorLinkProcess, ARequestNamingItsOwnAnswerFileIsAnsweredThere) {
    const std::string request = WriteRequest("request.dat", {{55021, {900080, 900070}}});
    const std::string own = File("own answer.dat");
    std::string bytes = FileBytes(request);
    const std::size_t afterHeader = bytes.find("\r\nTN") + 2;
    bytes.insert(afterHeader, "ON" + own + "\r\n");
    ASSERT_TRUE(WriteFileBytesAtomic(request, bytes));
    EXPECT_EQ(RunLink({"-f", request, "-o", File("answer.dat"), "-l", File("answer.log")}), 0);
    EXPECT_FALSE(modUtils::FileExists(File("answer.dat")));
    const auto answer = ReadAnswer(own);
    ASSERT_TRUE(answer);
    EXPECT_EQ(EventRows(*answer, 55021, {900070}).size(), 4u);
}

TEST_F(VantorLinkProcess, AnUnreadableRequestIsReportedAndNotAnswered) {
    EXPECT_EQ(
        RunLink({"-f", File("missing.dat"), "-o", File("answer.dat"), "-l", File("answer.log")}),
        3);
    EXPECT_FALSE(modUtils::FileExists(File("answer.dat")));
    EXPECT_THAT(Log(), HasSubstr("File not found: " + File("missing.dat")));
    EXPECT_TRUE(Traced("Error reading: " + File("missing.dat")));

    ASSERT_TRUE(WriteFileBytesAtomic(File("notadis.dat"), "Hello\r\n"));
    EXPECT_EQ(
        RunLink({"-f", File("notadis.dat"), "-o", File("answer.dat"), "-l", File("answer.log")}),
        3);
    EXPECT_THAT(Log(), HasSubstr("Invalid ADIS file: " + File("notadis.dat")));
}

TEST_F(VantorLinkProcess, AFailingIsoApplicationLeavesAnAnswerWithoutHerdDataAndAnError) {
    ScopedEnvironment fault("HERD_ISO_SIM_FAULT", std::string("exit=5"));
    const auto answer = Answer(WriteRequest("request.dat", {kInseminations}));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->DataEvents.Count(), 0);
    EXPECT_THAT(Log(), HasSubstr("\r\n  Error: Error executing ISO application!"));
    EXPECT_TRUE(Traced("Result: 5"));
    EXPECT_TRUE(Traced("Not shown (headless): " + File("answer.log")));
}

TEST_F(VantorLinkProcess, PathsArriveWholeWithDashesBlanksAndSwedishLetters) {
    const std::string folder = File("nationell-begäran/för frågor");
    InseminationsRequestIn(folder, "fråga-1.dat");
    // As a shell passes an unquoted path with a blank: two arguments.
    const std::string out = folder + "/svar-1.dat";
    EXPECT_EQ(RunLink({"-f", File("nationell-begäran/för"), "frågor/fråga-1.dat", "/o", out, "-l",
                       folder + "/logg.txt"}),
              0);
    ExpectOneInsemination(out);
}

// The national side's program writes the call as one text without quotes; on
// Windows VantorLink receives exactly that text.
TEST_F(VantorLinkProcess, AnUnquotedCallKeepsItsPaths) {
    const std::string folder = File("Mina filer -2/förfrågningar");
    const std::string request = InseminationsRequestIn(folder, "fråga 1.dat");
    const std::string out = folder + "/svar -1.dat";
    const std::string log = folder + "/logg.txt";
    modUtils::ProgramCall call{VANTORLINK_PATH, {"-f", request, "-o", out, "-l", log}, {}};
    call.commandLine =
        std::string(VANTORLINK_PATH) + " -f " + request + " -o " + out + " -l " + log;
    EXPECT_EQ(modUtils::RunCallAndWait(call, 5), 0);
    ExpectOneInsemination(out);
    EXPECT_TRUE(modUtils::FileExists(log));
}

// Two requests at once: the second run waits until the first has ended, since
// both use the exchange files of the program folder.
TEST_F(VantorLinkProcess, ASecondRequestWaitsForTheFirst) {
    const std::string request = WriteRequest("request.dat", {kInseminations});
    ScopedEnvironment slow("HERD_ISO_SIM_FAULT", std::string("sleep=1500"));
    int firstStatus = -1;
    std::thread first([&] {
        firstStatus = RunLink({"-f", request, "-o", File("first.dat"), "-l", File("first.log")});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(RunLink({"-f", request, "-o", File("second.dat"), "-l", File("second.log")}), 0);
    first.join();
    EXPECT_EQ(firstStatus, 0);
    std::vector<std::string> runs;
    for (const std::string& line : TraceTexts())
        if (line == "ConvertZirAz" || line.starts_with("objOutFile.WriteData"))
            runs.push_back(line == "ConvertZirAz" ? "start" : "end");
    EXPECT_THAT(runs, ElementsAre("start", "end", "start", "end"));
    EXPECT_TRUE(ReadAnswer(File("first.dat")));
    EXPECT_TRUE(ReadAnswer(File("second.dat")));
}

TEST_F(VantorLinkProcess, WithoutARequestFileItSaysHowToCallIt) {
    // Where no window can open (the build without Qt, or no display).
    const ScopedEnvironment noX("DISPLAY", std::nullopt);
    const ScopedEnvironment noWayland("WAYLAND_DISPLAY", std::nullopt);
    const ScopedEnvironment noQtPlatform("QT_QPA_PLATFORM", std::nullopt);
    EXPECT_EQ(RunLink({"-o", File("answer.dat")}), 2);
    EXPECT_FALSE(modUtils::FileExists(File("answer.dat")));
}

} // namespace
