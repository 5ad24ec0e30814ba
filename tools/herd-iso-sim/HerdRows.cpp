#include "HerdRows.h"

#include "HerdSchema.h"
#include "SimDictionaries.h"
#include "SqliteDb.h"

#include "dictionary/clsAdisItems.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace HerdSim {
namespace {

// The herd's national number, on every national answer line (DD 50011).
constexpr std::string_view kHerdNo = "(SELECT herd_no FROM herd LIMIT 1)";
constexpr std::string_view kNationalSex = "CASE a.sex WHEN 0 THEN 'M' WHEN 1 THEN 'F' END";

struct EventQuery {
    std::int32_t eventNo;
    std::string_view sql; // columns named by their DD numbers
};

// clang-format off
const EventQuery kQueries[] = {
    {0, R"sql(SELECT COALESCE((SELECT today FROM herd LIMIT 1), date('now', 'localtime'))
        AS "308503", 2 AS "308504", 7 AS "308505")sql"},
    {303085, R"sql(SELECT e.animal_no AS "300001", e.event_date AS "355071", e.kind AS "355072",
        e.code AS "355073", e.text AS "355074", (SELECT herd_no FROM herd LIMIT 1) AS "355075",
        COALESCE(e.identity, a.official_id) AS "355078", e.date2 AS "355079",
        e.number AS "355080", e.time AS "355089"
        FROM animal_events e LEFT JOIN animals a ON a.animal_no = e.animal_no
        ORDER BY e.event_date, e.id)sql"},
    // National requests (the pass-on run).
    {55021, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        a.birth_date AS "900053", @SEX AS "900046", a.mother_id AS "900083",
        a.breed AS "50084", @HERD AS "50011"
        FROM animals a WHERE a.exit_date IS NULL ORDER BY a.animal_no)sql"},
    {55031, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        e.event_date AS "900030", e.code AS "50308", e.text AS "350305", e.text AS "50085",
        e.extra_text AS "900096", @HERD AS "50011"
        FROM animal_events e JOIN animals a ON a.animal_no = e.animal_no
        WHERE e.kind = 2 ORDER BY e.event_date, e.id)sql"},
    {55032, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        a.entry_date AS "50301", a.birth_date AS "50302", a.breed AS "50082", @HERD AS "50011"
        FROM animals a WHERE a.entry_date IS NOT NULL ORDER BY a.animal_no)sql"},
    {55033, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        e.event_date AS "900059", e.code AS "50305", e.extra_text AS "900091", @HERD AS "50011"
        FROM animal_events e JOIN animals a ON a.animal_no = e.animal_no
        WHERE e.kind = 4 ORDER BY e.event_date, e.id)sql"},
    {55034, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        a.exit_date AS "900044", @HERD AS "50011"
        FROM animals a WHERE a.exit_date IS NOT NULL ORDER BY a.animal_no)sql"},
    {55035, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        e.event_date AS "50201", e.code AS "50202", e.extra_text AS "50203", @HERD AS "50011"
        FROM animal_events e JOIN animals a ON a.animal_no = e.animal_no
        WHERE e.kind = 5 ORDER BY e.event_date, e.id)sql"},
    {55036, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        e.event_date AS "900028", e.lactation AS "900035", e.code AS "50052",
        e.number AS "50070", CASE e.calf_sex WHEN 0 THEN 'M' WHEN 1 THEN 'F' END AS "50046",
        e.calf_fate AS "50322", e.calf_breed AS "50088", @HERD AS "50011"
        FROM animal_events e JOIN animals a ON a.animal_no = e.animal_no
        WHERE e.kind = 3 ORDER BY e.event_date, e.id)sql"},
    {55042, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        MAX(m.milk_date) AS "900054", '06:00:00' AS "900078",
        ROUND(SUM(m.yield) / COUNT(DISTINCT m.milk_date), 1) AS "50178",
        CAST(julianday(MAX(m.milk_date)) - julianday(a.last_calving) AS INTEGER) AS "900068",
        0 AS "900024", 0 AS "900025", @HERD AS "50011"
        FROM milkings m JOIN animals a ON a.animal_no = m.animal_no
        WHERE m.milk_date > date((SELECT MAX(milk_date) FROM milkings), '-7 days')
        GROUP BY a.animal_no ORDER BY a.animal_no)sql"},
    {55043, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        m.milk_date AS "900054", m.start_time AS "900078", m.end_time AS "900079",
        m.yield AS "900042",
        CAST(julianday(m.milk_date) - julianday(a.last_calving) AS INTEGER) AS "900068",
        0 AS "900024", 0 AS "900025", m.session AS "50151", @HERD AS "50011"
        FROM milkings m JOIN animals a ON a.animal_no = m.animal_no
        ORDER BY a.animal_no, m.milk_date, m.session)sql"},
    {55050, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        e.event_date AS "900039", e.time AS "50039", e.code AS "900040", @HERD AS "50011"
        FROM animal_events e JOIN animals a ON a.animal_no = e.animal_no
        WHERE e.kind = 2 ORDER BY e.event_date, e.id)sql"},
    {55051, R"sql(SELECT a.official_id AS "900080", a.animal_no AS "900070",
        a.bcs_date AS "50040", a.bcs AS "50041", @HERD AS "50011"
        FROM animals a WHERE a.bcs IS NOT NULL ORDER BY a.animal_no)sql"},
};
// clang-format on

std::string ExpandQuery(std::string_view sql) {
    std::string text(sql);
    for (const auto& [name, value] :
         {std::pair<std::string_view, std::string_view>{"@SEX", kNationalSex}, {"@HERD", kHerdNo}})
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), value);
    return text;
}

