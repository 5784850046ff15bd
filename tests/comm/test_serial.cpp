// The serial transport over a pseudo-terminal driven by hand.

#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "JexSerialPortConverser.h"
#include "MemoryKVStore.h"
#include "PosixSerialPort.h"
#include "PtyPeer.h"
#include "Wire.h"

#include <QTest>

#include <future>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::bytes;

namespace {
constexpr auto Wait = 5s; // generous, and far below the long time-outs below
} // namespace

class TestSerial : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::PtyPeer> line_;
    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<ControlledCancellable> token_;
    std::shared_ptr<PosixSerialPort> port_;
    std::shared_ptr<JexSerialPortConverser> converser_;

    std::future<CmdResp<Bytes>> converseAsync(std::string request = ":e1\r") {
        return std::async(std::launch::async,
                          [c = converser_, request] { return c->converse(bytes(request)); });
    }

private slots:
    void init() {
        line_ = std::make_unique<Test::PtyPeer>();
        // Long enough that an attempt ends by what comes over the line, not by the clock.
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        settings_->setReadTimeoutMs_other(30000);
        settings_->setMaxRetryCount(1);
        token_ = std::make_shared<ControlledCancellable>();
        port_ = std::make_shared<PosixSerialPort>(line_->path());
        port_->open();
        QVERIFY(port_->isOpen());
        converser_ = std::make_shared<JexSerialPortConverser>(settings_, port_, token_);
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
        auto result = converseAsync();
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write(lineSends);
        const auto resp = result.get();
        QCOMPARE(resp.type, reply.isEmpty() ? CmdRetType::Timeout : CmdRetType::Ok);
        if (!reply.isEmpty())
            QCOMPARE(Test::qbytes(resp.value.value()), reply);
    }

    // The resend shows that the first attempt ended long before its time-out.
    void tenNulsEndTheAttemptWhileTheLineKeepsTalking() {
        auto result = converseAsync();
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write(QByteArray(10, '\0') + QByteArray(30, 'z'));
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->write("=1\r");
        QCOMPARE(result.get().type, CmdRetType::Ok);
    }

    // A byte every 20 ms never lets a byte read time out; the attempt still ends.
    void drippingNoiseCannotHoldTheLine() {
        settings_->setReadTimeoutMs_other(300);
        auto result = converseAsync();
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

    void silentLineGetsOneWritePerAttempt() {
        settings_->setMaxRetryCount(2);
        settings_->setReadTimeoutMs_other(100);
        QCOMPARE(converseAsync(":f1\r").get().type, CmdRetType::Timeout);
        QCOMPARE(line_->readUntil(":f1\r:f1\r:f1\r", Wait), QByteArray(":f1\r:f1\r:f1\r"));
        QCOMPARE(line_->read(50ms), QByteArray());
    }

    void vanishingPortTimesOut() {
        auto result = converseAsync();
        QCOMPARE(line_->readUntil(":e1\r", Wait), QByteArray(":e1\r"));
        line_->close();
        QCOMPARE(result.wait_for(Wait), std::future_status::ready);
        QCOMPARE(result.get().type, CmdRetType::Timeout);
    }

    void cancellationBeforeAnAttempt() {
        token_->cancel();
        QCOMPARE(converser_->converse(bytes(":e1\r")).type, CmdRetType::Cancel);
        QCOMPARE(line_->read(50ms), QByteArray());
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
};

QTEST_GUILESS_MAIN(TestSerial)
#include "test_serial.moc"
