#include "ConnectionSettings.h"
#include "QtKVStore.h"
#include "SettingsFile.h"

#include <QFile>
#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <climits>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <pty.h>
#include <unistd.h>

using namespace JEX;
using Type = ConnectionType_::E;
using Dual = DualModeChoice_::E;

namespace {

// The real store, with a record of the keys written through it.
class RecordingStore : public IKVStore {
public:
    explicit RecordingStore(std::shared_ptr<IKVStore> inner) : inner_(std::move(inner)) {}

    QStringList writes() const {
        std::lock_guard lock(mutex_);
        return writes_;
    }

    QJsonObject getAll() const override { return inner_->getAll(); }
    void setAll(const QJsonObject& all) override {
        note("*");
        inner_->setAll(all);
    }
    std::string getString(std::string_view key, const std::string& d) const override {
        return inner_->getString(key, d);
    }
    bool getBool(std::string_view key, bool d) const override { return inner_->getBool(key, d); }
    int32_t getInt(std::string_view key, int32_t d) const override {
        return inner_->getInt(key, d);
    }
    double getDouble(std::string_view key, double d) const override {
        return inner_->getDouble(key, d);
    }
    void setString(std::string_view key, const std::string& v) override {
        note(key);
        inner_->setString(key, v);
    }
    void setBool(std::string_view key, bool v) override {
        note(key);
        inner_->setBool(key, v);
    }
    void setInt(std::string_view key, int32_t v) override {
        note(key);
        inner_->setInt(key, v);
    }
    void setDouble(std::string_view key, double v) override {
        note(key);
        inner_->setDouble(key, v);
    }
    bool contains(std::string_view key) const override { return inner_->contains(key); }
    void remove(std::string_view key) override {
        note(key);
        inner_->remove(key);
    }

private:
    void note(std::string_view key) {
        std::lock_guard lock(mutex_);
        writes_ << QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    }

    std::shared_ptr<IKVStore> inner_;
    mutable std::mutex mutex_;
    QStringList writes_;
};

} // namespace

class TestConnectionSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::SettingsFile> file_;
    std::shared_ptr<RecordingStore> store_;
    QStringList ports_;

    QString settingsPath() const { return file_->path(); }
    void writeSettings(const QByteArray& json) { QVERIFY(file_->write(json)); }
    QJsonObject savedSettings() const { return file_->readObject(); }

    // A store and settings object on what the file holds now.
    std::unique_ptr<ConnectionSettings> open() {
        store_ = std::make_shared<RecordingStore>(file_->openStore());
        return std::make_unique<ConnectionSettings>(store_, [this] { return ports_; });
    }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        QVERIFY(file_->isValid());
        ports_.clear();
    }

    void freshFileGivesTheDefaults() {
        auto settings = open();
        QCOMPARE(settings->type(), Type::UDP);
        QCOMPARE(settings->searchIP(), true);
        QCOMPARE(settings->fixedIP(), std::string("192.168.4.1"));
        QCOMPARE(settings->readTimeoutMs_other(), 200);
        QCOMPARE(settings->maxRetryCount(), 2);
        QCOMPARE(settings->replyTimeoutMs(), 200);
        QCOMPARE(settings->dualModeChoice(), Dual::PromptMode);
        QCOMPARE(settings->connectAtLaunch(), false);
        QCOMPARE(settings->serialPortName(), std::string());
        QCOMPARE(settings->maxUpgradeBaud(), 115200);
        QCOMPARE(settings->discoveryTimeoutMs_BLE(), 500);
        QCOMPARE(settings->readTimeoutMs_BLE(), 1000);
        QCOMPARE(settings->serialPortSupported(), true);
        QCOMPARE(settings->serialPortNeedsPortName(), true);
        QCOMPARE(settings->bleSupported(), false);
        QCOMPARE(settings->foundSerialPorts(), QStringList());
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        QCOMPARE(store_->writes(), QStringList());
        QVERIFY2(!QFileInfo::exists(settingsPath()), "reading must not write");
    }

    // Each property through its QML name: one write under its key and one signal; the
    // same value again writes and signals nothing; a new store reads it back.
    void propertiesPersistUnderTheirKeys_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QJsonValue>("stored");

        QTest::newRow("dualModeChoice") << QByteArray("dualModeChoice") << "connect_multi_mountmode"
                                        << QVariant::fromValue(Dual::UseAZ) << QJsonValue(2);
        QTest::newRow("connectAtLaunch") << QByteArray("connectAtLaunch") << "connect_at_start"
                                         << QVariant(true) << QJsonValue(true);
        QTest::newRow("type") << QByteArray("type") << "cxn.commtype"
                              << QVariant::fromValue(Type::Serial) << QJsonValue(2);
        QTest::newRow("reply time-out under cxn.resends")
            << QByteArray("readTimeoutMs_other") << "cxn.resends" << QVariant(350)
            << QJsonValue(350);
        QTest::newRow("resend count under cxn.timeoutms")
            << QByteArray("maxRetryCount") << "cxn.timeoutms" << QVariant(5) << QJsonValue(5);
        QTest::newRow("searchIP") << QByteArray("searchIP") << "cxn.dosearch" << QVariant(false)
                                  << QJsonValue(false);
        QTest::newRow("fixedIP") << QByteArray("fixedIP") << "cxn.ip" << QVariant("127.0.0.1")
                                 << QJsonValue("127.0.0.1");
        QTest::newRow("serialPortName") << QByteArray("serialPortName") << "cxn.serialname"
                                        << QVariant(QStringLiteral("/dev/serial/by-id/usb-Zähler"))
                                        << QJsonValue("/dev/serial/by-id/usb-Zähler");
        QTest::newRow("maxUpgradeBaud") << QByteArray("maxUpgradeBaud") << "cxn.max_upgrade_baud"
                                        << QVariant(460800) << QJsonValue(460800);
        QTest::newRow("discoveryTimeoutMs_BLE")
            << QByteArray("discoveryTimeoutMs_BLE") << "cxn.discoverytimeoutms_ble" << QVariant(750)
            << QJsonValue(750);
        QTest::newRow("readTimeoutMs_BLE") << QByteArray("readTimeoutMs_BLE") << "cxn.timeoutms_ble"
                                           << QVariant(1500) << QJsonValue(1500);
    }

    void propertiesPersistUnderTheirKeys() {
        QFETCH(QByteArray, property);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QJsonValue, stored);
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);

        QVERIFY(settings->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store_->writes(), QStringList{key});
        QCOMPARE(savedSettings(), (QJsonObject{{key, stored}}));
        QCOMPARE(settings->property(property), value);

        QVERIFY(settings->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store_->writes(), QStringList{key});

        auto reopened = open();
        QCOMPARE(reopened->property(property), value);
    }

    void storedValuesAsRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("negative reply time-out")
            << QByteArray(R"({"cxn.resends": -300})") << QByteArray("readTimeoutMs_other")
            << QVariant(300);
        QTest::newRow("negative resend count")
            << QByteArray(R"({"cxn.timeoutms": -4})") << QByteArray("maxRetryCount") << QVariant(4);
        QTest::newRow("lowest int") << QByteArray(R"({"cxn.resends": -2147483648})")
                                    << QByteArray("readTimeoutMs_other") << QVariant(INT_MAX);
        QTest::newRow("negative BLE discovery")
            << QByteArray(R"({"cxn.discoverytimeoutms_ble": -700})")
            << QByteArray("discoveryTimeoutMs_BLE") << QVariant(700);
        QTest::newRow("negative BLE time-out") << QByteArray(R"({"cxn.timeoutms_ble": -1500})")
                                               << QByteArray("readTimeoutMs_BLE") << QVariant(1500);
        QTest::newRow("baud is not made positive")
            << QByteArray(R"({"cxn.max_upgrade_baud": -9600})") << QByteArray("maxUpgradeBaud")
            << QVariant(-9600);
        QTest::newRow("type Emulator") << QByteArray(R"({"cxn.commtype": 1})") << QByteArray("type")
                                       << QVariant::fromValue(Type::Emulator);
        QTest::newRow("type Serial") << QByteArray(R"({"cxn.commtype": 2})") << QByteArray("type")
                                     << QVariant::fromValue(Type::Serial);
        QTest::newRow("type BLE reads UDP") << QByteArray(R"({"cxn.commtype": 3})")
                                            << QByteArray("type") << QVariant::fromValue(Type::UDP);
        QTest::newRow("type 7 reads UDP") << QByteArray(R"({"cxn.commtype": 7})")
                                          << QByteArray("type") << QVariant::fromValue(Type::UDP);
        QTest::newRow("type -1 reads UDP") << QByteArray(R"({"cxn.commtype": -1})")
                                           << QByteArray("type") << QVariant::fromValue(Type::UDP);
        QTest::newRow("mode choice UseEQ")
            << QByteArray(R"({"connect_multi_mountmode": 1})") << QByteArray("dualModeChoice")
            << QVariant::fromValue(Dual::UseEQ);
        QTest::newRow("mode choice 9")
            << QByteArray(R"({"connect_multi_mountmode": 9})") << QByteArray("dualModeChoice")
            << QVariant::fromValue(Dual::PromptMode);
        QTest::newRow("address of wrong type")
            << QByteArray(R"({"cxn.ip": 5})") << QByteArray("fixedIP") << QVariant("192.168.4.1");
        QTest::newRow("search as text") << QByteArray(R"({"cxn.dosearch": "false"})")
                                        << QByteArray("searchIP") << QVariant(true);
        QTest::newRow("time-out as text") << QByteArray(R"({"cxn.resends": "300"})")
                                          << QByteArray("readTimeoutMs_other") << QVariant(200);
        QTest::newRow("time-out with fraction")
            << QByteArray(R"({"cxn.resends": 2.5})") << QByteArray("readTimeoutMs_other")
            << QVariant(200);
        QTest::newRow("file is an array") << QByteArray(R"([{"cxn.ip": "10.0.0.9"}])")
                                          << QByteArray("fixedIP") << QVariant("192.168.4.1");
    }

    void storedValuesAsRead() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        writeSettings(file);
        auto settings = open();
        const QVariant actual = settings->property(property);
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("%1 from %2: got %3, want %4")
                                .arg(QString::fromLatin1(property), QString::fromUtf8(file),
                                     actual.toString(), expected.toString())));
    }

    void absoluteReadsCompareRawValuesOnWrite() {
        writeSettings(R"({"cxn.resends": -300})");
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        QCOMPARE(settings->readTimeoutMs_other(), 300);

        settings->setReadTimeoutMs_other(-300);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(store_->writes(), QStringList());

        settings->setReadTimeoutMs_other(300);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(savedSettings().value("cxn.resends").toInt(), 300);
        QCOMPARE(settings->readTimeoutMs_other(), 300);
    }

    void typeWriteComparesTheStoredValue() {
        writeSettings(R"({"cxn.commtype": 3})");
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        QCOMPARE(settings->type(), Type::UDP);
        QCOMPARE(settings->replyTimeoutMs(), 200);
        settings->setType(Type::UDP);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(savedSettings().value("cxn.commtype").toInt(), 0);
    }

    void unchangedSerialPortNameWritesNothing() {
        writeSettings(R"({"cxn.serialname": "/dev/ttyUSB0"})");
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        settings->setSerialPortName("/dev/ttyUSB0");
        settings->setSerialPortName_q(QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(store_->writes(), QStringList());
    }

    void valuesAreCachedAfterTheFirstRead() {
        auto settings = open();
        QCOMPARE(settings->fixedIP(), std::string("192.168.4.1"));
        store_->setString("cxn.ip", "10.1.1.1");
        QCOMPARE(settings->fixedIP(), std::string("192.168.4.1"));
        settings->setFixedIP("10.1.1.1"); // differs from the cache, so it is written
        QCOMPARE(store_->writes(), (QStringList{"cxn.ip", "cxn.ip"}));
    }

    void foundPortsIndexMatchesExactly() {
        ports_ = {"/dev/ttyUSB0", "/dev/ttyACM0", QStringLiteral("/dev/serial/by-id/Zähler")};
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        settings->setSerialPortName("/dev/ttyACM0");
        QCOMPARE(settings->foundSerialPortsIndex(), -1); // nothing detected yet

        settings->detectSerialPorts();
        QCOMPARE(settings->foundSerialPorts(), ports_);
        QCOMPARE(settings->foundSerialPortsIndex(), 1);
        settings->setSerialPortName("/dev/ttyacm0");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        settings->setSerialPortName("/dev/ttyACM");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        settings->setSerialPortName("/dev/serial/by-id/Z\xc3\xa4hler");
        QCOMPARE(settings->foundSerialPortsIndex(), 2);
        settings->setSerialPortName("");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        QCOMPARE(changed.count(), 6);
    }

    void foundPortsIndexWrites() {
        ports_ = {"/dev/ttyUSB0", QStringLiteral("/dev/serial/by-id/Zähler")};
        auto settings = open();
        settings->detectSerialPorts();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);

        settings->setFoundSerialPortsIndex(-1);
        settings->setFoundSerialPortsIndex(2);
        settings->setFoundSerialPortsIndex(INT_MIN);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(store_->writes(), QStringList());
        QCOMPARE(settings->serialPortName(), std::string());

        QVERIFY(settings->setProperty("foundSerialPortsIndex", 1));
        QCOMPARE(settings->serialPortName(), std::string("/dev/serial/by-id/Z\xc3\xa4hler"));
        QCOMPARE(savedSettings().value("cxn.serialname").toString(),
                 QStringLiteral("/dev/serial/by-id/Zähler"));
        QCOMPARE(changed.count(), 1);
        settings->setFoundSerialPortsIndex(1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(settings->foundSerialPortsIndex(), 1);
    }

    void detectionSignalsEveryTime() {
        ports_ = {"/dev/ttyUSB0"};
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        settings->detectSerialPorts();
        settings->detectSerialPorts();
        QCOMPARE(changed.count(), 2);
        ports_.clear();
        QVERIFY(QMetaObject::invokeMethod(settings.get(), "detectSerialPorts"));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(settings->foundSerialPorts(), QStringList());
    }

    void detectsTheSystemPortsWithAPseudoTerminalPresent() {
        int master = -1;
        int slave = -1;
        char slaveName[256] = {};
        QVERIFY2(openpty(&master, &slave, slaveName, nullptr, nullptr) == 0, strerror(errno));
        ConnectionSettings settings(nullptr);
        QSignalSpy changed(&settings, &IConnectionSettings::valueChanged);
        settings.detectSerialPorts();
        const QStringList found = settings.foundSerialPorts();
        close(slave);
        close(master);
        QCOMPARE(changed.count(), 1);

        QStringList expected;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            expected << info.systemLocation();
        qInfo("pseudo-terminal %s; ports found: %s", slaveName, qPrintable(found.join(", ")));
        QCOMPARE(found, expected);
        for (const QString& port : found)
            QVERIFY2(port.startsWith("/dev/"), qPrintable(port));
    }

    void withoutAStoreValuesLiveInMemory() {
        ConnectionSettings settings(nullptr, [] { return QStringList{"/dev/ttyS0"}; });
        QSignalSpy changed(&settings, &IConnectionSettings::valueChanged);
        QCOMPARE(settings.fixedIP(), std::string("192.168.4.1"));
        settings.setFixedIP("127.0.0.1");
        settings.setFixedIP("127.0.0.1");
        QCOMPARE(settings.fixedIP(), std::string("127.0.0.1"));
        settings.detectSerialPorts();
        settings.setFoundSerialPortsIndex(0);
        QCOMPARE(settings.serialPortName(), std::string("/dev/ttyS0"));
        QCOMPARE(changed.count(), 3);
        QVERIFY(!QFileInfo::exists(settingsPath()));
    }

    // Connect threads read while the GUI thread writes; the first reads fill the caches.
    void backgroundReadersWhileTheGuiThreadWrites() {
        writeSettings(R"({"cxn.ip": "127.0.0.1", "cxn.serialname": "/dev/ttyUSB0"})");
        ports_ = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
        auto settings = open();
        std::atomic<bool> stop{false};
        std::atomic<int> badReads{0};
        std::vector<std::thread> readers;
        for (int t = 0; t < 3; ++t) {
            readers.emplace_back([&settings, &stop, &badReads] {
                do {
                    const std::string ip = settings->fixedIP();
                    if (ip != "127.0.0.1" && ip != "127.0.0.2")
                        ++badReads;
                    const int timeout = settings->replyTimeoutMs();
                    if (timeout != 200 && timeout != 250)
                        ++badReads;
                    (void)settings->maxRetryCount();
                    (void)settings->serialPortName();
                    (void)settings->foundSerialPortsIndex();
                    (void)settings->foundSerialPorts();
                } while (!stop.load());
            });
        }
        for (int i = 0; i < 40; ++i) {
            settings->setFixedIP(i % 2 ? "127.0.0.2" : "127.0.0.1");
            settings->setReadTimeoutMs_other(i % 2 ? 250 : 200);
            settings->detectSerialPorts();
            settings->setFoundSerialPortsIndex(i % 2);
        }
        stop = true;
        for (auto& reader : readers)
            reader.join();
        QCOMPARE(badReads.load(), 0);
        QCOMPARE(savedSettings().value("cxn.ip").toString(), QStringLiteral("127.0.0.2"));
        QCOMPARE(savedSettings().value("cxn.serialname").toString(),
                 QStringLiteral("/dev/ttyUSB1"));
    }
};

QTEST_GUILESS_MAIN(TestConnectionSettings)
#include "test_connection_settings.moc"
