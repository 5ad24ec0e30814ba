#pragma once

#include "relay/RelayRun.h"

#include <ostream>
#include <string_view>

namespace Relay {

// Runs the relay without a window: the same steps on the same timer period, each
// status text on its own line of `status` (standard error for the program). A
// failure ends the run at once, as if its OK were pressed. Returns the exit status.
int RunHeadless(RelayRun& run, std::string_view commandLine, std::ostream& status);

// Whether the relay is to run without its window: LINK_HEADLESS=1, or no display
// to show it on (platform part).
bool RunWithoutWindow();
bool DisplayAvailable();

} // namespace Relay
