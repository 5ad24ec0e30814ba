#pragma once

#include "DbValue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace modNational {

// How the values of a column compare: numbers numerically, moments as moments,
// texts as text.
enum class DbType { Text, Integer, Number, DateTime };

struct DbColumn {
    std::string name;
    DbType type = DbType::Text;
};

using DbRow = std::vector<DbValue>;

// A client-side recordset: every row fetched, narrowed by an optional filter,
// walked with a current-row position. Column names match without regard to case.
class Recordset {
public:
    Recordset() = default;
    Recordset(std::vector<DbColumn> columns, std::vector<DbRow> rows);

    const std::vector<DbColumn>& Columns() const { return columns_; }
    std::optional<std::size_t> ColumnIndex(std::string_view name) const;

    // Narrows the rows to those meeting every condition of the filter text (the
    // empty text shows all rows) and moves to the first of them. A text that
    // cannot be read, names an unknown column or gives a value the column's type
    // cannot take raises LinkError and leaves the recordset as it was. A NULL
    // never meets a condition; texts compare without their trailing blanks.
    void SetFilter(std::string_view filterText);
    const std::string& Filter() const { return filter_; }

    // Rows that pass the filter.
    long RecordCount() const { return static_cast<long>(visible_.size()); }
    void MoveFirst() { position_ = 0; }
    void MoveNext();
    bool Eof() const { return position_ >= visible_.size(); }

    // The current row's value of the column; raises LinkError past the end or for
    // an unknown column.
    const DbValue& Field(std::string_view name) const;
    const DbValue& Field(std::size_t columnIndex) const;

private:
    std::vector<DbColumn> columns_;
    std::vector<DbRow> rows_;
    std::vector<std::size_t> visible_;
    std::size_t position_ = 0;
    std::string filter_;
};

} // namespace modNational
