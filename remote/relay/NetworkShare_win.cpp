#include "relay/NetworkShare_win.h"

#include "common/WideText_win.h"

namespace Relay {

NetworkCalls SystemNetworkCalls() {
    return {&::WNetAddConnection2A, &::WNetCancelConnection2A};
}

bool IsUncPath(const std::string& path) {
    return path.size() > 2 && (path[0] == '\\' || path[0] == '/') &&
           (path[1] == '\\' || path[1] == '/');
}

NetworkShare::NetworkShare(NetworkCalls calls) : calls_(calls) {}

bool NetworkShare::Connect(const std::string& remoteName, const std::string& userName,
                           const std::string& password) {
    if (!IsUncPath(remoteName))
        return folder_.Connect(remoteName, userName, password);
    // The ANSI functions take texts in the system's code page.
    std::string remote = Platform::AnsiFromUtf8(remoteName);
    const std::string user = Platform::AnsiFromUtf8(userName);
    const std::string secret = Platform::AnsiFromUtf8(password);
    NETRESOURCEA resource{};
    resource.dwScope = RESOURCE_GLOBALNET;
    resource.dwType = RESOURCETYPE_DISK;
    resource.dwUsage = RESOURCEUSAGE_CONNECTABLE;
    resource.lpLocalName = nullptr;
    resource.lpRemoteName = remote.data();
    return calls_.addConnection(&resource, secret.c_str(), user.c_str(), 0) == NO_ERROR;
}

void NetworkShare::Cancel(const std::string& remoteName) {
    if (!IsUncPath(remoteName))
        return;
    const std::string remote = Platform::AnsiFromUtf8(remoteName);
    calls_.cancelConnection(remote.c_str(), CONNECT_UPDATE_PROFILE, TRUE);
}

} // namespace Relay
