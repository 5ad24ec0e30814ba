#include "DatabaseTestSupport.h"
#include "common/LinkError.h"
#include "database/HerdDatabase.h"
#include "database/QueryBuilders.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace modNational;

namespace {

// No client configuration under the program-files folder.
class WithoutClientConfig : public ::testing::Test {
protected:
    void TearDown() override { CloseDbConnection(); }

    RecordedUserAndLog recorded;
    ScopedEnvironment programFilesX86{"PROGRAMFILES(x86)", recorded.dir.Folder()};
};

} // namespace

TEST_F(WithoutClientConfig, OpenDatabaseReportsTheEmptyConnectionString) {
    EXPECT_EQ(OpenDatabase(2), nullptr);
    recorded.ExpectOpeningFailure("");
}

TEST_F(WithoutClientConfig, StatementsAndQueriesFailWithoutAConnection) {
    EXPECT_FALSE(ExecuteSql("UPDATE TextLookupItem SET IsHidden = '1'"));
    EXPECT_EQ(RunDatabaseQuery(DatabaseQuery::PregChecks, {}, DbDateTime::Date(2024, 1, 1)),
              nullptr);
    // Each: the failed opening, then the missing connection.
    ASSERT_EQ(recorded.ui->boxes.size(), 4u);
    EXPECT_EQ(recorded.ui->boxes[1].text, "91 Object variable or With block variable not set");
    EXPECT_EQ(recorded.ui->boxes[3].text, "91 Object variable or With block variable not set");
    EXPECT_EQ(DbConnection, nullptr);
    EXPECT_FALSE(recorded.ui->waitPointer);
}

namespace {

// A database that accepts only the given password; it records the connection
// strings and time-outs it was opened with.
class PasswordCheckingServer {
public:
    explicit PasswordCheckingServer(std::string accepted) : accepted_(std::move(accepted)) {}

    DatabaseOpener Opener() {
        return [this](const std::string& connectionString, int loginSeconds,
                      int statementSeconds) -> std::shared_ptr<DatabaseConnection> {
            tried.push_back(connectionString);
            timeouts.emplace_back(loginSeconds, statementSeconds);
            if (connectionString.find(";Password=" + accepted_ + ";") == std::string::npos)
                throw LinkError(18456, "Login failed for user 'sa'.");
            return std::make_shared<StandIn>();
        };
    }

    std::vector<std::string> tried;
    std::vector<std::pair<int, int>> timeouts;

private:
    class StandIn : public DatabaseConnection {
        Recordset Query(const std::string&) override { return {}; }
        void Execute(const std::string&) override {}
        void Close() override {}
    };
    std::string accepted_;
};

class WithClientConfig : public ::testing::Test {
protected:
    void SetUp() override {
        WriteClientConfig(recorded.dir.Folder(),
                          "<configuration><add name=\"ConnectionString\" connectionString=\"Data "
                          "Source=.\\VANTOR;Initial Catalog=Herd\"/></configuration>");
    }
    void TearDown() override { CloseDbConnection(); }

    static std::string Shown(const std::string& password) {
        return "Provider=SQLOLEDB;Initial Catalog=Herd;Data Source=.\\VANTOR;User ID=sa;Password=" +
               password + ";";
    }

    RecordedUserAndLog recorded;
    ScopedEnvironment programFilesX86{"PROGRAMFILES(x86)", recorded.dir.Folder()};
};

} // namespace

TEST_F(WithClientConfig, TheFirstPasswordIsTriedFirstAndTheSecondSilently) {
    PasswordCheckingServer older("tuvarosek");
    EXPECT_NE(OpenDatabase(3, 7, older.Opener()), nullptr);
    EXPECT_EQ(older.tried, std::vector<std::string>{Shown("tuvarosek")});

    PasswordCheckingServer newer("akVinT352!");
    EXPECT_NE(OpenDatabase(3, 7, newer.Opener()), nullptr);
    EXPECT_EQ(newer.tried, (std::vector<std::string>{Shown("tuvarosek"), Shown("akVinT352!")}));
    EXPECT_TRUE(recorded.ui->boxes.empty()) << "the second password is no error";
    EXPECT_TRUE(recorded.LogTexts().empty());
    EXPECT_FALSE(recorded.ui->waitPointer);
    // Both time-outs reach the connection, on each attempt.
    EXPECT_EQ(newer.timeouts, (std::vector<std::pair<int, int>>{{3, 7}, {3, 7}}));
}

TEST_F(WithClientConfig, TheFailureShowsTheConnectionStringWithoutItsPassword) {
    PasswordCheckingServer none("other");
    EXPECT_EQ(OpenDatabase(3, 7, none.Opener()), nullptr);
    recorded.ExpectOpeningFailure(Shown("***"));
    EXPECT_EQ(recorded.ui->boxes[0].text,
              "18456 Login failed for user 'sa'.\r\n\r\n" + Shown("***"));
}

TEST_F(WithClientConfig, HeadlessTheFailureIsOneMaskedLineInTheLogAndOnStandardError) {
    LinkUi::SetUi(nullptr);
    PasswordCheckingServer none("other");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(OpenDatabase(3, 7, none.Opener()), nullptr);
    const std::string line = "Vantor Link SE: 18456 Login failed for user 'sa'. | " + Shown("***");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line + "\n");
    EXPECT_EQ(recorded.LogTexts(), std::vector<std::string>{line});
    for (const char* password : {"tuvarosek", "akVinT352!"})
        EXPECT_EQ(FileBytes(modUtils::TraceLogPath()).find(password), std::string::npos);
}
