#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace modNational {

// The SQL Server driver the connection uses: the environment variable
// LINK_ODBC_DRIVER (a driver name or the path of a driver library) when set, else
// the one chosen among the installed drivers.
std::string SqlServerOdbcDriver();

// Among the installed drivers: the newest of Microsoft's SQL Server drivers ("ODBC
// Driver N for SQL Server", then "SQL Server Native Client N", then "SQL
// Server"), else FreeTDS; when none of them is installed, the platform's own
// driver (DefaultSqlServerOdbcDriver).
std::string ChooseSqlServerDriver(const std::vector<std::string>& installed);
std::string DefaultSqlServerOdbcDriver();

// The data source as the driver needs it: FreeTDS does not know the names that
// mean this computer (".", "(local)", also with an instance behind them), so they
// become "127.0.0.1" for it; other drivers get the data source unchanged.
std::string DataSourceForDriver(std::string_view dataSource, std::string_view driver);

// Turns the connection string the user sees ("Provider=SQLOLEDB;Initial
// Catalog=...;Data Source=...;User ID=...;Password=...;") into an ODBC connection
// string for the driver: Driver, Server (DataSourceForDriver), Database, UID,
// PWD. Other keys are dropped. FreeTDS drivers also get an explicit TDS_Version,
// without which its version probe would not keep to the login time-out, and
// UTF-8 as the client's character set. Microsoft's drivers from version 18 on
// encrypt by default and refuse the self-signed certificate of a local server:
// they get "Encrypt=no", the setting the older drivers have by default. With an
// instance port a "host\\instance" data source becomes the host and that port.
std::string OdbcConnectionStringFor(std::string_view connectionString, std::string_view driver,
                                    std::optional<int> instancePort = std::nullopt);

// The data source the text names; empty for an empty connection string.
std::string DataSourceOf(std::string_view connectionString);

bool IsFreeTdsDriver(std::string_view driver);

// The connection string with the value of its password ("Password=", "PWD=")
// replaced by "***", for showing and logging; the rest unchanged.
std::string MaskPassword(std::string_view connectionString);

} // namespace modNational
