// One exchange at a time: within this program (on any thread) and between
// programs, through the lock file "~iso.lck".
#include "ExchangeTestSupport.h"
#include "LinkSandbox.h"

#include "dictionary/clsAdisEvents.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace modMirelCom;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

long CountOf(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<long>(std::count(lines.begin(), lines.end(), text));
}

class ExchangeSessionTest : public ::testing::Test {
protected:
    void SetUp() override { StartTraceLog(); }
    void TearDown() override { SetMainWindowVisible(false); }

    // Starts the child program, which holds an exchange session of its own for the
    // given time; returns once it holds it.
    void StartOtherProgramsExchange(int holdMs) {
        {
            const ScopedEnvironment hold("LINK_CHILD_HOLD_MS", std::to_string(holdMs));
            ASSERT_NE(modUtils::RunProgram({ExchangeChildPath()}), -1);
        }
        const auto deadline = Clock::now() + 30s;
        while (!modUtils::FileExists(sandbox_.File("child.started")) && Clock::now() < deadline)
            std::this_thread::sleep_for(5ms);
        ASSERT_TRUE(modUtils::FileExists(sandbox_.File("child.started")));
    }

    // Waits until the other program's exchange has ended.
    static void AwaitOtherProgramsEnd() { EXPECT_TRUE(ExchangeSession(30s).Active()); }

    LinkSandbox sandbox_;
};

} // namespace

TEST_F(ExchangeSessionTest, ASecondExchangeOfThisProgramIsRefusedAtOnceOnAnyThread) {
    const std::string refused = "Exchange refused: another exchange of this program is running";
    {
        const ExchangeSession first(0ms);
        ASSERT_TRUE(first.Active());
        const auto start = Clock::now();
        {
            const ExchangeSession nested(10s);
            EXPECT_FALSE(nested.Active());
        }
        // The refused session gave nothing back: the first one still holds.
        bool otherThreadActive = true;
        std::thread([&] { otherThreadActive = ExchangeSession(10s).Active(); }).join();
        EXPECT_FALSE(otherThreadActive);
        // The exchanges without a session of their own are refused before they
        // start anything.
        EXPECT_FALSE(ExecuteIsoApp(false));
        EXPECT_FALSE(SendIsoRequest(clsAdisEvents(), false));
        EXPECT_LT(Clock::now() - start, 2s) << "refused at once, without waiting";
        EXPECT_FALSE(ExecuteIsoApp(ExchangeSession(0ms), false));
    }
    const auto trace = TraceTexts();
    EXPECT_EQ(CountOf(trace, refused), 5);
    EXPECT_EQ(CountOf(trace, "ExecuteIsoApp"), 0);
    EXPECT_FALSE(modUtils::FileExists(IsoInFilePath())) << "no request was written";

    // Once the first has ended, the next one runs.
    EXPECT_TRUE(ExchangeSession(0ms).Active());
    EXPECT_EQ(CountOf(TraceTexts(), refused), 5);
}

TEST_F(ExchangeSessionTest, AnotherProgramsExchangeIsWaitedFor) {
    StartOtherProgramsExchange(800);
    const auto start = Clock::now();
    const ExchangeSession session(30s);
    EXPECT_TRUE(session.Active());
    EXPECT_GE(Clock::now() - start, 500ms) << "the other program's exchange must end first";
    EXPECT_GT(sandbox_.Ui().pumps, 0) << "the window keeps handling its events meanwhile";
}

TEST_F(ExchangeSessionTest, TheWaitForAnotherProgramEndsAtTheTimeOut) {
    StartOtherProgramsExchange(2500);
    SetMainWindowVisible(true);
    auto start = Clock::now();
    {
        const ExchangeSession session(300ms);
        EXPECT_FALSE(session.Active());
    }
    EXPECT_GE(Clock::now() - start, 300ms);
    EXPECT_LT(Clock::now() - start, 2000ms);
    const std::string lockFile = ExchangeLockFilePath();
    EXPECT_EQ(TraceTexts().back(), "Exchange not started: another program held the lock file " +
                                       lockFile + " for more than 0.3 s");
    ASSERT_EQ(sandbox_.Ui().boxes.size(), 1u);
    EXPECT_EQ(sandbox_.Ui().boxes[0].text,
              "Error running ISO application!\r\n\r\n\"" + lockFile + "\"");
    EXPECT_EQ(sandbox_.Ui().boxes[0].icon, LinkUi::Icon::Critical);

    // The limit of the program's own exchanges comes from the environment.
    {
        const ScopedEnvironment limit("LINK_EXCHANGE_WAIT_MS", "200");
        EXPECT_EQ(ExchangeWaitLimit(), 200ms);
        start = Clock::now();
        EXPECT_FALSE(ExecuteIsoApp(false));
        EXPECT_LT(Clock::now() - start, 2000ms);
    }
    EXPECT_EQ(ExchangeWaitLimit(), 10min);
    AwaitOtherProgramsEnd();
}
