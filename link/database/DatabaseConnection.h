#pragma once

#include "Recordset.h"

#include <memory>
#include <string>

namespace modNational {

// An open connection to the herd-management database. Query and Execute raise
// LinkError when the database refuses the statement.
class DatabaseConnection {
public:
    virtual ~DatabaseConnection() = default;
    // Runs the statement and fetches every row of its result to the client.
    virtual Recordset Query(const std::string& sql) = 0;
    // Runs a statement that gives no rows.
    virtual void Execute(const std::string& sql) = 0;
    virtual void Close() = 0;
};

// The program's one connection to the herd-management database: empty until the
// first use opens it (OpenDatabase), shared by every caller afterwards, closed
// and released by the owner of the current run (CloseDbConnection).
extern std::shared_ptr<DatabaseConnection> DbConnection;

void CloseDbConnection();

} // namespace modNational
