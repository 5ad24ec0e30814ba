#include "instance/InstanceServer.h"

#include "common/TraceLog.h"
#include "instance/HandOverConnection.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>

#include <utility>

namespace {

// How long the ending program still waits for the message of a later start that
// has connected but not yet said what it wants.
constexpr int kLastMessagesMs = 500;

} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::AcceptConnections);
}

InstanceServer::~InstanceServer() = default;

void InstanceServer::SetBringToFront(std::function<void()> bringToFront) {
    bringToFront_ = std::move(bringToFront);
}

bool InstanceServer::Listen(const QString& name) {
    if (server_.listen(name))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Someone answers under the name: another copy. Otherwise it was left behind.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000))
        return false;
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void InstanceServer::AcceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection())
        new HandOverConnection(socket, queue_, bringToFront_, this);
}

void InstanceServer::FinishHandOvers() {
    server_.close();
    const auto pendingMessage = [this] {
        for (const auto* connection : findChildren<HandOverConnection*>())
            if (connection->Connected() && !connection->HoldsRequest())
                return true;
        return false;
    };
    const QDeadlineTimer lastMessages(kLastMessagesMs);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        queue_.RunPending();
    } while ((queue_.Waiting() > 0 && queue_.HasRunner()) ||
             (pendingMessage() && !lastMessages.hasExpired()));
}
