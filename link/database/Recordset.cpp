#include "Recordset.h"

#include "RecordsetFilter.h"
#include "common/LinkError.h"

#include <cctype>
#include <charconv>
#include <functional>
#include <numeric>

namespace modNational {
namespace {

constexpr long kFilterError = 3001;
constexpr long kNoCurrentRecord = 3021;
constexpr long kItemNotFound = 3265;

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    text = WithoutTrailingBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

bool Holds(FilterOp op, int order) {
    switch (op) {
    case FilterOp::Less:
        return order < 0;
    case FilterOp::LessOrEqual:
        return order <= 0;
    case FilterOp::Equal:
        return order == 0;
    case FilterOp::GreaterOrEqual:
        return order >= 0;
    case FilterOp::Greater:
        return order > 0;
    case FilterOp::NotEqual:
        return order != 0;
    }
    return false;
}

template <class T> int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// One condition bound to its column, its literal already read in the column's type.
using RowTest = std::function<bool(const DbRow&)>;

RowTest BindCondition(const FilterCondition& condition, std::size_t index, DbType type) {
    const FilterOp op = condition.op;
    switch (type) {
    case DbType::Integer:
    case DbType::Number: {
        const auto bound = ParseNumber(condition.literal);
        if (!bound)
            throw LinkError(kFilterError, "The filter cannot be applied: '" + condition.literal +
                                              "' is not a number for column " + condition.column);
        return [=, limit = *bound](const DbRow& row) {
            const auto number = NumberOf(row[index]);
            return number && Holds(op, Order(*number, limit));
        };
    }
    case DbType::DateTime: {
        const auto bound = ParseDateTimeText(condition.literal);
        if (!bound)
            throw LinkError(kFilterError, "The filter cannot be applied: '" + condition.literal +
                                              "' is not a date or time for column " +
                                              condition.column);
        // A time of day alone is compared with the time of day of the column.
        const bool timeOnly = !bound->HasDate();
        const long long limit = timeOnly ? bound->SecondsOfDay() : bound->SerialSeconds();
        return [=](const DbRow& row) {
            const auto* moment = std::get_if<DbDateTime>(&row[index]);
            if (!moment)
                return false;
            const long long value = timeOnly ? moment->SecondsOfDay() : moment->SerialSeconds();
            return Holds(op, Order(value, limit));
        };
    }
    case DbType::Text:
        break;
    }
    return [=, limit = std::string(WithoutTrailingBlanks(condition.literal))](const DbRow& row) {
        if (IsNull(row[index]))
            return false;
        const std::string text = DefaultText(row[index]);
        return Holds(op, WithoutTrailingBlanks(text).compare(limit));
    };
}

} // namespace

Recordset::Recordset(std::vector<DbColumn> columns, std::vector<DbRow> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)), visible_(rows_.size()) {
    for (auto& row : rows_)
        row.resize(columns_.size());
    std::iota(visible_.begin(), visible_.end(), std::size_t{0});
}

std::optional<std::size_t> Recordset::ColumnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (SameName(columns_[i].name, name))
            return i;
    return std::nullopt;
}

void Recordset::SetFilter(std::string_view filterText) {
    std::vector<RowTest> tests;
    for (const auto& condition : ParseFilterText(filterText)) {
        const auto index = ColumnIndex(condition.column);
        if (!index)
            throw LinkError(kFilterError,
                            "The filter cannot be applied: no column " + condition.column);
        tests.push_back(BindCondition(condition, *index, columns_[*index].type));
    }
    std::vector<std::size_t> visible;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        bool passes = true;
        for (const auto& test : tests)
            passes = passes && test(rows_[i]);
        if (passes)
            visible.push_back(i);
    }
    visible_ = std::move(visible);
    filter_ = std::string(filterText);
    position_ = 0;
}

void Recordset::MoveNext() {
    if (Eof())
        throw LinkError(kNoCurrentRecord, "Either BOF or EOF is True, or the current record "
                                          "has been deleted.");
    ++position_;
}

const DbValue& Recordset::Field(std::size_t columnIndex) const {
    if (Eof())
        throw LinkError(kNoCurrentRecord, "Either BOF or EOF is True, or the current record "
                                          "has been deleted.");
    if (columnIndex >= columns_.size())
        throw LinkError(kItemNotFound, "Item cannot be found in the collection corresponding "
                                       "to the requested name or ordinal.");
    return rows_[visible_[position_]][columnIndex];
}

const DbValue& Recordset::Field(std::string_view name) const {
    const auto index = ColumnIndex(name);
    if (!index)
        throw LinkError(kItemNotFound, "Item cannot be found in the collection corresponding "
                                       "to the requested name or ordinal: " +
                                           std::string(name));
    return Field(*index);
}

} // namespace modNational
