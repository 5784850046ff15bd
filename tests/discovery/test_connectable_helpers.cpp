// The connectable helpers. The UDP helper, with a scripted broadcaster and a device factory
// whose links lead to simulated controllers in-process: how replies become the device list,
// the direct question to the access point, the filter, ordering and de-duplication,
// connecting, and the helper's life across its background thread. The composite: which
// helper each call reaches for each connection type, and whose reports its listeners hear.

#include "ConnectableHelper.h"
#include "ConnectionSettings.h"
#include "HelperProbe.h"
#include "LogCapture.h"
#include "MemoryKVStore.h"
#include "MountRig.h"
#include "TAVOConnectable.h"
#include "UDPConnectableHelper.h"

#include <QTest>

#include <array>
#include <condition_variable>
#include <map>
#include <thread>

using namespace JEX;
using JEX::Test::listed;
using Status = IConnectableHelper::Status;
using Found = std::vector<UDPConnectableHelper::FoundDevice>;

namespace {

constexpr int WaitMs = 30000; // costs time only when something fails

UDPBroadcasterResult reply(const char* sender, const QByteArray& data,
                           const char* local = "10.1.1.2") {
    return UDPBroadcasterResult{local, sender, "10.1.1.255", Test::bytes(data)};
}

// Can be held closed, so that a background call stays inside this object while the test
// looks at the helper.
class Holdable {
public:
    void hold(bool closed) {
        std::lock_guard lock(mutex_);
        open_ = !closed;
        changed_.notify_all();
    }

protected:
    void waitWhileHeld(std::unique_lock<std::mutex>& lock) {
        changed_.wait(lock, [this] { return open_; });
    }

    mutable std::mutex mutex_;

private:
    std::condition_variable changed_;
    bool open_ = true;
};

// Plays back a fixed set of replies.
class ScriptedBroadcaster : public IUDPBroadcaster, public Holdable {
public:
    std::vector<UDPBroadcasterResult> replies;

    void broadcast(uint16_t port, const std::vector<Bytes>& payloads, const ReplyCallback& onReply,
                   const StopPredicate&) override {
        std::unique_lock lock(mutex_);
        calls_.push_back({port, payloads});
        waitWhileHeld(lock);
        const auto copy = replies;
        lock.unlock();
        for (const auto& r : copy)
            onReply(r);
    }
    std::string interfaceReport() override { return {}; }

    // Port and payloads of each broadcast so far.
    std::vector<std::pair<uint16_t, std::vector<Bytes>>> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    std::vector<std::pair<uint16_t, std::vector<Bytes>>> calls_;
};

// Links to simulated controllers by address; an address without one gets a link to a
// controller that never answers. Records (local, remote, found-with) of every link made.
class SimUdpFactory : public IUDPJexDeviceFactory, public Holdable {
public:
    using Call = std::array<std::string, 3>;

    void addMount(const std::string& address, uint8_t boardId) {
        Sim::SimConfig config;
        config.identity.boardId = boardId;
        std::lock_guard lock(mutex_);
        mounts_[address] = std::make_shared<Sim::MotorController>(config);
    }
    JexConverserEtal create(const std::string& local, const std::string& remote,
                            const std::string& foundWith) override {
        std::shared_ptr<Sim::MotorController> controller;
        {
            std::unique_lock lock(mutex_);
            calls_.push_back({local, remote, foundWith});
            waitWhileHeld(lock);
            if (auto it = mounts_.find(remote); it != mounts_.end())
                controller = it->second;
        }
        if (!controller) {
            Sim::SimConfig silent;
            silent.faults.silent = true;
            controller = std::make_shared<Sim::MotorController>(silent);
        }
        auto sl =
            std::make_shared<SLConverser>(std::make_shared<Test::SimRawConverser>(controller));
        auto converser = std::make_shared<JexConverser>(sl);
        return JexConverserEtal{std::make_shared<JexDevice>(converser), converser, sl, remote,
                                nullptr};
    }
    std::vector<Call> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    std::map<std::string, std::shared_ptr<Sim::MotorController>> mounts_;
    std::vector<Call> calls_;
};

const SimUdpFactory::Call probeCall{"", "192.168.4.1", "192.168.4.255"};

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

class TestConnectableHelpers : public QObject {
    Q_OBJECT

    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<ScriptedBroadcaster> broadcaster_;
    std::shared_ptr<SimUdpFactory> factory_;
    std::shared_ptr<UDPConnectableHelper> helper_;
    Test::HelperProbe probe_;
    // The composite's helpers of each type, writing into one call log.
    std::shared_ptr<QStringList> calls_;
    std::shared_ptr<RecordingHelper> udp_, emulator_, serial_, ble_;

