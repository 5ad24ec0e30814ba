#include "OdbcTextCalls.h"

#include <vector>

namespace Odbc::TextCalls {
namespace {

SQLCHAR* Chars(std::string& text) {
    return reinterpret_cast<SQLCHAR*>(text.data());
}

} // namespace

SQLRETURN DriverConnect(SQLHDBC dbc, const std::string& connectionString) {
    std::string text = connectionString;
    SQLSMALLINT outLength = 0;
    return SQLDriverConnect(dbc, nullptr, Chars(text), static_cast<SQLSMALLINT>(text.size()),
                            nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
}

SQLRETURN NextDriver(SQLHENV env, SQLUSMALLINT direction, std::string& name) {
    SQLCHAR description[512] = {};
    SQLCHAR attributes[1024] = {};
    SQLSMALLINT descriptionLength = 0, attributesLength = 0;
    const SQLRETURN rc =
        SQLDrivers(env, direction, description, sizeof description, &descriptionLength, attributes,
                   sizeof attributes, &attributesLength);
    if (SQL_SUCCEEDED(rc))
        name = reinterpret_cast<const char*>(description);
    return rc;
}

SQLRETURN ExecDirect(SQLHSTMT stmt, const std::string& sql) {
    std::string text = sql;
    return SQLExecDirect(stmt, Chars(text), static_cast<SQLINTEGER>(text.size()));
}

std::optional<Diagnostic> DiagnosticRecord(SQLSMALLINT handleType, SQLHANDLE handle,
                                           SQLSMALLINT record) {
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    std::vector<SQLCHAR> message(1024);
    SQLRETURN rc = SQLGetDiagRec(handleType, handle, record, state, &native, message.data(),
                                 static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
        message.resize(static_cast<std::size_t>(length) + 1);
        rc = SQLGetDiagRec(handleType, handle, record, state, &native, message.data(),
                           static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc))
        return std::nullopt;
    const std::size_t shown =
        std::min<std::size_t>(static_cast<std::size_t>(length), message.size() - 1);
    return Diagnostic{std::string(reinterpret_cast<const char*>(state), 5),
                      static_cast<long>(native),
                      std::string(reinterpret_cast<const char*>(message.data()), shown)};
}

SQLRETURN DescribeColumn(SQLHSTMT stmt, SQLUSMALLINT column, std::string& name,
                         SQLSMALLINT& sqlType) {
    SQLCHAR buffer[512] = {};
    SQLSMALLINT nameLength = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    const SQLRETURN rc = SQLDescribeCol(stmt, column, buffer, sizeof buffer, &nameLength, &sqlType,
                                        &size, &digits, &nullable);
    const std::size_t shown =
        std::min<std::size_t>(static_cast<std::size_t>(nameLength), sizeof buffer - 1);
    name.assign(reinterpret_cast<const char*>(buffer), shown);
    return rc;
}

SQLRETURN GetText(SQLHSTMT stmt, SQLUSMALLINT column, std::string& text, bool& null) {
    text.clear();
    null = false;
    char buffer[4096];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(stmt, column, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA)
            return SQL_SUCCESS;
        if (!SQL_SUCCEEDED(rc))
            return rc;
        if (indicator == SQL_NULL_DATA) {
            null = true;
            return rc;
        }
        // A part that did not fit fills the buffer but for its terminating zero.
        std::size_t count = sizeof buffer - 1;
        if (indicator != SQL_NO_TOTAL && static_cast<std::size_t>(indicator) < sizeof buffer)
            count = static_cast<std::size_t>(indicator);
        text.append(buffer, count);
        if (rc == SQL_SUCCESS)
            return rc;
    }
}

} // namespace Odbc::TextCalls
