// The lookup visibility around the code-table transfer for an ISO application
// older than 5.5: the statements run through ExecuteSql on SQLite's ODBC driver,
// on tables of the herd database's names. SQLite does not speak SQL Server's
// dialect, so the connection under test restates each statement for SQLite.
#include "../../database/DatabaseTestSupport.h"
#include "CliWorld.h"

#include "database/DatabaseConnection.h"
#include "database/OdbcDatabaseConnection.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeShared.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"
#include "national/NationalFunctions.h"
#include "national/NationalLookups.h"
#include "national/NationalShared.h"

#include <gmock/gmock.h>

#include <regex>

using namespace modNational;
using ::testing::ElementsAre;

namespace {

// "DECLARE @v ... SET @v = (SELECT TOP 1 c FROM t) IF (LEFT(@v, 6) >= 'x') UPDATE ..."
// as one SQLite UPDATE with the version test in its WHERE clause.
std::string ForSqlite(const std::string& sql) {
    static const std::regex tsql(R"(DECLARE @(\w+) NVARCHAR\(100\) SET @\1 = \(SELECT TOP 1 (\w+) )"
                                 R"(FROM (\w+)\) IF \(LEFT\(@\1, 6\) >= '([^']*)'\) (UPDATE .*))");
    static const std::regex top(R"(SELECT TOP 1 (\w+) FROM (\w+) WHERE ([^)]*)\))");
    std::smatch parts;
    if (!std::regex_match(sql, parts, tsql))
        return sql;
    return std::regex_replace(parts[5].str(), top, "SELECT $1 FROM $2 WHERE $3 LIMIT 1)") +
           " AND (SELECT substr(" + parts[2].str() + ", 1, 6) FROM " + parts[3].str() +
           " LIMIT 1) >= '" + parts[4].str() + "'";
}

// The herd database's connection as the statements see it; records each
// statement and whether the ISO application had run by then.
class RecordingSqlite : public DatabaseConnection {
public:
    RecordingSqlite(const std::string& odbc, std::string isoLog)
        : inner_(odbc, 5), isoLog_(std::move(isoLog)) {}
    Recordset Query(const std::string& sql) override { return inner_.Query(ForSqlite(sql)); }
    void Execute(const std::string& sql) override {
        statements.push_back(sql);
        afterIsoRun.push_back(modUtils::FileExists(isoLog_));
        inner_.Execute(ForSqlite(sql));
    }
    void Close() override { inner_.Close(); }

    std::vector<std::string> statements;
    std::vector<bool> afterIsoRun;

private:
    OdbcDatabaseConnection inner_;
    std::string isoLog_;
};

class LookupVisibility : public CliWorld {
protected:
    void SetUp() override {
        const auto driver = SqliteOdbcDriverPath();
        ASSERT_TRUE(driver) << "SQLite's ODBC driver is not installed (scripts/install-deps)";
        ASSERT_EQ(modUtils::RunProgramAndWait({kSimulator, "--init", File("herd.db")}, 5), 0);
        auto herd = std::make_shared<clsAdisDataDict>();
        ASSERT_TRUE(modMirelCom::BuildHerdDictionary(*herd, "VANTOR20"));
        modMirelCom::SetHerdDataDict(herd);
        auto national = std::make_shared<clsAdisDataDict>();
        ASSERT_TRUE(BuildNationalDict(*national, "ZIRAZ22 "));
        SetNationalDataDict(national);

        const std::string odbc = "Driver={" + *driver + "};Database=" + File("lookups.db") + ";";
        connection = std::make_shared<RecordingSqlite>(odbc, File("~iso.log"));
        for (const char* statement :
             {"CREATE TABLE DatabaseInfo (CurrentAppVersion TEXT)",
              "INSERT INTO DatabaseInfo VALUES ('2010.1.4')",
              "CREATE TABLE CodeSet (OID INTEGER, CodeSetID INTEGER)",
              "INSERT INTO CodeSet VALUES (7, 2), (8, 3)",
              "CREATE TABLE TextLookupItem (CodeSet INTEGER, Collection INTEGER, ItemCode TEXT, "
              "IsHidden TEXT)",
              // A national breed, a breed the national side no longer has, a cull
              // reason shown again, another code set's entry and a collection
              // that is not national.
              "INSERT INTO TextLookupItem VALUES (7, 6, '1', '0'), (7, 6, '7', '0'), "
              "(7, 19, '46', '1'), (8, 6, '7', '0'), (7, 99, '1', '0')"})
            connection->Execute(statement);
        connection->statements.clear();
        connection->afterIsoRun.clear();
        DbConnection = connection;
    }
    void TearDown() override {
        CloseDbConnection();
        modMirelCom::SetHerdDataDict(nullptr);
        SetNationalDataDict(nullptr);
    }

    std::shared_ptr<RecordingSqlite> connection;
};

TEST_F(LookupVisibility, AnOlderIsoApplicationHidesBeforeAndShowsTheNationalCodesAfter) {
    SetIsoVersion("5.4");
    ASSERT_TRUE(InitNationalLookups());
    ASSERT_EQ(connection->statements.size(), 2u);
    EXPECT_EQ(connection->statements[0], HideLookupsSql());
    EXPECT_THAT(connection->statements[1],
                ::testing::HasSubstr("SET IsHidden = '0' WHERE CodeSet = (SELECT TOP 1 OID FROM "
                                     "CodeSet WHERE CodeSetID = 2) AND ((Collection = 6 AND "
                                     "ItemCode IN ('1', '2', '3', '4', '5', '6', '8', "));
    EXPECT_THAT(connection->statements[1],
                ::testing::EndsWith(" OR (Collection = 79 AND ItemCode IN ('1', '2', '3', '4', "
                                    "'5')))"));
    EXPECT_THAT(connection->afterIsoRun, ElementsAre(false, true));
    EXPECT_FALSE(DbConnection) << "the connection is closed at the end";

    OdbcDatabaseConnection check(
        "Driver={" + *SqliteOdbcDriverPath() + "};Database=" + File("lookups.db") + ";", 5);
    Recordset rows = check.Query("SELECT CodeSet, Collection, ItemCode, IsHidden FROM "
                                 "TextLookupItem ORDER BY rowid");
    std::vector<std::string> visibility;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        visibility.push_back(DefaultText(rows.Field(0)) + "|" + DefaultText(rows.Field(1)) + "|" +
                             DefaultText(rows.Field(2)) + "|" + DefaultText(rows.Field(3)));
    EXPECT_THAT(visibility, ElementsAre("7|6|1|0", "7|6|7|1", "7|19|46|0", "8|6|7|0", "7|99|1|0"));
}

TEST_F(LookupVisibility, ANewIsoApplicationLeavesTheDatabaseAlone) {
    SetIsoVersion("5.5");
    ASSERT_TRUE(InitNationalLookups());
    EXPECT_TRUE(connection->statements.empty());
}

} // namespace
