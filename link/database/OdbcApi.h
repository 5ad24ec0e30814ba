#pragma once

#include "Recordset.h"
#include "common/LinkError.h"

#include <memory>
#include <string>
#include <vector>

// A thin layer over the ODBC C API: environment and connection, statements, the
// diagnostics of a failed call, and typed column reads. Text passes the API as
// UTF-16 and is UTF-8 here. Failures raise Odbc::Error.
namespace Odbc {

struct Diagnostic {
    std::string sqlState; // five characters, e.g. "08001"
    long nativeError = 0;
    std::string message;
};

// Number: the first diagnostic's native error, or -2147467259 (unspecified error)
// when the driver gave none; description: its message and SQLSTATE.
class Error : public LinkError {
public:
    Error(std::string function, std::vector<Diagnostic> diagnostics);
    const std::vector<Diagnostic>& Diagnostics() const { return diagnostics_; }
    std::string SqlState() const;

private:
    std::vector<Diagnostic> diagnostics_;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Connects with a complete ODBC connection string, never prompting. The login
    // time-out bounds the connection and login (0 = the driver's own default).
    void Open(const std::string& connectionString, int loginTimeoutSeconds);
    bool IsOpen() const { return open_; }
    void Close();

    // Bound for each statement run on the connection afterwards (0 = none).
    void SetQueryTimeout(int seconds) { queryTimeoutSeconds_ = seconds; }
    int QueryTimeout() const { return queryTimeoutSeconds_; }

    void* Handle() const { return dbc_; }

private:
    void* env_ = nullptr;
    void* dbc_ = nullptr;
    bool open_ = false;
    int queryTimeoutSeconds_ = 0;
};

class Statement {
public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Runs one SQL text and describes the columns of its first result set (none
    // for a statement that gives no rows).
    void ExecDirect(const std::string& sql);
    const std::vector<modNational::DbColumn>& Columns() const { return columns_; }
    // Next row of the result set; false after the last.
    bool Fetch();
    // Value of a column of the fetched row (0-based, as in Columns()).
    modNational::DbValue GetValue(std::size_t column);

private:
    void DescribeResult();

    void* stmt_ = nullptr;
    std::vector<modNational::DbColumn> columns_;
    std::vector<short> sqlTypes_;
};

// The names of the drivers the driver manager knows, in its order.
std::vector<std::string> InstalledDrivers();

// Runs the SQL text and fetches every row of its first result set.
modNational::Recordset FetchAll(Connection& connection, const std::string& sql);
// Runs the SQL text, discarding any rows.
void Execute(Connection& connection, const std::string& sql);

} // namespace Odbc
