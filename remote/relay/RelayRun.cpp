#include "relay/RelayRun.h"

#include "common/modUtils.h"
#include "relay/RelayFiles.h"
#include "relay/RelayTexts.h"

namespace Relay {

RelayRun::RelayRun(RelayConfig config, ShareConnection& share, Clock clock)
    : config_(std::move(config)), share_(share), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] { return std::chrono::steady_clock::now(); };
}

void RelayRun::Start(std::string_view commandLine) {
    const auto paths = ParseRelayCommandLine(commandLine);
    if (!paths) {
        controls_.cancelVisible = false;
        controls_.okVisible = true;
        exit_ = RelayExit::BadCommandLine;
        SetStatus(RelayText(TextBadCommandLine));
        return;
    }
    paths_ = *paths;
    working_ = true;
}

void RelayRun::Tick() {
    if (!working_)
        return;
    controls_.progress = controls_.progress >= 100 ? 0 : controls_.progress + kProgressStep;
    switch (step_) {
    case RelayStep::Connect:
        Connect();
        break;
    case RelayStep::CopyRequest:
        CopyRequest();
        break;
    case RelayStep::WaitForAnswer:
        WaitForAnswer();
        break;
    }
}

void RelayRun::SetStatus(std::string text) {
    controls_.status = std::move(text);
    if (onStatus)
        onStatus(controls_.status);
}

// The run ends with a message; the window stays until the user presses OK.
void RelayRun::Fail(int textId, RelayExit exit) {
    controls_.cancelVisible = false;
    controls_.okVisible = true;
    controls_.okEnabled = true;
    controls_.progress = 0;
    working_ = false;
    exit_ = exit;
    SetStatus(RelayText(textId));
}

void RelayRun::Connect() {
    SetStatus(RelayText(TextConnecting) + " " + config_.remoteName);
    share_.Cancel(config_.remoteName);
    connectionMade_ = true;
    if (!share_.Connect(config_.remoteName, config_.userName, config_.password)) {
        Fail(TextConnectionError, RelayExit::ConnectionError);
        return;
    }
    step_ = RelayStep::CopyRequest;
}

void RelayRun::CopyRequest() {
    SetStatus(RelayText(TextWaiting));
    controls_.okEnabled = false;
    // An answer and log left by an earlier run must never pass for this run's.
    if (!RemoveFile(config_.RemoteOut()) || !RemoveFile(config_.RemoteLog())) {
        Fail(TextConnectionError, RelayExit::ConnectionError);
        return;
    }
    if (!CopyFileReplacing(paths_.localIn, config_.RemoteIn())) {
        Fail(TextInFileError, RelayExit::InFileError);
        return;
    }
    step_ = RelayStep::WaitForAnswer;
    waitStart_ = clock_();
}

void RelayRun::WaitForAnswer() {
    // The herd server takes the request away once it has written its answer.
    if (modUtils::FileExists(config_.RemoteOut()) && !modUtils::FileExists(config_.RemoteIn())) {
        working_ = false;
        controls_.progress = 100;
        SetStatus(RelayText(TextCopying));
        // The server's log is a help, not a condition.
        CopyFileReplacing(config_.RemoteLog(), paths_.localLog);
        if (!CopyFileReplacing(config_.RemoteOut(), paths_.localOut)) {
            Fail(TextOutFileError, RelayExit::OutFileError);
            return;
        }
        exit_ = RelayExit::Answered;
        Finish();
        return;
    }
    if (clock_() - waitStart_ >= std::chrono::seconds(config_.timeoutSeconds)) {
        Fail(TextTimedOut, RelayExit::TimedOut);
        CancelConnection();
    }
}

void RelayRun::CancelConnection() {
    if (connectionMade_)
        share_.Cancel(config_.remoteName);
    connectionMade_ = false;
}

void RelayRun::Finish() {
    working_ = false;
    CancelConnection();
    finished_ = true;
}

bool RelayRun::Close() {
    if (finished_)
        return true;
    if (!controls_.cancelVisible && !(controls_.okVisible && controls_.okEnabled))
        return false;
    Finish();
    return true;
}

bool RelayRun::Ok() {
    if (finished_)
        return true;
    if (!controls_.okVisible || !controls_.okEnabled)
        return false;
    Finish();
    return true;
}

} // namespace Relay
