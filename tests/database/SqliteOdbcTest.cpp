// The ODBC layer, the recordset and the query builders' handling of the rows,
// run through the system's ODBC driver manager against SQLite's ODBC driver.
#include "DatabaseTestSupport.h"
#include "database/DatabaseConnection.h"
#include "database/HerdDatabase.h"
#include "database/OdbcApi.h"
#include "database/OdbcDatabaseConnection.h"
#include "database/QueryBuilders.h"
#include "database/QueryTexts.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto driver = SqliteOdbcDriverPath();
        ASSERT_TRUE(driver) << "SQLite's ODBC driver is not installed (scripts/install-deps)";
        connectionString =
            "Driver={" + *driver + "};Database=" + DriverFilePath(dir.File("herd.db")) + ";";
        connection.Open(connectionString, 5);
    }

    void Run(const std::string& sql) { Odbc::Execute(connection, sql); }

    // Milking sessions as the herd-management database gives them.
    void SeedSessions() {
        Run("CREATE TABLE Sessions (OfficialRegNo VARCHAR(20), AnimalNumber INTEGER, "
            "BeginTime DATETIME, MilkDuration DATETIME, TotalYield REAL, "
            "MilkingUnitNumber INTEGER, SampleTubeRack INTEGER, SampleTube INTEGER, "
            "MilkingStatus INTEGER)");
        Run("INSERT INTO Sessions VALUES ('SK0001', 7, '2024-03-01 05:10:00', "
            "'1900-01-01 00:06:30', 11.4, 2, NULL, 100, 0)");
        Run("INSERT INTO Sessions VALUES ('SK0002', 12, '2024-03-01 05:20:00', "
            "'1900-01-01 00:08:00', 9.25, 3, NULL, 40000, 1)");
        Run("INSERT INTO Sessions VALUES ('SK0003', 40, '2024-03-01 05:30:00', "
            "'1900-01-01 00:07:10', NULL, 1, NULL, NULL, 0)");
    }

    TempDir dir;
    std::string connectionString;
    Odbc::Connection connection;
};

} // namespace

TEST_F(SqliteTest, ColumnsComeWithTheirTypesAndValues) {
    SeedSessions();
    Recordset rows = Odbc::FetchAll(connection, "SELECT * FROM Sessions ORDER BY AnimalNumber");
    std::vector<DbType> types;
    for (const DbColumn& column : rows.Columns())
        types.push_back(column.type);
    using enum DbType;
    EXPECT_EQ(types, (std::vector<DbType>{Text, Integer, DateTime, DateTime, Number, Integer,
                                          Integer, Integer, Integer}));
    EXPECT_EQ(rows.Columns()[0].name, "OfficialRegNo");
    EXPECT_EQ(rows.RecordCount(), 3);

    rows.MoveFirst();
    EXPECT_EQ(rows.Field("OfficialRegNo"), DbValue(std::string("SK0001")));
    EXPECT_EQ(rows.Field("AnimalNumber"), DbValue(7LL));
    EXPECT_EQ(rows.Field("BeginTime"), DbValue(DbDateTime{2024, 3, 1, 5, 10, 0}));
    EXPECT_EQ(rows.Field("TotalYield"), DbValue(11.4));
    EXPECT_TRUE(IsNull(rows.Field("SampleTubeRack")));
    rows.MoveNext();
    rows.MoveNext();
    EXPECT_TRUE(IsNull(rows.Field("TotalYield")));
    EXPECT_TRUE(IsNull(rows.Field("SampleTube")));
    rows.MoveNext();
    EXPECT_TRUE(rows.Eof());
}

