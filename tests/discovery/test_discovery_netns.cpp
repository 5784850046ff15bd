// Discovery across real network namespaces: the real broadcaster, helper and UDP device
// factory in the console's namespace, simulated mounts in their own. Each function expects
// the topology its CTest entry builds with netns-run.sh (see CMakeLists.txt); the program
// refuses to run anywhere else.

#include "DeviceFactories.h"
#include "FakeConnectionSettings.h"
#include "HelperProbe.h"
#include "IJexDevice.h"
#include "LogCapture.h"
#include "NetnsGuard.h"
#include "QtUDPBroadcaster.h"
#include "UDPConnectableHelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>

using namespace JEX;
using JEX::Test::HelperProbe;
using JEX::Test::listed;
using Status = IConnectableHelper::Status;

namespace {

constexpr int WaitMs = 10000;
const Bytes versionInquiry{':', 'e', '1', '\r'};

QString workFile(const QString& name) {
    return qEnvironmentVariable("VELMORA_NETNS_DIR") + "/" + name;
}

struct Exchange {
    QString peer;
    QByteArray request;
};

// The exchanges the simulator in mount namespace k has written so far.
QList<Exchange> transcript(int k) {
    QList<Exchange> out;
    QFile file(workFile(QString("mount%1.jsonl").arg(k)));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (!o.isEmpty())
            out.push_back({o["peer"].toString(), o["request"].toString().toLatin1()});
    }
    return out;
}

int versionInquiriesFrom(int k, const QString& host) {
    int n = 0;
    for (const Exchange& e : transcript(k))
        n += e.request == ":e1\r" && e.peer.startsWith(host + ":");
    return n;
}

