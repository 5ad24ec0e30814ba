#include "OdbcDatabaseConnection.h"

namespace modNational {

OdbcDatabaseConnection::OdbcDatabaseConnection(const std::string& odbcConnectionString,
                                               int loginTimeoutSeconds,
                                               int statementTimeoutSeconds) {
    connection_.Open(odbcConnectionString, loginTimeoutSeconds);
    connection_.SetQueryTimeout(statementTimeoutSeconds);
}

Recordset OdbcDatabaseConnection::Query(const std::string& sql) {
    return Odbc::FetchAll(connection_, sql);
}

void OdbcDatabaseConnection::Execute(const std::string& sql) {
    Odbc::Execute(connection_, sql);
}

void OdbcDatabaseConnection::Close() {
    connection_.Close();
}

} // namespace modNational
