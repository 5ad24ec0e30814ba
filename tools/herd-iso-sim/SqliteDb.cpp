#include "SqliteDb.h"

#include <sqlite3.h>

namespace HerdSim {
namespace {

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
    throw DbError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

} // namespace

SqliteDb::SqliteDb(const std::string& path, bool create) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw DbError("Cannot open the herd database " + path + ": " + message);
    }
    // Two runs at once (tests, a window and a command-line start) wait for each
    // other rather than fail.
    sqlite3_busy_timeout(db_, 10000);
}

SqliteDb::~SqliteDb() {
    sqlite3_close(db_);
}

void SqliteDb::Execute(std::string_view sql) {
    char* error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw DbError("SQL failed: " + message);
    }
}

SqliteStatement::SqliteStatement(SqliteDb& db, std::string_view sql) : db_(db.Handle()) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK)
        Fail(db_, "SQL prepare failed");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::Bind(int position, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, position, value) != SQLITE_OK)
        Fail(db_, "SQL bind failed");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int position, double value) {
    if (sqlite3_bind_double(statement_, position, value) != SQLITE_OK)
        Fail(db_, "SQL bind failed");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int position, std::string_view text) {
    if (sqlite3_bind_text(statement_, position, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        Fail(db_, "SQL bind failed");
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int position) {
    if (sqlite3_bind_null(statement_, position) != SQLITE_OK)
        Fail(db_, "SQL bind failed");
    return *this;
}

bool SqliteStatement::Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    Fail(db_, "SQL step failed");
}

void SqliteStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

int SqliteStatement::ColumnCount() const {
    return sqlite3_column_count(statement_);
}

std::string SqliteStatement::ColumnName(int column) const {
    const char* name = sqlite3_column_name(statement_, column);
    return name ? name : "";
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

bool SqliteStatement::IsInteger(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_INTEGER;
}

std::int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double SqliteStatement::Real(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

} // namespace HerdSim
