#include "OdbcConnectionString.h"

#include "OdbcApi.h"
#include "SqlServerInstance.h"
#include "common/Platform.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace modNational {
namespace {

constexpr const char* kFreeTdsProtocolVersion = "7.4";

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// Key/value pairs of "key=value;key=value"; a value may be quoted with " or '.
std::vector<std::pair<std::string, std::string>> SplitPairs(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t equals = text.find('=', pos);
        if (equals == std::string_view::npos)
            break;
        std::string key = Lower(Trim(text.substr(pos, equals - pos)));
        std::size_t valueStart = equals + 1;
        while (valueStart < text.size() && text[valueStart] == ' ')
            ++valueStart;
        std::string value;
        std::size_t end;
        if (valueStart < text.size() && (text[valueStart] == '"' || text[valueStart] == '\'')) {
            const char quote = text[valueStart];
            const std::size_t close = text.find(quote, valueStart + 1);
            const std::size_t stop = close == std::string_view::npos ? text.size() : close;
            value = std::string(text.substr(valueStart + 1, stop - valueStart - 1));
            end = text.find(';', stop);
        } else {
            end = text.find(';', valueStart);
            value = std::string(
                Trim(text.substr(valueStart, end == std::string_view::npos ? std::string_view::npos
                                                                           : end - valueStart)));
        }
        pairs.emplace_back(std::move(key), std::move(value));
        if (end == std::string_view::npos)
            break;
        pos = end + 1;
    }
    return pairs;
}

// An ODBC attribute value in braces (a "}" inside doubled); braces keep ";", "{", "}" and blanks at
// the ends inside it.
std::string Braced(std::string_view value) {
    std::string braced = "{";
    for (const char c : value) {
        braced += c;
        if (c == '}')
            braced += '}';
    }
    return braced + "}";
}

std::string OdbcValue(std::string_view value) {
    const bool plain =
        value.find_first_of(";{}=") == std::string_view::npos && Trim(value).size() == value.size();
    return plain ? std::string(value) : Braced(value);
}

const char* OdbcKeyFor(const std::string& key) {
    if (key == "data source" || key == "server" || key == "address" || key == "addr")
        return "Server";
    if (key == "initial catalog" || key == "database")
        return "Database";
    if (key == "user id" || key == "uid")
        return "UID";
    if (key == "password" || key == "pwd")
        return "PWD";
    return nullptr;
}

// The number N of "<prefix>N<suffix>" (case ignored); nothing for other names.
std::optional<double> VersionIn(std::string_view name, std::string_view prefix,
                                std::string_view suffix) {
    const std::string lower = Lower(name);
    if (lower.size() <= prefix.size() + suffix.size() || lower.rfind(prefix, 0) != 0 ||
        lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    const std::string number =
        lower.substr(prefix.size(), lower.size() - prefix.size() - suffix.size());
    if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos ||
        !std::isdigit(static_cast<unsigned char>(number.front())))
        return std::nullopt;
    return std::stod(number);
}

std::optional<double> MicrosoftOdbcDriverVersion(std::string_view driver) {
    return VersionIn(driver, "odbc driver ", " for sql server");
}

// The installed driver with the highest version of the family.
std::optional<std::string> Newest(const std::vector<std::string>& installed,
                                  std::string_view prefix, std::string_view suffix) {
    std::optional<std::string> best;
    double bestVersion = -1;
    for (const auto& name : installed)
        if (const auto version = VersionIn(name, prefix, suffix); version && *version > bestVersion)
            best = name, bestVersion = *version;
    return best;
}

bool IsLocalHostName(std::string_view host) {
    const std::string lower = Lower(host);
    return lower == "." || lower == "(local)";
}

// Where a value that starts at valueStart ends: at the ";" after it (after its
// closing brace or quote when it has them), or at the end of the text.
std::size_t ValueEnd(std::string_view text, std::size_t valueStart) {
    std::size_t pos = valueStart;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos < text.size() && text[pos] == '{') {
        for (++pos; pos < text.size(); ++pos) {
            if (text[pos] != '}')
                continue;
            if (pos + 1 < text.size() && text[pos + 1] == '}')
                ++pos; // "}}" stands for one "}"
            else
                break;
        }
    } else if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
        pos = text.find(text[pos], pos + 1);
    }
    const std::size_t semicolon = pos == std::string_view::npos ? pos : text.find(';', pos);
    return semicolon == std::string_view::npos ? text.size() : semicolon;
}

} // namespace

