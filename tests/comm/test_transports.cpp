// The serial transport over a pseudo-terminal and the UDP transport against a peer on
// loopback, both driven by hand.

#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "JexSerialPortConverser.h"
#include "MemoryKVStore.h"
#include "PosixSerialPort.h"
#include "PosixUdp.h"
#include "PtyPeer.h"
#include "UDPConverser.h"
#include "UdpPeer.h"
#include "Wire.h"

#include <QSet>
#include <QTest>

#include <deque>
#include <future>
#include <optional>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::bytes;
using JEX::Test::qbytes;
using JEX::Test::UdpPeer;

namespace {

constexpr auto Wait = 5s; // generous, and far below the serial line's long time-out

std::future<CmdResp<Bytes>> converseAsync(std::shared_ptr<IConverserRaw> converser,
                                          std::string request = ":e1\r") {
    return std::async(std::launch::async,
                      [converser, request] { return converser->converse(bytes(request)); });
}

} // namespace

class TestTransports : public QObject {
    Q_OBJECT

    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<ControlledCancellable> token_;
    // The controller's end of a terminal pair, and the console's serial link on the other.
    std::unique_ptr<Test::PtyPeer> line_;
    std::shared_ptr<PosixSerialPort> port_;
    std::shared_ptr<JexSerialPortConverser> serial_;
    // The mount's end on loopback, and the console's UDP link to it.
    std::unique_ptr<UdpPeer> mount_;
    std::shared_ptr<UDPConverser> udp_;

    void makeUdp(uint32_t timeoutMs, const std::string& remote = "127.0.0.1") {
        auto udp = std::make_shared<PosixUdp>("127.0.0.1", remote, "", mount_->port(), timeoutMs);
        udp_ = std::make_shared<UDPConverser>(udp, settings_, token_);
    }

private slots:
    void init() {
        // Long enough that an attempt ends by what comes over the line, not by the clock.
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        settings_->setReadTimeoutMs_other(30000);
        settings_->setMaxRetryCount(1);
        token_ = std::make_shared<ControlledCancellable>();
        line_ = std::make_unique<Test::PtyPeer>();
        port_ = std::make_shared<PosixSerialPort>(line_->path());
        port_->open();
        QVERIFY(port_->isOpen());
        serial_ = std::make_shared<JexSerialPortConverser>(settings_, port_, token_);
        mount_ = std::make_unique<UdpPeer>();
        // Likewise: only the peer ends an attempt (an empty datagram is no reply).
        makeUdp(10000);
    }

    // A request the mount acts on each time it arrives goes out once, whatever the resends.
    void silentMountGetsResendsPlusOneWrites_data() {
        QTest::addColumn<int>("resends");
        QTest::addColumn<bool>("once");
        QTest::newRow("0 resends") << 0 << false;
        QTest::newRow("2 resends") << 2 << false;
        QTest::newRow("2 resends, sent once") << 2 << true;
    }
    void silentMountGetsResendsPlusOneWrites() {
        QFETCH(int, resends);
        QFETCH(bool, once);
        settings_->setMaxRetryCount(resends);
        settings_->setReadTimeoutMs_other(100);
        makeUdp(100);
        const int writes = once ? 1 : resends + 1;
        const auto converse = [&](IConverserRaw& raw) {
            return once ? raw.converseOnce(bytes(":e1\r")) : raw.converse(bytes(":e1\r"));
        };
        QCOMPARE(converse(*serial_).type, CmdRetType::Timeout);
        const QByteArray all = QByteArray(":e1\r").repeated(writes);
        QCOMPARE(line_->readUntil(all, Wait), all);
        QCOMPARE(line_->read(50ms), QByteArray());

        const CmdResp<Bytes> resp = converse(*udp_);
        QCOMPARE(resp.type, CmdRetType::Timeout);
        QVERIFY(!resp.value.hasValue());
        // Loopback delivery is complete when sendto returns: every attempt is queued now.
        const auto sent = mount_->pending();
        QCOMPARE(int(sent.size()), writes);
        for (const auto& d : sent)
            QCOMPARE(d.data, QByteArray(":e1\r"));
        // Every attempt of one command goes out from the same socket.
        QCOMPARE(sent.front().fromPort, sent.back().fromPort);
    }

