#pragma once

#include "relay/RelayCommandLine.h"
#include "relay/RelayConfig.h"
#include "relay/ShareConnection.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

// One run of the relay: connect to the share, copy the request onto it, wait
// until the herd server has taken the request and left its answer, copy the
// answer and the server's log back. The steps advance on timer ticks; the
// dialog (or the headless runner) calls Tick and shows Controls.
namespace Relay {

// Exit status of the program: 0 only when the answer was copied back.
enum class RelayExit : int {
    Answered = 0,
    BadCommandLine = 1,
    ConnectionError = 2,
    InFileError = 3,
    OutFileError = 4,
    Cancelled = 5,
    TimedOut = 6,
};

enum class RelayStep { Connect, CopyRequest, WaitForAnswer };

// What the dialog shows.
struct RelayControls {
    std::string status;
    int progress = 0; // 0..100
    bool cancelVisible = true;
    bool okVisible = false;
    bool okEnabled = true;
};

class RelayRun {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // The timer period and the progress bar's step per tick.
    static constexpr std::chrono::milliseconds kTickPeriod{50};
    static constexpr int kProgressStep = 5;

    RelayRun(RelayConfig config, ShareConnection& share, Clock clock = {});

    // Reads the command line. On a bad one the run ends at once with its message.
    void Start(std::string_view commandLine);
    // One timer tick: advances the progress bar and does the current step.
    void Tick();
    // The user presses Cancel or closes the window: ends the run (cancelling the
    // connection) unless nothing may be closed now. True when the window closes.
    bool Close();
    // The user presses OK (shown after a failure).
    bool Ok();

    // Whether the timer is to go on ticking.
    bool Working() const { return working_; }
    // Whether the run is over and the window closed.
    bool Finished() const { return finished_; }
    RelayExit Exit() const { return exit_; }
    RelayStep Step() const { return step_; }
    const RelayControls& Controls() const { return controls_; }
    const RelayConfig& Config() const { return config_; }
    const RelayPaths& Paths() const { return paths_; }

    // Called with every new status text.
    std::function<void(const std::string&)> onStatus;

private:
    void SetStatus(std::string text);
    void Fail(int textId, RelayExit exit);
    void Connect();
    void CopyRequest();
    void WaitForAnswer();
    void CancelConnection();
    void Finish();

    RelayConfig config_;
    ShareConnection& share_;
    Clock clock_;
    RelayPaths paths_;
    RelayControls controls_;
    RelayStep step_ = RelayStep::Connect;
    RelayExit exit_ = RelayExit::Cancelled;
    bool working_ = false;
    bool finished_ = false;
    // Only a connection this run made is cancelled when it ends.
    bool connectionMade_ = false;
    std::chrono::steady_clock::time_point waitStart_{};
};

} // namespace Relay
