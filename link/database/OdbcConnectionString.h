#pragma once

#include <optional>
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
// character set. With an instance port a "host\\instance" data source becomes the
// host and that port.
std::string OdbcConnectionStringFor(std::string_view connectionString, std::string_view driver,
                                    std::optional<int> instancePort = std::nullopt);

// The data source the text names; empty for an empty connection string.
std::string DataSourceOf(std::string_view connectionString);

bool IsFreeTdsDriver(std::string_view driver);

} // namespace modNational
