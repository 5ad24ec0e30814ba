#include "QueryTexts.h"

namespace modNational {
namespace {

constexpr long kEndOfDaySeconds = 86399;

// before + value + after, built by appending (GCC 12 warns wrongly about
// "literal" + std::string at high optimisation).
std::string Enclosed(std::string_view before, const std::string& value, std::string_view after) {
    std::string text;
    text.reserve(before.size() + value.size() + after.size());
    text.append(before).append(value).append(after);
    return text;
}

// The end of the range: the to-date with the to-time, or its last second.
std::optional<DbDateTime> RangeEnd(const QueryRange& range) {
    if (!range.toDate)
        return std::nullopt;
    const DbDateTime day = range.toDate->DatePart();
    return day.PlusSeconds(range.toTime ? range.toTime->SecondsOfDay() : kEndOfDaySeconds);
}

std::optional<DbDateTime> RangeStart(const QueryRange& range) {
    if (!range.fromDate)
        return std::nullopt;
    const DbDateTime day = range.fromDate->DatePart();
    return day.PlusSeconds(range.fromTime ? range.fromTime->SecondsOfDay() : 0);
}

// "WHERE ..." naming the animals still in the herd at the end of the range.
std::string ExitCondition(const std::optional<DbDateTime>& to) {
    if (!to)
        return "WHERE ba.ExitDate IS NULL ";
    return Enclosed("WHERE (ba.ExitDate IS NULL OR ba.ExitDate > '", FormatSqlDateTime(*to), "') ");
}

bool HasBit(long qelConfig, long bit) {
    return (qelConfig & bit) == bit;
}

// "AND column > DATEADD(DAY, -7, 'date') AND column <= 'moment' ", with the given
// comparisons, for the seven days up to the moment.
std::string SevenDaysUpTo(std::string_view column, std::string_view after, std::string_view upTo,
                          const DbDateTime& to) {
    std::string sql = "AND ";
    sql.append(column).append(" ").append(after).append(" DATEADD(DAY, -7, '");
    sql.append(FormatSqlDate(to)).append("') AND ").append(column).append(" ").append(upTo);
    return sql.append(" '").append(FormatSqlDateTime(to)).append("' ");
}

// The lower and the upper bound (each ending in a blank, either may be empty)
// joined with "AND ".
std::string BothBounds(const std::string& lower, const std::string& upper) {
    if (lower.empty() || upper.empty())
        return lower + upper;
    return lower + "AND " + upper;
}

// The last milking time of the animal within the seven days up to the end of
// the range, or of all time without one.
std::string LastMilkingTime(std::string_view table, std::string_view column,
                            const std::optional<DbDateTime>& to) {
    std::string sql = Enclosed("(SELECT TOP 1 ", std::string(column), " FROM ");
    sql.append(table).append(" WHERE BasicAnimal = ba.OID ");
    if (to)
        sql += SevenDaysUpTo(column, ">", "<=", *to);
    return sql.append("ORDER BY ").append(column).append(" DESC) AS BeginTime, ");
}

std::string Milk7DaysAvgOld(const std::optional<DbDateTime>& to) {
    std::string sql = LastMilkingTime("AnimalHistoricalData", "DateAndTime", to);
    sql += "(SELECT dbo.Get7DayAvgOn(ba.OID, ";
    sql += to ? Enclosed("'", FormatSqlDate(*to), "'") : std::string("GETDATE()");
    sql += ")) AS Avg7Days, ";
    return sql;
}

std::string Milk7DaysAvgNew(const std::optional<DbDateTime>& to) {
    std::string sql = LastMilkingTime("SessionMilkYield", "BeginTime", to);
    sql += "ROUND((SELECT Avg(TotalYield) FROM AnimalDaily ";
    sql += "WHERE BasicAnimal = ba.OID ";
    if (to)
        sql += SevenDaysUpTo("[date]", ">=", "<", *to);
    sql += "AND TotalYield > 0 AND IsYieldValid = 1), 1) AS Avg7Days, ";
    return sql;
}

} // namespace

AppGeneration ClassifyAppVersion(std::string_view version) {
    const std::string_view left6 = version.substr(0, 6);
    const std::string_view left4 = version.substr(0, 4);
    if (left6 == "2009.2" || left4 == "2010")
        return AppGeneration::Old;
    if (left6 >= "2012.2")
        return AppGeneration::New;
    return AppGeneration::Unknown;
}

std::optional<std::string> Milk7DaysAvgSql(AppGeneration generation, long qelConfig,
                                           const QueryRange& given, const DbDateTime& today) {
    QueryRange range = given;
    if (!range.fromDate && !range.toDate)
        range.fromDate = range.toDate = today.DatePart();
    const std::optional<DbDateTime> to = RangeEnd(range);

    std::string sql = ";WITH cte AS (SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, ";
    if (generation == AppGeneration::Old && !HasBit(qelConfig, 8))
        sql += Milk7DaysAvgOld(to);
    else if (generation == AppGeneration::New)
        sql += Milk7DaysAvgNew(to);
    else
        return std::nullopt;
    sql += "NULL AS MilkingUnitNumber, ";
    sql += "NULL AS SampleTubeRack, ";
    sql += "NULL As SampleTube ";
    sql += "FROM BasicAnimal ba ";
    sql += ExitCondition(to);
    sql += "AND ba.Number > 0 AND ba.Number < 999999";
    sql += ") ";
    sql += "SELECT * FROM cte ";
    sql += "WHERE NOT BeginTime IS NULL AND NOT Avg7Days IS NULL ";
    sql += "ORDER BY AnimalNumber, BeginTime";
    return sql;
}

std::optional<std::string> MilkingSessionsSql(AppGeneration generation, long qelConfig,
                                              const QueryRange& range) {
    const std::optional<DbDateTime> from = RangeStart(range);
    const std::optional<DbDateTime> to = RangeEnd(range);
    const bool isNew = generation == AppGeneration::New;

    const std::string column = isNew ? "smy.BeginTime" : "DateAndTime";
    const std::string timeClause = BothBounds(
        from ? Enclosed(column + " >= '", FormatSqlDateTime(*from), "' ") : std::string(),
        to ? Enclosed(column + " <= '", FormatSqlDateTime(*to), "' ") : std::string());
    std::string tail = ExitCondition(to);
    if (!timeClause.empty())
        tail += Enclosed("AND ", timeClause, " ");
    tail += "AND ba.Number > 0 AND ba.Number < 999999 ";
    tail += "ORDER BY BeginTime, AnimalNumber";

    std::string sql;
    if (isNew && (HasBit(qelConfig, 1) || HasBit(qelConfig, 8))) {
        sql += "SELECT ba.OfficialRegNo, ";
        sql += "ba.Number AS AnimalNumber, ";
        sql += "smy.BeginTime, ";
        sql += "(smy.EndTime - smy.BeginTime) AS MilkDuration, ";
        sql += "smy.TotalYield, ";
        sql += "sme.MPCNo AS MilkingUnitNumber, ";
        sql += "NULL AS SampleTubeRack, ";
        sql += "NULL AS SampleTube, ";
        sql += "0 AS MilkingStatus ";
        sql += "FROM BasicAnimal ba ";
        sql += "INNER JOIN SessionMilkYield smy ON smy.BasicAnimal = ba.OID ";
        sql += "INNER JOIN SessionMilkYieldEx sme ON sme.OID = smy.OID ";
    } else if (isNew && HasBit(qelConfig, 2)) {
        sql += "SELECT ba.OfficialRegNo, ";
        sql += "ba.Number AS AnimalNumber, ";
        sql += "smy.BeginTime, ";
        sql += "(smy.EndTime - smy.BeginTime) AS MilkDuration, ";
        sql += "smy.TotalYield, ";
        sql += "mde.MilkingUnitNumber, ";
        sql += "smy.SampleTubeRack, ";
        sql += "smy.SampleTube, ";
        sql += "CASE (rob.Incomplete & 0x0F) WHEN 0 THEN 0 ELSE 1 END AS MilkingStatus ";
        sql += "FROM BasicAnimal ba ";
        sql += "INNER JOIN SessionMilkYield smy ON smy.BasicAnimal = ba.OID ";
        sql += "INNER JOIN VoluntarySessionMilkYield rob ON rob.OID = smy.OID ";
        sql += "INNER JOIN MilkingDevice mde ON mde.OID = smy.MilkingDevice ";
    } else if (generation == AppGeneration::Old && !HasBit(qelConfig, 8)) {
        const bool robot = HasBit(qelConfig, 2);
        sql += "SELECT ba.OfficialRegNo, ";
        sql += "ba.Number AS AnimalNumber, ";
        sql += "ahd.DateAndTime AS BeginTime, ";
        sql += "(ahd.EndTime - ahd.DateAndTime) AS MilkDuration, ";
        sql += "smy.TotalYield, ";
        if (robot) {
            sql += "mde.MilkingUnitNumber, ";
            sql += "rob.SampleTubeRack, ";
            sql += "rob.SampleTube, ";
            sql += "CASE (rob.Incomplete & 0x0F) WHEN 0 THEN 0 ELSE 1 END AS MilkingStatus ";
        } else {
            sql += "sme.MuNo AS MilkingUnitNumber, ";
            sql += "NULL AS SampleTubeRack, ";
            sql += "NULL AS SampleTube, ";
            sql += "0 AS MilkingStatus ";
        }
        sql += "FROM BasicAnimal ba ";
        sql += "INNER JOIN AnimalHistoricalData ahd ";
        sql += "ON ahd.BasicAnimal = ba.OID ";
        sql += "INNER JOIN SessionMilkYield smy ";
        sql += "ON smy.OID = ahd.OID ";
        if (robot) {
            sql += "INNER JOIN VoluntarySessionMilkYield rob ";
            sql += "ON rob.OID = smy.OID ";
            sql += "INNER JOIN MilkingDevice mde ";
            sql += "ON mde.OID = ahd.Device ";
        } else {
            sql += "INNER JOIN SessionMilkYieldEx sme ";
            sql += "ON sme.OID = ahd.OID ";
        }
    } else {
        return std::nullopt;
    }
    return sql + tail;
}

std::optional<std::string> PregChecksSql(AppGeneration generation, const QueryRange& range) {
    if (generation != AppGeneration::New)
        return std::nullopt;
    const std::string dateClause = BothBounds(
        range.fromDate
            ? Enclosed("CONVERT(DATE, aae.DateAndTime) >= '", FormatSqlDate(*range.fromDate), "' ")
            : std::string(),
        range.toDate
            ? Enclosed("CONVERT(DATE, aae.DateAndTime) <= '", FormatSqlDate(*range.toDate), "' ")
            : std::string());
    std::string sql = "SELECT ba.OfficialRegNo, ";
    sql += "ba.Number AS AnimalNumber, ";
    sql += "CONVERT(DATE, aae.DateAndTime) AS PregCheckDate, ";
    sql += "CONVERT(INT, (SELECT ItemCode FROM TextLookupItem WHERE OID = epc.PregCheckStatus)) "
           "AS PregCheckStatus, ";
    sql += "(SELECT SUBSTRING(PersonID, 1, 5) FROM [User] WHERE OID = aae.[User]) AS PersonID ";
    sql += "FROM ";
    sql += "BasicAnimal ba, ";
    sql += "AbstractAnimalEvent aae, ";
    sql += "AnimalReproductionInfo ari, ";
    sql += "EventPregCheck epc ";
    sql += "WHERE ";
    sql += "ba.ExitDate IS NULL ";
    sql += "AND ba.Number > 0 AND ba.Number < 999999 ";
    sql += "AND ari.Animal = ba.OID ";
    sql += "AND aae.BasicAnimal = ba.OID ";
    sql += "AND epc.OID = aae.OID ";
    sql += "AND ari.LactationNumber = aae.LactationNumber ";
    if (!dateClause.empty())
        sql += Enclosed("AND ", dateClause, "");
    sql += "ORDER BY ba.OfficialRegNo, aae.DateAndTime";
    return sql;
}

} // namespace modNational
