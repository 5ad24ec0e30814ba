#pragma once

#include "relay/ShareConnection.h"

#include <windows.h>
#include <winnetwk.h>

namespace Relay {

// The system's network functions the share uses; tests put their own in.
struct NetworkCalls {
    DWORD(APIENTRY* addConnection)(LPNETRESOURCEA, LPCSTR, LPCSTR, DWORD) = nullptr;
    DWORD(APIENTRY* cancelConnection)(LPCSTR, DWORD, BOOL) = nullptr;
};
NetworkCalls SystemNetworkCalls();

// A UNC share ("\\server\share") is connected with the account given and
// cancelled with force, the user's profile updated. Any other "RemoteName" (a
// drive letter of an already mapped share, or a local folder) cannot be
// connected that way and is used as a folder.
class NetworkShare : public ShareConnection {
public:
    explicit NetworkShare(NetworkCalls calls = SystemNetworkCalls());
    bool Connect(const std::string& remoteName, const std::string& userName,
                 const std::string& password) override;
    void Cancel(const std::string& remoteName) override;

private:
    NetworkCalls calls_;
    FolderShare folder_;
};

bool IsUncPath(const std::string& path);

} // namespace Relay
