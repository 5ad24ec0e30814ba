// VantorLink as processes: a later start hands its command line to the copy
// that runs first and ends with the exit status of its request; it never waits
// for a copy that does not answer. The running copy here is VantorLink itself,
// or the test in its place where the copy must misbehave.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "instance/HandOverProtocol.h"
#include "instance/InstanceName.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

#include <filesystem>

namespace {

const QString kLink = QStringLiteral(VANTORLINK_PATH);

using HandOver::Message;

// The test in the running copy's place: it listens under the instance name and
// answers each message of a later start as the test says.
class StandInCopy : public QObject {
public:
    using Answer = std::function<void(QLocalSocket&, const HandOver::Frame&)>;

    explicit StandInCopy(Answer answer) : answer_(std::move(answer)) {
        QLocalServer::removeServer(InstanceName());
        if (!server_.listen(InstanceName()))
            qFatal("the stand-in cannot listen");
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    while (const auto frame = HandOver::ReadFrame(*socket)) {
                        received << frame->message;
                        if (answer_)
                            answer_(*socket, *frame);
                    }
                });
            }
        });
    }
    static void Send(QLocalSocket& socket, Message message, int status = 0) {
        socket.write(HandOver::Encode({message, {}, status}));
        socket.flush();
    }
    // Answers a request with the messages (Done with the status), then hangs up
    // if told to.
    static Answer OnRequest(QList<Message> replies, int status = 0, bool hangUp = false) {
        return [=](QLocalSocket& socket, const HandOver::Frame& frame) {
            if (frame.message != Message::Request)
                return;
            for (const Message reply : replies)
                Send(socket, reply, reply == Message::Done ? status : 0);
            if (hangUp)
                socket.disconnectFromServer();
        };
    }

    QList<Message> received;

private:
    Answer answer_;
    QLocalServer server_;
};

} // namespace

class HandOverTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;
    std::unique_ptr<QProcess> first_;
    std::unique_ptr<QProcess> later_;

    // A request of the examples, copied into the program folder.
    QString Example(const char* name) {
        const std::string target = world_->File(name);
        std::filesystem::copy_file(std::string(EXAMPLES_FOLDER) + "/" + name, target,
                                   std::filesystem::copy_options::overwrite_existing);
        return QString::fromStdString(target);
    }

    std::unique_ptr<QProcess> Start(const QStringList& arguments,
                                    const QStringList& environment = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment values = QProcessEnvironment::systemEnvironment();
        for (const QString& pair : environment)
            values.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process->setProcessEnvironment(values);
        process->start(kLink, arguments);
        if (!process->waitForStarted(10000))
            qFatal("VantorLink did not start");
        return process;
    }

    // Runs a later start to its end, serving this process's events meanwhile.
    int Finish(QProcess& process, int timeoutMs = 60000) {
        QElapsedTimer clock;
        clock.start();
        while (process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs)
            QTest::qWait(20);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return -100;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -200;
    }

    // Starts the first copy and waits until it takes later starts.
    void StartFirstCopy(const QStringList& arguments, const QStringList& environment = {}) {
        first_ = Start(arguments, environment);
        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                QLocalSocket probe;
                probe.connectToServer(InstanceName());
                return probe.waitForConnected(100);
            }(),
            15000);
    }

    int Count(const QString& line) const { return world_->TraceCount(line); }

    // A later start with a request of the examples answered into answer.dat;
    // its exit status.
    int LaterRequest(const QStringList& environment = {}) {
        later_ = Start({"-f", Example("animals-055021.dat"), "-o", world_->QFile("answer.dat")},
                       environment);
        return Finish(*later_);
    }
    bool AnsweredHere() const { return QFile::exists(world_->QFile("answer.dat")); }

