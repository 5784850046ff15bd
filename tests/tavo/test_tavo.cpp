// The mount object over the simulated controller's in-process endpoint.

#include "AxisTasks.h"
#include "MountRig.h"
#include "MountSettingRow.h"
#include "MountTaskManager.h"
#include "TAVO.h"
#include "WifiForm.h"

#include <QSignalSpy>
#include <QTest>
#include <QUnhandledException>

using namespace JEX;
using JEX::Test::MountRig;

namespace {

// A mount object over the simulator, built from the same parts the mount factory uses, with
// the task manager at hand to read its tags.
struct Rig : MountRig {
    std::shared_ptr<MountTaskManager> manager = std::make_shared<MountTaskManager>(tc);
    std::shared_ptr<TAVO> tavo;

    explicit Rig(std::string_view preset = "3.10-08") : MountRig(preset) {
        tavo = TAVO::create(
            TAVO::D{sync, manager, std::make_shared<TAVOMountTaskFactory>(tc, axis), axis,
                    positions, std::make_shared<PeriodicPositionReadTask>(tc, clock, axis, true),
                    nullptr});
    }
};

TAVOParamSet program(int cycles) {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.cycleSec = 30;
    p.N_Cycles = cycles;
    p.exposureSec = 25;
    p.speedDps = 15.0 / 3600.0;
    return p;
}

// The parameter-memory traffic of one program start on a freshly connected mount.
QStringList oneStart(const TAVOParamSet& params) {
    Rig rig;
    if (rig.tavo->syncOnConnect().type != CmdRetType::Ok)
        return {"<connect failed>"};
    rig.clearTranscript();
    // Straight through the synchronisation: the pool's threads are left for the test itself.
    if (rig.sync->programAutoMode(params).type != CmdRetType::Ok)
        return {"<start failed>"};
    return rig.traffic();
}

// first's traffic, then second's with any number of extra busy reads in front.
bool oneAfterTheOther(const QStringList& traffic, const QStringList& first,
                      const QStringList& second) {
    if (traffic.mid(0, first.size()) != first || second.isEmpty() || second.front() != "r 0020")
        return false;
    QStringList rest = traffic.mid(first.size());
    while (rest.size() > second.size() && rest.front() == "r 0020")
        rest.pop_front();
    return rest == second;
}

} // namespace

class TestTavo : public QObject {
    Q_OBJECT

    std::unique_ptr<Rig> rig_;

private slots:
    void initTestCase() { registerMountMetaTypes(); }
    void init() {
        rig_ = std::make_unique<Rig>();
        QVERIFY(rig_->initDevice());
        rig_->clearTranscript();
    }
    void cleanup() { rig_.reset(); }

    void backToBackProgramStartsRunOneAfterTheOther() {
        // Two modes: a start of the mode already running would stop that program first.
        const TAVOParamSet a = program(11);
        TAVOParamSet b = program(22);
        b.mode = TAVOMode_::E::Long;
        const QStringList aAlone = oneStart(a), bAlone = oneStart(b);
        QVERIFY2(aAlone.contains("w 0020=01"), qPrintable(aAlone.join(' ')));

        QCOMPARE(rig_->tavo->syncOnConnect().type, CmdRetType::Ok);
        rig_->clearTranscript();
        // Each exchange takes a little while, so that both jobs are under way together.
        Sim::Faults slow;
        slow.fixedDelayMs = 2;
        rig_->sim->setFaults(slow);
        QFuture<CmdRet> first = rig_->tavo->programAutoMode(a);
        QFuture<CmdRet> second = rig_->tavo->programAutoMode(b);
        QCOMPARE(first.result().type, CmdRetType::Ok);
        QCOMPARE(second.result().type, CmdRetType::Ok);

        // A select of one job followed by the other job's read or write would leave a raw
        // ":C1" entry and break both blocks.
        const QStringList traffic = rig_->traffic();
        QVERIFY2(oneAfterTheOther(traffic, aAlone, bAlone) ||
                     oneAfterTheOther(traffic, bAlone, aAlone),
                 qPrintable(traffic.join(' ')));
    }

