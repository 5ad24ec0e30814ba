#include "SqlServerInstance.h"

#include "common/LinkError.h"

#include <chrono>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace modNational {
namespace {

constexpr long kUnspecifiedError = -2147467259;
constexpr unsigned char kInstanceQuery = 0x04; // CLNT_UCAST_INST
constexpr unsigned char kBrowserAnswer = 0x05; // SVR_RESP

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void Fail(const InstanceAddress& address, const std::string& reason) {
    throw LinkError(kUnspecifiedError, "The SQL Server browser of " + address.host +
                                           " gave no port for the instance " + address.instance +
                                           " (" + reason + ")");
}

} // namespace

std::optional<int> LookUpInstancePort(const InstanceAddress& address, int timeoutMilliseconds,
                                      int browserPort) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(browserPort);
    if (getaddrinfo(address.host.c_str(), service.c_str(), &hints, &found) != 0 || !found)
        Fail(address, "unknown host");
    Descriptor socket_(socket(found->ai_family, found->ai_socktype, found->ai_protocol));
    const bool connected =
        socket_.Get() >= 0 && connect(socket_.Get(), found->ai_addr, found->ai_addrlen) == 0;
    freeaddrinfo(found);
    if (!connected)
        Fail(address, "no route to the browser");

    std::string query(1, static_cast<char>(kInstanceQuery));
    query += address.instance;
    query += '\0';
    if (send(socket_.Get(), query.data(), query.size(), 0) != static_cast<ssize_t>(query.size()))
        Fail(address, "the query could not be sent");

    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    std::vector<char> answer(65536);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd waiting{socket_.Get(), POLLIN, 0};
        if (left <= 0 || poll(&waiting, 1, static_cast<int>(left)) <= 0)
            Fail(address, "no answer in time");
        const ssize_t received = recv(socket_.Get(), answer.data(), answer.size(), 0);
        if (received < 0)
            Fail(address, "the browser does not answer");
        // The answer: 0x05, its length (two bytes, little-endian), then the text.
        if (received < 3 || static_cast<unsigned char>(answer[0]) != kBrowserAnswer)
            continue;
        const std::size_t length = static_cast<unsigned char>(answer[1]) |
                                   static_cast<std::size_t>(static_cast<unsigned char>(answer[2]))
                                       << 8;
        const std::size_t available = std::min(length, static_cast<std::size_t>(received) - 3);
        if (const auto port =
                TcpPortFromBrowserAnswer(std::string_view(answer.data() + 3, available)))
            return port;
        Fail(address, "the instance has no TCP port");
    }
}

} // namespace modNational