TEST_F(SqliteTest, TextIsUtf8InBothDirectionsWhateverItsLength) {
    const std::string name = "Dödfödd € Ångström";
    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "é" + std::to_string(i % 10);
    Run("CREATE TABLE Texts (Name TEXT)");
    Run("INSERT INTO Texts VALUES ('" + name + "')");
    Run("INSERT INTO Texts VALUES ('" + longText + "')");
    Recordset rows = Odbc::FetchAll(connection, "SELECT Name FROM Texts WHERE Name LIKE 'D%'");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.Field("name"), DbValue(name));
    rows = Odbc::FetchAll(connection, "SELECT Name FROM Texts WHERE length(Name) > 100");
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.Field(0), DbValue(longText));
}

TEST_F(SqliteTest, RefusedStatementsRaiseWithTheDriversDiagnostics) {
    try {
        Odbc::FetchAll(connection, "SELECT * FROM NoSuchTable");
        FAIL() << "no error";
    } catch (const Odbc::Error& error) {
        EXPECT_EQ(error.SqlState().size(), 5u);
        EXPECT_NE(error.Description().find("NoSuchTable"), std::string::npos)
            << error.Description();
        EXPECT_NE(error.Number(), 0);
    }
    // The connection stays usable.
    EXPECT_EQ(Odbc::FetchAll(connection, "SELECT 1 AS One").RecordCount(), 1);
}

// ---- The query builders on rows SQLite gives --------------------------------------

namespace {

// Stands in for the herd-management database: answers the version query from its
// DatabaseInfo table and every other query with the prepared rows.
class SqliteHerdDatabase : public DatabaseConnection {
public:
    SqliteHerdDatabase(const std::string& connectionString, std::string standIn)
        : inner_(connectionString, 5), standIn_(std::move(standIn)) {}

    Recordset Query(const std::string& sql) override {
        sent.push_back(sql);
        if (sql == kVersionQuery)
            return inner_.Query("SELECT CurrentAppVersion, QelConfig FROM DatabaseInfo LIMIT 1");
        return inner_.Query(standIn_);
    }
    void Execute(const std::string& sql) override { inner_.Execute(sql); }
    void Close() override { inner_.Close(); }

    std::vector<std::string> sent;

private:
    OdbcDatabaseConnection inner_;
    std::string standIn_;
};

class QueryBuilderRunTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        if (IsSkipped())
            return;
        SeedSessions();
        Run("CREATE TABLE DatabaseInfo (CurrentAppVersion VARCHAR(20), QelConfig INTEGER)");
    }
    void TearDown() override { CloseDbConnection(); }

    std::shared_ptr<SqliteHerdDatabase> Use(const std::string& version, long qelConfig,
                                            const std::string& standIn) {
        if (!version.empty())
            Run("INSERT INTO DatabaseInfo VALUES ('" + version + "', " + std::to_string(qelConfig) +
                ")");
        auto database = std::make_shared<SqliteHerdDatabase>(connectionString, standIn);
        DbConnection = database;
        return database;
    }

    RecordedUserAndLog recorded;
    const DbDateTime today = DbDateTime::Date(2024, 3, 1);
};

} // namespace

TEST_F(QueryBuilderRunTest, RunsTheChosenTextAndFiltersTheRows) {
    auto database = Use("2012.2.1", 2, "SELECT * FROM Sessions ORDER BY BeginTime");
    const SearchRanges items = {{900054, DbDateTime::Date(2024, 3, 1), DbValue{}},
                                {900025, 1.0, 70000.0}};
    auto rows = RunDatabaseQuery(DatabaseQuery::MilkingSessions, items, today);
    ASSERT_TRUE(rows);
    const std::string mainSql =
        *MilkingSessionsSql(AppGeneration::New, 2, {DbDateTime::Date(2024, 3, 1), {}, {}, {}});
    EXPECT_EQ(database->sent, (std::vector<std::string>{std::string(kVersionQuery), mainSql}));
    EXPECT_EQ(recorded.LogTexts(),
              (std::vector<std::string>{std::string(kVersionQuery), "Returned 1 records", mainSql,
                                        "Returned 3 records"}));
    EXPECT_TRUE(recorded.ui->boxes.empty());
    EXPECT_FALSE(recorded.ui->waitPointer);

    // SampleTube 40000 lies above the bound of 32767, the third has none.
    ASSERT_EQ(rows->RecordCount(), 1);
    rows->MoveFirst();
    EXPECT_EQ(rows->Field("AnimalNumber"), DbValue(7LL));
    EXPECT_TRUE(IsNull(rows->Field("SampleTubeRack")));
    // The shared connection stays open for the next builder.
    EXPECT_EQ(DbConnection, database);
}

