#include "database/QueryTexts.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

const DbDateTime kToday = DbDateTime::Date(2024, 3, 15);

QueryRange Dates(std::optional<DbDateTime> from, std::optional<DbDateTime> to,
                 std::optional<DbDateTime> fromTime = {}, std::optional<DbDateTime> toTime = {}) {
    return QueryRange{from, to, fromTime, toTime};
}

// The seven-day average texts as the two herd-management versions need them, with
// the end of the range written out ("yyyymmdd" and "yyyymmdd hh:mm:ss").
std::string Milk7Old(const std::string& toDate, const std::string& toMoment) {
    const bool to = !toDate.empty();
    std::string s = ";WITH cte AS (";
    s += "SELECT ba.OfficialRegNo, ";
    s += "ba.Number AS AnimalNumber, ";
    s += "(SELECT TOP 1 DateAndTime FROM AnimalHistoricalData ";
    s += "WHERE BasicAnimal = ba.OID ";
    if (to)
        s += "AND DateAndTime > DATEADD(DAY, -7, '" + toDate + "') " + "AND DateAndTime <= '" +
             toMoment + "' ";
    s += "ORDER BY DateAndTime DESC) AS BeginTime, ";
    s += "(SELECT dbo.Get7DayAvgOn(ba.OID, ";
    s += to ? "'" + toDate + "'" : "GETDATE()";
    s += ")) AS Avg7Days, ";
    s += "NULL AS MilkingUnitNumber, NULL AS SampleTubeRack, NULL As SampleTube ";
    s += "FROM BasicAnimal ba ";
    s += to ? "WHERE (ba.ExitDate IS NULL OR ba.ExitDate > '" + toMoment + "') "
            : "WHERE ba.ExitDate IS NULL ";
    s += "AND ba.Number > 0 AND ba.Number < 999999) SELECT * FROM cte ";
    s += "WHERE NOT BeginTime IS NULL AND NOT Avg7Days IS NULL ORDER BY AnimalNumber, BeginTime";
    return s;
}

std::string Milk7New(const std::string& toDate, const std::string& toMoment) {
    const bool to = !toDate.empty();
    std::string s = ";WITH cte AS (SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, ";
    s += "(SELECT TOP 1 BeginTime FROM SessionMilkYield WHERE BasicAnimal = ba.OID ";
    if (to)
        s += "AND BeginTime > DATEADD(DAY, -7, '" + toDate + "') AND BeginTime <= '" + toMoment +
             "' ";
    s += "ORDER BY BeginTime DESC) AS BeginTime, ";
    s += "ROUND((SELECT Avg(TotalYield) FROM AnimalDaily WHERE BasicAnimal = ba.OID ";
    if (to)
        s += "AND [date] >= DATEADD(DAY, -7, '" + toDate + "') AND [date] < '" + toMoment + "' ";
    s += "AND TotalYield > 0 AND IsYieldValid = 1), 1) AS Avg7Days, ";
    s += "NULL AS MilkingUnitNumber, NULL AS SampleTubeRack, NULL As SampleTube ";
    s += "FROM BasicAnimal ba ";
    s += to ? "WHERE (ba.ExitDate IS NULL OR ba.ExitDate > '" + toMoment + "') "
            : "WHERE ba.ExitDate IS NULL ";
    s += "AND ba.Number > 0 AND ba.Number < 999999) SELECT * FROM cte ";
    s += "WHERE NOT BeginTime IS NULL AND NOT Avg7Days IS NULL ORDER BY AnimalNumber, BeginTime";
    return s;
}

std::string SessionsTail(const std::string& exitClause, const std::string& timeClause) {
    std::string s = exitClause.empty() ? "WHERE ba.ExitDate IS NULL " : "WHERE " + exitClause;
    if (!timeClause.empty())
        s += "AND " + timeClause + " ";
    return s + "AND ba.Number > 0 AND ba.Number < 999999 ORDER BY BeginTime, AnimalNumber";
}

const std::string kSessionsNewPlain =
    "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, smy.BeginTime, "
    "(smy.EndTime - smy.BeginTime) AS MilkDuration, smy.TotalYield, "
    "sme.MPCNo AS MilkingUnitNumber, NULL AS SampleTubeRack, NULL AS SampleTube, "
    "0 AS MilkingStatus FROM BasicAnimal ba "
    "INNER JOIN SessionMilkYield smy ON smy.BasicAnimal = ba.OID "
    "INNER JOIN SessionMilkYieldEx sme ON sme.OID = smy.OID ";

