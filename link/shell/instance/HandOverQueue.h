#pragma once

#include "startup/CommandLine.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

class HandOverConnection;

// The requests that later starts of the program handed over to this copy. Only
// one request or national function runs at a time: a hand-over that arrives
// while work runs (it arrives through the event pump of that work) waits here
// and runs when the work has ended, never inside it.
class HandOverQueue : public QObject {
    Q_OBJECT

public:
    // Answers one handed-over request; returns the exit status for the later start.
    using Runner = std::function<int(const modStartup::CommandLineValues&)>;

    explicit HandOverQueue(QObject* parent = nullptr);
    ~HandOverQueue() override;

    void SetRunner(Runner runner);
    bool HasRunner() const { return static_cast<bool>(runner_); }

    // Marks work (a request or a national function) as running for its lifetime;
    // when the last running work ends, the waiting hand-overs are run from the
    // event loop. A null queue makes it do nothing.
    class Work {
    public:
        explicit Work(HandOverQueue* queue);
        ~Work();
        Work(const Work&) = delete;
        Work& operator=(const Work&) = delete;

    private:
        QPointer<HandOverQueue> queue_;
    };

    bool WorkRunning() const { return runningWork_ > 0; }
    int Waiting() const { return static_cast<int>(waiting_.size()); }

    // Queues a request of the later start behind the connection and schedules a
    // run from the event loop.
    void Enqueue(const modStartup::CommandLineValues& values, HandOverConnection* from);
    // Takes the connection's request out of the queue; false when it is not
    // waiting (it has started, or was never queued).
    bool Withdraw(HandOverConnection* from);

    // Runs waiting requests one after another, unless work is running. A request
    // whose later start has gone away is dropped.
    void RunPending();
    // RunPending from the event loop.
    void ScheduleRun();

signals:
    // A handed-over request has been answered.
    void requestAnswered(int exitStatus);

private:
    struct Job {
        modStartup::CommandLineValues values;
        QPointer<HandOverConnection> from;
    };

    Runner runner_;
    std::deque<Job> waiting_;
    int runningWork_ = 0;
};