TEST_F(QueryBuilderRunTest, NoMainQueryGivesNothingWithoutAMessage) {
    struct Case {
        const char* version;
        long qelConfig;
        DatabaseQuery query;
    } cases[] = {{"2012.10", 1, DatabaseQuery::MilkingSessions},
                 {"2010.1", 8, DatabaseQuery::Milk7DaysAvg},
                 {"2010.1", 0, DatabaseQuery::PregChecks},
                 {"2012.2", 4, DatabaseQuery::MilkingSessions},
                 {"", 0, DatabaseQuery::Milk7DaysAvg}}; // no DatabaseInfo row
    for (const auto& c : cases) {
        Run("DELETE FROM DatabaseInfo");
        auto database = Use(c.version, c.qelConfig, "SELECT * FROM Sessions");
        EXPECT_EQ(RunDatabaseQuery(c.query, {}, today), nullptr) << c.version;
        EXPECT_EQ(database->sent, (std::vector<std::string>{std::string(kVersionQuery)}));
    }
    EXPECT_TRUE(recorded.ui->boxes.empty());
}

TEST_F(QueryBuilderRunTest, FailuresShowTheErrorAndGiveNothing) {
    Use("2012.2", 1, "SELECT * FROM NoSuchTable");
    EXPECT_EQ(RunDatabaseQuery(DatabaseQuery::MilkingSessions, {}, today), nullptr);
    ASSERT_EQ(recorded.ui->boxes.size(), 1u);
    const auto& box = recorded.ui->boxes[0];
    EXPECT_EQ(box.icon, LinkUi::Icon::Critical);
    EXPECT_NE(box.text.find("NoSuchTable"), std::string::npos) << box.text;
    EXPECT_EQ(recorded.LogTexts().back(), box.text);
    EXPECT_FALSE(recorded.ui->waitPointer);

    // A search value the column's type cannot take fails the filter the same way.
    Run("DELETE FROM DatabaseInfo");
    Use("2012.2", 1, "SELECT * FROM Sessions");
    EXPECT_EQ(RunDatabaseQuery(DatabaseQuery::MilkingSessions,
                               {{900070, std::string("seven"), DbValue{}}}, today),
              nullptr);
    ASSERT_EQ(recorded.ui->boxes.size(), 2u);
    EXPECT_EQ(recorded.ui->boxes[1].text.rfind("3001 ", 0), 0u) << recorded.ui->boxes[1].text;
}

TEST_F(QueryBuilderRunTest, ExecuteSqlRunsOnTheSharedConnectionAndKeepsItAfterAFailure) {
    auto database = Use("2012.2", 0, "SELECT 1");
    EXPECT_TRUE(ExecuteSql("UPDATE Sessions SET MilkingStatus = 1 WHERE AnimalNumber = 7"));
    EXPECT_FALSE(ExecuteSql("UPDATE NoSuchTable SET x = 1"));
    EXPECT_EQ(DbConnection, database);
    EXPECT_TRUE(ExecuteSql("DELETE FROM Sessions WHERE MilkingStatus = 1"));

    EXPECT_EQ(Odbc::FetchAll(connection, "SELECT * FROM Sessions").RecordCount(), 1);
    ASSERT_EQ(recorded.ui->boxes.size(), 1u);
    const auto log = recorded.LogTexts();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], "UPDATE Sessions SET MilkingStatus = 1 WHERE AnimalNumber = 7");
    EXPECT_EQ(log[2], recorded.ui->boxes[0].text);
}