const std::string kSessionsNewRobot =
    "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, smy.BeginTime, "
    "(smy.EndTime - smy.BeginTime) AS MilkDuration, smy.TotalYield, "
    "mde.MilkingUnitNumber, smy.SampleTubeRack, smy.SampleTube, "
    "CASE (rob.Incomplete & 0x0F) WHEN 0 THEN 0 ELSE 1 END AS MilkingStatus "
    "FROM BasicAnimal ba INNER JOIN SessionMilkYield smy ON smy.BasicAnimal = ba.OID "
    "INNER JOIN VoluntarySessionMilkYield rob ON rob.OID = smy.OID "
    "INNER JOIN MilkingDevice mde ON mde.OID = smy.MilkingDevice ";

const std::string kSessionsOldPlain =
    "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, ahd.DateAndTime AS BeginTime, "
    "(ahd.EndTime - ahd.DateAndTime) AS MilkDuration, smy.TotalYield, "
    "sme.MuNo AS MilkingUnitNumber, NULL AS SampleTubeRack, NULL AS SampleTube, "
    "0 AS MilkingStatus FROM BasicAnimal ba INNER JOIN AnimalHistoricalData ahd "
    "ON ahd.BasicAnimal = ba.OID INNER JOIN SessionMilkYield smy ON smy.OID = ahd.OID "
    "INNER JOIN SessionMilkYieldEx sme ON sme.OID = ahd.OID ";

const std::string kSessionsOldRobot =
    "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, ahd.DateAndTime AS BeginTime, "
    "(ahd.EndTime - ahd.DateAndTime) AS MilkDuration, smy.TotalYield, "
    "mde.MilkingUnitNumber, rob.SampleTubeRack, rob.SampleTube, "
    "CASE (rob.Incomplete & 0x0F) WHEN 0 THEN 0 ELSE 1 END AS MilkingStatus "
    "FROM BasicAnimal ba INNER JOIN AnimalHistoricalData ahd ON ahd.BasicAnimal = ba.OID "
    "INNER JOIN SessionMilkYield smy ON smy.OID = ahd.OID "
    "INNER JOIN VoluntarySessionMilkYield rob ON rob.OID = smy.OID "
    "INNER JOIN MilkingDevice mde ON mde.OID = ahd.Device ";

const std::string kPregChecksHead =
    "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, "
    "CONVERT(DATE, aae.DateAndTime) AS PregCheckDate, "
    "CONVERT(INT, (SELECT ItemCode FROM TextLookupItem WHERE OID = epc.PregCheckStatus)) AS "
    "PregCheckStatus, "
    "(SELECT SUBSTRING(PersonID, 1, 5) FROM [User] WHERE OID = aae.[User]) AS PersonID "
    "FROM BasicAnimal ba, AbstractAnimalEvent aae, AnimalReproductionInfo ari, "
    "EventPregCheck epc WHERE ba.ExitDate IS NULL AND ba.Number > 0 AND ba.Number < 999999 "
    "AND ari.Animal = ba.OID AND aae.BasicAnimal = ba.OID AND epc.OID = aae.OID "
    "AND ari.LactationNumber = aae.LactationNumber ";

} // namespace

TEST(AppVersion, OldNewAndUnknownByTextComparison) {
    struct Case {
        const char* version;
        AppGeneration generation;
    } cases[] = {{"2009.2", AppGeneration::Old},     {"2009.2.1", AppGeneration::Old},
                 {"2010.1", AppGeneration::Old},     {"2010", AppGeneration::Old},
                 {"2012.2", AppGeneration::New},     {"2012.3", AppGeneration::New},
                 {"2013.1", AppGeneration::New},     {"2012.10", AppGeneration::Unknown},
                 {"2012.1", AppGeneration::Unknown}, {"2009.1", AppGeneration::Unknown},
                 {"2011.5", AppGeneration::Unknown}, {"", AppGeneration::Unknown}};
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyAppVersion(c.version), c.generation) << c.version;
}

TEST(Milk7DaysAvgSql, WithoutDatesTheRangeEndsWithToday) {
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Old, 0, {}, kToday),
              Milk7Old("20240315", "20240315 23:59:59"));
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::New, 0, {}, kToday),
              Milk7New("20240315", "20240315 23:59:59"));
}

TEST(Milk7DaysAvgSql, ToDateWithAndWithoutToTime) {
    const auto to = DbDateTime::Date(2023, 12, 31);
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::New, 0, Dates({}, to), kToday),
              Milk7New("20231231", "20231231 23:59:59"));
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Old, 2,
                              Dates({}, to, {}, DbDateTime::TimeOfDay(6, 5, 4)), kToday),
              Milk7Old("20231231", "20231231 06:05:04"));
}

TEST(Milk7DaysAvgSql, FromDateAloneLeavesTheRangeOpen) {
    const auto from = DbDateTime::Date(2024, 1, 2);
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Old, 0, Dates(from, {}), kToday), Milk7Old("", ""));
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::New, 0, Dates(from, {}), kToday), Milk7New("", ""));
}

