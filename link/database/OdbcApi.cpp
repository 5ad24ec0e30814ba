#include "OdbcApi.h"

#include "OdbcTextCalls.h"

#include <cstdint>

namespace Odbc {
namespace {

using modNational::DbColumn;
using modNational::DbDateTime;
using modNational::DbType;
using modNational::DbValue;

constexpr long kUnspecifiedError = -2147467259;
// SQL Server's time(n) type, reported by its drivers beside the standard types.
constexpr SQLSMALLINT kSqlServerTime2 = -154;
constexpr SQLSMALLINT kSqlServerDateTimeOffset = -155;

std::vector<Diagnostic> ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle) {
    std::vector<Diagnostic> diagnostics;
    if (!handle)
        return diagnostics;
    for (SQLSMALLINT record = 1;; ++record) {
        auto diagnostic = TextCalls::DiagnosticRecord(handleType, handle, record);
        if (!diagnostic)
            break;
        diagnostics.push_back(std::move(*diagnostic));
    }
    return diagnostics;
}

void Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* function) {
    if (!SQL_SUCCEEDED(rc))
        throw Error(function, ReadDiagnostics(handleType, handle));
}

DbType TypeOfSqlType(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_BIT:
        return DbType::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return DbType::Number;
    case SQL_DATETIME: // also SQL_DATE of ODBC 2
    case SQL_TIME:
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case kSqlServerTime2:
    case kSqlServerDateTimeOffset:
        return DbType::DateTime;
    default:
        return DbType::Text;
    }
}

bool IsTimeOfDayType(SQLSMALLINT sqlType) {
    return sqlType == SQL_TIME || sqlType == SQL_TYPE_TIME || sqlType == kSqlServerTime2;
}

} // namespace

Error::Error(std::string function, std::vector<Diagnostic> diagnostics)
    : LinkError(diagnostics.empty() || diagnostics.front().nativeError == 0
                    ? kUnspecifiedError
                    : diagnostics.front().nativeError,
                diagnostics.empty() ? function + " failed"
                                    : diagnostics.front().message + " (SQLSTATE " +
                                          diagnostics.front().sqlState + ")"),
      diagnostics_(std::move(diagnostics)) {}

std::string Error::SqlState() const {
    return diagnostics_.empty() ? std::string() : diagnostics_.front().sqlState;
}

// ---- Connection -------------------------------------------------------------------

Connection::Connection() {
    SQLHANDLE env = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw Error("SQLAllocHandle", {});
    env_ = env;
    try {
        Check(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION,
                            reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)),
                            0),
              SQL_HANDLE_ENV, env, "SQLSetEnvAttr");
        SQLHANDLE dbc = SQL_NULL_HANDLE;
        Check(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), SQL_HANDLE_ENV, env, "SQLAllocHandle");
        dbc_ = dbc;
    } catch (...) {
        SQLFreeHandle(SQL_HANDLE_ENV, env_);
        throw;
    }
}

Connection::~Connection() {
    Close();
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

void Connection::Open(const std::string& connectionString, int loginTimeoutSeconds) {
    Close();
    Check(SQLSetConnectAttr(
              dbc_, SQL_ATTR_LOGIN_TIMEOUT,
              reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(loginTimeoutSeconds)), 0),
          SQL_HANDLE_DBC, dbc_, "SQLSetConnectAttr");
    Check(TextCalls::DriverConnect(dbc_, connectionString), SQL_HANDLE_DBC, dbc_,
          "SQLDriverConnect");
    open_ = true;
}

void Connection::Close() {
    if (open_)
        SQLDisconnect(dbc_);
    open_ = false;
}

// ---- Statement --------------------------------------------------------------------

Statement::Statement(Connection& connection) {
    if (!connection.IsOpen())
        throw Error("SQLAllocHandle", {{"08003", 0, "Connection not open"}});
    SQLHANDLE stmt = SQL_NULL_HANDLE;
    Check(SQLAllocHandle(SQL_HANDLE_STMT, connection.Handle(), &stmt), SQL_HANDLE_DBC,
          connection.Handle(), "SQLAllocHandle");
    stmt_ = stmt;
    if (connection.QueryTimeout() <= 0)
        return;
    const auto timeout = static_cast<std::intptr_t>(connection.QueryTimeout());
    const SQLRETURN rc =
        SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(timeout), 0);
    if (!SQL_SUCCEEDED(rc)) {
        Error error("SQLSetStmtAttr", ReadDiagnostics(SQL_HANDLE_STMT, stmt));
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        throw error;
    }
}

Statement::~Statement() {
    if (stmt_)
        SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
}

