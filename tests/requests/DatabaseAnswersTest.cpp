// Requests an older herd-management ISO application cannot answer, answered
// from rows of the herd database: the request flow in this process, with the
// database's rows given through the connection it uses.

#include "RequestWorld.h"

#include "database/DatabaseConnection.h"
#include "database/QueryTexts.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeShared.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"
#include "national/NationalShared.h"
#include "requests/RequestFlow.h"

#include <gmock/gmock.h>

using namespace modNational;
using ::testing::ElementsAre;

namespace {

// A herd database as the queries see it: the version record, then the rows of
// whatever main query runs. Every statement is kept.
class ScriptedConnection : public DatabaseConnection {
public:
    explicit ScriptedConnection(Recordset rows) : rows_(std::move(rows)) {}
    Recordset Query(const std::string& sql) override {
        statements.push_back(sql);
        if (sql == kVersionQuery)
            return Recordset({{"CurrentAppVersion", DbType::Text}, {"QelConfig", DbType::Integer}},
                             {{std::string("2012.2"), 2LL}});
        return rows_;
    }
    void Execute(const std::string& sql) override { statements.push_back(sql); }
    void Close() override { closed = true; }

    std::vector<std::string> statements;
    bool closed = false;

private:
    Recordset rows_;
};

DbDateTime At(int year, int month, int day, int hour, int minute) {
    return {year, month, day, hour, minute, 0};
}

class DatabaseAnswers : public RequestWorld {
protected:
    void SetUp() override {
        auto national = std::make_shared<clsAdisDataDict>();
        ASSERT_TRUE(BuildNationalDict(*national, "ZIRAZ22 "));
        SetNationalDataDict(national);
        auto herd = std::make_shared<clsAdisDataDict>();
        ASSERT_TRUE(modMirelCom::BuildHerdDictionary(*herd, "VANTOR20"));
        modMirelCom::SetHerdDataDict(herd);
        SetIsoVersion("4.9");
    }
    void TearDown() override {
        SetNationalDataDict(nullptr);
        modMirelCom::SetHerdDataDict(nullptr);
    }

    // Answers the request in this process with the rows; the answer read back.
    std::unique_ptr<clsAdisDataFile> AnswerWith(const std::string& request, Recordset rows) {
        connection = std::make_shared<ScriptedConnection>(std::move(rows));
        DbConnection = connection;
        std::string out = File("answer.dat");
        RequestOutcome outcome = RequestOutcome::RunFailed;
        EXPECT_TRUE(ConvertZirAz(request, out, File("answer.log"), "", &outcome));
        EXPECT_EQ(outcome, RequestOutcome::Answered);
        // The run closes the connection it used.
        EXPECT_TRUE(connection->closed);
        EXPECT_FALSE(DbConnection);
        return ReadAnswer(out);
    }

    std::shared_ptr<ScriptedConnection> connection;
};

Recordset Sessions() {
    return Recordset({{"OfficialRegNo", DbType::Text},
                      {"AnimalNumber", DbType::Integer},
                      {"BeginTime", DbType::DateTime},
                      {"MilkDuration", DbType::DateTime},
                      {"TotalYield", DbType::Number},
                      {"MilkingUnitNumber", DbType::Integer},
                      {"SampleTubeRack", DbType::Integer},
                      {"SampleTube", DbType::Integer},
                      {"MilkingStatus", DbType::Integer}},
                     {{std::string("SE-1"), 7LL, At(2026, 12, 1, 5, 10), At(1900, 1, 1, 0, 7), 11.4,
                       2LL, std::monostate{}, 100LL, 0LL},
                      {std::string("SE-2"), 12LL, At(2026, 12, 1, 5, 20), At(1900, 1, 1, 0, 8),
                       9.25, 3LL, 4LL, 40LL, 1LL},
                      // The same animal and moment again: one line.
                      {std::string("SE-2"), 12LL, At(2026, 12, 1, 5, 20), At(1900, 1, 1, 0, 9), 1.0,
                       3LL, 4LL, 41LL, 1LL}});
}

TEST_F(DatabaseAnswers, MilkingSessionsComeFromTheRowsInTheRequestsItemOrder) {
    const std::string request = WriteRequest(
        "request.dat",
        {{55043,
          {900080, 900070, 900054, 900078, 900079, 900042, 900068, 900024, 900025, 50151},
          {{900054, AdisDate{2026, 12, 1}, AdisDate{2026, 12, 1}}}}});
    const auto answer = AnswerWith(request, Sessions());
    ASSERT_TRUE(answer);
    EXPECT_THAT(
        EventRows(*answer, 55043,
                  {900080, 900070, 900054, 900078, 900079, 900042, 900068, 900024, 900025, 50151}),
        ElementsAre("SE-1|7|2026-12-01|05:10:00|00:07:00|11.4|2|<Null>|100|0",
                    "SE-2|12|2026-12-01|05:20:00|00:08:00|9.2|3|4|40|1"));
    ASSERT_EQ(connection->statements.size(), 2u);
    QueryRange range;
    range.fromDate = DbDateTime::Date(2026, 12, 1);
    range.toDate = DbDateTime::Date(2026, 12, 1);
    EXPECT_EQ(connection->statements[1], MilkingSessionsSql(AppGeneration::New, 2, range));
    EXPECT_TRUE(Traced("rstMilkingSessionData.RecordCount 3"));
}

TEST_F(DatabaseAnswers, NoRowsGiveOneNullLineAndUnknownItemsStayEmpty) {
    const std::string request =
        WriteRequest("request.dat", {{55042, {900080, 50178, 900054}}, {55033, {900080, 900059}}});
    // An item the national dictionary lacks, as a newer national side may ask for.
    std::string bytes = FileBytes(request);
    const std::string line = "RN05504200900080160";
    bytes.replace(bytes.find(line), line.size(), line + "00999999050");
    ASSERT_TRUE(WriteFileBytesAtomic(request, bytes));

    const auto answer = AnswerWith(request, Recordset());
    ASSERT_TRUE(answer);
    EXPECT_THAT(EventRows(*answer, 55042, {900080, 999999, 50178, 900054}),
                ElementsAre("<Null>|<Empty>|<Null>|<Null>"));
    EXPECT_THAT(EventRows(*answer, 55033, {900080, 900059}), ElementsAre("<Null>|<Null>"));
    EXPECT_FALSE(Traced("Execute:"));
}

} // namespace
