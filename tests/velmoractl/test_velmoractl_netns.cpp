// velmoractl across network namespaces, with the real UDP stack: the console at 192.168.4.2
// and the simulated mount at 192.168.4.1, as on the mount's own access point. Discovery,
// a program started through the stored settings (a search), watched and stopped, Wi-Fi
// settings written and read back, and a mount that goes silent in the middle of a session.
// Run by netns-run.sh (see CMakeLists.txt); the program refuses to run anywhere else.

#include "CtlRunner.h"
#include "NetnsGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTest>

#include <signal.h>

#include <cstdio>

using JEX::Test::CtlRun;
using JEX::Test::CtlSession;
using JEX::Test::runCtl;

namespace {

constexpr int TimeoutMs = 200;
constexpr int Resends = 2;
const QString Mount = "192.168.4.1";

QString workFile(const QString& name) {
    return qEnvironmentVariable("VELMORA_NETNS_DIR") + "/" + name;
}

// The simulator of mount namespace 1: the process whose program is velmora-mount-sim and
// that writes this run's transcript.
pid_t mountProcess() {
    const QByteArray transcript = workFile("mount1.jsonl").toLocal8Bit();
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const int pid = entry.toInt(&number);
        if (!number)
            continue;
        QFile cmdline("/proc/" + entry + "/cmdline");
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> argv = cmdline.readAll().split('\0');
        if (!argv.isEmpty() && argv.front().endsWith("velmora-mount-sim") &&
            argv.contains(transcript))
            return pid;
    }
    return -1;
}

// Every peer in the simulator's transcript.
QStringList peers() {
    QStringList out;
    QFile file(workFile("mount1.jsonl"));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString peer = QJsonDocument::fromJson(line).object()["peer"].toString();
        if (!peer.isEmpty() && !out.contains(peer.section(':', 0, 0)))
            out << peer.section(':', 0, 0);
    }
    return out;
}

} // namespace

class TestVelmoractlNetns : public QObject {
    Q_OBJECT

    QStringList link() const {
        return {"--ip",      Mount,
                "--timeout", QString::number(TimeoutMs),
                "--resends", QString::number(Resends)};
    }
    CtlRun ctl(const QStringList& args) { return runCtl(VELMORACTL_PATH, args); }
    int photos() {
        const CtlRun r = ctl(link() + QStringList{"--json", "status"});
        return r.exitCode == 0 ? r.json()["photosTaken"].toInt() : -1;
    }

private slots:
    void discoverFindsTheMount() {
        const CtlRun r = ctl({"--json", "discover"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.describe()));
        const QJsonArray devices = r.json()["devices"].toArray();
        QCOMPARE(devices.size(), 1);
        QCOMPARE(devices[0].toObject()["address"].toString(), Mount);
        QCOMPARE(devices[0].toObject()["version"].toString(), QString("3.10.08"));
        QCOMPARE(devices[0].toObject()["interface"].toString(), QString("192.168.4.2"));
    }

    void programRunsAndStops() {
        // No address given: the stored settings (none yet, so the defaults) search.
        const CtlRun run =
            ctl({"--json", "run",
                 R"({"mode":"AP","cycleSec":10,"exposureSec":8,"N_Cycles":500,"speedDps":0.004})"});
        QVERIFY2(run.exitCode == 0 && run.json()["ok"].toBool(), qPrintable(run.describe()));

        const CtlRun status = ctl(link() + QStringList{"--json", "status"});
        QVERIFY2(status.exitCode == 0, qPrintable(status.describe()));
        QCOMPARE(status.json()["mode"].toString(), QString("AP"));
        QCOMPARE(status.json()["running"].toBool(), true);
        QCOMPARE(status.json()["program"].toObject()["N_Cycles"].toInt(), 500);
        const int before = status.json()["photosTaken"].toInt();
        QTRY_VERIFY_WITH_TIMEOUT(photos() > before, 20000);

        const CtlRun stop = ctl(link() + QStringList{"stop"});
        QVERIFY2(stop.exitCode == 0, qPrintable(stop.describe()));
        const CtlRun after = ctl(link() + QStringList{"--json", "status"});
        QCOMPARE(after.json()["mode"].toString(), QString("Manual"));
        QCOMPARE(after.json()["running"].toBool(), false);
    }

    void wifiSettingsAreWrittenAndReadBack() {
        const CtlRun set =
            ctl(link() + QStringList{"wifi-set", "--ap-ssid", "Tracker-7", "--ap-sec", "WPA2_PSK",
                                     "--ap-pass", "starlight"});
        QVERIFY2(set.exitCode == 0, qPrintable(set.describe()));
        const CtlRun get = ctl(link() + QStringList{"--json", "wifi-get"});
        QVERIFY2(get.exitCode == 0, qPrintable(get.describe()));
        QCOMPARE(get.json()["apSsid"].toString(), QString("Tracker-7"));
        QCOMPARE(get.json()["apSec"].toString(), QString("WPA2_PSK"));
        QCOMPARE(get.json()["apPass"].toString(), QString("starlight"));

        const CtlRun tooLong = ctl(link() + QStringList{"wifi-set", "--ap-pass", QString(64, 'p')});
        QCOMPARE(tooLong.exitCode, 2);
        QCOMPARE(ctl(link() + QStringList{"--json", "wifi-get"}).json()["apPass"].toString(),
                 QString("starlight"));
    }

    void silentMountFailsTheNextCommandOnly() {
        const pid_t mount = mountProcess();
        QVERIFY2(mount > 0, "the simulator's process was not found");
        CtlSession session;
        QVERIFY(session.start(VELMORACTL_PATH, link()));
        QVERIFY2(session.ask("status")["ok"].toBool(), qPrintable(session.errors()));

        QCOMPARE(::kill(mount, SIGSTOP), 0);
        qint64 elapsed = 0;
        const QJsonObject failed = session.ask("status", &elapsed);
        ::kill(mount, SIGCONT);
        QCOMPARE(failed["ok"].toBool(), false);
        QCOMPARE(failed["error"].toString(), QString("Communication error"));
        const int limitMs = (Resends + 1) * TimeoutMs;
        QVERIFY2(elapsed >= limitMs && elapsed < limitMs + 500,
                 qPrintable(QString("%1 ms, limit %2 ms").arg(elapsed).arg(limitMs)));

        const QJsonObject recovered = session.ask("status");
        QVERIFY2(recovered["ok"].toBool(), qPrintable(QJsonDocument(recovered).toJson()));
        QCOMPARE(session.finish(), 1);
    }

    // Runs last: everything the simulator heard came from inside the namespaces.
    void onlyTheConsoleNamespaceTalked() { QCOMPARE(peers(), QStringList({"192.168.4.2"})); }
};

int main(int argc, char** argv) {
    const std::string refusal = JEX::Test::netnsGuardRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "SKIP: %s\n", refusal.c_str());
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestVelmoractlNetns test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_velmoractl_netns.moc"
