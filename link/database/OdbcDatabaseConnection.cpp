#include "OdbcDatabaseConnection.h"

namespace modNational {
namespace {

// Statements get as long as ADO commands always had by default.
constexpr int kStatementTimeoutSeconds = 30;

} // namespace

OdbcDatabaseConnection::OdbcDatabaseConnection(const std::string& odbcConnectionString,
                                               int loginTimeoutSeconds) {
    connection_.Open(odbcConnectionString, loginTimeoutSeconds);
    connection_.SetQueryTimeout(kStatementTimeoutSeconds);
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
