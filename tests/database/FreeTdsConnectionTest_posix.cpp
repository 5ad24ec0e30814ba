// Opening the database through FreeTDS when the server cannot be reached: nothing
// listens on the port, or a listener accepts and never answers. Loopback only.
#include "DatabaseTestSupport.h"
#include "common/LinkError.h"
#include "database/HerdDatabase.h"
#include "database/SqlServerInstance.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace modNational;
using Clock = std::chrono::steady_clock;

namespace {

// A socket on 127.0.0.1 at the given port, or at a free one.
class LoopbackSocket {
public:
    explicit LoopbackSocket(int type, int port = 0) : fd_(socket(AF_INET, type, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        bound_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() { close(fd_); }
    int Fd() const { return fd_; }
    int Port() const { return port_; }
    bool Bound() const { return bound_; }

private:
    int fd_;
    int port_ = 0;
    bool bound_ = false;
};

// Runs onReadable each time the socket has something to read, on a thread of its
// own, until destroyed (at most 30 s).
class SocketServer {
public:
    SocketServer(int fd, std::function<void()> onReadable)
        : thread_([this, fd, onReadable = std::move(onReadable)] {
              const auto end = Clock::now() + std::chrono::seconds(30);
              while (!stop_ && Clock::now() < end) {
                  pollfd waiting{fd, POLLIN, 0};
                  if (poll(&waiting, 1, 50) > 0)
                      onReadable();
              }
          }) {}
    ~SocketServer() {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Accepts connections and never answers them.
class SilentServer {
public:
    SilentServer() {
        listen(socket_.Fd(), 8);
        server_.emplace(socket_.Fd(), [this] {
            const int client = accept(socket_.Fd(), nullptr, nullptr);
            if (client >= 0) {
                accepted_.push_back(client);
                ++connections_;
            }
        });
    }
    ~SilentServer() {
        server_.reset();
        for (const int client : accepted_)
            close(client);
    }
    int Port() const { return socket_.Port(); }
    int Connections() const { return connections_; }

private:
    LoopbackSocket socket_{SOCK_STREAM};
    std::atomic<int> connections_{0};
    std::vector<int> accepted_;
    std::optional<SocketServer> server_;
};

// A SQL Server browser on a loopback UDP port: answers instance queries with the
// given text, or stays silent.
class FakeBrowser {
public:
    FakeBrowser(int port, std::optional<std::string> answer)
        : socket_(SOCK_DGRAM, port), answer_(std::move(answer)) {}
    bool Bound() const { return socket_.Bound(); }
    int Port() const { return socket_.Port(); }
    std::string Query() {
        std::lock_guard lock(mutex_);
        return query_;
    }

private:
    void Answer() {
        char buffer[512];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t got = recvfrom(socket_.Fd(), buffer, sizeof buffer, 0,
                                     reinterpret_cast<sockaddr*>(&from), &length);
        if (got <= 0)
            return;
        {
            std::lock_guard lock(mutex_);
            query_.assign(buffer, static_cast<std::size_t>(got));
        }
        if (!answer_)
            return;
        std::string reply = "\x05";
        reply += static_cast<char>(answer_->size() & 0xFF);
        reply += static_cast<char>(answer_->size() >> 8);
        reply += *answer_;
        sendto(socket_.Fd(), reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from),
               length);
    }

    LoopbackSocket socket_;
    std::optional<std::string> answer_;
    std::mutex mutex_;
    std::string query_;
    SocketServer server_{socket_.Fd(), [this] { Answer(); }};
};

class FreeTdsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto driver = FreeTdsOdbcDriverPath();
        ASSERT_TRUE(driver) << "FreeTDS's ODBC driver is not installed (scripts/install-deps)";
        driverSetting.emplace("LINK_ODBC_DRIVER", *driver);
    }

    // The client configuration naming the given data source.
    void Configure(const std::string& dataSource) {
        WriteClientConfig(recorded.dir.Folder(),
                          "<configuration><add name=\"ConnectionString\" connectionString=\"Data "
                          "Source=" +
                              dataSource +
                              ";Initial Catalog=Herd;Integrated Security=True\"/></configuration>");
    }

    RecordedUserAndLog recorded;
    ScopedEnvironment programFiles{"PROGRAMFILES(x86)", recorded.dir.Folder()};
    std::optional<ScopedEnvironment> driverSetting;
};

} // namespace

TEST_F(FreeTdsTest, NothingListeningFailsAtOnceWithBothPasswords) {
    LoopbackSocket closedPort(SOCK_STREAM); // bound, so no one else takes the port
    const std::string dataSource = "127.0.0.1," + std::to_string(closedPort.Port());
    Configure(dataSource);

    const auto start = Clock::now();
    EXPECT_EQ(OpenDatabase(2), nullptr);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));

    recorded.ExpectOpeningFailure("Provider=SQLOLEDB;Initial Catalog=Herd;Data Source=" +
                                  dataSource + ";User ID=sa;Password=***;");
}

TEST_F(FreeTdsTest, ASilentServerFailsAfterTheLoginTimeOut) {
    SilentServer server;
    Configure("127.0.0.1," + std::to_string(server.Port()));

    const auto start = Clock::now();
    EXPECT_EQ(OpenDatabase(2), nullptr);
    const auto elapsed = Clock::now() - start;
    // Two attempts of two seconds each, and not much more.
    EXPECT_GE(elapsed, std::chrono::milliseconds(3500));
    EXPECT_LT(elapsed, std::chrono::seconds(8));
    EXPECT_EQ(server.Connections(), 2);
    EXPECT_EQ(recorded.ui->boxes.size(), 1u);
}

TEST(SqlServerBrowser, ASilentOrMissingBrowserFailsWithinTheTimeOut) {
    FakeBrowser silent(0, std::nullopt);
    auto start = Clock::now();
    EXPECT_THROW(LookUpInstancePort({"127.0.0.1", "VANTOR"}, 300, silent.Port()), LinkError);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));

    LoopbackSocket nobody(SOCK_STREAM); // a UDP query to it is refused at once
    start = Clock::now();
    EXPECT_THROW(LookUpInstancePort({"127.0.0.1", "VANTOR"}, 5000, nobody.Port()), LinkError);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));

    FakeBrowser noTcp(0, "ServerName;FARM;InstanceName;VANTOR;np;\\\\FARM\\pipe;;");
    EXPECT_THROW(LookUpInstancePort({"127.0.0.1", "VANTOR"}, 2000, noTcp.Port()), LinkError);
}

TEST_F(FreeTdsTest, TheLocalComputerIsReachedUnderItsShortNames) {
    SilentServer server;
    for (const char* local : {".", "(local)"}) {
        Configure(std::string(local) + "," + std::to_string(server.Port()));
        EXPECT_EQ(OpenDatabase(1), nullptr);
    }
    EXPECT_EQ(server.Connections(), 4) << "both passwords, both names";

    // A named instance on this computer is reached through its own browser's
    // port, within the time-out.
    FakeBrowser browser(kSqlServerBrowserPort, "ServerName;LOCAL;InstanceName;VANTOR;tcp;" +
                                                   std::to_string(server.Port()) + ";;");
    if (!browser.Bound())
        GTEST_SKIP() << "the browser port is taken on this machine";
    Configure(".\\VANTOR");
    const auto start = Clock::now();
    EXPECT_EQ(OpenDatabase(1), nullptr);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(browser.Query(), std::string("\x04VANTOR\0", 8));
    EXPECT_EQ(server.Connections(), 6);
}
