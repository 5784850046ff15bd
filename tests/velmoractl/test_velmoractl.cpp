// velmoractl as a process against the simulated mount's UDP server on loopback (port 0, given
// with --port): commands and what the mount holds after them, input refused before the mount
// hears anything, the link options at work, a slew stopped on time or on Ctrl-C, and a
// session that outlives a silent spell.

#include "MotorController.h"
#include "SettingsFile.h"
#include "SimClock.h"
#include "Spawn.h"
#include "UdpServer.h"
#include "Wire.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace JEX;
using JEX::Test::Run;

class TestVelmoractl : public QObject {
    Q_OBJECT

    std::shared_ptr<Sim::MotorController> sim;
    std::unique_ptr<Sim::UdpServer> server;

    bool startMount(std::string_view preset) {
        Sim::SimConfig config;
        config.identity = *Sim::presetIdentity(preset);
        // Photo cycles of seconds pass in hundredths.
        sim = std::make_shared<Sim::MotorController>(config,
                                                     std::make_shared<Sim::ScaledClock>(100.0));
        server = std::make_unique<Sim::UdpServer>(sim);
        std::string error;
        const bool started = server->start("127.0.0.1", 0, &error);
        if (!started)
            qWarning("%s", error.c_str());
        return started;
    }
    QStringList link() const {
        return {VELMORACTL_PATH, "--ip", "127.0.0.1", "--port", QString::number(server->port())};
    }
    // A sanitized process on a busy machine may answer later than the product's 200 ms: the
    // calls wait generously unless they give their own reply time-out.
    Run ctl(const QStringList& args, const QByteArray& input = {}) {
        const QStringList patient =
            args.contains("--timeout") ? QStringList() : QStringList{"--timeout", "2000"};
        return Test::run(link() + patient + args, input);
    }

private slots:
    void init() { QVERIFY(startMount("3.10-08")); }
    void cleanup() {
        server.reset();
        sim.reset();
    }

    void programRunsCountsAndStops() {
        const Run run = ctl({"--json", "run",
                             R"({"mode":"AP","cycleSec":10,"exposureSec":8,"N_Cycles":1000,)"
                             R"("speedDps":0.0041780746})"});
        QVERIFY2(run.exitCode == 0 && run.json()["ok"].toBool(), qPrintable(run.describe()));

        const Run first = ctl({"--json", "status"});
        QVERIFY2(first.exitCode == 0, qPrintable(first.describe()));
        QCOMPARE(first.json()["mode"].toString(), QString("AP"));
        QCOMPARE(first.json()["running"].toBool(), true);
        QCOMPARE(first.json()["program"].toObject()["N_Cycles"].toInt(), 1000);
        const int before = first.json()["photosTaken"].toInt();
        QTRY_VERIFY_WITH_TIMEOUT(ctl({"--json", "status"}).json()["photosTaken"].toInt() > before,
                                 30000);

        const Run stop = ctl({"stop"});
        QVERIFY2(stop.exitCode == 0 && stop.out == "Stopped\n", qPrintable(stop.describe()));
        const Run after = ctl({"--json", "status"});
        QCOMPARE(after.json()["mode"].toString(), QString("Manual"));
        QCOMPARE(after.json()["running"].toBool(), false);
    }

