// The serial connectable helper against the simulated controller behind a pseudo-terminal,
// which answers only at its own speed and changes speed after acknowledging the baud
// command: finding the speed, raising it within the allowed maximum, and the failures.

#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "HelperProbe.h"
#include "IJexDevice.h"
#include "LaunchSession.h"
#include "Location.h"
#include "MemoryKVStore.h"
#include "PosixSerialPort.h"
#include "PtyServer.h"
#include "Reconnector.h"
#include "SerialConnectableHelper.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOFactory.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"
#include "Wire.h"

#include <algorithm>
#include <filesystem>

#include <QTemporaryDir>
#include <QTest>

using namespace JEX;
using JEX::Test::requestsOf;
using Status = IConnectableHelper::Status;

constexpr int WaitMs = 30000; // costs time only when something fails

class TestSerialConnect : public QObject {
    Q_OBJECT

    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<Sim::MotorController> controller_;
    std::unique_ptr<Sim::PtyServer> server_;
    std::shared_ptr<SerialConnectableHelper> helper_;
    Test::HelperProbe probe_;

    static Sim::SimConfig configAt(uint32_t baud, uint32_t maxBaud) {
        Sim::SimConfig config;
        config.identity = *Sim::presetIdentity("3.10-08");
        config.identity.baudRate = baud;
        config.identity.maxBaudRate = maxBaud;
        return config;
    }
    void startController(uint32_t baud, uint32_t maxBaud) {
        controller_ = std::make_shared<Sim::MotorController>(configAt(baud, maxBaud));
        server_ = std::make_unique<Sim::PtyServer>(controller_);
        std::string error;
        QVERIFY2(server_->start(&error), error.c_str());
        settings_->setSerialPortName(server_->slavePath());
    }

    // The adapter comes back as another device (a new pseudo-terminal, made before the old one
    // goes so that it cannot take the old name) and the link is pointed at it.
    void moveTheAdapter(const std::filesystem::path& link) {
        auto controller = std::make_shared<Sim::MotorController>(configAt(115200, 115200));
        auto server = std::make_unique<Sim::PtyServer>(controller);
        std::string error;
        QVERIFY2(server->start(&error), error.c_str());
        server_ = std::move(server);
        controller_ = std::move(controller);
        std::filesystem::remove(link);
        std::filesystem::create_symlink(server_->slavePath(), link);
    }

    // Waits for the one report that ends a failed connect.
    void expectFailure(const char* detail) {
        QTRY_COMPARE_WITH_TIMEOUT(probe_.lastKind(), int(Status::Failed), WaitMs);
        QCOMPARE(probe_.kinds(), QList<int>({Status::Connecting, Status::Failed}));
        QCOMPARE(probe_.lastDetail(), std::string(detail));
        QCOMPARE(probe_.links().size(), size_t(0));
    }

private slots:
    void init() {
        // Short replies keep the unanswered probes quick; one resend as on a real line.
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        settings_->setReadTimeoutMs_other(100);
        settings_->setMaxRetryCount(1);
        helper_ = std::make_shared<SerialConnectableHelper>(
            settings_, std::make_shared<SerialJexDeviceFactory>(
                           settings_, std::make_shared<NullCancellable>()));
        probe_ = Test::HelperProbe();
        probe_.attach(*helper_);
        // Serial links make no model check: a filter that takes nothing changes nothing.
        helper_->setDeviceFilter([](uint8_t) { return false; });
    }
    void cleanup() {
        QTRY_VERIFY_WITH_TIMEOUT(helper_.use_count() == 1, WaitMs);
        helper_.reset();
        server_.reset();
        controller_.reset();
    }

