#pragma once

#include <memory>
#include <string>

// The connection to the herd server's share.
namespace Relay {

class ShareConnection {
public:
    virtual ~ShareConnection() = default;
    // True when the share can be used with the given account.
    virtual bool Connect(const std::string& remoteName, const std::string& userName,
                         const std::string& password) = 0;
    // Ends any connection to the share, even with files open; never fails.
    virtual void Cancel(const std::string& remoteName) = 0;
};

// A share that is a folder of this computer (a mounted share, or a test's folder):
// connecting checks that the folder exists and may be written; nothing to cancel.
class FolderShare : public ShareConnection {
public:
    bool Connect(const std::string& remoteName, const std::string& userName,
                 const std::string& password) override;
    void Cancel(const std::string&) override {}
};

// The system's way to the share (platform part): network connections on Windows,
// a folder elsewhere.
std::unique_ptr<ShareConnection> SystemShare();

} // namespace Relay
