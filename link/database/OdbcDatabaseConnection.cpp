#include "OdbcDatabaseConnection.h"

namespace modNational {

OdbcDatabaseConnection::OdbcDatabaseConnection(const std::string& odbcConnectionString,
                                               int loginTimeoutSeconds) {
    connection_.Open(odbcConnectionString, loginTimeoutSeconds);
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