TEST(Milk7DaysAvgSql, NoQueryForBit8OnTheOldVersionOrAnUnknownVersion) {
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Old, 8, {}, kToday), std::nullopt);
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Old, 15, {}, kToday), std::nullopt);
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::Unknown, 0, {}, kToday), std::nullopt);
    // The new version ignores the configuration.
    EXPECT_EQ(Milk7DaysAvgSql(AppGeneration::New, 8, {}, kToday),
              Milk7New("20240315", "20240315 23:59:59"));
}

TEST(MilkingSessionsSql, ShapesByVersionAndConfiguration) {
    const std::string openTail = SessionsTail("", "");
    struct Case {
        AppGeneration generation;
        long qelConfig;
        std::optional<std::string> head;
    } cases[] = {
        {AppGeneration::New, 1, kSessionsNewPlain}, {AppGeneration::New, 8, kSessionsNewPlain},
        {AppGeneration::New, 3, kSessionsNewPlain}, {AppGeneration::New, 2, kSessionsNewRobot},
        {AppGeneration::New, 0, std::nullopt},      {AppGeneration::New, 4, std::nullopt},
        {AppGeneration::Old, 0, kSessionsOldPlain}, {AppGeneration::Old, 1, kSessionsOldPlain},
        {AppGeneration::Old, 2, kSessionsOldRobot}, {AppGeneration::Old, 8, std::nullopt},
        {AppGeneration::Old, 10, std::nullopt},     {AppGeneration::Unknown, 2, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto sql = MilkingSessionsSql(c.generation, c.qelConfig, {});
        if (c.head)
            EXPECT_EQ(sql, *c.head + openTail) << c.qelConfig;
        else
            EXPECT_EQ(sql, std::nullopt) << c.qelConfig;
    }
}

TEST(MilkingSessionsSql, TimeClauseAndExitClauseFromTheRange) {
    const auto from = DbDateTime::Date(2024, 2, 1);
    const auto to = DbDateTime::Date(2024, 2, 7);
    const auto fromTime = DbDateTime::TimeOfDay(5, 0, 0);
    const auto toTime = DbDateTime::TimeOfDay(17, 30, 15);
    const std::string exitTo = "(ba.ExitDate IS NULL OR ba.ExitDate > '20240207 23:59:59') ";

    EXPECT_EQ(MilkingSessionsSql(AppGeneration::New, 1, Dates(from, to)),
              kSessionsNewPlain + SessionsTail(exitTo,
                                               "smy.BeginTime >= '20240201 00:00:00' "
                                               "AND smy.BeginTime <= '20240207 23:59:59' "));
    EXPECT_EQ(MilkingSessionsSql(AppGeneration::Old, 0, Dates(from, {}, fromTime)),
              kSessionsOldPlain + SessionsTail("", "DateAndTime >= '20240201 05:00:00' "));
    EXPECT_EQ(MilkingSessionsSql(AppGeneration::Old, 2, Dates({}, to, {}, toTime)),
              kSessionsOldRobot +
                  SessionsTail("(ba.ExitDate IS NULL OR ba.ExitDate > '20240207 17:30:15') ",
                               "DateAndTime <= '20240207 17:30:15' "));
    // A time alone, without its date, changes nothing.
    EXPECT_EQ(MilkingSessionsSql(AppGeneration::New, 2, Dates({}, {}, fromTime, toTime)),
              kSessionsNewRobot + SessionsTail("", ""));
}

TEST(PregChecksSql, OnlyTheNewVersionWithItsDateClause) {
    EXPECT_EQ(PregChecksSql(AppGeneration::Old, {}), std::nullopt);
    EXPECT_EQ(PregChecksSql(AppGeneration::Unknown, {}), std::nullopt);
    const std::string order = "ORDER BY ba.OfficialRegNo, aae.DateAndTime";
    EXPECT_EQ(PregChecksSql(AppGeneration::New, {}), kPregChecksHead + order);
    const auto from = DbDateTime::Date(2024, 1, 1);
    const auto to = DbDateTime::Date(2024, 6, 30);
    EXPECT_EQ(PregChecksSql(AppGeneration::New, Dates(from, to)),
              kPregChecksHead +
                  "AND CONVERT(DATE, aae.DateAndTime) >= '20240101' "
                  "AND CONVERT(DATE, aae.DateAndTime) <= '20240630' " +
                  order);
    EXPECT_EQ(PregChecksSql(AppGeneration::New, Dates({}, to)),
              kPregChecksHead + "AND CONVERT(DATE, aae.DateAndTime) <= '20240630' " + order);
}