QStringList captured(int consoleInterface) {
    QFile file(workFile(QString("capture-c%1.txt").arg(consoleInterface)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool anyLineContains(const QStringList& lines, const QString& text) {
    for (const QString& l : lines)
        if (l.contains(text))
            return true;
    return false;
}

// Runs a command and waits for it; its exit status, or -1 when it could not be started.
// posix_spawn rather than QProcess, whose fork the thread sanitizer cannot follow.
int runCommand(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool mountModel(uint8_t boardId) {
    return boardId == 0x08 || boardId == 0x0A;
}

QString show(const std::vector<UDPBroadcasterResult>& results) {
    QStringList out;
    for (const auto& r : results)
        out << QString("%1<-%2 (%3 bytes)")
                   .arg(r.localAddress.c_str(), r.senderAddress.c_str())
                   .arg(r.data.size());
    return out.join(", ");
}

} // namespace

class TestDiscoveryNetns : public QObject {
    Q_OBJECT

    std::shared_ptr<Test::FakeConnectionSettings> settings_;
    std::shared_ptr<UDPConnectableHelper> helper_;
    HelperProbe probe_;

    void search() {
        helper_->startConnect();
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone(), WaitMs);
    }

    // The one link the helper opened; a firmware read through it must succeed.
    void expectLinkTo(const char* address, const char* version) {
        QTRY_COMPARE_WITH_TIMEOUT(probe_.linkCount(), size_t(1), WaitMs);
        const JexConverserEtal link = probe_.links().front();
        QCOMPARE(link.endpoint, std::string(address));
        const CmdResp<Firmware> firmware = link.device->readFirmware(0);
        QVERIFY2(firmware.ok(),
                 qPrintable(QString("firmware read: type %1").arg(int(firmware.type))));
        QCOMPARE(firmware.get().text(), std::string(version));
    }

private slots:
    void init() {
        // Short replies keep the direct question to an absent access point quick.
        settings_ = std::make_shared<Test::FakeConnectionSettings>(100, 1);
        helper_ = std::make_shared<UDPConnectableHelper>(
            settings_, std::make_shared<QtUDPBroadcaster>(),
            std::make_shared<UDPJexDeviceFactory>(settings_, std::make_shared<NullCancellable>()));
        probe_ = HelperProbe();
        probe_.attach(*helper_);
    }
    void cleanup() {
        QTRY_VERIFY_WITH_TIMEOUT(helper_.use_count() == 1, WaitMs);
        helper_.reset();
        probe_.clear();
    }

    // One mount at 192.168.4.1, the console at 192.168.4.2/24.
    void broadcastGoesOutThreeTimesAndReadsTwoRounds() {
        const qsizetype before = transcript(1).size();
        const auto results = QtUDPBroadcaster().broadcast(versionInquiry);
        const UDPBroadcasterResult expected{"192.168.4.2", "192.168.4.1", "192.168.4.255",
                                            Bytes{'=', '0', '3', '0', 'A', '0', '8', '\r'}};
        QVERIFY2(results == std::vector<UDPBroadcasterResult>(2, expected),
                 qPrintable(show(results)));

        // Three sends from one socket; the third round's reply is never read.
        QTRY_VERIFY_WITH_TIMEOUT(transcript(1).size() >= before + 3, WaitMs);
        const QList<Exchange> sent = transcript(1).mid(before);
        QCOMPARE(sent.size(), qsizetype(3));
        for (const Exchange& e : sent) {
            QCOMPARE(e.request, QByteArray(":e1\r"));
            QCOMPARE(e.peer, sent.front().peer);
        }
        QVERIFY2(sent.front().peer.startsWith("192.168.4.2:"), qPrintable(sent.front().peer));
    }

    void interfaceReportShowsWhatIsUsed() {
        const QString report = QString::fromStdString(QtUDPBroadcaster().interfaceReport());
        QVERIFY2(report.contains("Interface: [c0]\nIsUp:1 IsRunning:1 CanBroadcast:1 IsLoopBack:0 "
                                 "IsPointToPoint:0 CanMulticast:1 \n  IPv4Protocol: 192.168.4.2 "
                                 "broadcast: 192.168.4.255 use: 1\n"),
                 qPrintable(report));
        QVERIFY2(
            report.contains("Interface: [lo]\nIsUp:1 IsRunning:1 CanBroadcast:0 IsLoopBack:1 "),
            qPrintable(report));
    }

    void oneMountIsConnectedWithoutAList() {
        helper_->setDeviceFilter(mountModel);
        search();
        expectLinkTo("192.168.4.1", "3.10.08");
        QCOMPARE(probe_.kinds(),
                 QList<int>({Status::Connecting, Status::Searching, Status::Connecting}));
        QCOMPARE(helper_->foundDevices(),
                 (std::vector<UDPConnectableHelper::FoundDevice>{
                     {"192.168.4.1", "192.168.4.255", "192.168.4.2", "3.10.08"}}));
    }

    // Mounts at 192.168.4.1 (board 08), 192.168.4.7 (0A) and 192.168.4.10 (09).
    void mountsAreListedByAddressAndTheChosenOneConnects() {
        helper_->setDeviceFilter(mountModel);
        search();
        QCOMPARE(probe_.kinds(),
                 QList<int>({Status::Connecting, Status::Searching, Status::SearchListPopulated}));
        QCOMPARE(listed(helper_->devicesList()), QStringList({"192.168.4.1", "192.168.4.7"}));
        QCOMPARE(listed(helper_->devicesList(), true), QStringList({"3.10.08", "3.10.0A"}));
        QCOMPARE(probe_.linkCount(), size_t(0));

        helper_->selectDevice(1);
        expectLinkTo("192.168.4.7", "3.10.0A");
        QCOMPARE(probe_.lastKind(), int(Status::Connecting));
    }

    void unfilteredListIsInAddressTextOrder() {
        search();
        QCOMPARE(listed(helper_->devicesList()),
                 QStringList({"192.168.4.1", "192.168.4.10", "192.168.4.7"}));
        QCOMPARE(listed(helper_->devicesList(), true),
                 QStringList({"3.10.08", "3.10.09", "3.10.0A"}));
    }

    // The console on 192.168.4.2/24 (c0) and 192.168.5.2/24 (c1); the mount answers from
    // 192.168.4.1 on both links.
    void mountSeenOnTwoInterfacesIsListedOnce() {
        const auto results = QtUDPBroadcaster().broadcast(versionInquiry);
        QSet<QString> locals;
        for (const auto& r : results)
            if (r.senderAddress == "192.168.4.1")
                locals.insert(QString::fromStdString(r.localAddress));
        QVERIFY2(locals == QSet<QString>({"192.168.4.2", "192.168.5.2"}),
                 qPrintable(show(results)));

        helper_->setDeviceFilter(mountModel);
        search();
        QCOMPARE(listed(helper_->devicesList()), QStringList({"192.168.4.1"}));
        expectLinkTo("192.168.4.1", "3.10.08");
    }

    void interfaceThatGoesAwayIsSkipped() {
        Test::LogCapture log;
        std::vector<UDPBroadcasterResult> results;
        auto standard = IUDPBroadcaster::standardStopRule();
        int removed = -2;
        QtUDPBroadcaster().broadcast(
            kMountUdpPort, {versionInquiry},
            [&](const UDPBroadcasterResult& r) { results.push_back(r); },
            [&] {
                if (removed == -2)
                    removed = runCommand({"ip", "link", "del", "c1"});
                return standard();
            });
        QCOMPARE(removed, 0);
        QVERIFY2(log.contains("QtUDPBroadcaster: failed to write to 192.168.5.255"),
                 qPrintable(log.lines().join('\n')));
        int fromFirst = 0;
        for (const auto& r : results)
            fromFirst += r.localAddress == "192.168.4.2" && r.senderAddress == "192.168.4.1";
        QVERIFY2(fromFirst == 2, qPrintable(show(results)));

        helper_->setDeviceFilter(mountModel);
        search();
        expectLinkTo("192.168.4.1", "3.10.08");
    }

    // A mount at 192.168.4.1, a responder at 192.168.4.3 that answers only nonsense, and a
    // mount at 192.168.4.5 whose replies all have one digit too few or too many.
    void malformedRepliesAreSkipped() {
        const auto results = QtUDPBroadcaster().broadcast(versionInquiry);
        bool empty = false, huge = false, badDigits = false;
        for (const auto& r : results) {
            empty |= r.senderAddress == "192.168.4.3" && r.data.empty();
            huge |= r.senderAddress == "192.168.4.3" && r.data.size() == 60000;
            if (r.senderAddress == "192.168.4.5") {
                QVERIFY2(r.data.size() == 7 || r.data.size() == 9, qPrintable(show(results)));
                badDigits = true;
            }
        }
        QVERIFY2(empty && huge && badDigits, qPrintable(show(results)));

        helper_->setDeviceFilter(mountModel);
        search();
        QCOMPARE(listed(helper_->devicesList()), QStringList({"192.168.4.1"}));
        expectLinkTo("192.168.4.1", "3.10.08");
    }

    // The console's only interface has the host address 192.168.4.2/32 and a route to the
    // mount's network; the loopback interface is down.
    void accessPointIsFoundWithoutBroadcast() {
        const QString report = QString::fromStdString(QtUDPBroadcaster().interfaceReport());
        QVERIFY2(report.contains("  IPv4Protocol: 192.168.4.2 broadcast: 192.168.4.2 use: 0\n") &&
                     !report.contains("use: 1"),
                 qPrintable(report));
        QVERIFY(QtUDPBroadcaster().broadcast(versionInquiry).empty());

        helper_->setDeviceFilter(mountModel);
        search();
        expectLinkTo("192.168.4.1", "3.10.08");
        QCOMPARE(helper_->foundDevices(), (std::vector<UDPConnectableHelper::FoundDevice>{
                                              {"192.168.4.1", "192.168.4.255", "", "3.10.08"}}));
        // The direct question and the read above; nothing was broadcast to the mount.
        QTRY_COMPARE_WITH_TIMEOUT(transcript(1).size(), qsizetype(2), WaitMs);
        QCOMPARE(versionInquiriesFrom(1, "192.168.4.2"), 2);
    }

    // No mount at all.
    void emptySearchEndsWithAnEmptyList() {
        helper_->setDeviceFilter(mountModel);
        helper_->startConnect();
        // Three rounds of 200 ms and the direct question's two attempts of 100 ms.
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone(), 600 + 200 + 2000);
        QCOMPARE(probe_.kinds(),
                 QList<int>({Status::Connecting, Status::Searching, Status::SearchListPopulated}));
        QCOMPARE(listed(helper_->devicesList()), QStringList());
        QCOMPARE(probe_.linkCount(), size_t(0));
    }

    // A mount at 192.168.4.7 only; the console's link is captured from the other end.
    void fixedAddressIsConnectedWithoutBroadcast() {
        settings_->setSearchIP(false);
        settings_->setFixedIP("192.168.4.7");
        helper_->startConnect();
        expectLinkTo("192.168.4.7", "3.10.08");
        QCOMPARE(probe_.kinds(), QList<int>({Status::Connecting, Status::Connecting}));

        // Frames on one link are captured in order: once the read above shows, anything the
        // helper sent before it shows too.
        QTRY_VERIFY_WITH_TIMEOUT(anyLineContains(captured(0), "> 192.168.4.7.11880: UDP"), WaitMs);
        QVERIFY2(!anyLineContains(captured(0), "> ff:ff:ff:ff:ff:ff"),
                 qPrintable(captured(0).join('\n')));
        QCOMPARE(versionInquiriesFrom(1, "192.168.4.2"), 1);

        // The capture does see a broadcast when there is one.
        QtUDPBroadcaster().broadcast(versionInquiry);
        QTRY_VERIFY_WITH_TIMEOUT(anyLineContains(captured(0), "> 192.168.4.255.11880: UDP"),
                                 WaitMs);
        QVERIFY(anyLineContains(captured(0), "> ff:ff:ff:ff:ff:ff"));
    }
};

int main(int argc, char** argv) {
    const std::string refusal = JEX::Test::netnsGuardRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "SKIP: %s\n", refusal.c_str());
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestDiscoveryNetns test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_discovery_netns.moc"
