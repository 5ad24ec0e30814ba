#include "QueryBuilders.h"

#include "DatabaseUi.h"
#include "HerdDatabase.h"
#include "common/LinkError.h"
#include "common/Platform.h"
#include "common/TraceLog.h"

#include <ctime>

namespace modNational {
namespace {

constexpr long kObjectNotSet = 91;

struct VersionRecord {
    std::string currentAppVersion;
    long qelConfig = 0;
};

Recordset QueryAndLog(const std::string& sql) {
    Recordset rows = DbConnection->Query(sql);
    modUtils::WriteLog(sql);
    modUtils::WriteLog("Returned " + std::to_string(rows.RecordCount()) + " records");
    return rows;
}

std::optional<VersionRecord> ReadVersion() {
    Recordset rows = QueryAndLog(std::string(kVersionQuery));
    if (rows.RecordCount() == 0)
        return std::nullopt;
    rows.MoveFirst();
    VersionRecord version;
    version.currentAppVersion = DefaultText(rows.Field("CurrentAppVersion"));
    // A NULL configuration has no bits set.
    if (const auto bits = NumberOf(rows.Field("QelConfig")))
        version.qelConfig = static_cast<long>(*bits);
    return version;
}

std::optional<std::string> MainSql(DatabaseQuery query, const VersionRecord& version,
                                   const QueryRange& range, const DbDateTime& today) {
    const AppGeneration generation = ClassifyAppVersion(version.currentAppVersion);
    switch (query) {
    case DatabaseQuery::Milk7DaysAvg:
        return Milk7DaysAvgSql(generation, version.qelConfig, range, today);
    case DatabaseQuery::MilkingSessions:
        return MilkingSessionsSql(generation, version.qelConfig, range);
    case DatabaseQuery::PregChecks:
        return PregChecksSql(generation, range);
    }
    return std::nullopt;
}

} // namespace

DbDateTime LocalToday() {
    const std::tm local = Platform::LocalTime(std::time(nullptr));
    return DbDateTime::Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::shared_ptr<Recordset> RunDatabaseQuery(DatabaseQuery query, const SearchRanges& searchItems,
                                            const DbDateTime& today) {
    WaitPointerScope wait;
    try {
        const std::string filter = BuildFilterText(query, searchItems);
        const QueryRange range = ReadQueryRange(query, searchItems);
        if (!DbConnection)
            DbConnection = OpenDatabase();
        if (!DbConnection)
            throw LinkError(kObjectNotSet, "Object variable or With block variable not set");
        const auto version = ReadVersion();
        const auto sql = version ? MainSql(query, *version, range, today) : std::nullopt;
        if (!sql)
            return nullptr;
        auto rows = std::make_shared<Recordset>(QueryAndLog(*sql));
        rows->SetFilter(filter);
        return rows;
    } catch (...) {
        ReportFailure(CurrentFailure());
        return nullptr;
    }
}

std::shared_ptr<Recordset> QueryMilk7DaysAvg(const SearchRanges& searchItems) {
    return RunDatabaseQuery(DatabaseQuery::Milk7DaysAvg, searchItems, LocalToday());
}

std::shared_ptr<Recordset> QueryMilkingSessions(const SearchRanges& searchItems) {
    return RunDatabaseQuery(DatabaseQuery::MilkingSessions, searchItems, LocalToday());
}

std::shared_ptr<Recordset> QueryPregChecks(const SearchRanges& searchItems) {
    return RunDatabaseQuery(DatabaseQuery::PregChecks, searchItems, LocalToday());
}

} // namespace modNational