std::string SqlServerOdbcDriver() {
    const auto configured = Platform::EnvironmentValue("LINK_ODBC_DRIVER");
    if (configured && !configured->empty())
        return *configured;
    return ChooseSqlServerDriver(Odbc::InstalledDrivers());
}

std::string ChooseSqlServerDriver(const std::vector<std::string>& installed) {
    if (auto driver = Newest(installed, "odbc driver ", " for sql server"))
        return *driver;
    if (auto driver = Newest(installed, "sql server native client ", ""))
        return *driver;
    for (const auto& name : installed)
        if (Lower(name) == "sql server")
            return name;
    for (const auto& name : installed)
        if (Lower(name) == "freetds")
            return name;
    return DefaultSqlServerOdbcDriver();
}

std::string DataSourceForDriver(std::string_view dataSource, std::string_view driver) {
    if (!IsFreeTdsDriver(driver))
        return std::string(dataSource);
    const std::size_t hostEnd = std::min(dataSource.find('\\'), dataSource.find(','));
    const std::string_view host = dataSource.substr(0, hostEnd);
    if (!IsLocalHostName(host))
        return std::string(dataSource);
    return "127.0.0.1" +
           std::string(hostEnd == std::string_view::npos ? "" : dataSource.substr(hostEnd));
}

std::string MaskPassword(std::string_view connectionString) {
    std::string masked;
    std::size_t pos = 0;
    while (pos < connectionString.size()) {
        const std::size_t equals = connectionString.find('=', pos);
        const std::size_t semicolon = connectionString.find(';', pos);
        if (equals == std::string_view::npos)
            break;
        if (semicolon < equals) { // a part without a value
            masked += connectionString.substr(pos, semicolon + 1 - pos);
            pos = semicolon + 1;
            continue;
        }
        const std::string key = Lower(Trim(connectionString.substr(pos, equals - pos)));
        const std::size_t end = ValueEnd(connectionString, equals + 1);
        masked += connectionString.substr(pos, equals + 1 - pos);
        if (key == "password" || key == "pwd")
            masked += "***";
        else
            masked += connectionString.substr(equals + 1, end - equals - 1);
        pos = end;
        if (pos < connectionString.size()) {
            masked += ';';
            ++pos;
        }
    }
    masked += connectionString.substr(std::min(pos, connectionString.size()));
    return masked;
}

std::string OdbcConnectionStringFor(std::string_view connectionString, std::string_view driver,
                                    std::optional<int> instancePort) {
    std::string odbc = "Driver=" + Braced(driver) + ";";
    for (const auto& [key, value] : SplitPairs(connectionString)) {
        const char* odbcKey = OdbcKeyFor(key);
        if (!odbcKey)
            continue;
        const bool server = std::string_view(odbcKey) == "Server";
        const std::string shown = server ? DataSourceForDriver(value, driver) : value;
        const auto instance = SplitInstance(shown);
        if (instancePort && instance && server)
            odbc += "Server=" + OdbcValue(instance->host) +
                    ";Port=" + std::to_string(*instancePort) + ";";
        else
            odbc += std::string(odbcKey) + "=" + OdbcValue(shown) + ";";
    }
    if (IsFreeTdsDriver(driver))
        odbc += std::string("TDS_Version=") + kFreeTdsProtocolVersion + ";ClientCharset=UTF-8;";
    if (const auto version = MicrosoftOdbcDriverVersion(driver); version && *version >= 18)
        odbc += "Encrypt=no;";
    return odbc;
}

std::string DataSourceOf(std::string_view connectionString) {
    for (const auto& [key, value] : SplitPairs(connectionString))
        if (const char* odbcKey = OdbcKeyFor(key); odbcKey && std::string_view(odbcKey) == "Server")
            return value;
    return {};
}

bool IsFreeTdsDriver(std::string_view driver) {
    return Lower(driver).find("tds") != std::string::npos;
}

} // namespace modNational
