#pragma once

#include <string>
#include <string_view>

// The relay's configuration: the share on the herd server and the file names the
// herd server watches there, from the machine-wide registry.
namespace Relay {

inline constexpr std::string_view kRelayRegistryKey =
    "Software\\Kestrom\\Zova Dirovedavi\\ISO\\RemoteConnection";

struct RelayConfig {
    // The share: a UNC path on Windows, a folder (such as a mounted share) elsewhere.
    std::string remoteName = "\\\\herdserver\\iso$";
    std::string userName = "kestrom";
    std::string password = "mobrikanet";
    std::string inFile = "isoin.dat";
    std::string outFile = "isoout.dat";
    std::string logFile = "iso.log";
    // How long the relay waits for the herd server's answer.
    int timeoutSeconds = 600;

    // The files on the share: RemoteName, a path separator and the file name.
    std::string RemoteIn() const;
    std::string RemoteOut() const;
    std::string RemoteLog() const;
};

// Each value that can be read replaces its default. "Timeout" is a text (or a
// 32-bit number) of seconds; a value that is not a positive number keeps 600.
RelayConfig ReadRelayConfig();

// The seconds of a "Timeout" text; the fallback unless it is a positive whole number.
int TimeoutSecondsFromText(std::string_view text, int fallback);

} // namespace Relay
