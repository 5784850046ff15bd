// velmoractl across network namespaces, with the real UDP stack: the console at 192.168.4.2
// and the simulated mount at 192.168.4.1, as on the mount's own access point. What only a
// real network shows: the mount found by broadcast, by discover and by a command without an
// address, through the search the stored settings ask for, and the settings file the
// console of the same build keeps (a program that ignored it would search, which is safe
// only here). Run by netns-run.sh (see CMakeLists.txt); the program refuses to run anywhere
// else.

#include "MotorController.h"
#include "NetnsGuard.h"
#include "Spawn.h"
#include "UdpServer.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using JEX::Test::Run;

class TestVelmoractlNetns : public QObject {
    Q_OBJECT

    Run ctl(const QStringList& args) { return JEX::Test::run(QStringList{VELMORACTL_PATH} + args); }

private slots:
    // discover lists the mount; a command without an address finds it the same way, as the
    // defaults ask (no settings are stored yet).
    void mountIsFoundByDiscoverAndByACommand() {
        const Run r = ctl({"--json", "discover"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.describe()));
        const QJsonArray devices = r.json()["devices"].toArray();
        QCOMPARE(devices.size(), 1);
        const QJsonObject mount = devices[0].toObject();
        QCOMPARE(mount["address"].toString(), QString("192.168.4.1"));
        QCOMPARE(mount["version"].toString(), QString("3.10.08"));
        QCOMPARE(mount["interface"].toString(), QString("192.168.4.2"));
        QCOMPARE(mount["broadcast"].toString(), QString("192.168.4.255"));

        const Run status = ctl({"--json", "status"});
        QVERIFY2(status.exitCode == 0, qPrintable(status.describe()));
        QCOMPARE(status.json()["mode"].toString(), QString("Manual"));
    }

    // Every program of a build lives in one folder and, without VELMORA_DATA_DIR, keeps its
    // settings there: the address the console stored is the one velmoractl talks to. A copy
    // of the build's velmoractl in a folder of its own, so that a console of this build that
    // has been run (and left its settings in bin/) changes nothing here.
    void storedAddressOfTheConsoleInTheSameBuildIsUsed() {
        QCOMPARE(QFileInfo(CONSOLE_PATH).absolutePath(), QFileInfo(VELMORACTL_PATH).absolutePath());
        auto sim = std::make_shared<JEX::Sim::MotorController>(JEX::Sim::SimConfig{});
        JEX::Sim::UdpServer server(sim);
        std::string error;
        QVERIFY2(server.start("127.0.0.1", 0, &error), error.c_str());

        QTemporaryDir bin;
        const QString program = bin.filePath("velmoractl");
        QVERIFY(QFile::copy(VELMORACTL_PATH, program));
        QFile file(bin.filePath("Settings.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"cxn.dosearch":false,"cxn.ip":"127.0.0.1"})");
        file.close();
        const QByteArray dataDir = qgetenv("VELMORA_DATA_DIR");
        auto restore = qScopeGuard([&] { qputenv("VELMORA_DATA_DIR", dataDir); });
        qunsetenv("VELMORA_DATA_DIR");

        const Run r =
            JEX::Test::run({program, "--port", QString::number(server.port()), "--json", "status"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.describe()));
        QVERIFY(sim->transcript()->size() > 0);
    }
};

VELMORA_NETNS_TEST_MAIN(TestVelmoractlNetns)

#include "test_velmoractl_netns.moc"