void Statement::ExecDirect(const std::string& sql) {
    SQLFreeStmt(stmt_, SQL_CLOSE);
    const SQLRETURN rc = TextCalls::ExecDirect(stmt_, sql);
    if (rc != SQL_NO_DATA)
        Check(rc, SQL_HANDLE_STMT, stmt_, "SQLExecDirect");
    DescribeResult();
    // Row counts of earlier statements in the batch come before the rows.
    while (columns_.empty()) {
        const SQLRETURN more = SQLMoreResults(stmt_);
        if (more == SQL_NO_DATA)
            break;
        Check(more, SQL_HANDLE_STMT, stmt_, "SQLMoreResults");
        DescribeResult();
    }
}

void Statement::DescribeResult() {
    columns_.clear();
    sqlTypes_.clear();
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(stmt_, &count), SQL_HANDLE_STMT, stmt_, "SQLNumResultCols");
    for (SQLUSMALLINT column = 1; column <= count; ++column) {
        std::string name;
        SQLSMALLINT sqlType = 0;
        Check(TextCalls::DescribeColumn(stmt_, column, name, sqlType), SQL_HANDLE_STMT, stmt_,
              "SQLDescribeCol");
        columns_.push_back({std::move(name), TypeOfSqlType(sqlType)});
        sqlTypes_.push_back(sqlType);
    }
}

bool Statement::Fetch() {
    const SQLRETURN rc = SQLFetch(stmt_);
    if (rc == SQL_NO_DATA)
        return false;
    Check(rc, SQL_HANDLE_STMT, stmt_, "SQLFetch");
    return true;
}

DbValue Statement::GetValue(std::size_t index) {
    const auto column = static_cast<SQLUSMALLINT>(index + 1);
    SQLLEN indicator = 0;
    switch (columns_.at(index).type) {
    case DbType::Integer: {
        SQLBIGINT value = 0;
        Check(SQLGetData(stmt_, column, SQL_C_SBIGINT, &value, sizeof value, &indicator),
              SQL_HANDLE_STMT, stmt_, "SQLGetData");
        return indicator == SQL_NULL_DATA ? DbValue{} : DbValue{static_cast<long long>(value)};
    }
    case DbType::Number: {
        double value = 0;
        Check(SQLGetData(stmt_, column, SQL_C_DOUBLE, &value, sizeof value, &indicator),
              SQL_HANDLE_STMT, stmt_, "SQLGetData");
        return indicator == SQL_NULL_DATA ? DbValue{} : DbValue{value};
    }
    case DbType::DateTime: {
        if (IsTimeOfDayType(sqlTypes_[index])) {
            SQL_TIME_STRUCT value{};
            Check(SQLGetData(stmt_, column, SQL_C_TYPE_TIME, &value, sizeof value, &indicator),
                  SQL_HANDLE_STMT, stmt_, "SQLGetData");
            if (indicator == SQL_NULL_DATA)
                return {};
            return DbDateTime::TimeOfDay(value.hour, value.minute, value.second);
        }
        SQL_TIMESTAMP_STRUCT value{};
        Check(SQLGetData(stmt_, column, SQL_C_TYPE_TIMESTAMP, &value, sizeof value, &indicator),
              SQL_HANDLE_STMT, stmt_, "SQLGetData");
        if (indicator == SQL_NULL_DATA)
            return {};
        return DbDateTime{value.year, value.month,  value.day,
                          value.hour, value.minute, value.second};
    }
    case DbType::Text:
        break;
    }
    std::string text;
    bool null = false;
    Check(TextCalls::GetText(stmt_, column, text, null), SQL_HANDLE_STMT, stmt_, "SQLGetData");
    if (null)
        return {};
    return text;
}

// ---- Whole results ----------------------------------------------------------------

std::vector<std::string> InstalledDrivers() {
    std::vector<std::string> names;
    SQLHANDLE env = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return names;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION,
                  reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)), 0);
    std::string name;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;
         SQL_SUCCEEDED(TextCalls::NextDriver(env, direction, name)); direction = SQL_FETCH_NEXT)
        names.push_back(name);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return names;
}

modNational::Recordset FetchAll(Connection& connection, const std::string& sql) {
    Statement statement(connection);
    statement.ExecDirect(sql);
    std::vector<modNational::DbRow> rows;
    while (statement.Fetch()) {
        modNational::DbRow row;
        row.reserve(statement.Columns().size());
        for (std::size_t i = 0; i < statement.Columns().size(); ++i)
            row.push_back(statement.GetValue(i));
        rows.push_back(std::move(row));
    }
    return modNational::Recordset(statement.Columns(), std::move(rows));
}

void Execute(Connection& connection, const std::string& sql) {
    Statement statement(connection);
    statement.ExecDirect(sql);
}

} // namespace Odbc
