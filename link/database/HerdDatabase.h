#pragma once

#include "DatabaseConnection.h"

#include <functional>
#include <memory>
#include <string>

// Finding, opening and using the herd-management database.
namespace modNational {

inline constexpr int kLoginTimeoutSeconds = 30;
// Statements get as long as ADO commands always had by default.
inline constexpr int kStatementTimeoutSeconds = 30;

// The herd-management client's configuration file under the program-files folder.
std::string ClientConfigPath();

// "Provider=SQLOLEDB;Initial Catalog=<catalog>;Data Source=<source>;User
// ID=sa;Password=<password>;" with catalog and data source from the client's
// configuration; the empty text when the file cannot be loaded or lacks them.
std::string GetConnectionString(const std::string& password);
std::string ConnectionStringFromClientConfig(const std::string& configPath,
                                             const std::string& password);

// Opens a connection for the connection string the user sees, with the login
// time-out for the opening and the statement time-out for each statement run on
// it; raises LinkError when it cannot.
using DatabaseOpener = std::function<std::shared_ptr<DatabaseConnection>(
    const std::string& connectionString, int loginTimeoutSeconds, int statementTimeoutSeconds)>;
// The program's own: ODBC with the SQL Server driver (SqlServerOdbcDriver).
std::shared_ptr<DatabaseConnection> OpenOdbcDatabase(const std::string& connectionString,
                                                     int loginTimeoutSeconds,
                                                     int statementTimeoutSeconds);

// A new, open connection, tried with the first and then the second password;
// nothing (after a critical message box with the connection string tried, its
// password masked) when both fail. The login time-out bounds each attempt.
std::shared_ptr<DatabaseConnection>
OpenDatabase(int loginTimeoutSeconds = kLoginTimeoutSeconds,
             int statementTimeoutSeconds = kStatementTimeoutSeconds,
             const DatabaseOpener& opener = OpenOdbcDatabase);

// Runs one statement on DbConnection (opened first when empty); false, after a
// critical message box, when it could not run.
bool ExecuteSql(const std::string& sql);

} // namespace modNational
