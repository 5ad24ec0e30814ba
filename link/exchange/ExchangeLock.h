#pragma once

#include "common/Platform.h"

#include <memory>

namespace modMirelCom {

// Holds the exclusive lock on the exchange lock file in the program folder for
// its lifetime, so that two exchanges never interleave on the same exchange
// files, whether they run in two processes (the window and a command-line start)
// or in two threads. A second exchange waits for the first to end. Inside an
// exchange that already holds the lock on this thread, a further ExchangeLock
// (a procedure of the exchange taking its own) does nothing.
class ExchangeLock {
public:
    ExchangeLock();
    ~ExchangeLock();
    ExchangeLock(const ExchangeLock&) = delete;
    ExchangeLock& operator=(const ExchangeLock&) = delete;

    // False when the lock file could not be opened or locked (the exchange then
    // runs unguarded rather than not at all).
    bool Locked() const;

private:
    std::unique_ptr<Platform::FileLock> lock_;
};

} // namespace modMirelCom
