// The simulated controller behind its UDP server on 127.0.0.1: replies come from the bound
// port, bad datagrams never stop it, and loss, delay and late replies behave as configured.

#include "SimTestUtil.h"
#include "UdpServer.h"

#include <QTest>

#include <thread>

using namespace JEX::Sim;
using SimTest::show;
using SimTest::UdpClient;

namespace {
constexpr int WaitMs = 3000;

} // namespace

class TestSimUdp : public QObject {
    Q_OBJECT

    std::shared_ptr<MotorController> controller_;
    std::unique_ptr<UdpServer> server_;

    void start(const SimConfig& config = {}, const std::string& address = "127.0.0.1",
               uint16_t port = 0) {
        controller_ = std::make_shared<MotorController>(config);
        server_ = std::make_unique<UdpServer>(controller_);
        std::string error;
        QVERIFY2(server_->start(address, port, &error), error.c_str());
        QVERIFY(server_->port() != 0);
    }

    static SimConfig withFaults(const Faults& faults, uint64_t seed) {
        SimConfig config;
        config.identity = *presetIdentity("3.39-80");
        config.faults = faults;
        config.seed = seed;
        return config;
    }

private slots:
    void cleanup() { server_.reset(); }

    void firmwareReplyFromTheBoundPort() {
        start();
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":e1\r"));
        const auto reply = client.receive(WaitMs);
        QVERIFY(reply);
        QCOMPARE(reply->data, QByteArray("=030A08\r"));
        QCOMPARE(reply->fromPort, server_->port());
    }

    // The mount's own port, when nobody else on this machine holds it.
    void defaultPort() {
        auto controller = std::make_shared<MotorController>();
        UdpServer server(controller);
        std::string error;
        if (!server.start("127.0.0.1", UdpServer::DefaultPort, &error))
            QSKIP(qPrintable("port 11880 is taken here: " + QString::fromStdString(error)));
        UdpClient client;
        QVERIFY(client.send(11880, ":e1\r"));
        const auto reply = client.receive(WaitMs);
        QVERIFY(reply);
        QCOMPARE(reply->data, QByteArray("=030A08\r"));
        QCOMPARE(reply->fromPort, uint16_t(11880));
    }

    void anyAddressAnswersLoopback() {
        start({}, "0.0.0.0");
        QCOMPARE(server_->address(), std::string("0.0.0.0"));
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":f1\r"));
        const auto reply = client.receive(WaitMs);
        QVERIFY(reply);
        QCOMPARE(reply->data, QByteArray("=100\r"));
    }

    void refusesWhatItCannotBind() {
        auto controller = std::make_shared<MotorController>();
        UdpServer server(controller);
        std::string error;
        QVERIFY(!server.start("not-an-address", 0, &error));
        QVERIFY2(error.find("not-an-address") != std::string::npos, error.c_str());
        QVERIFY(!server.isRunning());

        start();
        UdpServer second(controller);
        QVERIFY(!second.start("127.0.0.1", server_->port(), &error));
        QVERIFY2(error.find("bind") != std::string::npos, error.c_str());
    }

    void malformedDatagramsNeverStopIt() {
        start();
        UdpClient client;
        const QList<QByteArray> bad{
            QByteArray(), "hello", QByteArray(1400, '\xAA'), ":e9\r", QByteArray(":\0\0\r", 4),
            ":X1zz\r"};
        for (const auto& datagram : bad)
            QVERIFY(client.send(server_->port(), datagram));
        QVERIFY(client.send(server_->port(), ":e1\r"));
        // Only the framed ones are answered, in order, and the server still answers.
        QCOMPARE(client.next(WaitMs), QByteArray("!3\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("!0\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("!0\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("=030A08\r"));
        QCOMPARE(controller_->transcript()->size(), size_t(7));
    }

    // The replies that arrive are exactly those the transcript does not mark lost, and the
    // losses fall on the same requests as in an in-process controller with the same seed.
    void lossFollowsTheSeed() {
        Faults faults;
        faults.replyLoss = 0.5;
        faults.letters = "j";
        start(withFaults(faults, 42));
        MotorController reference(withFaults(faults, 42), std::make_shared<ManualClock>());
        UdpClient client;
        int expectedReplies = 0;
        for (int i = 0; i < 40; ++i) {
            QVERIFY(client.send(server_->port(), ":j1\r"));
            if (reference.handle(SimTest::bytes(":j1\r")).reply)
                ++expectedReplies;
        }
        QVERIFY(client.send(server_->port(), ":e1\r"));
        int replies = 0;
        for (;;) {
            const auto reply = client.receive(WaitMs);
            QVERIFY2(reply, "the closing firmware reply never came");
            if (reply->data == "=032780\r")
                break;
            QCOMPARE(reply->data, QByteArray("=000080\r"));
            ++replies;
        }
        QCOMPARE(replies, expectedReplies);
        const auto lost = controller_->transcript()->count(
            [](const Exchange& e) { return e.hasFault("reply-loss"); });
        QCOMPARE(int(lost), 40 - expectedReplies);
        QVERIFY2(lost > 5 && lost < 35, qPrintable(QString("%1 of 40 lost").arg(lost)));
    }

    // A delayed reply holds up nobody else.
    void delayedReplyDoesNotBlockOthers() {
        Faults faults;
        faults.fixedDelayMs = 500;
        faults.letters = "j";
        start(withFaults(faults, 1));
        UdpClient slow;
        UdpClient quick;
        const auto sent = SimTest::Steady::now();
        QVERIFY(slow.send(server_->port(), ":j1\r"));
        QVERIFY(quick.send(server_->port(), ":e1\r"));
        const auto quickReply = quick.receive(WaitMs);
        QVERIFY(quickReply);
        QCOMPARE(quickReply->data, QByteArray("=032780\r"));
        QVERIFY2(!slow.receive(0), "the delayed reply came before the quick one");
        const auto slowReply = slow.receive(WaitMs);
        const auto elapsedMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(SimTest::Steady::now() - sent)
                .count();
        QVERIFY(slowReply);
        QCOMPARE(slowReply->data, QByteArray("=000080\r"));
        QVERIFY2(elapsedMs >= 490, qPrintable(QString("delayed reply after %1 ms").arg(elapsedMs)));
    }

    // The console waits 200 ms; the late reply comes after that, still to the same socket.
    void lateReplyComesAfterTheConsoleGaveUp() {
        Faults faults;
        faults.late = 1;
        faults.lateDelayMs = 400;
        start(withFaults(faults, 9));
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":e1\r"));
        QVERIFY2(!client.receive(200), "the late reply came within the console's wait");
        const auto reply = client.receive(WaitMs);
        QVERIFY(reply);
        QCOMPARE(reply->data, QByteArray("=032780\r"));
        QVERIFY(controller_->transcript()->last()->hasFault("late"));
    }

    void duplicatesArriveTwice() {
        Faults faults;
        faults.duplicate = 1;
        start(withFaults(faults, 1));
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":e1\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("=032780\r"));
        QCOMPARE(client.next(WaitMs), QByteArray("=032780\r"));
    }

    void silenceMidSessionAndRecovery() {
        start();
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":e1\r"));
        QVERIFY(client.receive(WaitMs));
        controller_->setSilent(true);
        QVERIFY(client.send(server_->port(), ":e1\r"));
        QVERIFY(controller_->transcript()->waitForSize(2, std::chrono::milliseconds(WaitMs)));
        QVERIFY(controller_->transcript()->last()->hasFault("silent"));
        controller_->setSilent(false);
        QVERIFY(client.send(server_->port(), ":j1\r"));
        // The next datagram is the answer to the third request: nothing came for the second.
        QCOMPARE(client.next(WaitMs), QByteArray("=000080\r"));
    }

    void severalClientsAtOnce() {
        start();
        std::vector<std::thread> threads;
        std::atomic<int> answered{0};
        const uint16_t port = server_->port();
        for (int t = 0; t < 3; ++t)
            threads.emplace_back([port, &answered] {
                UdpClient client;
                for (int i = 0; i < 50; ++i) {
                    client.send(port, ":j1\r");
                    const auto reply = client.receive(WaitMs);
                    if (reply && reply->data == "=000080\r")
                        ++answered;
                }
            });
        for (auto& thread : threads)
            thread.join();
        QCOMPARE(answered.load(), 150);
    }

    void stopsCleanlyWithRepliesPending() {
        Faults faults;
        faults.fixedDelayMs = 10000;
        start(withFaults(faults, 1));
        UdpClient client;
        QVERIFY(client.send(server_->port(), ":e1\r"));
        QVERIFY(controller_->transcript()->waitForSize(1, std::chrono::milliseconds(WaitMs)));
        const auto before = SimTest::Steady::now();
        server_->stop();
        QVERIFY(!server_->isRunning());
        QVERIFY(SimTest::Steady::now() - before < std::chrono::seconds(5));
    }
};

QTEST_GUILESS_MAIN(TestSimUdp)
#include "test_sim_udp.moc"