    void cancelledBeforeTheFirstSendSendsNothing() {
        token_->cancel();
        QCOMPARE(serial_->converse(bytes(":e1\r")).type, CmdRetType::Cancel);
        QCOMPARE(udp_->converse(bytes(":e1\r")).type, CmdRetType::Cancel);
        QCOMPARE(line_->read(50ms), QByteArray());
        QVERIFY(mount_->pending().empty());
    }

    void repliesAreFramedFromMarkerToCR_data() {
        QTest::addColumn<QByteArray>("lineSends");
        QTest::addColumn<QByteArray>("reply"); // empty: the attempt times out
        const auto row = [](const char* name, const QByteArray& sent, const QByteArray& reply) {
            QTest::newRow(name) << sent << reply;
        };
        row("plain", "=031080\r", "=031080\r");
        row("noise before marker", QByteArray("xx\x01\xFFzz=12\r", 10), "=12\r");
        row("rejection kept for the classifier", "!0\r", "!0\r");
        row("nine NULs then a reply", QByteArray(9, '\0') + "=1\r", "=1\r");
        row("NULs after the marker are data", QByteArray("=\0\0\r", 4), QByteArray("=\0\0\r", 4));
        row("no CR", "=0102", {});
    }
    void repliesAreFramedFromMarkerToCR() {
        QFETCH(QByteArray, lineSends);
        QFETCH(QByteArray, reply);
        settings_->setMaxRetryCount(0);
        settings_->setReadTimeoutMs_other(reply.isEmpty() ? 100 : 30000);
        auto result = converseAsync(serial_);
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write(lineSends);
        const auto resp = result.get();
        QCOMPARE(resp.type, reply.isEmpty() ? CmdRetType::Timeout : CmdRetType::Ok);
        if (!reply.isEmpty())
            QCOMPARE(qbytes(resp.value.value()), reply);
    }

    // The resend shows that the first attempt ended long before its time-out.
    void tenNulsEndTheAttemptWhileTheLineKeepsTalking() {
        auto result = converseAsync(serial_);
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write(QByteArray(10, '\0') + QByteArray(30, 'z'));
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write("=1\r");
        QCOMPARE(result.get().type, CmdRetType::Ok);
    }

    // A byte every 20 ms never lets a byte read time out; the attempt still ends.
    void drippingNoiseCannotHoldTheLine() {
        settings_->setReadTimeoutMs_other(300);
        auto result = converseAsync(serial_);
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        QByteArray seen;
        const auto deadline = std::chrono::steady_clock::now() + Wait;
        while (!seen.contains(":e1\r") && std::chrono::steady_clock::now() < deadline) {
            line_->write("z");
            seen += line_->read(20ms);
        }
        QCOMPARE(seen, QByteArray(":e1\r"));
        line_->write("=1\r");
        QCOMPARE(result.get().type, CmdRetType::Ok);
    }

    void vanishingPortTimesOut() {
        auto result = converseAsync(serial_);
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->close();
        QCOMPARE(result.wait_for(Wait), std::future_status::ready);
        QCOMPARE(result.get().type, CmdRetType::Timeout);
    }

    void closedPortRefusesEverythingButOpen() {
        PosixSerialPort closed(line_->path());
        uint8_t byte = 0;
        QVERIFY(!closed.isOpen());
        QVERIFY(!closed.write(bytes(":e1\r")));
        QVERIFY(!closed.readByte(10, byte));
        QVERIFY(!closed.purgeInput());
        QVERIFY(!closed.setBaudRate(9600));
        QVERIFY(!closed.setRTS(true));
        QVERIFY(!closed.readCTS());
        auto converser = std::make_shared<JexSerialPortConverser>(
            settings_, std::make_shared<PosixSerialPort>(""), token_);
        QCOMPARE(converser->converse(bytes(":e1\r")).type, CmdRetType::Timeout);
    }

    void namesAndSpeeds() {
        QCOMPARE(PosixSerialPort("ttyUSB0").path(), std::string("/dev/ttyUSB0"));
        QCOMPARE(PosixSerialPort("/dev/pts/3").path(), std::string("/dev/pts/3"));
        // Only speeds with a termios constant are taken.
        QVERIFY(port_->setBaudRate(9600));
        QVERIFY(port_->setBaudRate(921600));
        QVERIFY(!port_->setBaudRate(12345));
        QVERIFY(!port_->setBaudRate(0));
    }

