#include "instance/HandOverConnection.h"

#include "common/TraceLog.h"
#include "instance/HandOverProtocol.h"
#include "instance/HandOverQueue.h"

#include <QLocalSocket>

#include <utility>

namespace {

constexpr int kWorkingIntervalMs = 1000;

} // namespace

HandOverConnection::HandOverConnection(QLocalSocket* socket, HandOverQueue& queue,
                                       std::function<void()> bringToFront, QObject* parent)
    : QObject(parent), socket_(socket), queue_(queue), bringToFront_(std::move(bringToFront)) {
    socket_->setParent(this);
    working_.setInterval(kWorkingIntervalMs);
    connect(&working_, &QTimer::timeout, this, [this] {
        Send(HandOver::Encode({HandOver::Message::Working, {}, 0}));
    });
    connect(socket_, &QLocalSocket::readyRead, this, &HandOverConnection::ReadMessages);
    connect(socket_, &QLocalSocket::disconnected, this, [this] {
        working_.stop();
        queue_.Withdraw(this);
        deleteLater();
    });
    // Messages that came with the connection.
    QMetaObject::invokeMethod(this, &HandOverConnection::ReadMessages, Qt::QueuedConnection);
}

HandOverConnection::~HandOverConnection() = default;

bool HandOverConnection::Connected() const {
    return socket_->state() == QLocalSocket::ConnectedState;
}

void HandOverConnection::Send(const QByteArray& frame) {
    if (!Connected())
        return;
    socket_->write(frame);
    socket_->flush();
}

void HandOverConnection::ReadMessages() {
    using HandOver::Message;
    while (const auto frame = HandOver::ReadFrame(*socket_)) {
        switch (frame->message) {
        case Message::BringToFront:
            modUtils::WriteLog("Brought to the front by a later start");
            if (bringToFront_)
                bringToFront_();
            Send(HandOver::Encode({Message::Accepted, {}, 0}));
            break;
        case Message::Request:
            if (holdsRequest_)
                break;
            holdsRequest_ = true;
            modUtils::WriteLog("Request handed over by a later start: " + frame->values.inFile);
            Send(HandOver::Encode({Message::Accepted, {}, 0}));
            queue_.Enqueue(frame->values, this);
            break;
        case Message::Withdraw:
            // A request that has started is answered; its start was told so.
            if (queue_.Withdraw(this)) {
                holdsRequest_ = false;
                Send(HandOver::Encode({Message::Withdrawn, {}, 0}));
            }
            break;
        default:
            break;
        }
    }
}

void HandOverConnection::Started() {
    Send(HandOver::Encode({HandOver::Message::Started, {}, 0}));
    working_.start();
}

void HandOverConnection::Finished(int exitStatus) {
    working_.stop();
    holdsRequest_ = false;
    Send(HandOver::Encode({HandOver::Message::Done, {}, exitStatus}));
}
