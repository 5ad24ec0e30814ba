#include "DatabaseConnection.h"

namespace modNational {

std::shared_ptr<DatabaseConnection> DbConnection;

void CloseDbConnection() {
    if (DbConnection)
        DbConnection->Close();
    DbConnection.reset();
}

} // namespace modNational
