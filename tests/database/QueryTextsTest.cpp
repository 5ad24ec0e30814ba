#include "database/QueryTexts.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

const DbDateTime kToday = DbDateTime::Date(2024, 3, 15);

QueryRange Dates(std::optional<DbDateTime> from, std::optional<DbDateTime> to,
                 std::optional<DbDateTime> fromTime = {}, std::optional<DbDateTime> toTime = {}) {
    return QueryRange{from, to, fromTime, toTime};
}

// The parts the expected texts share.
const std::string kAnimal = "SELECT ba.OfficialRegNo, ba.Number AS AnimalNumber, ";
const std::string kInHerd = "AND ba.Number > 0 AND ba.Number < 999999";

// The animals still in the herd at the end of the range ("yyyymmdd hh:mm:ss").
std::string ExitClause(const std::string& toMoment) {
    return toMoment.empty() ? "WHERE ba.ExitDate IS NULL "
                            : "WHERE (ba.ExitDate IS NULL OR ba.ExitDate > '" + toMoment + "') ";
}

// The seven-day average text of a version, with the end of the range written out
// ("yyyymmdd" and "yyyymmdd hh:mm:ss"; both empty for an open range).
std::string Milk7(AppGeneration generation, const std::string& toDate,
                  const std::string& toMoment) {
    const bool old = generation == AppGeneration::Old;
    const bool to = !toDate.empty();
    const std::string time = old ? "DateAndTime" : "BeginTime";
    std::string s = ";WITH cte AS (" + kAnimal + "(SELECT TOP 1 " + time + " FROM " +
                    (old ? "AnimalHistoricalData" : "SessionMilkYield") +
                    " WHERE BasicAnimal = ba.OID ";
    if (to)
        s += "AND " + time + " > DATEADD(DAY, -7, '" + toDate + "') AND " + time + " <= '" +
             toMoment + "' ";
    s += "ORDER BY " + time + " DESC) AS BeginTime, ";
    if (old) {
        s += "(SELECT dbo.Get7DayAvgOn(ba.OID, " + (to ? "'" + toDate + "'" : "GETDATE()") +
             ")) AS Avg7Days, ";
    } else {
        s += "ROUND((SELECT Avg(TotalYield) FROM AnimalDaily WHERE BasicAnimal = ba.OID ";
        if (to)
            s +=
                "AND [date] >= DATEADD(DAY, -7, '" + toDate + "') AND [date] < '" + toMoment + "' ";
        s += "AND TotalYield > 0 AND IsYieldValid = 1), 1) AS Avg7Days, ";
    }
    return s + "NULL AS MilkingUnitNumber, NULL AS SampleTubeRack, NULL As SampleTube " +
           "FROM BasicAnimal ba " + ExitClause(toMoment) + kInHerd +
           ") SELECT * FROM cte WHERE NOT BeginTime IS NULL AND NOT Avg7Days IS NULL " +
           "ORDER BY AnimalNumber, BeginTime";
}

std::string SessionsTail(const std::string& toMoment, const std::string& timeClause) {
    std::string s = ExitClause(toMoment);
    if (!timeClause.empty())
        s += "AND " + timeClause + " ";
    return s + kInHerd + " ORDER BY BeginTime, AnimalNumber";
}

const std::string kNewColumns =
    kAnimal + "smy.BeginTime, (smy.EndTime - smy.BeginTime) AS MilkDuration, smy.TotalYield, ";
const std::string kOldColumns = kAnimal + "ahd.DateAndTime AS BeginTime, "
                                          "(ahd.EndTime - ahd.DateAndTime) AS MilkDuration, "
                                          "smy.TotalYield, ";
const std::string kNoTubes =
    "NULL AS SampleTubeRack, NULL AS SampleTube, 0 AS MilkingStatus FROM BasicAnimal ba ";
const std::string kRobotStatus =
    "CASE (rob.Incomplete & 0x0F) WHEN 0 THEN 0 ELSE 1 END AS MilkingStatus FROM BasicAnimal ba ";
const std::string kNewJoin = "INNER JOIN SessionMilkYield smy ON smy.BasicAnimal = ba.OID ";
const std::string kOldJoin = "INNER JOIN AnimalHistoricalData ahd ON ahd.BasicAnimal = ba.OID "
                             "INNER JOIN SessionMilkYield smy ON smy.OID = ahd.OID ";
const std::string kRobotJoin = "INNER JOIN VoluntarySessionMilkYield rob ON rob.OID = smy.OID ";

