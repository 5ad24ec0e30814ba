#include "relay/RelayHeadless.h"

namespace Relay {

// A Windows session always has its desktop.
bool DisplayAvailable() {
    return true;
}

} // namespace Relay