    void findsTheSpeedAndRaisesIt_data() {
        QTest::addColumn<int>("controllerBaud");
        QTest::addColumn<int>("controllerMax");
        QTest::addColumn<int>("maxUpgradeBaud");
        QTest::addColumn<int>("finalBaud");
        QTest::addColumn<QByteArrayList>("baudCommands");

        // Once the controller has taken the first axis's command it listens at the new
        // speed, so the second axis's command, still sent at the old one, goes unheard and
        // is sent again (the repeat is not listed).
        const QByteArray to921600 = ":W10D0024\r", to921600Second = ":W20D0024\r";
        const QByteArray to115200 = ":W10D8004\r", to115200Second = ":W20D8004\r";
        QTest::newRow("115200, default limit: stays")
            << 115200 << 921600 << 115200 << 115200 << QByteArrayList{};
        QTest::newRow("9600, default limit: raised to 115200")
            << 9600 << 115200 << 115200 << 115200 << QByteArrayList{to115200, to115200Second};
        QTest::newRow("9600, limit 921600, controller takes 115200")
            << 9600 << 115200 << 921600 << 115200
            << QByteArrayList{to921600, to921600Second, to115200, to115200Second};
        QTest::newRow("115200, limit 921600, controller takes it")
            << 115200 << 921600 << 921600 << 921600 << QByteArrayList{to921600, to921600Second};
        QTest::newRow("9600, controller refuses every raise")
            << 9600 << 9600 << 921600 << 9600
            << QByteArrayList{to921600, to921600Second, to115200, to115200Second};
        QTest::newRow("9600, limit 9600: no raise")
            << 9600 << 921600 << 9600 << 9600 << QByteArrayList{};
    }
    void findsTheSpeedAndRaisesIt() {
        QFETCH(int, controllerBaud);
        QFETCH(int, controllerMax);
        QFETCH(int, maxUpgradeBaud);
        QFETCH(int, finalBaud);
        QFETCH(QByteArrayList, baudCommands);
        startController(uint32_t(controllerBaud), uint32_t(controllerMax));
        settings_->setMaxUpgradeBaud(maxUpgradeBaud);

        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        QCOMPARE(probe_.kinds(), QList<int>({Status::Connecting}));
        QCOMPARE(controller_->baudRate(), uint32_t(finalBaud));
        QVERIFY(!helper_->devicesList().isValid());

        // The probe asks for the first axis's status. The speed commands in the order the
        // controller heard them, a resend (a reply that came late on a busy machine) counted
        // once: how many go out depends on timing, which comes after which does not.
        QCOMPARE(requestsOf(*controller_->transcript(), 'f').first(), QByteArray(":f1\r"));
        QByteArrayList heard = requestsOf(*controller_->transcript(), 'W');
        heard.erase(std::unique(heard.begin(), heard.end()), heard.end());
        QCOMPARE(heard, baudCommands);

        // The console's end of the line runs at the controller's final speed.
        const JexConverserEtal link = probe_.links().front();
        QVERIFY(link.serialPort);
        QCOMPARE(link.endpoint, server_->slavePath());
        const CmdResp<Firmware> firmware = link.device->readFirmware(0);
        QVERIFY2(firmware.ok(), qPrintable(QString::number(int(firmware.type))));
        QCOMPARE(firmware.get().text(), std::string("3.10.08"));
    }

    void portThatCannotBeOpened_data() {
        QTest::addColumn<QString>("port");
        QTest::newRow("empty name") << "";
        QTest::newRow("no such port") << "/dev/velmora-no-such-port";
        QTest::newRow("not a terminal") << "/dev/null";
        QTest::newRow("in use") << "in use";
    }
    void portThatCannotBeOpened() {
        QFETCH(QString, port);
        std::unique_ptr<PosixSerialPort> other;
        if (port == "in use") {
            startController(115200, 115200);
            other = std::make_unique<PosixSerialPort>(server_->slavePath());
            other->open();
            QVERIFY(other->isOpen());
        } else {
            settings_->setSerialPortName(port.toStdString());
        }
        helper_->startConnect();
        expectFailure("Cannot open serial port");
    }

    void silentControllerIsACommunicationError() {
        startController(115200, 115200);
        controller_->setSilent(true);
        helper_->startConnect();
        expectFailure("Communication error");
        // Asked at both probe speeds, each with its resend.
        QCOMPARE(requestsOf(*controller_->transcript(), 'f').size(), 4);
    }

