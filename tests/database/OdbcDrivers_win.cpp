#include "DatabaseTestSupport.h"

// The Windows test runs have neither SQLite's nor FreeTDS's ODBC driver.
std::optional<std::string> SqliteOdbcDriverPath() {
    return std::nullopt;
}
std::optional<std::string> FreeTdsOdbcDriverPath() {
    return std::nullopt;
}
