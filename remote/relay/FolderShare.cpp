#include "common/Platform.h"
#include "relay/ShareConnection.h"

#include <filesystem>

namespace Relay {

bool FolderShare::Connect(const std::string& remoteName, const std::string&, const std::string&) {
    std::error_code ec;
    return !remoteName.empty() &&
           std::filesystem::is_directory(Platform::PathFromUtf8(remoteName), ec) &&
           Platform::IsWritable(remoteName);
}

} // namespace Relay