private slots:
    void init() {
        world_ = std::make_unique<WindowWorld>();
        world_->RegisterHerdSimulator();
    }
    void cleanup() {
        if (first_ && first_->state() != QProcess::NotRunning) {
            first_->kill();
            first_->waitForFinished();
        }
        first_.reset();
        later_.reset();
        world_.reset();
    }

    void theNameOfACopyThatDiedIsTakenOverAndALaterStartBringsItToTheFront() {
        StartFirstCopy({});
        QTRY_COMPARE(Count("New session"), 1);
        first_->kill();
        QVERIFY(first_->waitForFinished());
        StartFirstCopy({});
        QTRY_COMPARE(Count("New session"), 2);
        // A later start without arguments brings the window to the front.
        auto later = Start({});
        QCOMPARE(Finish(*later, 15000), 0);
        QTRY_COMPARE(Count("Brought to the front by a later start"), 1);
        QCOMPARE(Count("New session"), 2);
        QCOMPARE(first_->state(), QProcess::Running);
    }

    void aLaterStartsRequestIsAnsweredByTheWindow() {
        StartFirstCopy({});
        const QString answer = world_->QFile("answer.dat");
        auto later = Start(
            {"-f", Example("animals-055021.dat"), "-o", answer, "-l", world_->QFile("answer.log")});
        QCOMPARE(Finish(*later), 0);
        QVERIFY(QFile::exists(answer));
        QVERIFY(QFile(answer).size() > 0);
        QCOMPARE(Count("Request handed over by a later start"), 1);
        QCOMPARE(Count("InFile: " + world_->QFile("animals-055021.dat")), 1);
        QCOMPARE(Count("New session"), 1);
        QCOMPARE(first_->state(), QProcess::Running); // the window stays open
    }

    void theRequestsExitStatusReachesTheLaterStart() {
        StartFirstCopy({});
        QVERIFY(WriteBytes(world_->File("garbage.dat"), "not an ADIS file\r\n"));
        auto later = Start({"-f", world_->QFile("garbage.dat"), "-o", world_->QFile("x.dat")});
        QCOMPARE(Finish(*later), 3);
        QVERIFY(!QFile::exists(world_->QFile("x.dat")));
    }

    void aRequestHandedOverWhileARequestRunsWaitsForIt() {
        const QString firstAnswer = world_->QFile("first.dat");
        const QString laterAnswer = world_->QFile("later.dat");
        StartFirstCopy({"-f", Example("animals-055021.dat"), "-o", firstAnswer},
                       {"HERD_ISO_SIM_FAULT=sleep=1500"});
        auto later = Start({"-f", Example("calvings-055036.dat"), "-o", laterAnswer});
        QCOMPARE(Finish(*later), 0);
        QCOMPARE(Finish(*first_), 0);
        QVERIFY(QFile::exists(firstAnswer));
        QVERIFY(QFile::exists(laterAnswer));
        const int waits = world_->TraceIndex("Hand-over waits for the running work");
        const int firstWritten = world_->TraceIndex("objOutFile.WriteData " + firstAnswer);
        const int laterBegins =
            world_->TraceIndex("InFile: " + world_->QFile("calvings-055036.dat"));
        QVERIFY2(waits >= 0 && waits < firstWritten, "queued while the first request ran");
        QVERIFY2(firstWritten < laterBegins, "run after it, never inside it");
    }

    void theCommandLineRoleShowsItsMessagesWhereADisplayIs() {
        // A language library that cannot be loaded is reported at the start.
        QVERIFY(modUtils::RegWriteString("Missing.dll", modUtils::RegRoot::CurrentUser,
                                         modCommon::kLinkRegistryKey,
                                         modCommon::kSatelliteDllValue));
        QVERIFY(WriteBytes(world_->File("garbage.dat"), "not an ADIS file\r\n"));
        const QString message = "Couldn't find/load dll for 'Missing.dll'";

        auto headless = Start({"-f", world_->QFile("garbage.dat")}, {"LINK_HEADLESS=1"});
        QCOMPARE(Finish(*headless), 3);
        QVERIFY(QString::fromUtf8(headless->readAllStandardError()).contains(message));

        // On the screen the message box waits for the user.
        auto onScreen = Start({"-f", world_->QFile("garbage.dat")}, {"LINK_HEADLESS=0"});
        QTest::qWait(2000);
        QCOMPARE(onScreen->state(), QProcess::Running);
        QVERIFY(!QString::fromUtf8(onScreen->readAllStandardError()).contains(message));
        onScreen->kill();
        onScreen->waitForFinished();
    }

    void aCopyThatDoesNotAnswerLeavesTheRequestToTheLaterStart() {
        StandInCopy silent({});
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(LaterRequest({"LINK_HANDOVER_ANSWER_MS=300"}), 0);
        QVERIFY2(clock.elapsed() < 15000, "a bounded wait");
        QVERIFY(AnsweredHere());
        QVERIFY(
            QString::fromUtf8(later_->readAllStandardError()).contains("did not take the request"));
        QCOMPARE(silent.received, (QList<Message>{Message::Request}));
    }

    void aRequestKeptWaitingTooLongIsWithdrawnAndAnsweredHere() {
        StandInCopy busy([](QLocalSocket& socket, const HandOver::Frame& frame) {
            if (frame.message == Message::Request)
                StandInCopy::Send(socket, Message::Accepted);
            else if (frame.message == Message::Withdraw)
                StandInCopy::Send(socket, Message::Withdrawn);
        });
        QCOMPARE(LaterRequest({"LINK_HANDOVER_QUEUE_MS=300"}), 0);
        QVERIFY(AnsweredHere());
        QCOMPARE(busy.received, (QList<Message>{Message::Request, Message::Withdraw}));
    }

    void theRunningCopysLastWordDecidesTheLaterStartsEnd() {
        struct Case {
            const char* what;
            QList<Message> replies;
            int status;
            bool hangUp;
            QStringList environment;
            int exitCode;
            bool answeredHere;
        };
        using M = Message;
        const Case cases[] = {
            {"done: its status, answered by the running copy only",
             {M::Accepted, M::Started, M::Working, M::Done},
             4,
             false,
             {},
             4,
             false},
            {"silent while it runs the request: failed, the running copy still holds it",
             {M::Accepted, M::Started},
             0,
             false,
             {"LINK_HANDOVER_SILENCE_MS=500"},
             1,
             false},
            {"ended before it answered: answered here",
             {M::Accepted, M::Started},
             0,
             true,
             {},
             0,
             true},
        };
        for (const Case& test : cases) {
            QFile::remove(world_->QFile("answer.dat"));
            StandInCopy copy(StandInCopy::OnRequest(test.replies, test.status, test.hangUp));
            const int exitCode = LaterRequest(test.environment);
            QVERIFY2(exitCode == test.exitCode,
                     qPrintable(QStringLiteral("%1: exit %2").arg(test.what).arg(exitCode)));
            QVERIFY2(AnsweredHere() == test.answeredHere, test.what);
        }
    }
};

WINDOW_TEST_SUITE("handover", HandOverTest);
#include "HandOverTest.moc"
