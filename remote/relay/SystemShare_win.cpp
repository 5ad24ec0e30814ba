#include "relay/NetworkShare_win.h"

namespace Relay {

std::unique_ptr<ShareConnection> SystemShare() {
    return std::make_unique<NetworkShare>();
}

} // namespace Relay
