// The relay program started from outside, as the link program starts it: from
// the program folder, headless, with the share a folder served by the test
// (on Windows under Wine too, where the network share cannot be had).

#include "RelaySandbox.h"
#include "RelayTestSupport.h"

#include "common/modUtils.h"
#include "exchange/modMirelCom.h"
#include "relay/RelayConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class RelayProgram : public ::testing::Test {
protected:
    void SetUp() override {
        share_ = Platform::Utf8FromPath(sandbox_.Path() / "share");
        fs::create_directories(Platform::PathFromUtf8(share_));
        Configure("RemoteName", share_);
        Configure("Timeout", "1");
        Platform::SetEnvironmentValue("LINK_HEADLESS", "1");
        relay_ = modMirelCom::IsoApplicationPath(true);
        fs::copy_file(Platform::PathFromUtf8(RELAY_PROGRAM_PATH), Platform::PathFromUtf8(relay_));
        WriteText(LocalIn(), "request\r\n");
    }
    void TearDown() override { Platform::SetEnvironmentValue("LINK_HEADLESS", std::nullopt); }

    static void Configure(const char* name, const std::string& value) {
        ASSERT_TRUE(modUtils::RegWriteString(value, modUtils::RegRoot::LocalMachine,
                                             Relay::kRelayRegistryKey, name));
    }

    int RunRelay(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), relay_);
        return modUtils::RunProgramAndWait(arguments, 5);
    }

    std::string LocalIn() const { return sandbox_.File("request in.dat"); }
    std::string LocalOut() const { return sandbox_.File("answer-out.dat"); }
    std::string LocalLog() const { return sandbox_.File("iso log.txt"); }

    RelaySandbox sandbox_;
    std::string share_;
    std::string relay_;
};

TEST_F(RelayProgram, EachFailureEndsWithItsOwnExitStatus) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        const char* what;
    };
    const FolderServer server(share_);
    const Case cases[] = {
        {{"-o", LocalOut(), "/n"}, 1, "no request file"},
        {{"-f", sandbox_.File("missing.dat"), "-o", LocalOut()}, 3, "request copy fails"},
        {{"-f", LocalIn(), "-o", sandbox_.File("no folder/out.dat"), "-l", LocalLog()},
         4,
         "answer copy fails"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        EXPECT_EQ(RunRelay(test.arguments), test.exitCode);
        EXPECT_FALSE(Exists(LocalOut()));
    }
    EXPECT_EQ(RunRelay({"-f", LocalIn(), "-o", LocalOut(), "-l", LocalLog(), "/n"}), 0);
    EXPECT_EQ(ReadText(LocalOut()), "answer to request\r\n");
    EXPECT_EQ(ReadText(LocalLog()), "log");

    Configure("RemoteName", sandbox_.File("no share"));
    EXPECT_EQ(RunRelay({"-f", LocalIn(), "-o", sandbox_.File("out2.dat")}), 2)
        << "connection refused";
    EXPECT_FALSE(Exists(sandbox_.File("out2.dat")));
}

// The link program's side: the relay in the program folder is its ISO
// application, and only the relay's success is the exchange's success.
TEST_F(RelayProgram, TheLinkProgramsExchangeRunsThroughTheRelay) {
    WriteText(modMirelCom::IsoInFilePath(), "herd request\r\n");
    {
        const FolderServer server(share_);
        ASSERT_TRUE(modMirelCom::ExecuteIsoApp(true));
    }
    EXPECT_EQ(ReadText(modMirelCom::IsoOutFilePath()), "answer to herd request\r\n");
    EXPECT_EQ(ReadText(modMirelCom::IsoLogFilePath()), "log");

    // Nobody serves the share: the relay gives up, and so does the exchange.
    EXPECT_FALSE(modMirelCom::ExecuteIsoApp(true));
    EXPECT_FALSE(modUtils::FileExists(modMirelCom::IsoOutFilePath()));
}

} // namespace
