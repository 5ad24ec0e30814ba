#include "exchange/ExchangeLock.h"

#include "common/TraceLog.h"
#include "exchange/modMirelCom.h"

namespace modMirelCom {
namespace {

// How many ExchangeLock objects this thread holds: only the outermost one locks
// the file (a file lock taken twice by one thread would wait for itself).
thread_local int heldOnThisThread = 0;

} // namespace

ExchangeLock::ExchangeLock() {
    if (heldOnThisThread++ == 0) {
        lock_ = std::make_unique<Platform::FileLock>(ExchangeLockFilePath());
        if (!lock_->Locked())
            modUtils::WriteLog("Exchange lock not available: " + ExchangeLockFilePath());
    }
}

ExchangeLock::~ExchangeLock() {
    lock_.reset();
    --heldOnThisThread;
}

bool ExchangeLock::Locked() const {
    return !lock_ || lock_->Locked();
}

} // namespace modMirelCom
