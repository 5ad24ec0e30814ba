#include "instance/HandOverQueue.h"

#include "common/TraceLog.h"
#include "instance/HandOverConnection.h"

#include <utility>

HandOverQueue::HandOverQueue(QObject* parent) : QObject(parent) {}

HandOverQueue::~HandOverQueue() = default;

void HandOverQueue::SetRunner(Runner runner) {
    runner_ = std::move(runner);
}

HandOverQueue::Work::Work(HandOverQueue* queue) : queue_(queue) {
    if (queue_)
        ++queue_->runningWork_;
}

HandOverQueue::Work::~Work() {
    if (queue_ && --queue_->runningWork_ == 0 && !queue_->waiting_.empty())
        queue_->ScheduleRun();
}

void HandOverQueue::Enqueue(const modStartup::CommandLineValues& values, HandOverConnection* from) {
    waiting_.push_back(Job{values, from});
    if (WorkRunning())
        modUtils::WriteLog("Hand-over waits for the running work: " + values.inFile);
    ScheduleRun();
}

bool HandOverQueue::Withdraw(HandOverConnection* from) {
    for (auto job = waiting_.begin(); job != waiting_.end(); ++job) {
        if (job->from == from) {
            modUtils::WriteLog("Hand-over withdrawn: " + job->values.inFile);
            waiting_.erase(job);
            return true;
        }
    }
    return false;
}

void HandOverQueue::ScheduleRun() {
    QMetaObject::invokeMethod(this, &HandOverQueue::RunPending, Qt::QueuedConnection);
}

void HandOverQueue::RunPending() {
    while (!WorkRunning() && !waiting_.empty() && runner_) {
        Job job = std::move(waiting_.front());
        waiting_.pop_front();
        if (!job.from || !job.from->Connected()) {
            modUtils::WriteLog("Hand-over dropped, its start has ended: " + job.values.inFile);
            continue;
        }
        int status = 0;
        {
            const Work work(this);
            job.from->Started();
            status = runner_(job.values);
        }
        if (job.from)
            job.from->Finished(status);
        emit requestAnswered(status);
    }
}