    void programFromAFileAndFromStandardInput() {
        QTemporaryDir dir;
        QFile file(dir.filePath("program.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"mode":"ATL","cycleSec":5,"exposureSec":2,"N_Cycles":7})");
        file.close();
        const Run fromFile = ctl({"run", "@" + file.fileName()});
        QVERIFY2(fromFile.exitCode == 0, qPrintable(fromFile.describe()));
        QCOMPARE(sim->memoryU32(0x34), 7u);

        const Run fromInput =
            ctl({"run", "-"}, R"({"mode":"Reg","cycleSec":5,"exposureSec":2,"N_Cycles":900})");
        QVERIFY2(fromInput.exitCode == 0, qPrintable(fromInput.describe()));
        QCOMPARE(sim->memoryU32(0x34), 900u);
    }

    // A cycle beyond the 32-bit millisecond field would wrap to another program: refused,
    // naming the field and its limit.
    void programTheMountCannotHoldIsRefused() {
        const Run r = ctl({"run", R"({"mode":"AP","cycleSec":5000000,"exposureSec":4000000})"});
        QVERIFY2(r.exitCode == 1 &&
                     r.err.contains(
                         "Frame period must be from 0 to 2147483.647 s for the mount to hold it."),
                 qPrintable(r.describe()));
    }

    // Read back by a second process, from the mount's memory. A password the mount holds as
    // bytes that are not valid UTF-8 goes back as those bytes when another field is set:
    // nobody would know the replaced one.
    void wifiSettingsAreWrittenAndReadBack() {
        sim->setMemoryByte(0x8C, 3); // WPA2
        sim->setMemoryString(0xB0, 63, "pass\xFF\xFEword");
        const Run set = ctl({"wifi-set", "--mode", "Both", "--sta-ssid", "home", "--sta-pass",
                             "secret12", "--sta-ip", "10.0.0.7"});
        QVERIFY2(set.exitCode == 0, qPrintable(set.describe()));
        QCOMPARE(QByteArray::fromStdString(sim->memoryString(0xB0, 63)),
                 QByteArray("pass\xFF\xFEword"));
        const Run get = ctl({"--json", "wifi-get"});
        QVERIFY2(get.exitCode == 0, qPrintable(get.describe()));
        const QJsonObject w = get.json();
        QCOMPARE(w["mode"].toString(), QString("Both"));
        QCOMPARE(w["apSsid"].toString(), QString("Velmora-Sim"));
        QCOMPARE(w["staSsid"].toString(), QString("home"));
        QCOMPARE(w["staPass"].toString(), QString("secret12"));
        QCOMPARE(w["staFixedIp"].toString(), QString("10.0.0.7"));
    }

    // Answered without a word to the mount: what needs none, and input refused before the
    // mount hears anything, with the pointer to the help.
    void answeredWithoutTheMount_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");  // on standard output, or the error
        QTest::addColumn<int>("reversals"); // lines of output naming one; -1: not counted
        const auto row = [](const char* name, const QStringList& args, int exitCode,
                            const char* said, int reversals = -1) {
            QTest::newRow(name) << args << exitCode << QString(said) << reversals;
        };
        row("help", {"--help"}, 0, "Usage: velmoractl");
        // Polaris at the epoch on the meridian 0, on the reticle's clock face.
        row("polar",
            {"--json", "polar", "--at", "2000-01-01T12:00:00Z", "--lon", "0", "--lat", "-30"}, 0,
            R"("polarisReticleClock":"09:55")");
        // The report is shown, with the reason, though the plan is refused.
        row("plan that is not valid",
            {"plan", "long", "--framePeriodSec=10", "--exposureSec=9.6", "--speedDph=30"}, 1,
            "Valid: no\nError: Frame period must be at least 0.5 seconds longer than exposure\n");
        // 720 photos 10 s apart, their 719 gaps spread over 3 × 20°: 60/719° a photo, three
        // sweeps. The axis turns after 20° and 40° of travel; the turn at 60°, where the last
        // photo is taken, only leads to the step after it: two reversals.
        row("timeline of a swinging plan",
            {"plan", "reg", "--videoTimeSpanHour", "2", "--framePeriodSec", "10", "--speedDph",
             "30", "--swingRangeDeg", "20", "--swingCount", "3", "--timeline"},
            0, "t_s,angle_deg,event\n0,0,start\n0,0,photo\n10,0.08344923505,photo\n", 2);
        // Two photos from midnight at 60° N at midsummer: the Sun stays above −12°.
        row("plan against a night that never comes",
            {"--json", "plan", "ap", "--exposureSec", "60", "--photoIntervalSec", "65", "--photos",
             "2", "--at", "2026-06-21T00:00:00Z", "--lat", "60", "--lon", "10"},
            0, R"("dawnUnixMs":null,"duskUnixMs":null,"endUnixMs":1782000250000)");
        row("unknown command", {"launch"}, 2, "unknown command 'launch'");
        row("a device that never ends", {"run", "@/dev/zero"}, 2,
            "cannot read the program file '/dev/zero'");
        row("program that is not valid", {"run", "reg", "--framePeriodSec", "10"}, 2,
            "the reg program is not valid: not enough inputs");
        row("no such saved profile", {"run", "atl", "--profile", "M42"}, 2,
            "no saved atl profile 'M42'");
    }
    void answeredWithoutTheMount() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(int, reversals);
        const Run r = ctl(args);
        QVERIFY2(r.exitCode == exitCode && (r.out + r.err).contains(said) &&
                     r.err.contains("Try 'velmoractl --help'.") == (exitCode == 2),
                 qPrintable(r.describe()));
        if (reversals >= 0) {
            const QStringList lines = r.out.split('\n');
            QCOMPARE(lines.filter(QRegularExpression(",[^,]*reversal[^,]*$")).size(), reversals);
        }
        QCOMPARE(sim->requestCount(), uint64_t(0));
    }

    void secondsAndLightOfTheMount() {
        const Run set = ctl({"--json", "timers", "--wifi-off", "900", "--auto-run", "on"});
        QVERIFY2(set.exitCode == 0, qPrintable(set.describe()));
        QCOMPARE(set.json()["wifiOffSec"].toInt(), 900);
        QCOMPARE(set.json()["autoRun"].toBool(), true);
        QVERIFY(set.json().contains("lightOffSec"));

        const Run on = ctl({"light", "on"});
        QVERIFY2(on.exitCode == 0, qPrintable(on.describe()));
        QVERIFY(sim->polarLightOn());
    }

    void featuresTheMountLacksAreRefused() {
        cleanup();
        QVERIFY(startMount("3.10-0A"));
        const Run light = ctl({"light", "on"});
        QVERIFY2(light.exitCode == 1 && light.err.contains("this mount has no polar-scope light"),
                 qPrintable(light.describe()));
        const Run timers = ctl({"--json", "timers"});
        QVERIFY2(timers.exitCode == 0, qPrintable(timers.describe()));
        QVERIFY(!timers.json().contains("lightOffSec") && !timers.json().contains("shutdownSec"));
    }

    // The firmware inquiry is answered after 300 ms: inside the given time-out of 3 s, not
    // inside the stored default of 200 ms. A mount that never answers cannot be connected.
    void replyTimeOutIsTheGivenOne() {
        Sim::Faults slow;
        slow.fixedDelayMs = 300;
        slow.letters = "e";
        sim->setFaults(slow);
        const Run patient = ctl({"--timeout", "3000", "--resends", "0", "status"});
        QVERIFY2(patient.exitCode == 0, qPrintable(patient.describe()));

        sim->setSilent(true);
        const Run r = ctl({"--timeout", "200", "status"});
        QVERIFY2(r.exitCode == 3 && r.err.contains("Cannot Connect: Communication error"),
                 qPrintable(r.describe()));
    }

    // The axis turns from the start the mount acknowledged until the stop, which comes on
    // the wire no earlier than the time given, or on Ctrl-C.
    void slewStopsAfterItsTimeOrOnCtrlC_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<int>("leastMs"); // from the start to the stop
        QTest::newRow("for 1 s") << QStringList{"slew", "0.5", "--for", "1"} << false << 1000;
        QTest::newRow("Ctrl-C") << QStringList{"slew", "-0.5", "--for", "3600"} << true << 0;
    }
    void slewStopsAfterItsTimeOrOnCtrlC() {
        QFETCH(QStringList, args);
        QFETCH(bool, interrupted);
        QFETCH(int, leastMs);
        Test::Child slew;
        QVERIFY(slew.start(link() + QStringList{"--timeout", "2000", "--json"} + args));
        if (interrupted) {
            QTRY_VERIFY_WITH_TIMEOUT(sim->axis(0).running, 30000);
            slew.signal(SIGINT);
        }
        QVERIFY2(slew.finish(30000) == 0, qPrintable(slew.errors()));
        const QJsonObject said = QJsonDocument::fromJson(slew.output().toUtf8()).object();
        QCOMPARE(said["interrupted"].toBool(), interrupted);
        const auto starts = sim->transcript()->entriesFor('J');
        const auto stops = sim->transcript()->entriesFor('K');
        QCOMPARE(starts.size(), size_t(1));
        QCOMPARE(stops.size(), size_t(1));
        QCOMPARE(Test::qbytes(stops[0].request), QByteArray(":K1\r"));
        QVERIFY(stops[0].seq > starts[0].seq);
        QVERIFY(stops[0].unixMs - starts[0].unixMs >= leastMs);
        QVERIFY(!sim->axis(0).running);
    }

    void sessionOutlivesASilentSpell() {
        Test::Child session;
        QVERIFY(session.start(
            link() + QStringList{"--timeout", "2000", "--resends", "1", "--json", "session"}));
        const auto ask = [&](const QString& line) {
            session.write((line + '\n').toUtf8());
            return QJsonDocument::fromJson(session.readLine(30000)).object();
        };
        QVERIFY2(ask("status")["ok"].toBool(), qPrintable(session.errors()));

        // A status asked in the spell is taken up again once the mount answers.
        sim->setSilent(true);
        session.write("status\n");
        const auto unanswered = [&] {
            return sim->transcript()->count(
                [](const Sim::Exchange& e) { return e.hasFault("silent"); });
        };
        QTRY_VERIFY_WITH_TIMEOUT(unanswered() >= 2, 30000);
        sim->setSilent(false);
        QVERIFY(QJsonDocument::fromJson(session.readLine(30000)).object()["ok"].toBool());

        // A refused one fails, and the session goes on.
        Sim::Faults reject;
        reject.reject = 1;
        sim->setFaults(reject);
        const QJsonObject failed = ask("status");
        QCOMPARE(failed["error"].toString(), QString("Negative response"));
        QCOMPARE(failed["type"].toString(), QString("Nak"));
        QCOMPARE(failed["exitStatus"].toInt(), 1);
        sim->setFaults({});
        QVERIFY(ask("status")["ok"].toBool());
        QCOMPARE(ask("bogus")["exitStatus"].toInt(), 2);
        QCOMPARE(session.finish(30000), 2);
    }

    // What run would write, in the form run takes.
    void planOffersTheProgramAsRunTakesIt() {
        const Run r = ctl({"--json", "plan", "reg", "--videoTimeSpanHour", "2",
                           "--framePeriodSec=10", "--speedDph", "30", "--photos", "5"});
        QVERIFY2(r.exitCode == 0 && r.json()["valid"].toBool(), qPrintable(r.describe()));
        const QJsonObject program = r.json()["paramSet"].toObject();
        QCOMPARE(program["mode"].toString(), QString("Reg"));
        QCOMPARE(program["N_Cycles"].toInt(), 5);
        QCOMPARE(sim->requestCount(), uint64_t(0));
    }

    void savedProfilesAreListedAndRun() {
        Test::SettingsFile settings;
        const QByteArray stored =
            R"({"p.long":[{"name":"<unnamed>"},{"name":"Pier","T_Exposure":20,"T_Total_H":1,)"
            R"("T_Cycle":30,"A_Range":40,"N_Swings":2,"selects":"T_Total;T_Cycle;A_Range"},)"
            R"({"name":"Draft"}]})";
        QVERIFY(settings.write(stored));
        const Run listed = ctl({"profiles", "long"});
        QVERIFY2(listed.exitCode == 0, qPrintable(listed.describe()));
        QVERIFY2(listed.out.startsWith("Pier: Long-Exposure Time-lapse, 120 photos, every 30 s, "
                                       "exposure 20 s"),
                 qPrintable(listed.out));
        QVERIFY2(listed.out.contains("\nDraft: not valid: not enough inputs"),
                 qPrintable(listed.out));

        const Run run = ctl({"run", "long", "--profile", "Pier"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.describe()));
        QCOMPARE(sim->memoryU32(0x34), 120u); // Pier's, and no other's
        QCOMPARE(settings.readBytes(), stored);
    }
};

QTEST_GUILESS_MAIN(TestVelmoractl)
#include "test_velmoractl.moc"
