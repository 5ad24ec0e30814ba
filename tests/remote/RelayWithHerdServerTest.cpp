// The relay against the herd server's side of a share: herd-iso-sim serving a
// folder, the relay program started as the link program starts it, and the
// link program's own exchange through the relay.

#include "../support/HerdIsoSimPath.h"
#include "RelaySandbox.h"
#include "RelayTestSupport.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeShared.h"
#include "exchange/HerdDictionary.h"
#include "exchange/modMirelCom.h"
#include "relay/RelayConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace {

const std::string kRelay = RELAY_PROGRAM_PATH;

namespace fs = std::filesystem;

// "herd-iso-sim --serve" on a folder for the life of the object; it stops when
// its folder is removed.
class ServingHerd {
public:
    ServingHerd(std::string share, const std::string& database) : share_(std::move(share)) {
        thread_ = std::thread([this, database] {
            exitCode_ =
                modUtils::RunProgramAndWait({kSimulator, "--serve", share_, "--db", database}, 5);
        });
    }
    ~ServingHerd() {
        std::error_code ec;
        for (int i = 0; i < 100 && fs::exists(Platform::PathFromUtf8(share_), ec); ++i) {
            fs::remove_all(Platform::PathFromUtf8(share_), ec);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        thread_.join();
        EXPECT_EQ(exitCode_, 0) << "the server stops when its folder is removed";
    }
    ServingHerd(const ServingHerd&) = delete;
    ServingHerd& operator=(const ServingHerd&) = delete;

private:
    std::string share_;
    std::thread thread_;
    int exitCode_ = -1;
};

std::shared_ptr<clsAdisDataDict> BuiltHerdDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    EXPECT_TRUE(modMirelCom::BuildHerdDictionary(*dict, std::string(modMirelCom::HerdSenderCode)));
    return dict;
}

// The Check command's request: every animal's number, identity and mother.
clsAdisEvents CheckRequest(const clsAdisDataDict& dict) {
    clsAdisEvents events;
    auto keys = std::make_shared<clsAdisKeyItems>();
    keys->AddItem(300001);
    auto items = std::make_shared<clsAdisItems>();
    for (const std::int32_t ddNo : {300001, 300348, 303924})
        items->Add(dict.Items().ItemOf(ddNo));
    events.AddItem(1, keys, 0, items);
    return events;
}

long CountLines(const std::string& text, const std::string& start) {
    long count = 0;
    for (std::size_t pos = 0; (pos = text.find("\n" + start, pos)) != std::string::npos; ++pos)
        ++count;
    return count;
}

class RelayWithHerdServer : public ::testing::Test {
protected:
    void SetUp() override {
        share_ = sandbox_.File("share");
        fs::create_directories(Platform::PathFromUtf8(share_));
        database_ = sandbox_.File("herd.db");
        ASSERT_EQ(modUtils::RunProgramAndWait({kSimulator, "--init", database_, "--demo"}, 1), 0);
        Configure("RemoteName", share_);
        Configure("Timeout", "1");
        // The relay's window would wait for a user.
        Platform::SetEnvironmentValue("LINK_HEADLESS", "1");
        dict_ = BuiltHerdDictionary();
        ASSERT_TRUE(modADIS::WriteRequestFile(CheckRequest(*dict_), LocalIn(), *dict_,
                                              dict_->Version, dict_->NationalVersion,
                                              dict_->ManufacturerVersion));
    }

    void TearDown() override {
        server_.reset();
        Platform::SetEnvironmentValue("LINK_HEADLESS", std::nullopt);
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::nullopt);
        modMirelCom::SetHerdDataDict(nullptr);
        modMirelCom::SharedMessages().Clear();
    }

    static void Configure(const char* name, const std::string& value) {
        ASSERT_TRUE(modUtils::RegWriteString(value, modUtils::RegRoot::LocalMachine,
                                             Relay::kRelayRegistryKey, name));
    }

    // The environment is set before the server starts: it is read when it starts.
    void Serve(const std::string& faults = {}) {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", faults);
        server_ = std::make_unique<ServingHerd>(share_, database_);
    }

    int RunRelay(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), kRelay);
        return modUtils::RunProgramAndWait(arguments, 5);
    }
    int RunRelay() const {
        return RunRelay({"-f", LocalIn(), "-o", LocalOut(), "-l", LocalLog(), "-d", "herd", "/n"});
    }

    std::string LocalIn() const { return sandbox_.File("request in.dat"); }
    std::string LocalOut() const { return sandbox_.File("answer-out.dat"); }
    std::string LocalLog() const { return sandbox_.File("iso log.txt"); }
    std::string OnShare(const char* name) const { return modUtils::AddBackslash(share_) + name; }

    RelaySandbox sandbox_;
    std::string share_;
    std::string database_;
    std::shared_ptr<clsAdisDataDict> dict_;
    std::unique_ptr<ServingHerd> server_;
};

TEST_F(RelayWithHerdServer, TheHerdServersAnswerAndLogAreCopiedBack) {
    Serve();
    ASSERT_EQ(RunRelay(), 0);
    const std::string answer = ReadText(LocalOut());
    EXPECT_EQ(answer.rfind("DH", 0), 0u) << answer.substr(0, 200);
    EXPECT_GE(CountLines(answer, "VN000001"), 55);
    EXPECT_NE(ReadText(LocalLog()).find("herd-iso-sim"), std::string::npos);
    EXPECT_FALSE(Exists(OnShare("isoin.dat"))) << "the server took the request";
}

TEST_F(RelayWithHerdServer, AnOldAnswerOnTheShareIsNeverTaken) {
    WriteText(OnShare("isoout.dat"), "old answer\r\n");
    WriteText(OnShare("iso.log"), "old log\r\n");
    Serve("slow-serve=300");
    ASSERT_EQ(RunRelay(), 0);
    EXPECT_EQ(ReadText(LocalOut()).rfind("DH", 0), 0u);
    EXPECT_NE(ReadText(LocalLog()), "old log\r\n");
}

TEST_F(RelayWithHerdServer, NoUsableAnswerEndsInTheTimeout) {
    struct Case {
        const char* faults;
        const char* why;
    };
    for (const Case& test : {Case{"keep-request", "answered, but the request is left in place"},
                             Case{"no-answer", "the request taken without an answer"}}) {
        SCOPED_TRACE(test.why);
        Serve(test.faults);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(RunRelay(), 6);
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        EXPECT_FALSE(Exists(LocalOut()));
        server_.reset();
        fs::create_directories(Platform::PathFromUtf8(share_));
    }
}

// The link program's exchange with the relay as its ISO application.
TEST_F(RelayWithHerdServer, TheLinkProgramsRequestIsAnsweredThroughTheRelay) {
    fs::copy_file(Platform::PathFromUtf8(kRelay),
                  Platform::PathFromUtf8(modMirelCom::IsoApplicationPath(true)));
    modMirelCom::SetHerdDataDict(dict_);
    Serve();
    ASSERT_TRUE(modMirelCom::SendIsoRequest(CheckRequest(*dict_), true));
    const auto event = modMirelCom::SharedAnswerFile().DataEvents.Item("000001");
    ASSERT_TRUE(event);
    EXPECT_GE(event->DataLines()->Count(), 55);
    EXPECT_TRUE(modUtils::FileExists(modMirelCom::IsoLogFilePath()));
}

} // namespace
