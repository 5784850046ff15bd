// The connection settings over a settings store, with serial ports from an injected list.

#include "ConnectionSettings.h"
#include "MemoryKVStore.h"
#include "SettingsFile.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <climits>
#include <memory>
#include <thread>
#include <vector>

using namespace JEX;
using Type = ConnectionType_::E;
using Dual = DualModeChoice_::E;

class TestConnectionSettings : public QObject {
    Q_OBJECT

    std::shared_ptr<Test::MemoryKVStore> store_;
    QStringList ports_;

    // A settings object on what the store holds now, with an empty cache.
    std::unique_ptr<ConnectionSettings> open() {
        return std::make_unique<ConnectionSettings>(store_, [this] { return ports_; });
    }
    QStringList writes() const {
        QStringList keys;
        for (const std::string& key : store_->writtenKeys)
            keys << QString::fromStdString(key);
        return keys;
    }

private slots:
    void init() {
        store_ = std::make_shared<Test::MemoryKVStore>();
        ports_.clear();
    }

    // Properties through their QML names, under the swapped keys existing settings files use:
    // the reply time-out lives under "cxn.resends", the resend count under "cxn.timeoutms".
    // Writing stores under the key and signals once; the same value again writes and signals
    // nothing; a new object reads it back.
    void keys_data() {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("readTimeoutMs_other")
            << QByteArray("readTimeoutMs_other") << "cxn.resends" << 350;
        QTest::newRow("maxRetryCount") << QByteArray("maxRetryCount") << "cxn.timeoutms" << 5;
    }

