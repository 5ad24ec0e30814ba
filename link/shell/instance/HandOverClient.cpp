#include "instance/HandOverClient.h"

#include "common/Platform.h"
#include "common/TraceLog.h"
#include "instance/HandOverProtocol.h"

#include <QDeadlineTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using HandOver::Message;

// The exit status of a run that failed (see modNational::ExitStatus).
constexpr int kRunFailedStatus = 1;

int BoundFromEnvironment(const char* name, int defaultMs) {
    const auto text = Platform::EnvironmentValue(name);
    if (!text)
        return defaultMs;
    char* end = nullptr;
    const long value = std::strtol(text->c_str(), &end, 10);
    return value > 0 && end && *end == '\0' && value <= 86400000 ? static_cast<int>(value)
                                                                 : defaultMs;
}

// The next message, waiting until the deadline; nothing at the deadline or when
// the connection has ended.
std::optional<HandOver::Frame> NextFrame(QLocalSocket& socket, QDeadlineTimer deadline) {
    for (;;) {
        if (auto frame = HandOver::ReadFrame(socket))
            return frame;
        if (socket.state() != QLocalSocket::ConnectedState || deadline.hasExpired())
            return std::nullopt;
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
            socket.state() != QLocalSocket::ConnectedState)
            return HandOver::ReadFrame(socket);
    }
}

void Tell(const std::string& text) {
    modUtils::WriteLog(text);
    std::fputs(("VantorLink: " + text + "\n").c_str(), stderr);
}

} // namespace

HandOverClient::Bounds HandOverClient::BoundsFromEnvironment() {
    Bounds bounds;
    bounds.answerMs = BoundFromEnvironment("LINK_HANDOVER_ANSWER_MS", bounds.answerMs);
    bounds.queueMs = BoundFromEnvironment("LINK_HANDOVER_QUEUE_MS", bounds.queueMs);
    bounds.silenceMs = BoundFromEnvironment("LINK_HANDOVER_SILENCE_MS", bounds.silenceMs);
    return bounds;
}

HandOverClient::HandOverClient(const Bounds& bounds) : bounds_(bounds) {}

bool HandOverClient::Connect(const QString& name) {
    socket_.connectToServer(name);
    return socket_.waitForConnected(bounds_.answerMs);
}

bool HandOverClient::BringToFront() {
    socket_.write(HandOver::Encode({Message::BringToFront, {}, 0}));
    if (!socket_.waitForBytesWritten(bounds_.answerMs))
        return false;
    const auto reply = NextFrame(socket_, QDeadlineTimer(bounds_.answerMs));
    socket_.disconnectFromServer();
    return reply && reply->message == Message::Accepted;
}

std::optional<int> HandOverClient::HandOverRequest(const modStartup::CommandLineValues& values) {
    socket_.write(HandOver::Encode({Message::Request, values, 0}));
    socket_.flush();
    const auto accepted = NextFrame(socket_, QDeadlineTimer(bounds_.answerMs));
    if (!accepted || accepted->message != Message::Accepted) {
        Tell("The running copy did not take the request; answered here");
        socket_.abort();
        return std::nullopt;
    }

    auto reply = NextFrame(socket_, QDeadlineTimer(bounds_.queueMs));
    if (!reply && socket_.state() == QLocalSocket::ConnectedState) {
        // Waited long enough behind the copy's own work: take the request back,
        // unless it has just started.
        socket_.write(HandOver::Encode({Message::Withdraw, {}, 0}));
        socket_.flush();
        reply = NextFrame(socket_, QDeadlineTimer(bounds_.answerMs));
        if (!reply || reply->message == Message::Withdrawn) {
            Tell("The running copy kept the request waiting too long; answered here");
            socket_.abort();
            return std::nullopt;
        }
    }
    if (!reply || reply->message != Message::Started) {
        Tell("The running copy ended before it answered the request; answered here");
        return std::nullopt;
    }

    for (;;) {
        const auto frame = NextFrame(socket_, QDeadlineTimer(bounds_.silenceMs));
        if (frame && frame->message == Message::Done)
            return frame->status;
        if (frame)
            continue; // Working
        if (socket_.state() != QLocalSocket::ConnectedState) {
            Tell("The running copy ended while it answered the request; answered here");
            return std::nullopt;
        }
        Tell("The running copy no longer answers while it runs the request");
        socket_.abort();
        return kRunFailedStatus;
    }
}
