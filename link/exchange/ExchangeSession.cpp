#include "exchange/ExchangeSession.h"

#include "common/LanguageResources.h"
#include "common/TraceLog.h"
#include "common/UserInterface.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"

#include <atomic>
#include <charconv>

namespace modMirelCom {
namespace {

constexpr std::chrono::milliseconds kDefaultWaitLimit = std::chrono::minutes(10);

// Whether a session of this program is active.
std::atomic<bool> programExchangeActive{false};

std::string SecondsText(std::chrono::milliseconds time) {
    const auto tenths = time.count() / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

} // namespace

std::chrono::milliseconds ExchangeWaitLimit() {
    const auto text = Platform::EnvironmentValue("LINK_EXCHANGE_WAIT_MS");
    if (!text)
        return kDefaultWaitLimit;
    long long ms = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), ms);
    if (error != std::errc() || end != text->data() + text->size() || ms < 0)
        return kDefaultWaitLimit;
    return std::chrono::milliseconds(ms);
}

ExchangeSession::ExchangeSession(std::chrono::milliseconds waitLimit) {
    bool expected = false;
    if (!programExchangeActive.compare_exchange_strong(expected, true)) {
        modUtils::WriteLog("Exchange refused: another exchange of this program is running");
        return;
    }
    ownsProgramExchange_ = true;
    const std::string lockFile = ExchangeLockFilePath();
    // The window stays responsive while another program's exchange is waited for;
    // an exchange started from its events is refused above.
    lock_ = std::make_unique<Platform::FileLock>(lockFile, waitLimit,
                                                 [] { LinkUi::Ui().PumpEvents(); });
    if (!lock_->Opened()) {
        // Without the lock file the exchange runs unguarded against other programs
        // rather than not at all.
        modUtils::WriteLog("Exchange lock not available: " + lockFile);
        active_ = true;
        return;
    }
    if (!lock_->Locked()) {
        modUtils::WriteLog("Exchange not started: another program held the lock file " + lockFile +
                           " for more than " + SecondsText(waitLimit));
        if (MainWindowVisible())
            LinkUi::Ui().MessageBox(modCommon::ResString(166) + "\r\n\r\n\"" + lockFile + "\"",
                                    LinkUi::Buttons::Ok, LinkUi::Icon::Critical,
                                    modCommon::ResString(168));
        lock_.reset();
        programExchangeActive = false;
        ownsProgramExchange_ = false;
        return;
    }
    active_ = true;
}

ExchangeSession::~ExchangeSession() {
    lock_.reset();
    if (ownsProgramExchange_)
        programExchangeActive = false;
}

} // namespace modMirelCom