    void keys() {
        QFETCH(QByteArray, property);
        QFETCH(QString, key);
        QFETCH(int, value);
        auto settings = open();
        QVERIFY(settings->property(property).isValid());
        QVERIFY2(writes().isEmpty() && store_->getAll().isEmpty(), "reading must not write");

        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        QVERIFY(settings->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store_->getAll(), (QJsonObject{{key, value}}));
        QCOMPARE(settings->property(property), QVariant(value));
        QVERIFY(settings->setProperty(property, value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(writes(), QStringList{key});
        QCOMPARE(open()->property(property), QVariant(value));
    }

    void storedValuesAsRead_data() {
        QTest::addColumn<QJsonObject>("stored");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char* name, const char* key, QJsonValue value,
                            const char* property, QVariant expected) {
            QTest::newRow(name) << QJsonObject{{key, value}} << QByteArray(property) << expected;
        };
        row("negative reply time-out", "cxn.resends", -300, "readTimeoutMs_other", 300);
        row("negative resend count", "cxn.timeoutms", -4, "maxRetryCount", 4);
        row("lowest int", "cxn.resends", INT_MIN, "readTimeoutMs_other", 60000);
        row("no time-out would wait for ever", "cxn.resends", 0, "readTimeoutMs_other", 10);
        row("resends beyond 20", "cxn.timeoutms", 2147483647, "maxRetryCount", 20);
        row("negative BLE discovery", "cxn.discoverytimeoutms_ble", -700, "discoveryTimeoutMs_BLE",
            700);
        row("negative BLE time-out", "cxn.timeoutms_ble", -1500, "readTimeoutMs_BLE", 1500);
        row("baud is not made positive", "cxn.max_upgrade_baud", -9600, "maxUpgradeBaud", -9600);
        row("type Emulator", "cxn.commtype", 1, "type", QVariant::fromValue(Type::Emulator));
        row("type Serial", "cxn.commtype", 2, "type", QVariant::fromValue(Type::Serial));
        row("type BLE reads UDP", "cxn.commtype", 3, "type", QVariant::fromValue(Type::UDP));
        row("type 7 reads UDP", "cxn.commtype", 7, "type", QVariant::fromValue(Type::UDP));
        row("mode choice UseEQ", "connect_multi_mountmode", 1, "dualModeChoice",
            QVariant::fromValue(Dual::UseEQ));
        row("mode choice 9", "connect_multi_mountmode", 9, "dualModeChoice",
            QVariant::fromValue(Dual::PromptMode));
        row("address of wrong type", "cxn.ip", 5, "fixedIP", "192.168.4.1");
        row("search as text", "cxn.dosearch", "false", "searchIP", true);
        row("time-out with fraction", "cxn.resends", 2.5, "readTimeoutMs_other", 200);
    }

    void storedValuesAsRead() {
        QFETCH(QJsonObject, stored);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        store_->setAll(stored);
        QCOMPARE(open()->property(property), expected);
    }

    // A negative time-out reads as its size and BLE reads as UDP, but writes compare against
    // the raw stored value.
    void writesCompareTheRawStoredValue() {
        store_->setAll({{"cxn.resends", -300}, {"cxn.commtype", 3}});
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        settings->setReadTimeoutMs_other(-300);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(writes(), QStringList());
        QCOMPARE(settings->type(), Type::UDP);
        QCOMPARE(settings->replyTimeoutMs(), 300);

        settings->setReadTimeoutMs_other(300);
        settings->setType(Type::UDP);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(store_->getInt("cxn.resends", 0), 300);
        QCOMPARE(store_->getInt("cxn.commtype", -1), 0);
    }

    void valuesAreCachedAfterTheFirstRead() {
        auto settings = open();
        QCOMPARE(settings->fixedIP(), std::string("192.168.4.1"));
        store_->setString("cxn.ip", "10.1.1.1");
        QCOMPARE(settings->fixedIP(), std::string("192.168.4.1"));
        settings->setFixedIP("10.1.1.1"); // differs from the cache, so it is written
        QCOMPARE(writes(), (QStringList{"cxn.ip", "cxn.ip"}));
    }

    // Every detection replaces the list and signals, changed or not; the stored name picks its
    // entry only when it matches exactly, and picking an entry stores its name.
    void detectedPortsAndTheIndex() {
        ports_ = {"/dev/ttyUSB0", "/dev/ttyACM0", QStringLiteral("/dev/serial/by-id/Zähler")};
        auto settings = open();
        QSignalSpy changed(settings.get(), &IConnectionSettings::valueChanged);
        settings->setSerialPortName("/dev/ttyACM0");
        QCOMPARE(settings->foundSerialPortsIndex(), -1); // nothing detected yet
        QCOMPARE(settings->foundSerialPorts(), QStringList());

        settings->detectSerialPorts();
        settings->detectSerialPorts();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(settings->foundSerialPorts(), ports_);
        QCOMPARE(settings->foundSerialPortsIndex(), 1);
        for (int outOfRange : {-1, 3, INT_MIN})
            settings->setFoundSerialPortsIndex(outOfRange);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(writes(), QStringList{"cxn.serialname"});

        QVERIFY(settings->setProperty("foundSerialPortsIndex", 2));
        settings->setFoundSerialPortsIndex(2);
        QCOMPARE(store_->getString("cxn.serialname", ""),
                 std::string("/dev/serial/by-id/Z\xc3\xa4hler"));
        QCOMPARE(settings->foundSerialPortsIndex(), 2);
        QCOMPARE(changed.count(), 4);
        settings->setSerialPortName("/dev/ttyacm0");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        settings->setSerialPortName("/dev/ttyACM");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        settings->setSerialPortName("");
        QCOMPARE(settings->foundSerialPortsIndex(), -1);
        QCOMPARE(changed.count(), 7);

        ports_.clear();
        QVERIFY(QMetaObject::invokeMethod(settings.get(), "detectSerialPorts"));
        QCOMPARE(changed.count(), 8);
        QCOMPARE(settings->foundSerialPorts(), QStringList());
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
    }

    // Connect threads read while the GUI thread writes; the first reads fill the caches. On
    // the real store, which is made for that.
    void backgroundReadersWhileTheGuiThreadWrites() {
        Test::SettingsFile file;
        QVERIFY(file.write(R"({"cxn.ip": "127.0.0.1", "cxn.serialname": "/dev/ttyUSB0"})"));
        ports_ = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
        ConnectionSettings settings(file.openStore(), [this] { return ports_; });
        std::atomic<bool> stop{false};
        std::atomic<int> badReads{0};
        {
            std::vector<std::jthread> readers;
            for (int t = 0; t < 3; ++t)
                readers.emplace_back([&] {
                    do {
                        const std::string ip = settings.fixedIP();
                        const int timeout = settings.replyTimeoutMs();
                        if ((ip != "127.0.0.1" && ip != "127.0.0.2") ||
                            (timeout != 200 && timeout != 250))
                            ++badReads;
                        (void)settings.maxRetryCount();
                        (void)settings.foundSerialPortsIndex();
                        (void)settings.foundSerialPorts();
                    } while (!stop.load());
                });
            for (int i = 0; i < 10; ++i) {
                settings.setFixedIP(i % 2 ? "127.0.0.2" : "127.0.0.1");
                settings.setReadTimeoutMs_other(i % 2 ? 250 : 200);
                settings.detectSerialPorts();
                settings.setFoundSerialPortsIndex(i % 2);
            }
            stop = true;
        }
        QCOMPARE(badReads.load(), 0);
        QCOMPARE(file.readObject().value("cxn.ip").toString(), QStringLiteral("127.0.0.2"));
        QCOMPARE(file.readObject().value("cxn.serialname").toString(),
                 QStringLiteral("/dev/ttyUSB1"));
    }
};

QTEST_GUILESS_MAIN(TestConnectionSettings)
#include "test_connection_settings.moc"
