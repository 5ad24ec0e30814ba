#pragma once

// Interim: one exchange with the herd-management side held for a whole
// operation, its working files included; the exchanges inside it receive it.

#include "exchange/ExchangeLock.h"

#include <string>

class clsAdisEvents;

namespace modMirelCom {

class ExchangeSession {
public:
    ExchangeSession() = default;
    ExchangeSession(const ExchangeSession&) = delete;
    ExchangeSession& operator=(const ExchangeSession&) = delete;
    bool Active() const { return lock_.Locked(); }

private:
    ExchangeLock lock_;
};

bool ExecuteIsoApp(const ExchangeSession& session, bool useRelay, std::string inFile = {},
                   std::string outFile = {}, std::string logFile = {},
                   const std::string& database = {});
bool SendIsoRequest(const ExchangeSession& session, const clsAdisEvents& events, bool useRelay);

} // namespace modMirelCom
