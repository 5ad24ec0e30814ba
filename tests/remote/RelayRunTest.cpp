// The relay's steps, tick by tick, with the test in the herd server's place.

#include "RelaySandbox.h"
#include "RelayTestSupport.h"

#include "relay/RelayFiles.h"
#include "relay/RelayRun.h"
#include "relay/RelayTexts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace Relay;
using ::testing::ElementsAre;

namespace {

class RelaySteps : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(sandbox_.Path() / "share");
        config_.remoteName = sandbox_.File("share");
        config_.timeoutSeconds = 30;
        WriteText(LocalIn(), "request\r\n");
    }

    std::string LocalIn() const { return sandbox_.File("in.dat"); }
    std::string LocalOut() const { return sandbox_.File("out.dat"); }
    std::string LocalLog() const { return sandbox_.File("log.txt"); }
    std::string CommandLine() const {
        return "-f " + LocalIn() + " -o " + LocalOut() + " -l " + LocalLog() + " -d herd /n";
    }

    RelayRun& Started(const std::string& commandLine) {
        run_ = std::make_unique<RelayRun>(config_, share_, [this] { return now_; });
        run_->onStatus = [this](const std::string& text) { statuses_.push_back(text); };
        run_->Start(commandLine);
        return *run_;
    }
    RelayRun& Started() { return Started(CommandLine()); }

    // Ticks until the relay waits for the answer.
    RelayRun& Waiting() {
        RelayRun& run = Started();
        run.Tick();
        run.Tick();
        EXPECT_EQ(run.Step(), RelayStep::WaitForAnswer) << run.Controls().status;
        return run;
    }

    // What the herd server does: answer and log, then the request taken away.
    void Answer(bool takeRequest = true) {
        EXPECT_EQ(ReadText(config_.RemoteIn()), "request\r\n");
        WriteText(config_.RemoteOut(), "answer\r\n");
        WriteText(config_.RemoteLog(), "log\r\n");
        if (takeRequest)
            std::filesystem::remove(Platform::PathFromUtf8(config_.RemoteIn()));
    }

    static void ExpectEndedWithMessage(const RelayRun& run, int textId, RelayExit exit) {
        EXPECT_EQ(run.Controls().status, RelayText(textId));
        EXPECT_FALSE(run.Working());
        EXPECT_FALSE(run.Finished()) << "the message stays until OK";
        EXPECT_FALSE(run.Controls().cancelVisible);
        EXPECT_TRUE(run.Controls().okVisible);
        EXPECT_TRUE(run.Controls().okEnabled);
        EXPECT_EQ(run.Controls().progress, 0);
        EXPECT_EQ(run.Exit(), exit);
        EXPECT_NE(static_cast<int>(exit), 0);
    }

    RelaySandbox sandbox_;
    RelayConfig config_;
    RecordingShare share_;
    std::chrono::steady_clock::time_point now_{};
    std::unique_ptr<RelayRun> run_;
    std::vector<std::string> statuses_;
};

TEST_F(RelaySteps, AnswerAndLogAreCopiedBackAndTheRunEndsWithZero) {
    RelayRun& run = Waiting();
    EXPECT_TRUE(run.Controls().cancelVisible);
    EXPECT_FALSE(run.Controls().okVisible);
    for (int i = 0; i < 3; ++i)
        run.Tick();
    EXPECT_TRUE(run.Working()) << "no answer yet";
    Answer();
    run.Tick();

    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(run.Exit(), RelayExit::Answered);
    EXPECT_EQ(static_cast<int>(run.Exit()), 0);
    EXPECT_EQ(run.Controls().progress, 100);
    EXPECT_EQ(ReadText(LocalOut()), "answer\r\n");
    EXPECT_EQ(ReadText(LocalLog()), "log\r\n");
    EXPECT_THAT(statuses_, ElementsAre("Connecting to " + config_.remoteName,
                                       "Waiting for outfile to be created...", "Copying files..."));
    EXPECT_THAT(share_.calls, ElementsAre("cancel " + config_.remoteName,
                                          "connect " + config_.remoteName + " as kestrom",
                                          "cancel " + config_.remoteName));
}

TEST_F(RelaySteps, ProgressCyclesWhileWaiting) {
    RelayRun& run = Waiting();
    std::vector<int> seen;
    for (int i = 0; i < 22; ++i) {
        run.Tick();
        seen.push_back(run.Controls().progress);
    }
    EXPECT_EQ(seen[0], 15);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 100);
    EXPECT_EQ(seen[18], 0) << "back to 0 after 100";
}

TEST_F(RelaySteps, BadCommandLineEndsAtOnceWithoutTouchingTheShare) {
    RelayRun& run = Started("-o " + LocalOut() + " /n");
    ExpectEndedWithMessage(run, TextBadCommandLine, RelayExit::BadCommandLine);
    run.Tick();
    EXPECT_TRUE(run.Ok());
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(run.Exit(), RelayExit::BadCommandLine);
    EXPECT_TRUE(share_.calls.empty());
}

