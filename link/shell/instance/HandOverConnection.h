#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class HandOverQueue;
class QLocalSocket;

// The running copy's side of one later start: reads its messages, brings the
// window to the front or queues its request, and tells it when its request has
// started and how it ended. While the request runs it says "working" about every
// second (whenever the event loop runs), so that the later start can tell a
// long request from a copy that no longer answers.
class HandOverConnection : public QObject {
    Q_OBJECT

public:
    HandOverConnection(QLocalSocket* socket, HandOverQueue& queue,
                       std::function<void()> bringToFront, QObject* parent = nullptr);
    ~HandOverConnection() override;

    bool Connected() const;
    // Whether the later start has sent a request that is not finished yet.
    bool HoldsRequest() const { return holdsRequest_; }
    void Started();
    void Finished(int exitStatus);

private:
    void ReadMessages();
    void Send(const class QByteArray& frame);

    QLocalSocket* socket_;
    HandOverQueue& queue_;
    std::function<void()> bringToFront_;
    QTimer working_;
    bool holdsRequest_ = false;
};
