#pragma once

#include "common/LanguageResources.h"
#include "common/UserInterface.h"

namespace modNational {

// The status text of a national function: shown while it works, cleared when it
// ends, whichever way it ends.
class StatusTextScope {
public:
    StatusTextScope() = default;
    ~StatusTextScope() { LinkUi::Ui().SetStatusText({}); }
    StatusTextScope(const StatusTextScope&) = delete;
    StatusTextScope& operator=(const StatusTextScope&) = delete;

    void Show(long textNo) { LinkUi::Ui().SetStatusText(modCommon::ResString(textNo)); }
};

} // namespace modNational
