// The serial transport over a pseudo-terminal driven by hand: reply framing, noise, NULs,
// resends, a vanishing port and a closed port.

#include "Cancellation.h"
#include "DeviceFactories.h"
#include "FakeConnectionSettings.h"
#include "IJexDevice.h"
#include "JexSerialPortConverser.h"
#include "PosixSerialPort.h"
#include "PtyPeer.h"
#include "PtyServer.h"
#include "ScriptedRawConverser.h"

#include <QTest>

#include <future>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::bytes;


class TestSerial : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::PtyPeer> line_;
    std::shared_ptr<Test::FakeConnectionSettings> settings_;
    std::shared_ptr<ControlledCancellable> token_;
    std::shared_ptr<PosixSerialPort> port_;
    std::shared_ptr<JexSerialPortConverser> converser_;

    std::future<CmdResp<Bytes>> converseAsync(std::string request) {
        return std::async(std::launch::async,
                          [this, request] { return converser_->converse(bytes(request)); });
    }

private slots:
    void init() {
        line_ = std::make_unique<Test::PtyPeer>();
        settings_ = std::make_shared<Test::FakeConnectionSettings>(100, 2);
        token_ = std::make_shared<ControlledCancellable>();
        port_ = std::make_shared<PosixSerialPort>(line_->path());
        port_->open();
        QVERIFY(port_->isOpen());
        converser_ = std::make_shared<JexSerialPortConverser>(settings_, port_, token_);
    }

    void repliesAreFramedFromMarkerToCR_data() {
        QTest::addColumn<QByteArray>("lineSends");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("reply");
        const int ok = int(CmdRetType::Ok), timeout = int(CmdRetType::Timeout);
        QTest::newRow("plain") << QByteArray("=031080\r") << ok << QByteArray("=031080\r");
        QTest::newRow("noise before marker")
            << QByteArray("xx\x01\xFFzz=12\r", 10) << ok << QByteArray("=12\r");
        QTest::newRow("rejection kept for the classifier")
            << QByteArray("!0\r") << ok << QByteArray("!0\r");
        QTest::newRow("nine NULs then a reply")
            << QByteArray(9, '\0') + "=1\r" << ok << QByteArray("=1\r");
        QTest::newRow("NULs after the marker are data")
            << QByteArray("=\0\0\r", 4) << ok << QByteArray("=\0\0\r", 4);
        QTest::newRow("ten NULs") << QByteArray(10, '\0') + "=1\r" << timeout << QByteArray();
        QTest::newRow("no CR") << QByteArray("=0102") << timeout << QByteArray();
    }
    void repliesAreFramedFromMarkerToCR() {
        QFETCH(QByteArray, lineSends);
        QFETCH(int, type);
        QFETCH(QByteArray, reply);
        settings_->setMaxRetryCount(0);
        auto result = converseAsync(":e1\r");
        QCOMPARE(line_->readUntil(":e1\r", 1000ms), QByteArray(":e1\r"));
        line_->write(lineSends);
        const auto resp = result.get();
        QCOMPARE(int(resp.type), type);
        if (type == int(CmdRetType::Ok))
            QCOMPARE(Test::qbytes(resp.value.value()), reply);
        else
            QVERIFY(!resp.value.hasValue());
    }

    void tenNulsEndTheAttemptWhileTheLineKeepsTalking() {
        settings_->setMaxRetryCount(0);
        settings_->setReadTimeoutMs_other(2000);
        auto result = converseAsync(":e1\r");
        line_->readUntil(":e1\r", 1000ms);
        line_->write(QByteArray(10, '\0') + QByteArray(30, 'z'));
        // Well before the 2 s time-out: the NULs alone end the attempt.
        QCOMPARE(result.wait_for(1500ms), std::future_status::ready);
        QCOMPARE(result.get().type, CmdRetType::Timeout);
    }

    void silentLineGetsOneWritePerAttempt() {
        auto result = converseAsync(":f1\r");
        const QByteArray seen = line_->read(600ms);
        QCOMPARE(result.get().type, CmdRetType::Timeout);
        QCOMPARE(seen, QByteArray(":f1\r:f1\r:f1\r"));
    }

    void drippingNoiseCannotHoldTheLine() {
        settings_->setMaxRetryCount(1);
        auto result = converseAsync(":e1\r");
        line_->readUntil(":e1\r", 1000ms);
        // A byte every 20 ms never lets a byte read time out; each attempt still ends.
        const auto start = std::chrono::steady_clock::now();
        while (result.wait_for(20ms) != std::future_status::ready &&
               std::chrono::steady_clock::now() - start < 3s)
            line_->write("z");
        QCOMPARE(result.wait_for(0ms), std::future_status::ready);
        QCOMPARE(result.get().type, CmdRetType::Timeout);
    }

    void vanishingPortTimesOut() {
        settings_->setMaxRetryCount(0);
        settings_->setReadTimeoutMs_other(5000);
        auto result = converseAsync(":e1\r");
        line_->readUntil(":e1\r", 1000ms);
        line_->close();
        QCOMPARE(result.wait_for(2000ms), std::future_status::ready);
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

    void openFailsForMissingAndBusyPorts() {
        PosixSerialPort missing("/dev/velmora-no-such-port");
        missing.open();
        QVERIFY(!missing.isOpen());
        PosixSerialPort empty("");
        empty.open();
        QVERIFY(!empty.isOpen());
        PosixSerialPort notATerminal("/dev/null");
        notATerminal.open();
        QVERIFY(!notATerminal.isOpen());
        // The port is held exclusively by the first opener.
        PosixSerialPort second(line_->path());
        second.open();
        QVERIFY(!second.isOpen());
    }

    void bareNamesLiveInDev() {
        QCOMPARE(PosixSerialPort("ttyUSB0").path(), std::string("/dev/ttyUSB0"));
        QCOMPARE(PosixSerialPort("/dev/pts/3").path(), std::string("/dev/pts/3"));
    }

    void baudRatesWithoutATermiosConstantAreRefused() {
        QVERIFY(port_->setBaudRate(9600));
        QVERIFY(port_->setBaudRate(921600));
        QVERIFY(!port_->setBaudRate(12345));
        QVERIFY(!port_->setBaudRate(0));
    }

    // The simulated controller behind a pseudo-terminal answers only at its own speed.
    void simulatedControllerAnswersOnlyAtItsSpeed() {
        Sim::SimConfig config;
        config.identity.baudRate = 115200;
        config.identity.maxBaudRate = 921600;
        auto controller = std::make_shared<Sim::MotorController>(config);
        Sim::PtyServer server(controller);
        std::string error;
        QVERIFY2(server.start(&error), error.c_str());
        const JexConverserEtal etal =
            SerialJexDeviceFactory(settings_, token_).create(server.slavePath());
        etal.serialPort->open();
        QVERIFY(etal.serialPort->isOpen());

        QVERIFY(etal.serialPort->setBaudRate(9600));
        QCOMPARE(etal.device->readAxisStatus(0).type, CmdRetType::Timeout);
        QVERIFY(etal.serialPort->setBaudRate(115200));
        QCOMPARE(etal.device->readAxisStatus(0).type, CmdRetType::Ok);

        // Acknowledged at the old speed, then only the new one works.
        QCOMPARE(etal.device->setBaudRate(0, 921600), CmdRetType::Ok);
        QCOMPARE(etal.device->readAxisStatus(0).type, CmdRetType::Timeout);
        QVERIFY(etal.serialPort->setBaudRate(921600));
        QCOMPARE(etal.device->readAxisStatus(0).type, CmdRetType::Ok);
        QCOMPARE(controller->baudRate(), 921600u);
    }

    void factoryRecordCarriesTheUnopenedPort() {
        SerialJexDeviceFactory factory(settings_, token_);
        const JexConverserEtal etal = factory.create(line_->path());
        QCOMPARE(etal.endpoint, line_->path());
        QVERIFY(etal.serialPort);
        QVERIFY(!etal.serialPort->isOpen());
        port_.reset();
        converser_.reset();
        etal.serialPort->open();
        QVERIFY(etal.serialPort->isOpen());
        auto result =
            std::async(std::launch::async, [&] { return etal.device->readAxisStatus(0); });
        QCOMPARE(line_->readUntil(":f1\r", 1000ms), QByteArray(":f1\r"));
        line_->write("=111\r");
        const auto status = result.get();
        QCOMPARE(status.type, CmdRetType::Ok);
        QCOMPARE(status.get().motion, 1u);
    }
};

QTEST_GUILESS_MAIN(TestSerial)
#include "test_serial.moc"
