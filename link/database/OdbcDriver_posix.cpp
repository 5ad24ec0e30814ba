#include "OdbcConnectionString.h"

namespace modNational {

// unixODBC reaches SQL Server through FreeTDS, registered under this name by its
// driver package.
std::string DefaultSqlServerOdbcDriver() {
    return "FreeTDS";
}

} // namespace modNational
