// velmoractl across network namespaces, with the real UDP stack: the console at 192.168.4.2
// and the simulated mount at 192.168.4.1, as on the mount's own access point. What only a
// real network shows: the mount found by broadcast, and a command without an address that
// connects through the search the stored settings ask for. Run by netns-run.sh (see
// CMakeLists.txt); the program refuses to run anywhere else.

#include "NetnsGuard.h"
#include "Spawn.h"

#include <QJsonArray>
#include <QTest>

using JEX::Test::Run;

class TestVelmoractlNetns : public QObject {
    Q_OBJECT

    Run ctl(const QStringList& args) { return JEX::Test::run(QStringList{VELMORACTL_PATH} + args); }

private slots:
    void discoverListsTheMount() {
        const Run r = ctl({"--json", "discover"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.describe()));
        const QJsonArray devices = r.json()["devices"].toArray();
        QCOMPARE(devices.size(), 1);
        const QJsonObject mount = devices[0].toObject();
        QCOMPARE(mount["address"].toString(), QString("192.168.4.1"));
        QCOMPARE(mount["version"].toString(), QString("3.10.08"));
        QCOMPARE(mount["interface"].toString(), QString("192.168.4.2"));
        QCOMPARE(mount["broadcast"].toString(), QString("192.168.4.255"));
    }

    void commandWithoutAddressSearches() {
        // No settings stored yet: the defaults search.
        const Run r = ctl({"--json", "status"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.describe()));
        QCOMPARE(r.json()["mode"].toString(), QString("Manual"));
    }
};

VELMORA_NETNS_TEST_MAIN(TestVelmoractlNetns)

#include "test_velmoractl_netns.moc"
