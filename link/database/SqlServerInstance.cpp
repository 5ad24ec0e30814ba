#include "SqlServerInstance.h"

#include <cctype>
#include <charconv>

namespace modNational {

std::optional<InstanceAddress> SplitInstance(std::string_view dataSource) {
    const std::size_t backslash = dataSource.find('\\');
    // With a port ("host\\instance,port") the browser is not needed.
    if (backslash == std::string_view::npos || backslash == 0 ||
        backslash + 1 == dataSource.size() || dataSource.find(',') != std::string_view::npos)
        return std::nullopt;
    return InstanceAddress{std::string(dataSource.substr(0, backslash)),
                           std::string(dataSource.substr(backslash + 1))};
}

std::optional<int> TcpPortFromBrowserAnswer(std::string_view answer) {
    // Key;value pairs; the key "tcp" names the port.
    std::size_t pos = 0;
    while (pos < answer.size()) {
        const std::size_t keyEnd = answer.find(';', pos);
        if (keyEnd == std::string_view::npos)
            break;
        const std::size_t valueEnd = answer.find(';', keyEnd + 1);
        const std::string_view key = answer.substr(pos, keyEnd - pos);
        const std::string_view value =
            answer.substr(keyEnd + 1, valueEnd == std::string_view::npos ? std::string_view::npos
                                                                         : valueEnd - keyEnd - 1);
        if (key.size() == 3 && std::tolower(static_cast<unsigned char>(key[0])) == 't' &&
            std::tolower(static_cast<unsigned char>(key[1])) == 'c' &&
            std::tolower(static_cast<unsigned char>(key[2])) == 'p') {
            int port = 0;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), port);
            if (error == std::errc() && end == value.data() + value.size() && port > 0 &&
                port < 65536)
                return port;
            return std::nullopt;
        }
        if (valueEnd == std::string_view::npos)
            break;
        pos = valueEnd + 1;
    }
    return std::nullopt;
}

} // namespace modNational