    void readResultMapsCarryTypedValues() {
        rig_->sim->setMemoryU32(0x84, 600);
        rig_->sim->setMemoryByte(0x19C, 1);
        QVariantMap map = rig_->tavo->readWifiTimeoutSec().result();
        QCOMPARE(map.keys(), QStringList({"type", "value"}));
        QCOMPARE(map["type"].metaType(), QMetaType::fromType<CmdRetType_::E>());
        QCOMPARE(map["type"].value<CmdRetType_::E>(), CmdRetType::Ok);
        QCOMPARE(map["value"].metaType(), QMetaType::fromType<uint>());
        QCOMPARE(map["value"].toUInt(), 600u);
        map = rig_->tavo->readPowerOnAutoPreviousTask().result();
        QCOMPARE(map["value"].metaType(), QMetaType::fromType<bool>());
        QCOMPARE(map["value"].toBool(), true);
        // A failed read carries no value.
        rig_->sim->setSilent(true);
        map = rig_->tavo->readWifiTimeoutSec().result();
        QCOMPARE(map["type"].value<CmdRetType_::E>(), CmdRetType::Timeout);
        QVERIFY2(!map["value"].isValid(), qPrintable(map["value"].toString()));
    }

    // A settings row shows what the mount holds: nothing before the first answer, a new value
    // only once the mount has it, the mount's value and one message when the write fails, and
    // never a read answered before the user's change (the second read when the write goes
    // through: it would show 15).
    void settingRowShowsWhatTheMountHolds_data() {
        // 0: the link works; 1: the write's first request is refused; 2: the link is down.
        QTest::addColumn<int>("linkFails");
        QTest::addColumn<QVariantList>("shown");
        QTest::addColumn<uint>("heldSec");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("written") << 0 << QVariantList{10, 30} << 1800u << QStringList{};
        // The write is refused; the read after it finds 15 minutes.
        QTest::newRow("write refused")
            << 1 << QVariantList{10, 15} << 900u << QStringList{"Negative response"};
        // The read after the failed write fails too, without a second message.
        QTest::newRow("link stays down")
            << 2 << QVariantList{10} << 900u << QStringList{"Communication error"};
    }
    void settingRowShowsWhatTheMountHolds() {
        QFETCH(int, linkFails);
        QFETCH(QVariantList, shown);
        QFETCH(uint, heldSec);
        QFETCH(QStringList, messages);
        rig_->sim->setMemoryU32(0x84, 600);
        MountSettingRow row;
        row.setSetting(MountSettingRow::WifiOffMinutes);
        row.setTavo(rig_->tavo.get());
        QVariantList seen;
        QStringList said;
        connect(&row, &MountSettingRow::stateChanged, [&] {
            if (row.known() && (seen.isEmpty() || seen.last() != row.value()))
                seen.append(row.value());
        });
        connect(&row, &MountSettingRow::failed, [&](const QString& m) { said.append(m); });
        row.write(30);
        QVERIFY2(!row.pending(), "a write before the mount's value is known");
        row.read();
        QTRY_VERIFY_WITH_TIMEOUT(row.known(), 30000);

        rig_->sim->setMemoryU32(0x84, 900);
        if (linkFails == 1)
            rig_->raw->faultAt(0, Test::faultOf("reject"));
        else if (linkFails == 2)
            rig_->raw->faultFrom(0, Test::faultOf("silent"));
        else
            row.read();
        row.write(30);
        QVERIFY(row.pending());
        QCOMPARE(row.value(), QVariant(10));
        QTRY_VERIFY_WITH_TIMEOUT(!row.pending(), 30000);
        // The re-read after a failure runs on the same queue: once a later read is answered,
        // its answer is on its way too.
        rig_->tavo->readWifiTimeoutSec().waitForFinished();
        QTRY_COMPARE_WITH_TIMEOUT(seen, shown, 30000);
        rig_->sim->setSilent(false);
        rig_->sim->setFaults({});
        QCOMPARE(said, messages);
        QCOMPARE(rig_->sim->memoryU32(0x84), heldSec);
    }

