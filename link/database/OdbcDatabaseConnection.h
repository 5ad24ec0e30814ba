#pragma once

#include "DatabaseConnection.h"
#include "OdbcApi.h"

namespace modNational {

// A database connection through ODBC.
class OdbcDatabaseConnection : public DatabaseConnection {
public:
    // Connects with a complete ODBC connection string; raises Odbc::Error. The
    // statement time-out bounds each statement run on the connection (0 = none).
    OdbcDatabaseConnection(const std::string& odbcConnectionString, int loginTimeoutSeconds,
                           int statementTimeoutSeconds = 30);

    Recordset Query(const std::string& sql) override;
    void Execute(const std::string& sql) override;
    void Close() override;

private:
    Odbc::Connection connection_;
};

} // namespace modNational
