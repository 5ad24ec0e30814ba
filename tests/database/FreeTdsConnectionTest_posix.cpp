// Opening the database through FreeTDS when the server cannot be reached: nothing
// listens on the port, or a listener accepts and never answers. Loopback only.
#include "DatabaseTestSupport.h"
#include "database/HerdDatabase.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace modNational;
using Clock = std::chrono::steady_clock;

namespace {

// A TCP socket on 127.0.0.1 at a free port, listening or merely bound.
class LoopbackSocket {
public:
    explicit LoopbackSocket(bool listening) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        if (listening)
            listen(fd_, 8);
    }
    ~LoopbackSocket() { close(fd_); }
    int Fd() const { return fd_; }
    int Port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// Accepts connections and never answers them, until destroyed (at most 30 s).
class SilentServer {
public:
    SilentServer()
        : thread_([this] {
              const auto end = Clock::now() + std::chrono::seconds(30);
              std::vector<int> accepted;
              while (!stop_ && Clock::now() < end) {
                  pollfd waiting{socket_.Fd(), POLLIN, 0};
                  if (poll(&waiting, 1, 50) > 0) {
                      const int client = accept(socket_.Fd(), nullptr, nullptr);
                      if (client >= 0) {
                          accepted.push_back(client);
                          ++connections_;
                      }
                  }
              }
              for (const int client : accepted)
                  close(client);
          }) {}
    ~SilentServer() {
        stop_ = true;
        thread_.join();
    }
    int Port() const { return socket_.Port(); }
    int Connections() const { return connections_; }

private:
    LoopbackSocket socket_{true};
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

class FreeTdsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto driver = FreeTdsOdbcDriverPath();
        if (!driver)
            GTEST_SKIP() << "FreeTDS's ODBC driver is not installed";
        driverSetting.emplace("LINK_ODBC_DRIVER", *driver);
    }

    // The client configuration naming the given data source.
    void Configure(const std::string& dataSource) {
        const std::string config =
            recorded.dir.File("Kestrom/Vantor software/kxWinClient.exe.config");
        std::filesystem::create_directories(Platform::PathFromUtf8(config).parent_path());
        WriteFileBytesAtomic(config, "<configuration><add name=\"ConnectionString\" "
                                     "connectionString=\"Data Source=" +
                                         dataSource +
                                         ";Initial Catalog=Herd;Integrated Security=True\"/>"
                                         "</configuration>");
    }

    RecordedUserAndLog recorded;
    ScopedEnvironment programFiles{"PROGRAMFILES(x86)", recorded.dir.Folder()};
    std::optional<ScopedEnvironment> driverSetting;
};

} // namespace

TEST_F(FreeTdsTest, NothingListeningFailsAtOnceWithBothPasswords) {
    LoopbackSocket closedPort(false); // bound, so no one else takes the port
    const std::string dataSource = "127.0.0.1," + std::to_string(closedPort.Port());
    Configure(dataSource);

    const auto start = Clock::now();
    EXPECT_EQ(OpenDatabase(2), nullptr);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));

    ASSERT_EQ(recorded.ui->boxes.size(), 1u);
    const auto& box = recorded.ui->boxes[0];
    EXPECT_EQ(box.icon, LinkUi::Icon::Critical);
    const std::string tried =
        "\r\n\r\nProvider=SQLOLEDB;Initial Catalog=Herd;Data Source=" + dataSource +
        ";User ID=sa;Password=akVinT352!;";
    ASSERT_GT(box.text.size(), tried.size());
    EXPECT_EQ(box.text.substr(box.text.size() - tried.size()), tried);
    EXPECT_EQ(recorded.LogTexts(),
              std::vector<std::string>{box.text.substr(0, box.text.size() - tried.size())});
    EXPECT_FALSE(recorded.ui->waitPointer);
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
