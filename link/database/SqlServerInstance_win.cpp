#include "SqlServerInstance.h"

namespace modNational {

// Windows' SQL Server driver asks the server browser itself.
std::optional<int> LookUpInstancePort(const InstanceAddress&, int, int) {
    return std::nullopt;
}

} // namespace modNational
