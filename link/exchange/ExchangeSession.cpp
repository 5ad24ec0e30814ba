#include "exchange/ExchangeSession.h"

#include "exchange/modMirelCom.h"

namespace modMirelCom {

bool ExecuteIsoApp(const ExchangeSession& session, bool useRelay, std::string inFile,
                   std::string outFile, std::string logFile, const std::string& database) {
    return session.Active() && ExecuteIsoApp(useRelay, std::move(inFile), std::move(outFile),
                                             std::move(logFile), database);
}

bool SendIsoRequest(const ExchangeSession& session, const clsAdisEvents& events, bool useRelay) {
    return session.Active() && SendIsoRequest(events, useRelay);
}

} // namespace modMirelCom
