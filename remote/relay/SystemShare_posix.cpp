#include "relay/ShareConnection.h"

namespace Relay {

// "RemoteName" names a folder: the share mounted on this computer.
std::unique_ptr<ShareConnection> SystemShare() {
    return std::make_unique<FolderShare>();
}

} // namespace Relay
