// The simulated controller's transports (loopback UDP, a pseudo-terminal) and its command.

#include "PtyPeer.h"
#include "PtyServer.h"
#include "Spawn.h"
#include "UdpPeer.h"
#include "UdpServer.h"
#include "Wire.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

using namespace JEX::Sim;
using namespace std::chrono_literals;
using JEX::Test::PtyPeer;
using JEX::Test::Run;
using JEX::Test::UdpPeer;

namespace {
constexpr auto Wait = 30s; // costs time only when something fails

SimConfig withFaults(const Faults& faults) {
    SimConfig config;
    config.identity = *presetIdentity("3.39-80");
    config.faults = faults;
    return config;
}
} // namespace

class TestSimTransports : public QObject {
    Q_OBJECT

    std::shared_ptr<MotorController> controller_;
    std::unique_ptr<UdpServer> udp_;
    std::unique_ptr<PtyServer> pty_;
    std::optional<JEX::Test::Child> process_;

    void startUdp(const SimConfig& config = {}, const std::string& address = "127.0.0.1") {
        controller_ = std::make_shared<MotorController>(config);
        udp_ = std::make_unique<UdpServer>(controller_);
        std::string error;
        QVERIFY2(udp_->start(address, 0, &error), error.c_str());
        QVERIFY(udp_->port() != 0);
    }
    // A terminal served at 9600 baud, and the console's end of it.
    std::unique_ptr<PtyPeer> startPty() {
        SimConfig config;
        config.identity.baudRate = 9600;
        controller_ = std::make_shared<MotorController>(config);
        pty_ = std::make_unique<PtyServer>(controller_);
        std::string error;
        if (!pty_->start(&error))
            return nullptr;
        return std::make_unique<PtyPeer>(pty_->slavePath());
    }
    bool handled(size_t n) { return controller_->transcript()->waitForSize(n, Wait); }

    void launch(const QStringList& arguments) {
        QVERIFY(process_.emplace().start(QStringList{VELMORA_MOUNT_SIM} + arguments));
    }
    QByteArray nextLine() { return process_->readLine(30000).trimmed(); }
    void expectCleanExit() {
        QVERIFY2(process_->finish(30000) == 0, qPrintable(process_->errors()));
    }

private slots:
    void cleanup() {
        udp_.reset();
        pty_.reset();
        process_.reset(); // killed if still running
    }