    void search() {
        probe_.clear();
        helper_->startConnect();
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone(), WaitMs);
    }

private slots:
    void init() {
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        broadcaster_ = std::make_shared<ScriptedBroadcaster>();
        factory_ = std::make_shared<SimUdpFactory>();
        helper_ = std::make_shared<UDPConnectableHelper>(settings_, broadcaster_, factory_);
        probe_ = Test::HelperProbe();
        probe_.attach(*helper_);
        calls_ = std::make_shared<QStringList>();
        udp_ = std::make_shared<RecordingHelper>("udp", calls_);
        emulator_ = std::make_shared<RecordingHelper>("emulator", calls_);
        serial_ = std::make_shared<RecordingHelper>("serial", calls_);
        ble_ = std::make_shared<RecordingHelper>("ble", calls_);
    }
    void cleanup() {
        broadcaster_->hold(false);
        factory_->hold(false);
        if (helper_)
            QTRY_VERIFY_WITH_TIMEOUT(helper_.use_count() == 1, WaitMs);
        helper_.reset();
    }

    // One datagram answers the broadcast, from somewhere other than the (silent) access point.
    // The connection dialog's filter is the product's rule of the mount models it drives.
    void repliesToTheVersionInquiry_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<QString>("version"); // empty: not listed
        const auto row = [](const char* name, const QByteArray& data, bool filtered,
                            const char* version) {
            QTest::newRow(name) << data << filtered << QString(version);
        };
        row("3.10 board 08", "=030A08\r", false, "3.10.08");
        row("3.39 board 80", "=032780\r", false, "3.39.80");
        row("noise before the marker", "#?=030A0A\r", false, "3.10.0A");
        row("any last byte", "=030A08X", false, "3.10.08");
        row("five digits", "=030A0\r", false, "");
        row("seven digits", "=030A080\r", false, "");
        row("no carriage return", "=030A08", false, "");
        row("not a digit", "=03GA08\r", false, "");
        row("rejection", "!0\r", false, "");
        row("empty", QByteArray(), false, "");
        row("second marker counts as data", "=030A08=\r", false, "");
        row("huge", QByteArray(65507, '='), false, "");
        row("filter: board 08", "=030A08\r", true, "3.10.08");
        row("filter: board 0A", "=030A0A\r", true, "3.10.0A");
        row("filter: board 09", "=030A09\r", true, "");
        row("filter: board 0B", "=030A0B\r", true, "");
        row("filter: board 80", "=032780\r", true, "");
        row("filter: board FF", "=0327FF\r", true, "");
    }
    void repliesToTheVersionInquiry() {
        QFETCH(QByteArray, data);
        QFETCH(bool, filtered);
        QFETCH(QString, version);
        broadcaster_->replies = {reply("10.1.1.5", data)};
        if (filtered)
            helper_->setDeviceFilter(&TAVOConnectable::acceptsMountModel);
        search();
        const Found expected{{"10.1.1.5", "10.1.1.255", "10.1.1.2", version.toStdString()}};
        QCOMPARE(helper_->foundDevices(), version.isEmpty() ? Found{} : expected);
    }

    void oneMountConnectsWithoutList() {
        broadcaster_->replies = {reply("10.1.1.7", "=030A08\r", "10.1.1.3")};
        search();
        QCOMPARE(broadcaster_->calls(), (std::vector<std::pair<uint16_t, std::vector<Bytes>>>{
                                            {11880, {Test::bytes(":e1\r")}}}));
        QCOMPARE(probe_.kinds(),
                 QList<int>({Status::Connecting, Status::Searching, Status::Connecting}));
        QCOMPARE(factory_->calls().back(),
                 (SimUdpFactory::Call{"10.1.1.3", "10.1.1.7", "10.1.1.255"}));
        QCOMPARE(listed(helper_->devicesList()), QStringList({"10.1.1.7"}));

        // Opened again, the link binds to no address of its own: the console's may be another
        // one by now, and nothing is broadcast.
        helper_->reopen("10.1.1.7");
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(2), WaitMs);
        QCOMPARE(factory_->calls().back(), (SimUdpFactory::Call{"", "10.1.1.7", ""}));
        QCOMPARE(broadcaster_->calls().size(), size_t(1));
    }

    // Listed in byte order of the address; of two replies from one address the first stays,
    // with its interface.
    void twoMountsWaitForTheUsersChoice() {
        broadcaster_->replies = {reply("10.1.1.7", "=030A08\r", "10.1.1.2"),
                                 reply("10.1.1.10", "=030A0A\r", "10.1.1.3"),
                                 reply("10.1.1.7", "=030A0A\r", "10.1.1.9")};
        search();
        QCOMPARE(probe_.kinds(),
                 QList<int>({Status::Connecting, Status::Searching, Status::SearchListPopulated}));
        QCOMPARE(probe_.links().size(), size_t(0));
        QCOMPARE(listed(helper_->devicesList()), QStringList({"10.1.1.10", "10.1.1.7"}));
        QCOMPARE(listed(helper_->devicesList(), true), QStringList({"3.10.0A", "3.10.08"}));

        const auto callsBefore = factory_->calls().size();
        helper_->selectDevice(-1);
        helper_->selectDevice(2);
        QCOMPARE(probe_.kinds().size(), 3);
        helper_->selectDevice(1);
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        QCOMPARE(probe_.lastKind(), int(Status::Connecting));
        QCOMPARE(factory_->calls().size(), callsBefore + 1);
        QCOMPARE(factory_->calls().back(),
                 (SimUdpFactory::Call{"10.1.1.2", "10.1.1.7", "10.1.1.255"}));
    }

    // A second search while one runs (the dialog closed and opened again) and a double click
    // on a row are ignored: one broadcast, one link, one mount.
    void overlappingRequestsBuildOneLink() {
        broadcaster_->replies = {reply("10.1.1.7", "=030A08\r"), reply("10.1.1.8", "=030A08\r")};
        broadcaster_->hold(true);
        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(broadcaster_->calls().size(), size_t(1), WaitMs);
        QVERIFY(helper_->busy());
        helper_->startConnect();
        broadcaster_->hold(false);
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone() && !helper_->busy(), WaitMs);
        QCOMPARE(broadcaster_->calls().size(), size_t(1));

        const auto callsBefore = factory_->calls().size();
        factory_->hold(true);
        helper_->selectDevice(0);
        QTRY_COMPARE_WITH_TIMEOUT(factory_->calls().size(), callsBefore + 1, WaitMs);
        helper_->selectDevice(0);
        helper_->selectDevice(1);
        factory_->hold(false);
        QTRY_VERIFY_WITH_TIMEOUT(probe_.links().size() == 1 && !helper_->busy(), WaitMs);
        QCOMPARE(factory_->calls().size(), callsBefore + 1);
        QCOMPARE(probe_.links().front().endpoint, std::string("10.1.1.7"));
    }

    void accessPointIsAskedDirectly_data() {
        QTest::addColumn<bool>("answersBroadcast"); // a reply (even a bad one) came from it
        QTest::addColumn<int>("boardId");           // of the access point's controller; -1 none
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("version"); // listed with this version; empty: nothing listed

        QTest::newRow("found by asking") << false << 0x08 << true << true << "3.10.08";
        QTest::newRow("asked, rejected by the filter") << false << 0x09 << true << true << "";
        QTest::newRow("asked, accepted without a filter")
            << false << 0x09 << false << true << "3.10.09";
        QTest::newRow("asked, silent") << false << -1 << true << true << "";
        QTest::newRow("a bad reply from it is enough") << true << 0x08 << true << false << "";
    }
    void accessPointIsAskedDirectly() {
        QFETCH(bool, answersBroadcast);
        QFETCH(int, boardId);
        QFETCH(bool, filtered);
        QFETCH(bool, asked);
        QFETCH(QString, version);
        if (answersBroadcast)
            broadcaster_->replies = {reply("192.168.4.1", "=03\r")};
        if (boardId >= 0)
            factory_->addMount("192.168.4.1", uint8_t(boardId));
        if (filtered)
            helper_->setDeviceFilter(&TAVOConnectable::acceptsMountModel);
        search();

        QCOMPARE(factory_->calls().empty(), !asked);
        if (asked)
            QCOMPARE(factory_->calls().front(), probeCall);
        if (version.isEmpty()) {
            QCOMPARE(listed(helper_->devicesList()), QStringList());
            QCOMPARE(probe_.lastKind(), int(Status::SearchListPopulated));
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        QCOMPARE(helper_->foundDevices(),
                 (Found{{"192.168.4.1", "192.168.4.255", "", version.toStdString()}}));
        // The probe's link was a link of its own; the connection gets a new one.
        QCOMPARE(factory_->calls(), (std::vector<SimUdpFactory::Call>{probeCall, probeCall}));
    }

    void fixedAddressSkipsTheSearch() {
        settings_->setSearchIP(false);
        settings_->setFixedIP("10.9.8.7");
        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        QCOMPARE(broadcaster_->calls().size(), size_t(0));
        QCOMPARE(probe_.kinds(), QList<int>({Status::Connecting, Status::Connecting}));
        QCOMPARE(factory_->calls(), (std::vector<SimUdpFactory::Call>{{"", "10.9.8.7", ""}}));
        QVERIFY(!helper_->devicesList().isValid());
    }

    void listIsWithdrawnWhileSearching() {
        broadcaster_->replies = {reply("10.1.1.7", "=030A08\r"), reply("10.1.1.8", "=030A08\r")};
        search();
        probe_.clear();

        broadcaster_->hold(true);
        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(broadcaster_->calls().size(), size_t(2), WaitMs);
        QVERIFY(!helper_->devicesList().isValid());
        QCOMPARE(probe_.listChanges(), 1);
        helper_->selectDevice(0);
        QCOMPARE(probe_.kinds(), QList<int>({Status::Connecting, Status::Searching}));

        // The GUI thread keeps asking while the search thread writes the list: it is either
        // not offered or complete.
        broadcaster_->hold(false);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(WaitMs);
        while (!probe_.searchDone() && std::chrono::steady_clock::now() < deadline) {
            const QVariant list = helper_->devicesList();
            QVERIFY(!list.isValid() || list.toList().size() == 2);
        }
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone(), WaitMs);
        QCOMPARE(listed(helper_->devicesList()).size(), 2);
        QCOMPARE(probe_.listChanges(), 2);
    }

    void helperMayGoWhileItSearches() {
        broadcaster_->replies = {reply("10.1.1.7", "=030A08\r")};
        broadcaster_->hold(true);
        helper_->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(broadcaster_->calls().size(), size_t(1), WaitMs);

        std::weak_ptr<UDPConnectableHelper> weak = helper_;
        helper_.reset();
        QVERIFY(!weak.expired());
        broadcaster_->hold(false);
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(weak.expired(), WaitMs);
    }

    void helperNotHeldBySharedPointerStartsNothing() {
        Test::LogCapture log;
        UDPConnectableHelper plain(settings_, broadcaster_, factory_);
        plain.startConnect();
        QCOMPARE(broadcaster_->calls().size(), size_t(0));
        QVERIFY2(
            log.contains("UDPConnectableHelper: not held by a shared pointer, nothing started"),
            qPrintable(log.lines().join('\n')));
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
        QStringList heard;
        composite.statusList.append([&](const Status& s) {
            heard << QString::fromStdString(s.detail) + (s.kind == Status::Failed ? " failed" : "");
        });
        composite.devicesListChangedList.append([&] { heard << "list"; });
        for (const auto& helper : {udp_, serial_, ble_, emulator_}) {
            helper->statusList(
                Status{Status::Failed, helper->devicesList().toString().toStdString()});
            helper->devicesListChangedList();
        }
        QCOMPARE(heard, QStringList({"udp failed", "list", "serial failed", "list", "ble failed",
                                     "list", "emulator failed", "list"}));
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

QTEST_GUILESS_MAIN(TestConnectableHelpers)
#include "test_connectable_helpers.moc"
