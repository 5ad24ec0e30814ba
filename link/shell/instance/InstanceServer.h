#pragma once

#include "instance/HandOverQueue.h"

#include <QLocalServer>
#include <QObject>

#include <functional>

// The copy of the program that runs first in a user session: it listens for
// later starts under the instance name, brings its window to the front for a
// start without a request, and queues the requests handed over.
class InstanceServer : public QObject {
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    HandOverQueue& Queue() { return queue_; }
    void SetBringToFront(std::function<void()> bringToFront);

    // Listens under the name; a name left behind by a copy that has ended is
    // taken over. False when another copy listens under it.
    bool Listen(const QString& name);
    bool Listening() const { return server_.isListening(); }

    // At the end of the program: takes no more later starts, then answers every
    // request that was handed over before (each later start gets its answer).
    void FinishHandOvers();

private:
    void AcceptConnections();

    QLocalServer server_;
    HandOverQueue queue_;
    std::function<void()> bringToFront_;
};
