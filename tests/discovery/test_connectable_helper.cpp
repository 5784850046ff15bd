// The composite helper: which helper each call reaches for each connection type, and whose
// reports its listeners hear.

#include "ConnectableHelper.h"
#include "ConnectionSettings.h"
#include "MemoryKVStore.h"

#include <QTest>

#include <memory>
#include <thread>

using namespace JEX;
using Status = IConnectableHelper::Status;

namespace {

// Writes every call it gets into a log shared by all helpers of one test.
class RecordingHelper : public IConnectableHelper {
public:
    RecordingHelper(QString name, std::shared_ptr<QStringList> calls)
        : name_(std::move(name)), calls_(std::move(calls)) {}

    QVariant devicesList() const override { return name_; }
    void startConnect() override { *calls_ << name_ + ".startConnect"; }
    void selectDevice(int index) override {
        *calls_ << name_ + ".selectDevice(" + QString::number(index) + ")";
    }
    void setDeviceFilter(DeviceFilter filter) override {
        *calls_ << name_ + ".setDeviceFilter(" + (filter && filter(8) ? "8 passes" : "") + ")";
    }
    void setOnConnected(OnConnected callback) override {
        *calls_ << name_ + ".setOnConnected(" + (callback ? "set" : "") + ")";
    }

private:
    QString name_;
    std::shared_ptr<QStringList> calls_;
};

} // namespace

class TestConnectableHelper : public QObject {
    Q_OBJECT

    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<QStringList> calls_;
    std::shared_ptr<RecordingHelper> udp_, emulator_, serial_, ble_;

    std::shared_ptr<RecordingHelper> make(const QString& name) {
        return std::make_shared<RecordingHelper>(name, calls_);
    }

private slots:
    void init() {
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        calls_ = std::make_shared<QStringList>();
        udp_ = make("udp");
        emulator_ = make("emulator");
        serial_ = make("serial");
        ble_ = make("ble");
    }

    // The type is read at each call, not when the composite is made; a forced type (the demo
    // mount of one run) wins over it.
    void callsReachTheHelperOfTheType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("forced"); // -1: none
        QTest::addColumn<bool>("withEmulator");
        QTest::addColumn<bool>("withBle");
        QTest::addColumn<QString>("helper");
        const auto row = [](const char* name, ConnectionType_::E type, int forced,
                            bool withEmulator, bool withBle, const char* helper) {
            QTest::newRow(name) << int(type) << forced << withEmulator << withBle
                                << QString(helper);
        };
        using T = ConnectionType_::E;
        row("UDP", T::UDP, -1, false, false, "udp");
        row("serial", T::Serial, -1, false, false, "serial");
        row("emulator without a helper", T::Emulator, -1, false, false, "udp");
        row("emulator with a helper", T::Emulator, -1, true, false, "emulator");
        row("BLE forced without a helper", T::Serial, int(T::BLE), false, false, "udp");
        row("BLE forced with a helper", T::Serial, int(T::BLE), false, true, "ble");
        row("unknown type forced", T::Serial, 7, true, true, "udp");
    }
    void callsReachTheHelperOfTheType() {
        QFETCH(int, type);
        QFETCH(int, forced);
        QFETCH(bool, withEmulator);
        QFETCH(bool, withBle);
        QFETCH(QString, helper);
        ConnectableHelper composite(settings_, udp_, withEmulator ? emulator_ : nullptr, serial_,
                                    withBle ? ble_ : nullptr);
        settings_->setType(static_cast<ConnectionType_::E>(type));
        if (forced >= 0)
            composite.forceType(static_cast<ConnectionType_::E>(forced));
        composite.devicesListChangedList.append([&] { *calls_ << "composite.devicesListChanged"; });

        QCOMPARE(composite.devicesList(), QVariant(helper));
        composite.setDeviceFilter([](uint8_t id) { return id == 8; });
        composite.setOnConnected([](const JexConverserEtal&) {});
        composite.startConnect();
        composite.selectDevice(3);
        QCOMPARE(*calls_,
                 QStringList({helper + ".setDeviceFilter(8 passes)",
                              helper + ".setOnConnected(set)", "composite.devicesListChanged",
                              helper + ".startConnect", helper + ".selectDevice(3)"}));
    }

    void repeatsTheReportsOfEveryHelper() {
        ConnectableHelper composite(settings_, udp_, emulator_, serial_, ble_);
        std::vector<std::pair<int, std::string>> heard;
        int listChanges = 0;
        composite.statusList.append([&](const Status& s) { heard.emplace_back(s.kind, s.detail); });
        composite.devicesListChangedList.append([&] { ++listChanges; });

        udp_->statusList(Status{Status::Searching, ""});
        serial_->statusList(Status{Status::Failed, "Cannot open serial port"});
        ble_->statusList(Status{Status::Connecting, "x"});
        emulator_->statusList(Status{Status::SearchListPopulated, ""});
        udp_->devicesListChangedList();
        serial_->devicesListChangedList();
        ble_->devicesListChangedList();
        emulator_->devicesListChangedList();

        QCOMPARE(heard, (std::vector<std::pair<int, std::string>>{
                            {Status::Searching, ""},
                            {Status::Failed, "Cannot open serial port"},
                            {Status::Connecting, "x"},
                            {Status::SearchListPopulated, ""}}));
        QCOMPARE(listChanges, 4);
    }

    void reportsAfterTheCompositeIsGoneReachNobody() {
        int heard = 0;
        {
            ConnectableHelper composite(settings_, udp_, nullptr, serial_, nullptr);
            composite.statusList.append([&](const Status&) { ++heard; });
            udp_->statusList(Status{Status::Searching, ""});
        }
        // A helper's background thread may still report after the composite went away.
        std::jthread([udp = udp_] {
            udp->statusList(Status{Status::Connecting, ""});
            udp->devicesListChangedList();
        }).join();
        QCOMPARE(heard, 1);
    }

    void withoutHelpersNothingHappens() {
        ConnectableHelper composite(settings_, nullptr, nullptr, nullptr, nullptr);
        int listChanges = 0;
        composite.devicesListChangedList.append([&] { ++listChanges; });
        QVERIFY(!composite.devicesList().isValid());
        composite.startConnect();
        composite.selectDevice(0);
        composite.setDeviceFilter(nullptr);
        composite.setOnConnected(nullptr);
        QCOMPARE(listChanges, 1);
    }
};

QTEST_GUILESS_MAIN(TestConnectableHelper)
#include "test_connectable_helper.moc"
