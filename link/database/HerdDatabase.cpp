#include "HerdDatabase.h"

#include "ClientConfigFile.h"
#include "DatabaseUi.h"
#include "OdbcConnectionString.h"
#include "OdbcDatabaseConnection.h"
#include "SqlServerInstance.h"
#include "common/LinkError.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"

#include <algorithm>
#include <cctype>

namespace modNational {
namespace {

constexpr const char* kFirstPassword = "tuvarosek";
constexpr const char* kSecondPassword = "akVinT352!";

constexpr long kObjectNotSet = 91;
constexpr long kInvalidUseOfNull = 94;
constexpr long kUnspecifiedError = -2147467259;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The value after "<key>=" (key searched without regard to case) up to the next
// ";" or the end of the text.
std::string ValueOf(const std::string& text, std::string_view key) {
    const std::size_t keyAt = Lower(text).find(key);
    if (keyAt == std::string::npos)
        throw LinkError(LinkErrors::InvalidArgument, "Invalid procedure call or argument");
    const std::size_t start = text.find('=', keyAt) + 1;
    const std::size_t end = text.find(';', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace

std::string ClientConfigPath() {
    const std::string separator(1, modUtils::PathSeparator);
    return modUtils::ProgramFilesFolder() + separator + "Kestrom" + separator + "Vantor software" +
           separator + "kxWinClient.exe.config";
}

std::string ConnectionStringFromClientConfig(const std::string& configPath,
                                             const std::string& password) {
    try {
        const ClientConfigConnection config = ReadClientConfigConnection(configPath);
        if (!config.loaded)
            return {};
        if (!config.elementFound)
            throw LinkError(kObjectNotSet, "Object variable or With block variable not set");
        if (!config.connectionString)
            throw LinkError(kInvalidUseOfNull, "Invalid use of Null");
        const std::string catalog = ValueOf(*config.connectionString, "initial catalog=");
        const std::string dataSource = ValueOf(*config.connectionString, "data source=");
        return "Provider=SQLOLEDB;Initial Catalog=" + catalog + ";Data Source=" + dataSource +
               ";User ID=sa;Password=" + password + ";";
    } catch (...) {
        modUtils::WriteLog(CurrentFailure().Text());
        return {};
    }
}

std::string GetConnectionString(const std::string& password) {
    return ConnectionStringFromClientConfig(ClientConfigPath(), password);
}

std::shared_ptr<DatabaseConnection> OpenOdbcDatabase(const std::string& connectionString,
                                                     int loginTimeoutSeconds,
                                                     int statementTimeoutSeconds) {
    const std::string driver = SqlServerOdbcDriver();
    const std::string dataSource = DataSourceForDriver(DataSourceOf(connectionString), driver);
    if (dataSource.empty())
        throw LinkError(kUnspecifiedError, "The connection string names no data source");
    // FreeTDS asks the server browser for a named instance without regard to the
    // login time-out; the lookup here keeps to it.
    std::optional<int> instancePort;
    if (const auto instance = SplitInstance(dataSource); instance && IsFreeTdsDriver(driver))
        instancePort = LookUpInstancePort(
            *instance,
            (loginTimeoutSeconds > 0 ? loginTimeoutSeconds : kLoginTimeoutSeconds) * 1000);
    return std::make_shared<OdbcDatabaseConnection>(
        OdbcConnectionStringFor(connectionString, driver, instancePort), loginTimeoutSeconds,
        statementTimeoutSeconds);
}

std::shared_ptr<DatabaseConnection>
OpenDatabase(int loginTimeoutSeconds, int statementTimeoutSeconds, const DatabaseOpener& opener) {
    WaitPointerScope wait;
    std::string connectionString;
    try {
        connectionString = GetConnectionString(kFirstPassword);
        try {
            return opener(connectionString, loginTimeoutSeconds, statementTimeoutSeconds);
        } catch (const LinkError&) {
            // Servers set up later accept only the second password.
        }
        connectionString = GetConnectionString(kSecondPassword);
        try {
            return opener(connectionString, loginTimeoutSeconds, statementTimeoutSeconds);
        } catch (...) {
            ReportFailure(CurrentFailure(), connectionString);
            return nullptr;
        }
    } catch (...) {
        ReportFailure(CurrentFailure());
        return nullptr;
    }
}

bool ExecuteSql(const std::string& sql) {
    WaitPointerScope wait;
    try {
        if (!DbConnection)
            DbConnection = OpenDatabase();
        if (!DbConnection)
            throw LinkError(kObjectNotSet, "Object variable or With block variable not set");
        modUtils::WriteLog(sql);
        DbConnection->Execute(sql);
        return true;
    } catch (...) {
        ReportFailure(CurrentFailure());
        return false;
    }
}

} // namespace modNational
