#pragma once

#include <optional>
#include <string>
#include <string_view>

// Named SQL Server instances ("host\instance") and the server browser of their
// host, which tells the TCP port of an instance.
namespace modNational {

inline constexpr int kSqlServerBrowserPort = 1434;

struct InstanceAddress {
    std::string host;
    std::string instance;
};

// Host and instance of a "host\instance" data source; nothing without an instance
// or with an explicit port.
std::optional<InstanceAddress> SplitInstance(std::string_view dataSource);

// The TCP port in the browser's answer to an instance query
// ("ServerName;H;InstanceName;I;IsClustered;No;Version;v;tcp;1433;;").
std::optional<int> TcpPortFromBrowserAnswer(std::string_view answer);

// Asks the host's server browser for the instance's TCP port and waits at most
// the time-out. Nothing where this build leaves the question to the ODBC driver;
// raises LinkError when the browser cannot be asked or does not answer in time.
std::optional<int> LookUpInstancePort(const InstanceAddress& address, int timeoutMilliseconds,
                                      int browserPort = kSqlServerBrowserPort);

} // namespace modNational