std::optional<AdisValue> ParseDate(const std::string& text) {
    int year = 0, month = 0, day = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3)
        return std::nullopt;
    if (const auto date = AdisDate::Make(year, month, day))
        return *date;
    return std::nullopt;
}

std::optional<AdisValue> ParseTime(const std::string& text) {
    int hour = 0, minute = 0, second = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%2d", &hour, &minute, &second) < 2)
        return std::nullopt;
    if (const auto time = AdisTime::Make(hour, minute, second))
        return *time;
    return std::nullopt;
}

AdisValue StoredValue(const SqliteStatement& row, int column) {
    if (row.IsInteger(column))
        return AdisValues::Number(row.Int(column));
    const std::string text = row.Text(column);
    if (const auto number = AdisNumber::Parse(text))
        return *number;
    return text;
}

// A column's value typed like the dictionary's item of its DD number. The
// database's NULL is a value the herd system does not hold: Empty.
AdisValue ColumnValue(const SqliteStatement& row, int column, const clsAdisItem* item) {
    if (row.IsNull(column))
        return AdisEmpty{};
    if (!item || item->DataType < 0)
        return StoredValue(row, column);
    switch (item->DataType) {
    case 1:
        return ParseDate(row.Text(column)).value_or(AdisNull{});
    case 2:
        return ParseTime(row.Text(column)).value_or(AdisNull{});
    case 3:
        return row.IsInteger(column) ? std::to_string(row.Int(column)) : row.Text(column);
    default:
        if (row.IsInteger(column))
            return AdisValues::Number(row.Int(column));
        if (const auto number = AdisNumber::Parse(row.Text(column)))
            return *number;
        return AdisValues::NumberFromDouble(row.Real(column));
    }
}

std::int32_t DDNoOf(const std::string& columnName) {
    std::int32_t ddNo = 0;
    std::from_chars(columnName.data(), columnName.data() + columnName.size(), ddNo);
    return ddNo;
}

std::vector<HerdRow> RunQuery(SqliteDb& db, const std::string& sql, const clsAdisItems& items) {
    SqliteStatement statement(db, sql);
    std::vector<std::int32_t> ddNos;
    std::vector<std::shared_ptr<clsAdisItem>> columnItems;
    for (int column = 0; column < statement.ColumnCount(); ++column) {
        ddNos.push_back(DDNoOf(statement.ColumnName(column)));
        columnItems.push_back(items.ItemOf(ddNos.back()));
    }
    std::vector<HerdRow> rows;
    while (statement.Step()) {
        HerdRow row;
        for (std::size_t column = 0; column < ddNos.size(); ++column)
            row[ddNos[column]] =
                ColumnValue(statement, static_cast<int>(column), columnItems[column].get());
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string AnimalQuery() {
    std::string sql = "SELECT ";
    bool first = true;
    for (const auto& column : kAnimalColumns) {
        sql += (first ? "" : ", ") + std::string(column.column) + " AS \"" +
               std::to_string(column.ddNo) + "\"";
        first = false;
    }
    return sql +
           ", (SELECT herd_no FROM herd LIMIT 1) AS \"355075\" FROM animals ORDER BY animal_no";
}

// Milk yields: the eight newest milkings of each animal in milk, newest first,
// and its average daily yield over the last seven days with milkings.
std::vector<HerdRow> MilkYieldRows(SqliteDb& db, const clsAdisItems& items) {
    std::vector<HerdRow> rows =
        RunQuery(db, R"sql(SELECT a.animal_no AS "300001", a.official_id AS "300348",
            ROUND(SUM(m.yield) / COUNT(DISTINCT m.milk_date), 2) AS "300127"
            FROM milkings m JOIN animals a ON a.animal_no = m.animal_no
            WHERE m.milk_date > date((SELECT MAX(milk_date) FROM milkings), '-7 days')
            GROUP BY a.animal_no ORDER BY a.animal_no)sql",
                 items);
    SqliteStatement milkings(db,
                             "SELECT start_time, end_time, yield FROM milkings "
                             "WHERE animal_no = ? ORDER BY milk_date DESC, session DESC LIMIT 8");
    for (HerdRow& row : rows) {
        const auto animalNo = AdisValues::AsNumber(row[300001]);
        if (!animalNo)
            continue;
        milkings.Bind(1, animalNo->Mantissa());
        for (int i = 0; i < 8 && milkings.Step(); ++i) {
            row[kMilkStartItems[i]] =
                ColumnValue(milkings, 0, items.ItemOf(kMilkStartItems[i]).get());
            row[kMilkEndItems[i]] = ColumnValue(milkings, 1, items.ItemOf(kMilkEndItems[i]).get());
            row[kMilkYieldItems[i]] =
                ColumnValue(milkings, 2, items.ItemOf(kMilkYieldItems[i]).get());
        }
        milkings.Reset();
    }
    return rows;
}

} // namespace

std::optional<std::vector<HerdRow>> QueryRows(SqliteDb& db, std::int32_t eventNo,
                                              const clsAdisItems& dictItems) {
    if (eventNo == 1)
        return RunQuery(db, AnimalQuery(), dictItems);
    if (eventNo == 2)
        return MilkYieldRows(db, dictItems);
    for (const auto& query : kQueries)
        if (query.eventNo == eventNo)
            return RunQuery(db, ExpandQuery(query.sql), dictItems);
    return std::nullopt;
}

} // namespace HerdSim
