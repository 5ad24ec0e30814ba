// The relay without its window: the same steps, the status texts on a stream.

#include "RelaySandbox.h"
#include "RelayTestSupport.h"

#include "relay/RelayHeadless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace Relay;

namespace {

TEST(RelayHeadless, StatusTextsGoToTheStreamAndAFailureEndsTheRunAtOnce) {
    RelaySandbox sandbox;
    RelayConfig config;
    config.remoteName = sandbox.File("missing-share");
    RecordingShare share;
    std::ostringstream status;

    RelayRun badCall(config, share);
    EXPECT_EQ(RunHeadless(badCall, "-o out.dat /n", status), 1);
    EXPECT_EQ(status.str(), "Invalid command line parameters!\n");

    RelayRun refused(config, share);
    status.str("");
    EXPECT_EQ(RunHeadless(refused, "-f " + sandbox.File("in.dat"), status), 2);
    EXPECT_EQ(status.str(), "Connecting to " + config.remoteName + "\nConnection error!\n");
    EXPECT_TRUE(refused.Finished());

    std::filesystem::create_directories(sandbox.Path() / "share");
    config.remoteName = sandbox.File("share");
    WriteText(sandbox.File("in.dat"), "request");
    RelayRun answered(config, share);
    const FolderServer server(config.remoteName);
    status.str("");
    EXPECT_EQ(RunHeadless(answered,
                          "-f " + sandbox.File("in.dat") + " -o " + sandbox.File("out.dat") +
                              " -l " + sandbox.File("log.txt"),
                          status),
              0);
    EXPECT_EQ(status.str(), "Connecting to " + config.remoteName +
                                "\nWaiting for outfile to be created...\nCopying files...\n");
    EXPECT_EQ(ReadText(sandbox.File("out.dat")), "answer to request");
    EXPECT_EQ(ReadText(sandbox.File("log.txt")), "log");
}

TEST(RelayHeadless, ChosenByTheEnvironment) {
    Platform::SetEnvironmentValue("LINK_HEADLESS", "1");
    EXPECT_TRUE(RunWithoutWindow());
    Platform::SetEnvironmentValue("LINK_HEADLESS", "0");
    EXPECT_EQ(RunWithoutWindow(), !DisplayAvailable());
    Platform::SetEnvironmentValue("LINK_HEADLESS", std::nullopt);
}

} // namespace
