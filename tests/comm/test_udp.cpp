// The UDP transport against a hand-driven peer on loopback: resends, late and stray
// datagrams, foreign senders, bad addresses and cancellation.

#include "Cancellation.h"
#include "DeviceFactories.h"
#include "FakeConnectionSettings.h"
#include "IJexDevice.h"
#include "LogCapture.h"
#include "PosixUdp.h"
#include "ScriptedRawConverser.h"
#include "UDPConverser.h"
#include "UdpPeer.h"
#include "UdpServer.h"

#include <QTest>

#include <future>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::bytes;
using JEX::Test::qbytes;
using JEX::Test::UdpPeer;

class TestUdp : public QObject {
    Q_OBJECT

    std::unique_ptr<UdpPeer> mount_;
    std::shared_ptr<Test::FakeConnectionSettings> settings_;
    std::shared_ptr<ControlledCancellable> token_;

    std::shared_ptr<UDPConverser> converser(const std::string& remote = "127.0.0.1",
                                            uint32_t timeoutMs = 100) {
        auto udp = std::make_shared<PosixUdp>("127.0.0.1", remote, "", mount_->port(), timeoutMs);
        return std::make_shared<UDPConverser>(udp, settings_, token_);
    }

private slots:
    void init() {
        mount_ = std::make_unique<UdpPeer>();
        settings_ = std::make_shared<Test::FakeConnectionSettings>(100, 2);
        token_ = std::make_shared<ControlledCancellable>();
    }