    void lateReplyNeverReachesTheNextCommand() {
        settings_->setMaxRetryCount(0);
        auto first = converseAsync(udp_, ":j1\r");
        const auto request1 = mount_->receive(30s);
        QVERIFY(request1);
        mount_->sendTo(request1->fromPort, "");
        QCOMPARE(first.get().type, CmdRetType::Timeout);

        auto second = converseAsync(udp_, ":f1\r");
        const auto request2 = mount_->receive(30s);
        QVERIFY(request2);
        QVERIFY2(request2->fromPort != request1->fromPort, "a new command needs a new local port");
        // The answer to the first command comes now, while the second one waits.
        mount_->sendTo(request1->fromPort, "=LATE00\r");
        mount_->sendTo(request2->fromPort, "=101\r");
        const auto resp = second.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=101\r"));
    }

    // The system hands out local ports at random and may give a closed socket's port to the
    // next one, where a late reply to the old command would pass for the new one's (the link
    // soak saw a write counted as done that never reached the mount). Within a thousand
    // commands no port comes back, also across links (a reconnect makes a new one).
    void recentLocalPortsAreNeverReused() {
        std::optional<PosixUdp> udp;
        std::deque<uint16_t> window;
        QSet<uint16_t> inWindow;
        for (int i = 0; i < 3000; ++i) {
            if (i % 50 == 0)
                udp.emplace("127.0.0.1", "127.0.0.1", "", mount_->port(), 100);
            QVERIFY(udp->reopen());
            const uint16_t port = udp->localPort();
            QVERIFY2(!inWindow.contains(port),
                     qPrintable(QString("socket %1 took port %2 again").arg(i).arg(port)));
            window.push_back(port);
            inWindow.insert(port);
            if (window.size() > 1000) {
                inWindow.remove(window.front());
                window.pop_front();
            }
        }
    }

    void strayDatagramsQueuedBeforeACommandAreDrained() {
        PosixUdp udp("127.0.0.1", "127.0.0.1", "", mount_->port(), 100);
        QVERIFY(udp.open());
        mount_->sendTo(udp.localPort(), "=STRAY1\r");
        mount_->sendTo(udp.localPort(), "=STRAY2\r");
        udp.clearReadBuffer();
        QVERIFY(udp.read().empty());
    }

    // An empty datagram is no reply: the command goes again, unless it was cancelled while
    // the attempt waited.
    void emptyDatagramEndsTheAttempt_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("sent again") << false;
        QTest::newRow("cancelled meanwhile") << true;
    }
    void emptyDatagramEndsTheAttempt() {
        QFETCH(bool, cancel);
        auto result = converseAsync(udp_);
        const auto request1 = mount_->receive(30s);
        QVERIFY(request1);
        if (cancel)
            token_->cancel();
        mount_->sendTo(request1->fromPort, "");
        if (cancel) {
            QCOMPARE(result.get().type, CmdRetType::Cancel);
            QVERIFY2(mount_->pending().empty(), "no resend after cancellation");
            return;
        }
        const auto request2 = mount_->receive(30s);
        QVERIFY2(request2, "an empty datagram must lead to a resend");
        mount_->sendTo(request2->fromPort, "=01\r");
        const auto resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=01\r"));
    }

    // A datagram from another address neither answers nor ends the wait.
    void repliesFromAnotherAddressAreIgnored() {
        settings_->setMaxRetryCount(0);
        auto result = converseAsync(udp_);
        const auto request = mount_->receive(30s);
        QVERIFY(request);
        UdpPeer impostor("127.0.0.2");
        impostor.sendTo(request->fromPort, "=EVIL00\r");
        mount_->sendTo(request->fromPort, "=GOOD00\r");
        const auto resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=GOOD00\r"));
    }

    void unparsableRemoteAddressTimesOut() {
        makeUdp(100, "192.168.4.300");
        QCOMPARE(udp_->converse(bytes(":e1\r")).type, CmdRetType::Timeout);
        QCOMPARE(udp_->converse(bytes(":e1\r")).type, CmdRetType::Timeout);
        QVERIFY(mount_->pending().empty());
    }
};

QTEST_GUILESS_MAIN(TestTransports)
#include "test_transports.moc"