    // The adapter goes and comes back under another device node: the link opens again
    // through the name that followed it, the link the port was configured as or the adapter's
    // stable name found when it first connected.
    void reopensThePortWhereverItWent_data() {
        QTest::addColumn<bool>("stableName");
        QTest::newRow("port named by a link") << false;
        QTest::newRow("adapter's stable name") << true;
    }
    void reopensThePortWhereverItWent() {
        QFETCH(bool, stableName);
        namespace fs = std::filesystem;
        QTemporaryDir dir;
        const fs::path byId = fs::path(dir.path().toStdString()) / "by-id";
        fs::create_directory(byId);
        const fs::path link =
            stableName ? byId / "usb-Velmora_Tracker-if00" : byId.parent_path() / "ttyMOUNT";
        helper_ = std::make_shared<SerialConnectableHelper>(
            settings_,
            std::make_shared<SerialJexDeviceFactory>(settings_,
                                                     std::make_shared<NullCancellable>()),
            byId.string());
        probe_ = Test::HelperProbe();
        probe_.attach(*helper_);
        startController(115200, 115200);
        fs::create_symlink(server_->slavePath(), link);
        if (!stableName)
            settings_->setSerialPortName(link.string());
        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        const std::string endpoint = probe_.links().front().endpoint;

        moveTheAdapter(link);
        helper_->reopen(endpoint);
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(2), WaitMs);
        QCOMPARE(probe_.links().back().endpoint, link.string());
        QVERIFY(probe_.links().back().device->readFirmware(0).ok());
        QVERIFY(!requestsOf(*controller_->transcript(), 'f').isEmpty());
    }

    // The whole session over a serial line named by a link: connected at launch, then the
    // adapter comes back as another device and the link is pointed at it; the console finds
    // the mount there by itself.
    void sessionAtLaunchOutlivesTheAdapter() {
        namespace fs = std::filesystem;
        QTemporaryDir dir;
        const fs::path link = fs::path(dir.path().toStdString()) / "ttyMOUNT";
        startController(115200, 115200);
        fs::create_symlink(server_->slavePath(), link);
        settings_->setSerialPortName(link.string());
        settings_->setType(ConnectionType_::E::Serial);
        settings_->setConnectAtLaunch(true);
        auto session = std::make_shared<TryConnectSession>();
        auto conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
        auto container = std::make_shared<TAVOContainer>();
        auto taskState = std::make_shared<TAVOTaskState>();
        auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        auto factory = std::make_shared<TAVOFactory>(
            std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(), taskState,
            std::make_shared<TAVOSettings>(std::make_shared<Test::MemoryKVStore>()), tc, tc,
            std::make_shared<Location>(nullptr));
        auto model = std::make_shared<TAVOConnectable>(
            TAVOConnectable::D{helper_, container, factory, session, conversers});
        auto connector = std::make_shared<TAVOConnector>(container, taskState);
        LaunchSession launch({settings_, model, connector, false});
        QStringList journal;
        Reconnector reconnector({model, connector, container, conversers, taskState,
                                 [&journal](const QString& line) { journal << line; },
                                 Reconnector::Timing{300, 200, 200, 800}});
        launch.start();
        QTRY_VERIFY_WITH_TIMEOUT(container->get(), WaitMs);
        // Stored when the connector's change reaches the launch session (queued).
        QTRY_COMPARE_WITH_TIMEOUT(settings_->lastMount(), link.string(), WaitMs);

        moveTheAdapter(link);
        QTRY_COMPARE_WITH_TIMEOUT(journal.size(), 2, WaitMs);
        QVERIFY(journal[1].startsWith("Reconnected after"));
        QVERIFY(container->get());
        QVERIFY(!requestsOf(*controller_->transcript(), 'e').isEmpty());
        container->set(nullptr);
        model.reset();
    }
};

QTEST_GUILESS_MAIN(TestSerialConnect)
#include "test_serial_connect.moc"
