#include "RelaySandbox.h"

#include "common/modUtils.h"
#include "relay/RelayConfig.h"

#include <gtest/gtest.h>

using namespace Relay;

namespace {

class RelayConfiguration : public ::testing::Test {
protected:
    static void Set(const char* name, const std::string& value) {
        ASSERT_TRUE(modUtils::RegWriteString(value, modUtils::RegRoot::LocalMachine,
                                             kRelayRegistryKey, name));
    }

    RelaySandbox sandbox_;
};

TEST_F(RelayConfiguration, DefaultsWithoutTheKey) {
    const RelayConfig config = ReadRelayConfig();
    EXPECT_EQ(config.remoteName, "\\\\herdserver\\iso$");
    EXPECT_EQ(config.userName, "kestrom");
    EXPECT_EQ(config.password, "mobrikanet");
    EXPECT_EQ(config.inFile, "isoin.dat");
    EXPECT_EQ(config.outFile, "isoout.dat");
    EXPECT_EQ(config.logFile, "iso.log");
    EXPECT_EQ(config.timeoutSeconds, 600);
}

TEST_F(RelayConfiguration, ValuesThatExistReplaceTheDefaults) {
    Set("RemoteName", "/mnt/Herd Server/ISO");
    Set("UserName", "Farmer");
    Set("Password", "");
    Set("OutFile", "Answer.DAT");
    Set("Timeout", "45");
    const RelayConfig config = ReadRelayConfig();
    EXPECT_EQ(config.remoteName, "/mnt/Herd Server/ISO");
    EXPECT_EQ(config.userName, "Farmer");
    EXPECT_EQ(config.password, "") << "an empty value is a value";
    EXPECT_EQ(config.inFile, "isoin.dat");
    EXPECT_EQ(config.outFile, "Answer.DAT");
    EXPECT_EQ(config.timeoutSeconds, 45);
    // The file names are always taken relative to the share.
    EXPECT_EQ(config.RemoteIn(), modUtils::AddBackslash("/mnt/Herd Server/ISO") + "isoin.dat");
    EXPECT_EQ(config.RemoteOut(), modUtils::AddBackslash("/mnt/Herd Server/ISO") + "Answer.DAT");
}

TEST_F(RelayConfiguration, TimeoutAsANumberValue) {
    ASSERT_TRUE(
        modUtils::RegWriteLong(90, modUtils::RegRoot::LocalMachine, kRelayRegistryKey, "Timeout"));
    EXPECT_EQ(ReadRelayConfig().timeoutSeconds, 90);
}

TEST(RelayTimeout, OnlyAPositiveWholeNumberCounts) {
    EXPECT_EQ(TimeoutSecondsFromText("120", 600), 120);
    EXPECT_EQ(TimeoutSecondsFromText(" 7 ", 600), 7);
    for (const char* text : {"", "0", "-5", "10s", "1.5", "ten", "99999999999"})
        EXPECT_EQ(TimeoutSecondsFromText(text, 600), 600) << text;
}

} // namespace
