#include "DatabaseTestSupport.h"
#include "common/modUtils.h"
#include "database/ClientConfigFile.h"
#include "database/HerdDatabase.h"
#include "database/OdbcApi.h"
#include "database/OdbcConnectionString.h"
#include "database/SqlServerInstance.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

std::string ConfigWith(const std::string& connectionString) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<configuration>\r\n"
           "  <appSettings>\r\n    <add key=\"Other\" value=\"x\" />\r\n  </appSettings>\r\n"
           "  <connectionStrings>\r\n    <add name=\"ConnectionString\" connectionString=\"" +
           connectionString +
           "\" providerName=\"System.Data.SqlClient\" />\r\n"
           "  </connectionStrings>\r\n</configuration>\r\n";
}

class ClientConfigTest : public ::testing::Test {
protected:
    std::string Read(const std::string& xml) {
        WriteFileBytesAtomic(config, xml);
        return ConnectionStringFromClientConfig(config, "pw");
    }

    RecordedUserAndLog recorded;
    std::string config = recorded.dir.File("kxWinClient.exe.config");
};

} // namespace

TEST_F(ClientConfigTest, CatalogAndDataSourceWhateverTheirOrderAndCase) {
    struct Case {
        const char* value;
        const char* catalog;
        const char* dataSource;
    } cases[] = {
        {"Data Source=FARMPC\\VANTOR;Initial Catalog=Herd;Integrated Security=True", "Herd",
         "FARMPC\\VANTOR"},
        {"DATA SOURCE=srv1;integrated security=SSPI;INITIAL catalog=Farm 7", "Farm 7", "srv1"},
        {"initial Catalog=Herd;data source=10.1.2.3,1433;", "Herd", "10.1.2.3,1433"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(ConfigWith(c.value)), std::string("Provider=SQLOLEDB;Initial Catalog=") +
                                                 c.catalog + ";Data Source=" + c.dataSource +
                                                 ";User ID=sa;Password=pw;")
            << c.value;
    EXPECT_TRUE(recorded.LogTexts().empty());
}

TEST_F(ClientConfigTest, UnreadableFilesOrMissingPartsGiveTheEmptyText) {
    // An unreadable file without a log line.
    EXPECT_EQ(ConnectionStringFromClientConfig(recorded.dir.File("missing.config"), "pw"), "");
    EXPECT_EQ(Read("<configuration><add name=\"ConnectionString\""), "");
    EXPECT_TRUE(recorded.LogTexts().empty());
    // A missing part with one.
    EXPECT_EQ(Read("<configuration><add name=\"Other\" connectionString=\"x\"/></configuration>"),
              "");
    EXPECT_EQ(Read("<configuration><add name=\"ConnectionString\"/></configuration>"), "");
    EXPECT_EQ(Read(ConfigWith("Data Source=srv;Database=Herd")), "");
    EXPECT_EQ(Read(ConfigWith("Initial Catalog=Herd")), "");
    EXPECT_EQ(recorded.LogTexts(),
              (std::vector<std::string>{
                  "91 Object variable or With block variable not set", "94 Invalid use of Null",
                  "5 Invalid procedure call or argument", "5 Invalid procedure call or argument"}));
    EXPECT_TRUE(recorded.ui->boxes.empty());
}

TEST_F(ClientConfigTest, FoundUnderProgramFilesX86FirstThenProgramFiles) {
    const std::string x86 = recorded.dir.File("Programfiler (x86) åäö");
    const std::string plain = recorded.dir.File("plain");
    WriteClientConfig(x86, ConfigWith("Initial Catalog=Besättning;Data Source=."));
    WriteClientConfig(plain, ConfigWith("Initial Catalog=FromPlain;Data Source=s"));
    {
        ScopedEnvironment a("PROGRAMFILES(x86)", x86);
        ScopedEnvironment b("PROGRAMFILES", plain);
        EXPECT_EQ(GetConnectionString("pw"), "Provider=SQLOLEDB;Initial Catalog=Besättning;"
                                             "Data Source=.;User ID=sa;Password=pw;");
    }
    ScopedEnvironment a("PROGRAMFILES(x86)", std::nullopt);
    ScopedEnvironment b("PROGRAMFILES", plain);
    EXPECT_EQ(GetConnectionString("pw").find("Initial Catalog=FromPlain;"), 18u);
}

TEST(OdbcConnectionString, TranslatedForTheDriver) {
    const std::string shown = "Provider=SQLOLEDB;Initial Catalog=Herd;Data Source=FARM\\SQL;"
                              "User ID=sa;Password=akVinT352!;";
    EXPECT_EQ(OdbcConnectionStringFor(shown, "SQL Server"),
              "Driver={SQL Server};Database=Herd;Server=FARM\\SQL;UID=sa;PWD=akVinT352!;");
    EXPECT_EQ(OdbcConnectionStringFor(shown, "/usr/lib/odbc/libtdsodbc.so"),
              "Driver={/usr/lib/odbc/libtdsodbc.so};Database=Herd;Server=FARM\\SQL;UID=sa;"
              "PWD=akVinT352!;TDS_Version=7.4;ClientCharset=UTF-8;");
    // Values that would break the ODBC syntax are braced.
    EXPECT_EQ(OdbcConnectionStringFor("Initial Catalog=a}b;Data Source=s;Password='p;w'", "D"),
              "Driver={D};Database={a}}b};Server=s;PWD={p;w};");
    EXPECT_EQ(DataSourceOf(""), "");
    EXPECT_EQ(DataSourceOf("Provider=SQLOLEDB;Initial Catalog=x;Data Source=;"), "");
    EXPECT_EQ(DataSourceOf(shown), "FARM\\SQL");
}

TEST(SqlServerInstance, NamedInstancesAndBrowserAnswers) {
    const auto instance = SplitInstance("FARMPC\\VANTOR");
    ASSERT_TRUE(instance);
    EXPECT_EQ(instance->host, "FARMPC");
    EXPECT_EQ(instance->instance, "VANTOR");
    for (const char* plain :
         {"FARMPC", "FARMPC,1433", "FARMPC\\VANTOR,1433", "\\VANTOR", "FARMPC\\", ""})
        EXPECT_FALSE(SplitInstance(plain)) << plain;

    EXPECT_EQ(TcpPortFromBrowserAnswer("ServerName;A;InstanceName;B;TCP;1433;;"), 1433);
    EXPECT_EQ(TcpPortFromBrowserAnswer("ServerName;A;InstanceName;B;np;\\\\A\\pipe;;"),
              std::nullopt);
    EXPECT_EQ(TcpPortFromBrowserAnswer("tcp;99999;;"), std::nullopt);
}

TEST(OdbcConnectionString, TheLocalComputerIsNamedForFreeTds) {
    struct Case {
        const char* dataSource;
        const char* forFreeTds;
    } cases[] = {
        {".", "127.0.0.1"},
        {"(local)", "127.0.0.1"},
        {".\\VANTOR", "127.0.0.1\\VANTOR"},
        {"(LOCAL)\\VANTOR", "127.0.0.1\\VANTOR"},
        {".,1433", "127.0.0.1,1433"},
        {"FARMPC\\VANTOR", "FARMPC\\VANTOR"},
        {"..\\X", "..\\X"},
        {"127.0.0.1", "127.0.0.1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataSourceForDriver(c.dataSource, "FreeTDS"), c.forFreeTds) << c.dataSource;
        EXPECT_EQ(DataSourceForDriver(c.dataSource, "SQL Server"), c.dataSource);
    }
    // With an instance's port the driver goes straight to it.
    EXPECT_EQ(
        OdbcConnectionStringFor("Data Source=(local)\\VANTOR;Initial Catalog=H", "FreeTDS", 49172),
        "Driver={FreeTDS};Server=127.0.0.1;Port=49172;Database=H;TDS_Version=7.4;"
        "ClientCharset=UTF-8;");
}

TEST(OdbcConnectionString, TheNewestSqlServerDriverIsChosen) {
    struct Case {
        std::vector<std::string> installed;
        std::string chosen;
    } cases[] = {
        {{"SQL Server", "ODBC Driver 17 for SQL Server", "ODBC Driver 18 for SQL Server",
          "SQL Server Native Client 11.0"},
         "ODBC Driver 18 for SQL Server"},
        {{"Microsoft Access Driver (*.mdb)", "SQL Server Native Client 10.0",
          "SQL Server Native Client 11.0", "SQL Server"},
         "SQL Server Native Client 11.0"},
        {{"SQL Server", "FreeTDS"}, "SQL Server"},
        {{"FreeTDS", "SQLite3"}, "FreeTDS"},
        {{"ODBC Driver 9 for SQL Server", "ODBC Driver 13 for SQL Server"},
         "ODBC Driver 13 for SQL Server"},
        {{"ODBC Driver for SQL Server", "SQLite3"}, DefaultSqlServerOdbcDriver()},
        {{}, DefaultSqlServerOdbcDriver()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseSqlServerDriver(c.installed), c.chosen);

    // Drivers from version 18 on encrypt by default and would refuse a local server.
    const std::string shown = "Initial Catalog=H;Data Source=.;User ID=sa;Password=p;";
    EXPECT_EQ(OdbcConnectionStringFor(shown, "ODBC Driver 18 for SQL Server"),
              "Driver={ODBC Driver 18 for SQL Server};Database=H;Server=.;UID=sa;PWD=p;"
              "Encrypt=no;");
    EXPECT_EQ(OdbcConnectionStringFor(shown, "ODBC Driver 17 for SQL Server"),
              "Driver={ODBC Driver 17 for SQL Server};Database=H;Server=.;UID=sa;PWD=p;");

    // The machine's own drivers, as the driver manager lists them (under Wine those
    // of the Linux host, FreeTDS among them).
    const ScopedEnvironment none("LINK_ODBC_DRIVER", std::nullopt);
    const auto installed = Odbc::InstalledDrivers();
    EXPECT_FALSE(installed.empty());
    EXPECT_EQ(SqlServerOdbcDriver(), ChooseSqlServerDriver(installed));
    const ScopedEnvironment chosen("LINK_ODBC_DRIVER", "My Driver");
    EXPECT_EQ(SqlServerOdbcDriver(), "My Driver");
}

TEST(OdbcConnectionString, PasswordsAreMaskedForShowingAndLogging) {
    struct Case {
        const char* text;
        const char* masked;
    } cases[] = {
        {"Provider=SQLOLEDB;Initial Catalog=H;Data Source=.;User ID=sa;Password=akVinT352!;",
         "Provider=SQLOLEDB;Initial Catalog=H;Data Source=.;User ID=sa;Password=***;"},
        {"Driver={FreeTDS};Server=s;UID=sa;PWD={p;w}};x};Database=H;",
         "Driver={FreeTDS};Server=s;UID=sa;PWD=***;Database=H;"},
        {"password = 'a;b' ;Data Source=x", "password =***;Data Source=x"},
        {"Password=tuvarosek", "Password=***"},
        {"Password=;", "Password=***;"},
        {"x;Pwd=secret;y", "x;Pwd=***;y"},
        {"Data Source=srv;Initial Catalog=H", "Data Source=srv;Initial Catalog=H"},
        {"42 Login failed", "42 Login failed"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MaskPassword(c.text), c.masked) << c.text;
}
