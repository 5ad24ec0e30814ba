#include "OdbcConnectionString.h"

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

} // namespace

std::string SqlServerOdbcDriver() {
    const auto configured = Platform::EnvironmentValue("LINK_ODBC_DRIVER");
    if (configured && !configured->empty())
        return *configured;
    return DefaultSqlServerOdbcDriver();
}

std::string OdbcConnectionStringFor(std::string_view connectionString, std::string_view driver,
                                    std::optional<int> instancePort) {
    std::string odbc = "Driver=" + Braced(driver) + ";";
    for (const auto& [key, value] : SplitPairs(connectionString)) {
        const char* odbcKey = OdbcKeyFor(key);
        if (!odbcKey)
            continue;
        const auto instance = SplitInstance(value);
        if (instancePort && instance && std::string_view(odbcKey) == "Server")
            odbc += "Server=" + OdbcValue(instance->host) +
                    ";Port=" + std::to_string(*instancePort) + ";";
        else
            odbc += std::string(odbcKey) + "=" + OdbcValue(value) + ";";
    }
    if (IsFreeTdsDriver(driver))
        odbc += std::string("TDS_Version=") + kFreeTdsProtocolVersion + ";ClientCharset=UTF-8;";
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
