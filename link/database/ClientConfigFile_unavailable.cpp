#include "ClientConfigFile.h"

namespace modNational {

// Builds without an XML library (the Windows cross build) cannot read the
// herd-management client's configuration: it counts as unreadable, so no
// connection string is found and opening the database fails with its message.
ClientConfigConnection ReadClientConfigConnection(const std::string&) {
    return {};
}

} // namespace modNational