    void udpReplyComesFromTheBoundPort_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("loopback") << "127.0.0.1";
        QTest::newRow("any address") << "0.0.0.0";
    }
    void udpReplyComesFromTheBoundPort() {
        QFETCH(QString, address);
        startUdp({}, address.toStdString());
        UdpPeer client;
        QVERIFY(client.sendTo(udp_->port(), ":e1\r"));
        const auto reply = client.receive(Wait);
        QVERIFY(reply);
        QCOMPARE(reply->data, QByteArray("=030A08\r"));
        QCOMPARE(reply->fromPort, udp_->port());
    }

    void udpRefusesWhatItCannotBind() {
        startUdp();
        std::string error;
        UdpServer bad(controller_);
        QVERIFY(!bad.start("not-an-address", 0, &error));
        QVERIFY2(error.find("not-an-address") != std::string::npos, error.c_str());
        QVERIFY(!bad.isRunning());
        UdpServer taken(controller_);
        QVERIFY(!taken.start("127.0.0.1", udp_->port(), &error));
        QVERIFY2(error.find("bind") != std::string::npos, error.c_str());
    }

    // Each datagram, NULs and all, is one request; only framed ones are answered, in order.
    void udpMalformedDatagramsNeverStopIt() {
        startUdp();
        UdpPeer client;
        for (const QByteArray& datagram :
             {QByteArray(), QByteArray("hello"), QByteArray(1400, '\xAA'), QByteArray(":\0\0\r", 4),
              QByteArray(":e1\r")})
            QVERIFY(client.sendTo(udp_->port(), datagram));
        QCOMPARE(client.next(Wait), QByteArray("!0\r"));
        QCOMPARE(client.next(Wait), QByteArray("=030A08\r"));
        QCOMPARE(controller_->transcript()->size(), size_t(5));
    }

    // A reply held for an hour holds up nobody else, and stopping does not wait for it.
    void udpDelayedReplyBlocksNobody() {
        Faults faults;
        faults.fixedDelayMs = 3600 * 1000;
        faults.letters = "j";
        startUdp(withFaults(faults));
        UdpPeer slow, quick;
        QVERIFY(slow.sendTo(udp_->port(), ":j1\r"));
        QVERIFY(handled(1));
        QVERIFY(quick.sendTo(udp_->port(), ":e1\r"));
        QCOMPARE(quick.next(Wait), QByteArray("=032780\r"));
        udp_->stop();
        QVERIFY(!udp_->isRunning());
    }

    // The console waits 200 ms; the late reply comes after that, still to the same socket,
    // and a duplicated one twice.
    void udpLateAndDuplicateReplies() {
        Faults faults;
        faults.late = 1;
        faults.lateDelayMs = 400;
        faults.duplicate = 1;
        startUdp(withFaults(faults));
        UdpPeer client;
        const auto sent = std::chrono::steady_clock::now();
        QVERIFY(client.sendTo(udp_->port(), ":e1\r"));
        QCOMPARE(client.next(Wait), QByteArray("=032780\r"));
        QVERIFY(std::chrono::steady_clock::now() - sent >= 390ms);
        QCOMPARE(client.next(Wait), QByteArray("=032780\r"));
    }

    // It answers only at its own speed, and switches after acknowledging the baud command.
    void ptyAnswersAtItsBaudRate() {
        const auto line = startPty();
        QVERIFY(line);
        QVERIFY(line->setSpeed(B115200));
        QVERIFY(line->write(":e1\r"));
        QVERIFY(handled(1));
        QCOMPARE(controller_->transcript()->last()->note, std::string("wrong-baud"));
        QCOMPARE(line->read(50ms), QByteArray());

        QVERIFY(line->setSpeed(B9600));
        QVERIFY(line->write(":W10D8004\r")); // 115200
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("=\r"));
        QVERIFY(line->write(":e1\r"));
        QVERIFY(handled(3));
        QCOMPARE(controller_->transcript()->last()->note, std::string("wrong-baud"));
        QVERIFY(line->setSpeed(B115200));
        QVERIFY(line->write(":e1\r"));
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("=030A08\r"));
    }

    // Only ":...CR" is a request, a ':' starts afresh, a line beyond the limit is refused,
    // and a request may come in pieces.
    void ptyLineHandling() {
        auto line = startPty();
        QVERIFY(line);
        QVERIFY(line->setSpeed(B9600));
        QVERIFY(line->write(QByteArray("\x55\xAA noise\r\n", 10)));
        QVERIFY(line->write(":E1" + QByteArray(200, '0') + "\r"));
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("!1\r"));
        QVERIFY(line->write(":e1garbage:f1\r"));
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("=100\r"));
        QCOMPARE(controller_->transcript()->size(), size_t(2));
        QVERIFY(line->write(":e") && line->write("1") && line->write("\r"));
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("=030A08\r"));

        // The terminal keeps its speed while the console closes and reopens it.
        line = std::make_unique<PtyPeer>(pty_->slavePath());
        QVERIFY(line->write(":e1\r"));
        QCOMPARE(line->readUntil("\r", Wait), QByteArray("=030A08\r"));
    }

    // Port 0 reported on standard output, fault options, the transcript file as it goes,
    // and a clean exit on SIGTERM.
    void commandServesUdpAndWritesItsTranscript() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString transcript = dir.filePath("exchanges.jsonl");
        launch({"--preset", "3.39-80", "--udp", "127.0.0.1:0", "--transcript", transcript,
                "--garbage", "1", "--fault-letters", "e"});
        const QByteArray first = nextLine();
        QVERIFY2(first.startsWith("udp 127.0.0.1:"), first.constData());
        const uint16_t port = first.mid(14).toUShort();

        UdpPeer client;
        QVERIFY(client.sendTo(port, ":e1\r"));
        const auto reply = client.receive(Wait);
        QVERIFY(reply);
        QVERIFY2(reply->data.endsWith("=032780\r") && reply->data.size() > 8,
                 qPrintable(JEX::Test::show(reply->data)));
        QVERIFY(client.sendTo(port, QByteArray("\"\\\x01\xff\r", 5)));
        QVERIFY(client.sendTo(port, ":X10002\r"));
        QCOMPARE(client.next(Wait), QByteArray("=00162B97\r"));

        // Written while the simulator still runs; every byte is one character.
        QTRY_COMPARE_WITH_TIMEOUT(JEX::Test::transcriptFile(transcript).size(), 3, 5000);
        const auto lines = JEX::Test::transcriptFile(transcript);
        QCOMPARE(lines[0]["seq"].toInt(), 1);
        QCOMPARE(lines[0]["request"].toString(), QString(":e1\r"));
        QCOMPARE(lines[0]["reply"].toString(), QString::fromLatin1(reply->data));
        QCOMPARE(lines[0]["channel"].toString(), QString("wifi"));
        QVERIFY(lines[0]["peer"].toString().startsWith("127.0.0.1:"));
        QCOMPARE(lines[0]["faults"].toArray(), QJsonArray{"garbage"});
        QCOMPARE(lines[1]["request"].toString(), QString::fromLatin1("\"\\\x01\xff\r", 5));
        QVERIFY(lines[1]["reply"].isNull());
        QCOMPARE(lines[1]["note"].toString(), QString("no-frame"));
        QCOMPARE(lines[2]["reply"].toString(), QString("=00162B97\r"));
        QCOMPARE(lines[2]["faults"].toArray(), QJsonArray{});

        process_->signal(SIGTERM);
        expectCleanExit();
        QCOMPARE(JEX::Test::transcriptFile(transcript).size(), 3);
    }

    void commandPrintsItsTerminalFirstAndStopsOnSigint() {
        launch({"--preset", "3.09-08", "--pty", "--baud", "9600", "--udp", "127.0.0.1:0"});
        const QByteArray path = nextLine();
        QVERIFY2(path.startsWith("/dev/"), path.constData());
        QVERIFY(nextLine().startsWith("udp 127.0.0.1:"));
        PtyPeer line(path.toStdString());
        QVERIFY(line.setSpeed(B9600));
        QVERIFY(line.write(":e1\r"));
        QCOMPARE(line.readUntil("\r", Wait), QByteArray("=030908\r"));
        process_->signal(SIGINT);
        expectCleanExit();
    }

    void commandRefusesBadArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no transport") << QStringList{"--preset", "3.10-08"};
        QTest::newRow("unknown preset") << QStringList{"--preset", "9.99", "--pty"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "--pty"};
        QTest::newRow("probability above 1") << QStringList{"--loss", "1.5", "--pty"};
        QTest::newRow("port out of range") << QStringList{"--udp", "127.0.0.1:70000"};
        QTest::newRow("missing value") << QStringList{"--pty", "--seed"};
    }
    void commandRefusesBadArguments() {
        QFETCH(QStringList, arguments);
        const Run r = JEX::Test::run(QStringList{VELMORA_MOUNT_SIM} + arguments);
        QVERIFY2(r.exitCode == 2 && !r.err.isEmpty(), qPrintable(r.describe()));
    }
};

QTEST_GUILESS_MAIN(TestSimTransports)
#include "test_sim_transports.moc"