TEST_F(RelaySteps, RefusedConnectionIsAConnectionError) {
    config_.remoteName = sandbox_.File("no-such-share");
    RelayRun& run = Started();
    run.Tick();
    ExpectEndedWithMessage(run, TextConnectionError, RelayExit::ConnectionError);
    EXPECT_FALSE(Exists(config_.RemoteIn()));
    EXPECT_TRUE(run.Close()) << "the close box works like OK";
    EXPECT_EQ(run.Exit(), RelayExit::ConnectionError);
}

TEST_F(RelaySteps, StaleAnswerAndLogAreDeletedBeforeTheRequestIsCopied) {
    WriteText(config_.RemoteOut(), "old answer\r\n");
    WriteText(config_.RemoteLog(), "old log\r\n");
    RelayRun& run = Waiting();
    EXPECT_FALSE(Exists(config_.RemoteOut()));
    EXPECT_FALSE(Exists(config_.RemoteLog()));
    // A server that takes the request first and answers later.
    std::filesystem::remove(Platform::PathFromUtf8(config_.RemoteIn()));
    run.Tick();
    EXPECT_TRUE(run.Working()) << "no answer yet";
    WriteText(config_.RemoteOut(), "answer\r\n");
    run.Tick();
    EXPECT_EQ(run.Exit(), RelayExit::Answered);
    EXPECT_EQ(ReadText(LocalOut()), "answer\r\n");
}

TEST_F(RelaySteps, StaleFilesThatCannotBeDeletedAreAConnectionError) {
    for (const auto& stale : {config_.RemoteOut(), config_.RemoteLog()}) {
        SCOPED_TRACE(stale);
        // A folder in the file's place cannot be deleted as a file (even by root).
        std::filesystem::create_directories(Platform::PathFromUtf8(stale) / "inside");
        statuses_.clear();
        RelayRun& run = Started();
        run.Tick();
        run.Tick();
        ExpectEndedWithMessage(run, TextConnectionError, RelayExit::ConnectionError);
        EXPECT_FALSE(Exists(config_.RemoteIn())) << "the request is not copied";
        std::filesystem::remove_all(Platform::PathFromUtf8(stale));
    }
}

TEST_F(RelaySteps, UnreadableRequestIsAnInFileError) {
    std::filesystem::remove(Platform::PathFromUtf8(LocalIn()));
    RelayRun& run = Started();
    run.Tick();
    run.Tick();
    ExpectEndedWithMessage(run, TextInFileError, RelayExit::InFileError);
    EXPECT_TRUE(run.Ok());
    EXPECT_EQ(share_.calls.back(), "cancel " + config_.remoteName);
}

TEST_F(RelaySteps, AnswerThatCannotBeWrittenIsAnOutFileErrorTheLogIsStillCopied) {
    RelayRun& run = Started("-f " + LocalIn() + " -o " + sandbox_.File("missing/out.dat") + " -l " +
                            LocalLog());
    run.Tick();
    run.Tick();
    Answer();
    run.Tick();
    ExpectEndedWithMessage(run, TextOutFileError, RelayExit::OutFileError);
    EXPECT_EQ(ReadText(LocalLog()), "log\r\n");
}

TEST_F(RelaySteps, RequestLeftInPlaceKeepsTheRelayWaitingUntilItsTimeout) {
    config_.timeoutSeconds = 5;
    RelayRun& run = Waiting();
    Answer(false);
    now_ += std::chrono::milliseconds(4999);
    run.Tick();
    EXPECT_TRUE(run.Working()) << "the answer alone is not enough";
    EXPECT_FALSE(Exists(LocalOut()));
    now_ += std::chrono::milliseconds(1);
    run.Tick();
    ExpectEndedWithMessage(run, TextTimedOut, RelayExit::TimedOut);
    EXPECT_EQ(share_.calls.back(), "cancel " + config_.remoteName)
        << "the connection is cancelled at once";
    EXPECT_FALSE(Exists(LocalOut()));
    const auto calls = share_.calls.size();
    EXPECT_TRUE(run.Ok());
    EXPECT_EQ(share_.calls.size(), calls) << "cancelled once";
}

TEST_F(RelaySteps, CancelWhileWaitingDisconnectsAndWritesNoAnswer) {
    RelayRun& run = Waiting();
    run.Tick();
    EXPECT_TRUE(run.Controls().cancelVisible);
    EXPECT_TRUE(run.Close());
    EXPECT_TRUE(run.Finished());
    EXPECT_EQ(run.Exit(), RelayExit::Cancelled);
    EXPECT_EQ(share_.calls.back(), "cancel " + config_.remoteName);
    Answer();
    run.Tick();
    EXPECT_FALSE(Exists(LocalOut()));
    EXPECT_EQ(run.Exit(), RelayExit::Cancelled);
}

} // namespace
