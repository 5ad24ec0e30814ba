#pragma once

#include "common/Platform.h"

#include <chrono>
#include <memory>

namespace modMirelCom {

// How long an exchange waits for another program's exchange to end: 10 minutes,
// or the milliseconds in the environment variable LINK_EXCHANGE_WAIT_MS.
std::chrono::milliseconds ExchangeWaitLimit();

// One exchange with the herd-management side, held for the lifetime of the
// object: the exchange files ("~isoin.dat", "~isoout.dat", "~iso.log",
// "~link.log") and every working file of the operation belong to it alone.
//
// Within this program there is one exchange at a time: a session opened while
// another one is active, on any thread (a nested call from the event pump
// included), is refused at once. Across programs the lock file "~iso.lck" in the
// program folder is held; another program's exchange is waited for, at most the
// wait limit. A refused or timed-out session is not Active(); the trace log
// names the reason. An operation of several exchanges in a row opens one session
// and passes it to each of them.
class ExchangeSession {
public:
    explicit ExchangeSession(std::chrono::milliseconds waitLimit = ExchangeWaitLimit());
    ~ExchangeSession();
    ExchangeSession(const ExchangeSession&) = delete;
    ExchangeSession& operator=(const ExchangeSession&) = delete;

    bool Active() const { return active_; }

private:
    bool ownsProgramExchange_ = false;
    bool active_ = false;
    std::unique_ptr<Platform::FileLock> lock_;
};

} // namespace modMirelCom
