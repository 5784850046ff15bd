// Discovery across real network namespaces: the real broadcaster, helper and UDP device
// factory in the console's namespace, simulated mounts in their own. Each function expects
// the topology its CTest entry builds with netns-run.sh (see CMakeLists.txt); the program
// refuses to run anywhere else.

#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "HelperProbe.h"
#include "IJexDevice.h"
#include "LogCapture.h"
#include "MemoryKVStore.h"
#include "NetnsGuard.h"
#include "QtUDPBroadcaster.h"
#include "Spawn.h"
#include "TAVOConnectable.h"
#include "UDPConnectableHelper.h"
#include "Wire.h"

#include <QTest>

#include <algorithm>

using namespace JEX;
using JEX::Test::listed;

namespace {

constexpr int WaitMs = 30000; // costs time only when something fails
const Bytes versionInquiry{':', 'e', '1', '\r'};

// What the simulator in mount namespace k has written to its transcript so far.
QList<QJsonObject> transcript(int k) {
    return Test::transcriptFile(qEnvironmentVariable("VELMORA_NETNS_DIR") +
                                QString("/mount%1.jsonl").arg(k));
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

    std::shared_ptr<ConnectionSettings> settings_;
    std::shared_ptr<UDPConnectableHelper> helper_;
    Test::HelperProbe probe_;

    void search() {
        helper_->startConnect();
        QTRY_VERIFY_WITH_TIMEOUT(probe_.searchDone(), WaitMs);
    }

    // The search ends with one link, to the mount at 192.168.4.1, that reads its firmware.
    void searchConnectsToTheMount() {
        search();
        QTRY_COMPARE_WITH_TIMEOUT(probe_.links().size(), size_t(1), WaitMs);
        const JexConverserEtal link = probe_.links().front();
        QCOMPARE(link.endpoint, std::string("192.168.4.1"));
        const CmdResp<Firmware> firmware = link.device->readFirmware(0);
        QVERIFY2(firmware.ok(), qPrintable(QString("firmware read: %1").arg(int(firmware.type))));
        QCOMPARE(firmware.get().text(), std::string("3.10.08"));
    }

private slots:
    void init() {
        // Short replies keep the direct question to an absent access point quick.
        settings_ = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        settings_->setReadTimeoutMs_other(100);
        settings_->setMaxRetryCount(1);
        helper_ = std::make_shared<UDPConnectableHelper>(
            settings_, std::make_shared<QtUDPBroadcaster>(),
            std::make_shared<UDPJexDeviceFactory>(settings_, std::make_shared<NullCancellable>()));
        probe_ = Test::HelperProbe();
        probe_.attach(*helper_);
        helper_->setDeviceFilter(&TAVOConnectable::acceptsMountModel);
    }
    void cleanup() {
        QTRY_VERIFY_WITH_TIMEOUT(helper_.use_count() == 1, WaitMs);
        helper_.reset();
    }

    // One mount at 192.168.4.1, the console at 192.168.4.2/24.
    void broadcastGoesOutThreeTimesAndReadsTwoRounds() {
        const qsizetype before = transcript(1).size();
        const auto results = QtUDPBroadcaster().broadcast(versionInquiry);
        const UDPBroadcasterResult expected{"192.168.4.2", "192.168.4.1", "192.168.4.255",
                                            Bytes{'=', '0', '3', '0', 'A', '0', '8', '\r'}};
        // A reply per round read (two), fewer when a busy machine delays one past its round.
        QVERIFY2(!results.empty() && results.size() <= 2 &&
                     std::all_of(results.begin(), results.end(),
                                 [&](const auto& r) { return r == expected; }),
                 qPrintable(show(results)));

        // Three sends from one socket; the third round's reply is never read.
        QTRY_VERIFY_WITH_TIMEOUT(transcript(1).size() >= before + 3, WaitMs);
        const QList<QJsonObject> sent = transcript(1).mid(before);
        QCOMPARE(sent.size(), qsizetype(3));
        for (const QJsonObject& e : sent) {
            QCOMPARE(e["request"].toString(), QString(":e1\r"));
            QCOMPARE(e["peer"].toString(), sent.front()["peer"].toString());
        }
        QVERIFY2(sent.front()["peer"].toString().startsWith("192.168.4.2:"),
                 qPrintable(sent.front()["peer"].toString()));
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

        // Listed once, so connected without a choice.
        searchConnectsToTheMount();
    }

    // Same topology; runs after the test above, as it removes c1.
    void interfaceThatGoesAwayIsSkipped() {
        Test::LogCapture log;
        std::vector<UDPBroadcasterResult> results;
        auto standard = IUDPBroadcaster::standardStopRule();
        int removed = -2;
        QtUDPBroadcaster().broadcast(
            11880, {versionInquiry}, [&](const UDPBroadcasterResult& r) { results.push_back(r); },
            [&] {
                if (removed == -2)
                    removed = Test::run({"ip", "link", "del", "c1"}).exitCode;
                return standard();
            });
        QCOMPARE(removed, 0);
        QVERIFY2(log.contains("QtUDPBroadcaster: failed to write to 192.168.5.255"),
                 qPrintable(log.lines().join('\n')));
        int fromFirst = 0;
        for (const auto& r : results)
            fromFirst += r.localAddress == "192.168.4.2" && r.senderAddress == "192.168.4.1";
        QVERIFY2(fromFirst >= 1, qPrintable(show(results)));

        searchConnectsToTheMount();
    }

    // A mount at 192.168.4.1 and a responder at 192.168.4.3 that answers with an empty
    // datagram and a huge one: both are read whole, beside the mount's reply.
    void emptyAndHugeDatagramsAreReadWhole() {
        const auto results = QtUDPBroadcaster().broadcast(versionInquiry);
        bool empty = false, huge = false, mount = false;
        for (const auto& r : results) {
            empty |= r.senderAddress == "192.168.4.3" && r.data.empty();
            huge |= r.senderAddress == "192.168.4.3" && r.data == Bytes(60000, '=');
            mount |= r.senderAddress == "192.168.4.1" && r.data == Test::bytes("=030A08\r");
        }
        QVERIFY2(empty && huge && mount, qPrintable(show(results)));
    }

    // The console's only interface has the host address 192.168.4.2/32 and a route to the
    // mount's network; the loopback interface is down.
    void accessPointIsFoundWithoutBroadcast() {
        const QString report = QString::fromStdString(QtUDPBroadcaster().interfaceReport());
        QVERIFY2(report.contains("  IPv4Protocol: 192.168.4.2 broadcast: 192.168.4.2 use: 0\n") &&
                     !report.contains("use: 1"),
                 qPrintable(report));
        QVERIFY(QtUDPBroadcaster().broadcast(versionInquiry).empty());

        searchConnectsToTheMount();
        // The direct question and the read above (and any resend a slow reply caused), all
        // to the mount's own address.
        QTRY_VERIFY_WITH_TIMEOUT(transcript(1).size() >= 2, WaitMs);
        for (const QJsonObject& e : transcript(1))
            QVERIFY(e["request"].toString() == ":e1\r" &&
                    e["peer"].toString().startsWith("192.168.4.2:"));
    }

    // No mount at all: the broadcast and the direct question go unanswered.
    void emptySearchEndsWithAnEmptyList() {
        search();
        QCOMPARE(listed(helper_->devicesList()), QStringList());
    }
};

VELMORA_NETNS_TEST_MAIN(TestDiscoveryNetns)

#include "test_discovery_netns.moc"
