#include "DatabaseTestSupport.h"
#include "database/HerdDatabase.h"
#include "database/QueryBuilders.h"

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
