#include "relay/RelayConfig.h"

#include "common/modUtils.h"

#include <charconv>
#include <cstdint>

namespace Relay {
namespace {

std::string OnShare(const std::string& remoteName, const std::string& fileName) {
    return modUtils::AddBackslash(remoteName) + fileName;
}

void ReadText(std::string& target, std::string_view valueName) {
    std::string value;
    if (modUtils::RegReadString(value, modUtils::RegRoot::LocalMachine, kRelayRegistryKey,
                                valueName))
        target = value;
}

} // namespace

std::string RelayConfig::RemoteIn() const {
    return OnShare(remoteName, inFile);
}

std::string RelayConfig::RemoteOut() const {
    return OnShare(remoteName, outFile);
}

std::string RelayConfig::RemoteLog() const {
    return OnShare(remoteName, logFile);
}

int TimeoutSecondsFromText(std::string_view text, int fallback) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || seconds <= 0)
        return fallback;
    return seconds;
}

RelayConfig ReadRelayConfig() {
    RelayConfig config;
    // Read access is enough: the relay never writes its configuration, and a user
    // without administrator rights must still get the configured share.
    ReadText(config.remoteName, "RemoteName");
    ReadText(config.userName, "UserName");
    ReadText(config.password, "Password");
    ReadText(config.inFile, "InFile");
    ReadText(config.outFile, "OutFile");
    ReadText(config.logFile, "LogFile");
    std::string timeout;
    std::int32_t seconds = 0;
    if (modUtils::RegReadString(timeout, modUtils::RegRoot::LocalMachine, kRelayRegistryKey,
                                "Timeout"))
        config.timeoutSeconds = TimeoutSecondsFromText(timeout, config.timeoutSeconds);
    else if (modUtils::RegReadLong(seconds, modUtils::RegRoot::LocalMachine, kRelayRegistryKey,
                                   "Timeout") &&
             seconds > 0)
        config.timeoutSeconds = seconds;
    return config;
}

} // namespace Relay