const std::string kSessionsNewPlain = kNewColumns + "sme.MPCNo AS MilkingUnitNumber, " + kNoTubes +
                                      kNewJoin +
                                      "INNER JOIN SessionMilkYieldEx sme ON sme.OID = smy.OID ";
const std::string kSessionsNewRobot =
    kNewColumns + "mde.MilkingUnitNumber, smy.SampleTubeRack, smy.SampleTube, " + kRobotStatus +
    kNewJoin + kRobotJoin + "INNER JOIN MilkingDevice mde ON mde.OID = smy.MilkingDevice ";
const std::string kSessionsOldPlain = kOldColumns + "sme.MuNo AS MilkingUnitNumber, " + kNoTubes +
                                      kOldJoin +
                                      "INNER JOIN SessionMilkYieldEx sme ON sme.OID = ahd.OID ";
const std::string kSessionsOldRobot =
    kOldColumns + "mde.MilkingUnitNumber, rob.SampleTubeRack, rob.SampleTube, " + kRobotStatus +
    kOldJoin + kRobotJoin + "INNER JOIN MilkingDevice mde ON mde.OID = ahd.Device ";

const std::string kPregChecksHead =
    kAnimal +
    "CONVERT(DATE, aae.DateAndTime) AS PregCheckDate, "
    "CONVERT(INT, (SELECT ItemCode FROM TextLookupItem WHERE OID = epc.PregCheckStatus)) AS "
    "PregCheckStatus, "
    "(SELECT SUBSTRING(PersonID, 1, 5) FROM [User] WHERE OID = aae.[User]) AS PersonID "
    "FROM BasicAnimal ba, AbstractAnimalEvent aae, AnimalReproductionInfo ari, "
    "EventPregCheck epc WHERE ba.ExitDate IS NULL " +
    kInHerd +
    " AND ari.Animal = ba.OID AND aae.BasicAnimal = ba.OID AND epc.OID = aae.OID "
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

TEST(Milk7DaysAvgSql, RangeEndVersionAndConfiguration) {
    const auto from = DbDateTime::Date(2024, 1, 2);
    const auto to = DbDateTime::Date(2023, 12, 31);
    const auto toTime = DbDateTime::TimeOfDay(6, 5, 4);
    const auto Old = AppGeneration::Old;
    const auto New = AppGeneration::New;
    struct Case {
        AppGeneration generation;
        long qelConfig;
        QueryRange range;
        const char* toDate; // nullptr: no query
        const char* toMoment;
    } cases[] = {
        // Without dates the range ends with today.
        {Old, 0, {}, "20240315", "20240315 23:59:59"},
        {New, 0, {}, "20240315", "20240315 23:59:59"},
        {New, 8, {}, "20240315", "20240315 23:59:59"}, // the new version ignores the bits
        {New, 0, Dates({}, to), "20231231", "20231231 23:59:59"},
        {Old, 2, Dates({}, to, {}, toTime), "20231231", "20231231 06:05:04"},
        // A from-date alone leaves the range open.
        {Old, 0, Dates(from, {}), "", ""},
        {New, 0, Dates(from, {}), "", ""},
        // No query for bit 8 on the old version, nor for an unknown version.
        {Old, 8, {}, nullptr, nullptr},
        {Old, 15, {}, nullptr, nullptr},
        {AppGeneration::Unknown, 0, {}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.generation)) + " " +
                     std::to_string(c.qelConfig) + " " + (c.toDate ? c.toDate : "none"));
        const auto sql = Milk7DaysAvgSql(c.generation, c.qelConfig, c.range, kToday);
        if (c.toDate)
            EXPECT_EQ(sql, Milk7(c.generation, c.toDate, c.toMoment));
        else
            EXPECT_EQ(sql, std::nullopt);
    }
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

    EXPECT_EQ(MilkingSessionsSql(AppGeneration::New, 1, Dates(from, to)),
              kSessionsNewPlain + SessionsTail("20240207 23:59:59",
                                               "smy.BeginTime >= '20240201 00:00:00' "
                                               "AND smy.BeginTime <= '20240207 23:59:59' "));
    EXPECT_EQ(MilkingSessionsSql(AppGeneration::Old, 0, Dates(from, {}, fromTime)),
              kSessionsOldPlain + SessionsTail("", "DateAndTime >= '20240201 05:00:00' "));
    EXPECT_EQ(MilkingSessionsSql(AppGeneration::Old, 2, Dates({}, to, {}, toTime)),
              kSessionsOldRobot +
                  SessionsTail("20240207 17:30:15", "DateAndTime <= '20240207 17:30:15' "));
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
