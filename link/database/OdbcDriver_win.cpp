#include "OdbcConnectionString.h"

namespace modNational {

// The SQL Server driver every Windows installation ships.
std::string DefaultSqlServerOdbcDriver() {
    return "SQL Server";
}

} // namespace modNational