    void silentMountGetsResendsPlusOneSends_data() {
        QTest::addColumn<int>("resends");
        QTest::newRow("0 resends") << 0;
        QTest::newRow("2 resends") << 2;
        QTest::newRow("4 resends") << 4;
    }
    void silentMountGetsResendsPlusOneSends() {
        QFETCH(int, resends);
        settings_->setMaxRetryCount(resends);
        auto c = converser();
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        const auto sent = mount_->receiveAll(std::chrono::milliseconds(100 * (resends + 1) + 400));
        const CmdResp<Bytes> resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Timeout);
        QVERIFY(!resp.value.hasValue());
        QCOMPARE(int(sent.size()), resends + 1);
        for (const auto& d : sent)
            QCOMPARE(d.data, QByteArray(":e1\r"));
        // Every attempt of one command goes out from the same socket.
        QCOMPARE(sent.front().from.sin_port, sent.back().from.sin_port);
    }

    void replyIsTakenAsItArrives() {
        auto c = converser();
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        const auto request = mount_->receive(1000ms);
        QVERIFY(request);
        mount_->sendTo(request->from, "junk=031080\r");
        const auto resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("junk=031080\r"));
    }

    void lateReplyNeverReachesTheNextCommand() {
        settings_->setMaxRetryCount(0);
        auto c = converser();
        auto first = std::async(std::launch::async, [&] { return c->converse(bytes(":j1\r")); });
        const auto request1 = mount_->receive(1000ms);
        QVERIFY(request1);
        QCOMPARE(first.get().type, CmdRetType::Timeout);

        auto second = std::async(std::launch::async, [&] { return c->converse(bytes(":f1\r")); });
        const auto request2 = mount_->receive(1000ms);
        QVERIFY(request2);
        QVERIFY2(request2->from.sin_port != request1->from.sin_port,
                 "a new command needs a new local port");
        // The answer to the first command comes now, while the second one waits.
        mount_->sendTo(request1->from, "=LATE00\r");
        mount_->sendTo(request2->from, "=101\r");
        const auto resp = second.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=101\r"));
    }

    void strayDatagramsQueuedBeforeACommandAreDrained() {
        PosixUdp udp("127.0.0.1", "127.0.0.1", "", mount_->port(), 100);
        QVERIFY(udp.open());
        mount_->sendTo(udp.localPort(), "=STRAY1\r");
        // Loopback delivery is complete when sendto returns: both are queued now.
        mount_->sendTo(udp.localPort(), "=STRAY2\r");
        udp.clearReadBuffer();
        QVERIFY(udp.read().empty());
    }

    void zeroLengthReplyCountsAsNoReply() {
        auto c = converser();
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        const auto request1 = mount_->receive(1000ms);
        QVERIFY(request1);
        mount_->sendTo(request1->from, "");
        const auto request2 = mount_->receive(1000ms);
        QVERIFY2(request2, "an empty datagram must lead to a resend");
        mount_->sendTo(request2->from, "=01\r");
        const auto resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=01\r"));
    }

    void replyFromAnotherAddressIsIgnored() {
        settings_->setMaxRetryCount(0);
        auto c = converser("127.0.0.1", 300);
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        const auto request = mount_->receive(1000ms);
        QVERIFY(request);
        UdpPeer impostor("127.0.0.2");
        // Queued first, the impostor's datagram must not end the wait.
        impostor.sendTo(request->from, "=EVIL00\r");
        mount_->sendTo(request->from, "=GOOD00\r");
        const auto resp = result.get();
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=GOOD00\r"));
    }

    void onlyForeignRepliesTimeOut() {
        settings_->setMaxRetryCount(0);
        auto c = converser("127.0.0.1", 150);
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        const auto request = mount_->receive(1000ms);
        QVERIFY(request);
        UdpPeer impostor("127.0.0.3");
        impostor.sendTo(request->from, "=EVIL00\r");
        QCOMPARE(result.get().type, CmdRetType::Timeout);
    }

    void unparsableRemoteAddressTimesOutAndLogs() {
        Test::LogCapture logLines;
        auto c = converser("192.168.4.300");
        QCOMPARE(c->converse(bytes(":e1\r")).type, CmdRetType::Timeout);
        QCOMPARE(c->converse(bytes(":e1\r")).type, CmdRetType::Timeout);
        QCOMPARE(logLines.lines()
                     .filter(QRegularExpression("^_open: inet_pton\\(\\) failed: error -?\\d+$"))
                     .size(),
                 2);
        QVERIFY(mount_->receiveAll(50ms).empty());
    }

    void cancellationBetweenAttempts() {
        auto c = converser();
        auto result = std::async(std::launch::async, [&] { return c->converse(bytes(":e1\r")); });
        QVERIFY(mount_->receive(1000ms));
        token_->cancel();
        QCOMPARE(result.get().type, CmdRetType::Cancel);
        QVERIFY2(mount_->receiveAll(250ms).empty(), "no resend after cancellation");
    }

    void cancelledBeforeTheFirstSendSendsNothing() {
        token_->cancel();
        QCOMPARE(converser()->converse(bytes(":e1\r")).type, CmdRetType::Cancel);
        QVERIFY(mount_->receiveAll(50ms).empty());
    }

    // The same rules against the simulated mount's own UDP server.
    void simulatedMountSilentGetsResendsPlusOneSends() {
        auto controller = std::make_shared<Sim::MotorController>();
        Sim::UdpServer server(controller);
        std::string error;
        QVERIFY2(server.start("127.0.0.1", 0, &error), error.c_str());
        controller->setSilent(true);
        auto udp = std::make_shared<PosixUdp>("", "127.0.0.1", "", server.port(), 80);
        UDPConverser converser(udp, settings_, token_);
        QCOMPARE(converser.converse(bytes(":e1\r")).type, CmdRetType::Timeout);
        QVERIFY(controller->transcript()->waitForSize(3, 2000ms));
        QCOMPARE(controller->transcript()->size(), size_t(3));
        controller->setSilent(false);
        const auto resp = converser.converse(bytes(":e1\r"));
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(qbytes(resp.value.value()), QByteArray("=030A08\r"));
    }

    void simulatedLateReplyNeverReachesTheNextCommand() {
        auto controller = std::make_shared<Sim::MotorController>();
        Sim::UdpServer server(controller);
        std::string error;
        QVERIFY2(server.start("127.0.0.1", 0, &error), error.c_str());
        Sim::Faults late;
        late.late = 1.0;
        late.lateDelayMs = 150;
        late.letters = "j";
        controller->setFaults(late);
        settings_->setMaxRetryCount(0);
        auto device = UDPJexDeviceFactory(settings_, token_, server.port())
                          .create("", "127.0.0.1", "")
                          .converser;
        QCOMPARE(device->converseU32(Cmd{0, 'j', {}}).type, CmdRetType::Timeout);
        // The first command's reply is on its way while the second one waits for its own.
        const auto fw = device->converse(Cmd{0, 'e', {}});
        QCOMPARE(fw.type, CmdRetType::Ok);
        QCOMPARE(qbytes(fw.value.value()), QByteArray("=030A08\r"));
    }

    void factoryBuildsAWorkingStack() {
        auto factory = std::make_shared<UDPJexDeviceFactory>(settings_, token_, mount_->port());
        const JexConverserEtal etal = factory->create("127.0.0.1", "127.0.0.1", "127.255.255.255");
        QCOMPARE(etal.endpoint, std::string("127.0.0.1"));
        QVERIFY(etal.device && etal.converser && etal.slConverser);
        QVERIFY(!etal.serialPort);
        auto result = std::async(std::launch::async, [&] { return etal.device->readFirmware(0); });
        const auto request = mount_->receive(1000ms);
        QVERIFY(request);
        QCOMPARE(request->data, QByteArray(":e1\r"));
        mount_->sendTo(request->from, "=030A08\r");
        const auto fw = result.get();
        QCOMPARE(fw.type, CmdRetType::Ok);
        QCOMPARE(fw.get().text(), std::string("3.10.08"));
    }
};

QTEST_GUILESS_MAIN(TestUdp)
#include "test_udp.moc"