    // The Wi-Fi form says the rule each field of the chosen mode breaks, counting bytes as the
    // mount does, and writes back what the user left alone as read (both modes at once, a
    // security this console does not know).
    void wifiFormSaysItsRulesAndKeepsWhatWasRead_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("security");
        // The access point's name and password, the station's name, password and address.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("problems");
        const auto row = [](const char* name, WifiMode_::E mode, int security, QStringList texts,
                            QStringList problems) {
            QTest::newRow(name) << int(mode) << security << texts << problems;
        };
        using M = WifiMode_::E;
        const int open = int(WifiSec_::E::Open), wpa2 = int(WifiSec_::E::WPA2_PSK);
        const QString euro11(11, QChar(0x20AC)); // 33 bytes
        row("both modes", M::Both, wpa2, {"Tracker", "secret12", "Home", "", ""}, {});
        row("unknown security", M::AP, 7, {"Tracker", "", "", "", ""},
            {"apSecurity: The mount uses a security this console does not know (7): choose one"});
        row("open: password not judged", M::AP, open, {"Tracker", "x", "", "", ""}, {});
        row("nameless access point", M::AP, open, {"", "", "Home", "", ""},
            {"apSsid: Enter the network's name"});
        row("name of 32 bytes", M::AP, open, {QString(32, 'n'), "", "", "", ""}, {});
        row("name of 33 bytes", M::AP, open, {QString(33, 'n'), "", "", "", ""},
            {"apSsid: At most 32 bytes; this has 33"});
        row("station name of 11 three-byte characters", M::STA, open, {"", "", euro11, "", ""},
            {"staSsid: At most 32 bytes; this has 33"});
        row("short WPA password", M::AP, wpa2, {"Tracker", "secret1", "", "", ""},
            {"apPass: At least 8 characters"});
        row("password of 63 bytes", M::AP, wpa2, {"Tracker", QString(63, 'p'), "", "", ""}, {});
        row("password of 64 bytes", M::AP, wpa2, {"Tracker", QString(64, 'p'), "", "", ""},
            {"apPass: At most 63 bytes; this has 64"});
        row("short station password", M::STA, open, {"", "", "Home", "secret1", ""},
            {"staPass: Empty for an open network, else at least 8 characters"});
        row("fixed address of 15 bytes", M::STA, open, {"", "", "Home", "", "192.168.100.200"}, {});
        row("fixed address out of range", M::STA, open, {"", "", "Home", "", "300.1.1.1"},
            {"fixedIp: Four numbers from 0 to 255 joined by dots, such as 192.168.1.50"});
    }
    void wifiFormSaysItsRulesAndKeepsWhatWasRead() {
        QFETCH(int, mode);
        QFETCH(int, security);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, problems);
        WifiSettings read;
        read.mode = static_cast<WifiMode_::E>(mode);
        read.AP_SEC = static_cast<WifiSec_::E>(security);
        read.AP_SSID = texts[0];
        read.AP_pass = texts[1];
        read.STA_SSID = texts[2];
        read.STA_pass = texts[3];
        read.STA_fixedIP = texts[4];
        WifiForm form;
        form.load(QVariant::fromValue(read));
        QStringList said;
        const QVariantMap p = form.problems();
        for (auto it = p.begin(); it != p.end(); ++it)
            said.append(it.key() + ": " + it.value().toString());
        QCOMPARE(said, problems);
        QVERIFY(!form.edited());
        QCOMPARE(form.settings().value<WifiSettings>(), read);
    }

    // A text longer than its field fails the future with the synchronisation's refusal.
    void overlongTextFailsTheFutureBeforeAnyWrite() {
        WifiSettings w;
        w.AP_SSID = QString(33, 'x');
        try {
            rig_->tavo->writeWifiSettings(w).waitForFinished();
            QFAIL("the future did not fail");
        } catch (const QUnhandledException& e) {
            QVERIFY_THROWS_EXCEPTION(std::logic_error, std::rethrow_exception(e.exception()));
        }
        QCOMPARE(rig_->traffic(), QStringList());
    }

    // The mount object offers the synchronisation's power reading, none before the first, and
    // repeats its announcement on its own thread.
    void powerStatusComesFromTheSynchronisation() {
        QSignalSpy changed(rig_->tavo.get(), &ITAVO::propertyChanged);
        QVERIFY(!rig_->tavo->lastPowerStatus().isValid());
        QCOMPARE(rig_->tavo->readPowerStatus().result().type, CmdRetType::Ok);
        QCOMPARE(rig_->tavo->lastPowerStatus().value<TAVOPowerStatus>(),
                 rig_->sync->lastPowerStatus().value());
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 30000);
    }

    // The periodic read starts once and stops once; a tare zeroes the shown position until
    // the axis moves.
    void periodicReadAndTare() {
        rig_->sim->setAxisPosition(0, 0x800000 + 5000);
        QSignalSpy changed(rig_->tavo.get(), &ITAVO::propertyChanged);
        // positionChanged comes on the mount object's thread, queued by the task threads.
        QSignalSpy moved(rig_->tavo.get(), &ITAVO::positionChanged);
        rig_->tavo->setPeriodicPositionRead(true);
        rig_->tavo->setPeriodicPositionRead(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(rig_->manager->lastTag(kResourcePositionRead), kTagRead);
        QVERIFY(rig_->tavo->periodicPositionRead());
        QTRY_VERIFY_WITH_TIMEOUT(moved.count() > 0, 30000);
        QVERIFY(rig_->tavo->lastAxis1() != 0.0);

        const int before = moved.count();
        rig_->tavo->tareLastAxis1(); // announced on this thread
        QCOMPARE(moved.count(), before + 1);
        QCOMPARE(rig_->tavo->lastAxis1(), 0.0);

        // 1000 steps on (2π / 2073600 each); the reading is due again once the clock has
        // moved half a second.
        rig_->sim->setAxisPosition(0, 0x800000 + 6000);
        rig_->clock->advanceMs(600);
        QTRY_VERIFY_WITH_TIMEOUT(moved.count() >= before + 2, 30000);
        QVERIFY2(qAbs(qAbs(rig_->tavo->lastAxis1()) - 0.0030300855069346) < 1e-12,
                 qPrintable(QString::number(rig_->tavo->lastAxis1(), 'g', 17)));

        rig_->tavo->setPeriodicPositionRead(false);
        rig_->tavo->setPeriodicPositionRead(false);
        QCOMPARE(changed.count(), 2);
        QVERIFY(!rig_->tavo->periodicPositionRead());
        // The read's tag goes when the read has ended.
        QTRY_COMPARE_WITH_TIMEOUT(rig_->manager->lastTag(kResourcePositionRead), 0u, 30000);
    }

    void slewThenStopReachesTheAxis() {
        rig_->tavo->slewAxisAsync(0.01);
        QCOMPARE(rig_->tavo->waitForSlewTask(30000).type, CmdRetType::Ok);
        QVERIFY2(rig_->sim->axis(0).running, qPrintable(rig_->requests().join(' ')));
        QCOMPARE(rig_->manager->lastTag(kResourceAxis1), kTagSlew);
        rig_->tavo->slewAxisAsync(0.0);
        QCOMPARE(rig_->tavo->waitForSlewTask(30000).type, CmdRetType::Ok);
        QVERIFY(!rig_->sim->axis(0).running);
        QCOMPARE(rig_->manager->lastTag(kResourceAxis1), kTagStop);
        QVERIFY(rig_->requests().contains(QByteArray(":K1\r")));
    }

    void queuedJobsOutliveTheMountObject() {
        QFuture<QVariantMap> read = rig_->tavo->readWifiTimeoutSec();
        QFuture<CmdRet> stop = rig_->tavo->programManualMode();
        QPointer<ITAVO> watched = rig_->tavo.get();
        rig_->tavo.reset();
        QVERIFY(watched.isNull());
        QCOMPARE(read.result()["type"].value<CmdRetType_::E>(), CmdRetType::Ok);
        QCOMPARE(stop.result().type, CmdRetType::Ok);
    }
};

QTEST_GUILESS_MAIN(TestTavo)
#include "test_tavo.moc"
