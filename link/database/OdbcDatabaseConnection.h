#pragma once

#include "DatabaseConnection.h"
#include "OdbcApi.h"

namespace modNational {

// A database connection through ODBC.
class OdbcDatabaseConnection : public DatabaseConnection {
public:
    // Connects with a complete ODBC connection string; raises Odbc::Error.
    OdbcDatabaseConnection(const std::string& odbcConnectionString, int loginTimeoutSeconds);

    Recordset Query(const std::string& sql) override;
    void Execute(const std::string& sql) override;
    void Close() override;

private:
    Odbc::Connection connection_;
};

} // namespace modNational
