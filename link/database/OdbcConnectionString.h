#pragma once

#include <string>
#include <string_view>

namespace modNational {

// The SQL Server driver the connection uses: the environment variable
// LINK_ODBC_DRIVER (a driver name or the path of a driver library) when set, else
// the platform's own SQL Server driver.
std::string SqlServerOdbcDriver();
std::string DefaultSqlServerOdbcDriver();

// Turns the connection string the user sees ("Provider=SQLOLEDB;Initial
// Catalog=...;Data Source=...;User ID=...;Password=...;") into an ODBC connection
// string for the driver: Driver, Server, Database, UID, PWD. Other keys are
// dropped. FreeTDS drivers also get an explicit TDS_Version, without which its
// version probe would not keep to the login time-out, and UTF-8 as the client's
// character set.
std::string OdbcConnectionStringFor(std::string_view connectionString, std::string_view driver);

// Whether the text names a data source at all (an empty connection string does not).
bool NamesDataSource(std::string_view connectionString);

} // namespace modNational
