#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace HerdSim {

// A failure of the herd database, with SQLite's message.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One open SQLite database.
class SqliteDb {
public:
    // Opens an existing database; with create, makes it when missing.
    SqliteDb(const std::string& path, bool create);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Runs statements without results (several, separated by ";").
    void Execute(std::string_view sql);
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement; columns are read by 0-based position, parameters bound by
// 1-based position.
class SqliteStatement {
public:
    SqliteStatement(SqliteDb& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int position, std::int64_t value);
    SqliteStatement& Bind(int position, double value);
    SqliteStatement& Bind(int position, std::string_view text);
    SqliteStatement& BindNull(int position);
    // Steps once: true while a row is there.
    bool Step();
    // Runs the statement to its end and makes it ready for new parameters.
    void Run();
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int column) const;
    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    // The column's declared kind as SQLite stored it in this row.
    bool IsInteger(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

} // namespace HerdSim
