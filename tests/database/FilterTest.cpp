#include "common/LinkError.h"
#include "database/QuerySearch.h"
#include "database/Recordset.h"
#include "database/RecordsetFilter.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

// Rows shaped like the milking sessions.
Recordset Sessions() {
    std::vector<DbColumn> columns = {
        {"OfficialRegNo", DbType::Text}, {"AnimalNumber", DbType::Integer},
        {"BeginTime", DbType::DateTime}, {"MilkDuration", DbType::DateTime},
        {"TotalYield", DbType::Number},  {"PersonID", DbType::Text}};
    std::vector<DbRow> rows = {
        {std::string("SK001"), 5LL, DbDateTime{2024, 3, 1, 6, 0, 0},
         DbDateTime{1900, 1, 1, 0, 6, 30}, 12.5, std::string("O'Hara")},
        {std::string("SK002"), 12LL, DbDateTime{2024, 3, 1, 18, 0, 0},
         DbDateTime{1900, 1, 1, 0, 9, 0}, 9.75, std::string("Ann")},
        {std::string("SK003"), 40LL, DbDateTime{2024, 3, 2, 6, 0, 0}, DbValue{}, DbValue{},
         DbValue{}},
    };
    return Recordset(std::move(columns), std::move(rows));
}

std::vector<long long> AnimalNumbers(Recordset& rows) {
    std::vector<long long> numbers;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        numbers.push_back(std::get<long long>(rows.Field("animalnumber")));
    return numbers;
}

} // namespace

TEST(FilterText, ClausesInItemOrderWithTheColumnsOfEachQuery) {
    const SearchRanges items = {
        {900080, std::string("SK001"), std::string("SK009")},
        {900054, DbDateTime::Date(2024, 1, 1), DbDateTime::Date(2024, 1, 31)}, // range, no filter
        {900070, DbValue{}, 25.0},
        {12345, 1.0, 2.0}, // unknown item
        {900091, std::string("AB"), DbValue{}},
        {900079, DbDateTime::TimeOfDay(0, 5, 0), DbValue{}},
    };
    EXPECT_EQ(BuildFilterText(DatabaseQuery::MilkingSessions, items),
              "OfficialRegNo >= 'SK001' AND OfficialRegNo <= 'SK009' AND AnimalNumber <= '25'"
              " AND MilkDuration >= '00:05:00'");
    EXPECT_EQ(BuildFilterText(DatabaseQuery::PregChecks, items),
              "OfficialRegNo >= 'SK001' AND OfficialRegNo <= 'SK009' AND AnimalNumber <= '25'"
              " AND PersonID >= N'AB'");
    EXPECT_EQ(BuildFilterText(DatabaseQuery::Milk7DaysAvg, {{50178, 20.5, 30.0}}),
              "Avg7Days >= '20.5' AND Avg7Days <= '30'");
    EXPECT_EQ(BuildFilterText(DatabaseQuery::Milk7DaysAvg, {}), "");
}

TEST(FilterText, SampleTubeBoundsAreWholeNumbersUpTo32767) {
    EXPECT_EQ(BuildFilterText(DatabaseQuery::Milk7DaysAvg, {{900025, 1.0, 70000.0}}),
              "SampleTube >= '1' AND SampleTube <= '32767'");
    EXPECT_EQ(BuildFilterText(DatabaseQuery::MilkingSessions, {{900025, 2.5, 3.5}}),
              "SampleTube >= '2' AND SampleTube <= '4'");
    EXPECT_THROW(BuildFilterText(DatabaseQuery::MilkingSessions, {{900025, std::string("x"), {}}}),
                 LinkError);
}

TEST(FilterText, ApostrophesInValuesCannotChangeTheFilter) {
    const std::string hostile = "x' OR OfficialRegNo >= '";
    const std::string filter =
        BuildFilterText(DatabaseQuery::MilkingSessions, {{900080, hostile, DbValue{}}});
    EXPECT_EQ(filter, "OfficialRegNo >= 'x'' OR OfficialRegNo >= '''");
    const auto conditions = ParseFilterText(filter);
    ASSERT_EQ(conditions.size(), 1u);
    EXPECT_EQ(conditions[0].literal, hostile);
}

TEST(FilterText, UnreadableTextsAreErrors) {
    for (const char* text :
         {"AnimalNumber", "AnimalNumber >= 5", "AnimalNumber >= '5",
          "AnimalNumber >= '5' OR AnimalNumber <= '7'", ">= '5'", "AnimalNumber >= '5' AND"}) {
        EXPECT_THROW(ParseFilterText(text), LinkError) << text;
    }
    EXPECT_TRUE(ParseFilterText("   ").empty());
}

TEST(RecordsetFilter, ComparesByTheColumnsType) {
    const std::pair<const char*, std::vector<long long>> cases[] = {
        // Numerically: "5" < "12" although "12" < "5" as text.
        {"AnimalNumber >= '5' AND AnimalNumber <= '12'", {5, 12}},
        {"TotalYield > '10'", {5}},
        {"BeginTime >= '2024-03-01 12:00:00' AND BeginTime <= '20240302'", {12}},
        // A time of day against the column's time of day; NULL meets no condition.
        {"MilkDuration >= '00:07:00'", {12}},
        // Texts by character code, trailing blanks of the value not counted.
        {"OfficialRegNo >= 'SK002   ' AND OfficialRegNo <= 'SK002'", {12}},
        {"PersonID = N'O''Hara'", {5}},
        {"AnimalNumber >= '1000'", {}},
        {"", {5, 12, 40}},
    };
    Recordset rows = Sessions();
    for (const auto& [filter, numbers] : cases) {
        rows.SetFilter(filter);
        EXPECT_EQ(AnimalNumbers(rows), numbers) << filter;
        EXPECT_EQ(rows.RecordCount(), static_cast<long>(numbers.size())) << filter;
    }
}

TEST(RecordsetFilter, AFilterThatCannotApplyLeavesTheRowsAsTheyWere) {
    Recordset rows = Sessions();
    rows.SetFilter("AnimalNumber > '10'");
    for (const char* text : {"NoSuchColumn >= '1'", "AnimalNumber >= 'abc'",
                             "BeginTime >= '2024-02-30'", "AnimalNumber >= "}) {
        EXPECT_THROW(rows.SetFilter(text), LinkError) << text;
        EXPECT_EQ(rows.Filter(), "AnimalNumber > '10'");
        EXPECT_EQ(rows.RecordCount(), 2);
    }
}

TEST(DbDateTimeText, SqlFormsAndDefaultText) {
    const DbDateTime moment{2024, 2, 29, 7, 8, 9};
    EXPECT_EQ(FormatSqlDate(moment), "20240229");
    EXPECT_EQ(FormatSqlDateTime(moment), "20240229 07:08:09");
    EXPECT_EQ(DefaultText(moment), "2024-02-29 07:08:09");
    EXPECT_EQ(DefaultText(moment.DatePart()), "2024-02-29");
    EXPECT_EQ(DefaultText(moment.TimePart()), "07:08:09");
    EXPECT_EQ(moment.DatePart().PlusSeconds(86399), (DbDateTime{2024, 2, 29, 23, 59, 59}));
    EXPECT_EQ(DbDateTime::Date(2023, 12, 31).PlusSeconds(86400), DbDateTime::Date(2024, 1, 1));
    EXPECT_EQ(ParseDateTimeText("2024-02-29 07:08:09"), moment);
    EXPECT_EQ(ParseDateTimeText("2023-02-29"), std::nullopt);
    EXPECT_EQ(ParseDateTimeText("24:00:00"), std::nullopt);
}
