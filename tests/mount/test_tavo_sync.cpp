// The mount synchronisation against the simulated controller, grouped by operation, then
// every sequence cut short by a fault at each of its requests; the task state's running rule
// and the mount settings over the key-value store.

#include "MountRig.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

using namespace JEX;
using JEX::Test::faultOf;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using JEX::Test::reads;
using JEX::Test::writes;
using JEX::Test::writeU32;

namespace {

QByteArray withNul(const char* text) {
    return QByteArray(text) + QByteArray(1, '\0');
}

TAVOParamSet fullProgram() {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.cycleSec = 30;
    p.N_Cycles = 20;
    p.cycleAngleDeg = 0.5;
    p.exposureSec = 25;
    p.speedDps = 15.0 / 3600.0;
    p.swingEnabled = true;
    p.swingRangeDeg = 10;
    p.ditheringEnabled = true;
    p.ditheringRangeDeg = 0.1;
    return p;
}

WifiSettings bothWifi() {
    WifiSettings w;
    w.mode = WifiMode_::E::Both;
    w.AP_SEC = WifiSec_::E::WPA2_PSK;
    w.AP_SSID = "Tracker";
    w.AP_pass = "starlight";
    w.STA_SSID = "home";
    w.STA_pass = "secret12";
    w.STA_fixedIP = "10.0.0.7";
    return w;
}

TAVOStatus statusOf(TAVOMode_::E mode, int photos, int64_t ms = 1'700'000'000'000) {
    return TAVOStatus{.updateTimeUnixMs = ms, .mode = mode, .numberOfPictureTaken = photos};
}

ReadTAVOParamSet programOf(int cycles) {
    ReadTAVOParamSet p;
    p.startTimeUnixMs = 1'699'999'000'000;
    p.paramSet.mode = TAVOMode_::E::AP;
    p.paramSet.N_Cycles = cycles;
    p.paramSet.cycleSec = 30;
    return p;
}

// Addresses the controller changes by itself (running mode, photo counter, busy bytes).
bool controllerOwned(int address) {
    return address <= 0x03 || (address >= 0x10 && address <= 0x13) || address == 0x20 ||
           address == 0x80;
}

} // namespace

class TestTAVOSync : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> m_;

    QStringList traffic() {
        const QStringList t = memoryTraffic(m_->requests());
        m_->clearTranscript();
        return t;
    }

private slots:
    void init() {
        m_ = std::make_unique<MountRig>();
        QVERIFY(m_->initDevice());
        m_->clearTranscript();
    }

    // ---- connect and disconnect ---------------------------------------------------------

    void connectSequence_data() {
        QTest::addColumn<bool>("programRuns");
        QTest::addColumn<QStringList>("middle");
        // A running program is read back (with dithering on this firmware); an axis that is
        // not initialised is set to 0 and marked.
        QTest::newRow("program runs, axis new")
            << true
            << reads(0x00, 1) + reads(0x28, 1) + reads(0x24, 4) + reads(0x30, 4) + reads(0x34, 4) +
                   reads(0x38, 1) + reads(0x3C, 4) + reads(0x2C, 4) + reads(0x40, 4) +
                   reads(0x44, 4) + reads(0x1A0, 1) + reads(0x1B8, 4) + reads(0x4C, 4) +
                   QStringList{":E100E987", ":F1"};
        QTest::newRow("manual, axis initialised") << false << QStringList();
    }
    void connectSequence() {
        QFETCH(bool, programRuns);
        QFETCH(QStringList, middle);
        Sim::Behaviour behaviour;
        behaviour.startInitialised = !programRuns;
        MountRig m("3.10-08", behaviour);
        if (programRuns) {
            m.sim->setMemoryByte(0x00, 1);
            m.sim->setMemoryByte(0x1A0, 1);
        }
        QSignalSpy changed(m.sync.get(), &ITAVOSync::propertyChanged);
        QCOMPARE(m.sync->syncOnConnect().type, CmdRetType::Ok);
        QCOMPARE(memoryTraffic(m.requests()),
                 (QStringList{":e1", ":a1", ":f1", ":b1"} + reads(0x90, 12) + reads(0x00, 1) +
                  reads(0x10, 4) + reads(0x04, 2) + reads(0x1C, 2) + middle +
                  writes(0x6C, "\x01")));
        QCOMPARE(m.sync->deviceName(), std::string("Velmora-Sim"));
        QCOMPARE(changed.count(), 2); // the name, then the power reading
        QVERIFY(m.sim->axis(0).initialised);
        QCOMPARE(m.sim->eventCount("connect-mark"), size_t(1));
        QCOMPARE(m.taskState->readParamSet().hasValue(), programRuns);
        if (programRuns)
            QCOMPARE(m.taskState->readParamSet().value().paramSet.ditheringEnabled, true);
    }

    void disconnectMarksOrSwitchesWifiOff_data() {
        QTest::addColumn<bool>("wifiOff");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mark") << false << writes(0x70, "\x01");
        QTest::newRow("Wi-Fi off") << true << QStringList{":W10C0100"};
    }
    void disconnectMarksOrSwitchesWifiOff() {
        QFETCH(bool, wifiOff);
        QFETCH(QStringList, expected);
        m_->settings->setWifiOffOnDisconnect(wifiOff);
        QCOMPARE(m_->sync->prepareDisconnect().type, CmdRetType::Ok);
        QCOMPARE(traffic(), expected);
        QCOMPARE(m_->sim->wifiOn(), !wifiOff);
        QCOMPARE(m_->sim->eventCount("disconnect-mark"), size_t(wifiOff ? 0 : 1));
    }

    // ---- status, power, device name ----------------------------------------------------

    // The running mode is a signed byte (0xFF: -1); QML reads the time as a date in UTC.
    void statusRead() {
        m_->sim->setMemoryByte(0x00, 0xFF);
        m_->sim->setMemoryU32(0x10, 0x01020304);
        QSignalSpy changed(m_->taskState.get(), &ITAVOTaskState::valueChanged);
        const CmdResp<TAVOStatus> s = m_->sync->readStatus();
        QCOMPARE(s.type, CmdRetType::Ok);
        QCOMPARE(s.get(), statusOf(TAVOMode_::E(-1), 0x01020304, 1'700'000'123'456));
        QCOMPARE(m_->sync->status().value(), s.get());
        const QMetaObject& gadget = TAVOStatus::staticMetaObject;
        QCOMPARE(gadget.property(gadget.indexOfProperty("updateTime")).readOnGadget(&s.get()),
                 QVariant(QDateTime(QDate(2023, 11, 14), QTime(22, 15, 23, 456), Qt::UTC)));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(traffic(), reads(0x00, 1) + reads(0x10, 4));
    }

    // Volts × 100 as signed 16-bit numbers (0xFF9C: -100).
    void powerReading() {
        m_->sim->setMemoryU16(0x04, 0xFF9C);
        m_->sim->setMemoryU16(0x1C, 505);
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        const CmdResp<TAVOPowerStatus> p = m_->sync->readPowerStatus();
        QCOMPARE(p.type, CmdRetType::Ok);
        QCOMPARE(p.get(), (TAVOPowerStatus{1'700'000'123'456, -1.0, 5.05}));
        QCOMPARE(m_->sync->lastPowerStatus().value(), p.get());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(traffic(), reads(0x04, 2) + reads(0x1C, 2));
    }

    void deviceNameFillingTheField() {
        const std::string name(32, 'N');
        m_->sim->setMemoryString(0x90, 32, name);
        m_->sim->setMemoryByte(0xB0, 'X');
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        QCOMPARE(m_->sync->readDeviceName().get(), name);
        QCOMPARE(m_->sync->deviceName(), name);
        QCOMPARE(traffic(), reads(0x90, 32));
        QCOMPARE(changed.count(), 1);
    }

    // A read that fails half-way keeps the cached power reading and name, and tells no one.
    void failedReadKeepsTheCache_data() {
        QTest::addColumn<bool>("power");
        QTest::newRow("power, USB voltage rejected") << true;
        QTest::newRow("name, second byte lost") << false;
    }
    void failedReadKeepsTheCache() {
        QFETCH(bool, power);
        QVERIFY(m_->sync->readPowerStatus().ok() && m_->sync->readDeviceName().ok());
        const TAVOPowerStatus before = m_->sync->lastPowerStatus().value();
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        m_->sim->setMemoryU16(0x04, 100);
        m_->sim->setMemoryString(0x90, 32, "Other");
        m_->clock->advanceMs(1000);
        if (power) {
            m_->raw->faultFrom(5, faultOf("reject")); // the USB voltage's first byte
            QCOMPARE(m_->sync->readPowerStatus().type, CmdRetType::Nak);
        } else {
            m_->raw->faultFrom(2, faultOf("silent"));
            QCOMPARE(m_->sync->readDeviceName().type, CmdRetType::Timeout);
        }
        QCOMPARE(m_->sync->lastPowerStatus().value(), before);
        QCOMPARE(m_->sync->deviceName(), std::string("Velmora-Sim"));
        QCOMPARE(changed.count(), 0);
    }

    // ---- program start, busy wait, stop ------------------------------------------------

    // The mount keeps its busy byte set; the test frees the byte or cancels the token in the
    // pause of the given number (0: before the start), on the waiting thread itself.
    void busyWait_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("atPause");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("busyReads");
        QTest::addColumn<int>("pauses");
        const int ok = int(CmdRetType::Ok), other = int(CmdRetType::Other);
        const int cancel = int(CmdRetType::Cancel);
        QTest::newRow("start, stays busy") << 0x20 << "" << 0 << other << 7 << 6;
        QTest::newRow("Wi-Fi apply, stays busy") << 0x80 << "" << 0 << other << 7 << 6;
        QTest::newRow("start, freed in pause 2") << 0x20 << "free" << 2 << ok << 3 << 2;
        QTest::newRow("cancelled before") << 0x20 << "cancel" << 0 << cancel << 1 << 1;
        QTest::newRow("cancelled in pause 2") << 0x20 << "cancel" << 2 << cancel << 2 << 2;
        QTest::newRow("busy read fails")
            << 0x20 << "silent" << 0 << int(CmdRetType::Timeout) << 0 << 0;
    }
    void busyWait() {
        QFETCH(int, address);
        QFETCH(QString, step);
        QFETCH(int, atPause);
        QFETCH(int, result);
        QFETCH(int, busyReads);
        QFETCH(int, pauses);
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(uint16_t(address), 1);
        m_->sim->setSilent(step == "silent");
        if (step == "cancel" && atPause == 0)
            m_->token->cancel();
        m_->waitable->onWait([&](int pause) {
            if (pause == atPause && step == "free")
                m_->sim->setMemoryByte(uint16_t(address), 0);
            else if (pause == atPause && step == "cancel")
                m_->token->cancel();
        });
        const CmdRetType r = address == 0x20 ? m_->sync->programAutoMode(fullProgram()).type
                                             : m_->sync->writeWifiSettings(bothWifi()).type;
        QCOMPARE(int(r), result);
        const QStringList t = traffic();
        const QString busyRead = "r " + Test::upperHex(address, 4);
        QCOMPARE(t.count(busyRead), busyReads);
        QCOMPARE(m_->waitable->waits(), pauses);
        QCOMPARE(m_->waitable->askedMs(), 100 * pauses);
        if (r == CmdRetType::Ok) // the first write follows the last busy read
            QCOMPARE(t.value(busyReads), QString("w 0048=00"));
        else
            QVERIFY2(!t.join(' ').contains("w "), qPrintable(t.join(' ')));
    }

    // The task state after a start and after a stop: the status only where one was read,
    // nothing changed by a refused stop, and a stop that does not wait for the mount.
    void taskStateFollowsStartAndStop_data() {
        QTest::addColumn<bool>("statusKnown");
        QTest::addColumn<bool>("stopRejected");
        QTest::newRow("status known") << true << false;
        QTest::newRow("status never read") << false << false;
        QTest::newRow("stop rejected") << true << true;
    }
    void taskStateFollowsStartAndStop() {
        QFETCH(bool, statusKnown);
        QFETCH(bool, stopRejected);
        m_->sim->setBusyStuck(true);
        if (statusKnown)
            QCOMPARE(m_->sync->readStatus().type, CmdRetType::Ok);
        m_->clock->advanceMs(5000);
        const TAVOParamSet p = fullProgram();
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        // The full start time, not the low half the mount keeps.
        QCOMPARE(m_->taskState->readParamSet().value(), (ReadTAVOParamSet{1'700'000'128'456, p}));
        QCOMPARE(m_->taskState->status().hasValue(), statusKnown);
        if (statusKnown) {
            QCOMPARE(m_->taskState->status().value(),
                     statusOf(TAVOMode_::E::AP, 0, 1'700'000'128'456));
            // As a later reading would have it.
            m_->taskState->setStatus(statusOf(TAVOMode_::E::AP, 7, 1'700'000'128'456));
        }
        const Nullable<TAVOStatus> started = m_->taskState->status();
        m_->clearTranscript();
        m_->clock->advanceMs(60000);
        if (stopRejected)
            m_->sim->setFaults(faultOf("reject"));
        QCOMPARE(m_->sync->programManualMode().type,
                 stopRejected ? CmdRetType::Nak : CmdRetType::Ok);
        QCOMPARE(m_->sim->program().active, stopRejected);
        if (!stopRejected)
            QCOMPARE(traffic(), writes(0x20, QByteArray(1, 0)));
        if (stopRejected || !statusKnown)
            QCOMPARE(m_->taskState->status(), started);
        else
            QCOMPARE(m_->taskState->status().value(),
                     statusOf(TAVOMode_::E::Manual, 0, 1'700'000'188'456));
    }

    // ---- Wi-Fi --------------------------------------------------------------------------

    void wifiWrite_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("security");
        QTest::addColumn<QStringList>("expected");
        const QStringList sta = writes(0xF0, withNul("home")) + writes(0x110, withNul("secret12")) +
                                writes(0x150, withNul("10.0.0.7"));
        QTest::newRow("STA") << 1 << 3
                             << reads(0x80, 1) + writeU32(0x88, 1) + sta + writes(0x80, "\x01");
        QTest::newRow("AP open") << 2 << 0
                                 << reads(0x80, 1) + writeU32(0x88, 2) + writeU32(0x8C, 0) +
                                        writes(0x90, withNul("Tracker")) + writes(0x80, "\x01");
        QTest::newRow("both") << 3 << 3
                              << reads(0x80, 1) + writeU32(0x88, 3) + writeU32(0x8C, 3) +
                                     writes(0x90, withNul("Tracker")) +
                                     writes(0xB0, withNul("starlight")) + sta +
                                     writes(0x80, "\x01");
    }
    void wifiWrite() {
        QFETCH(int, mode);
        QFETCH(int, security);
        QFETCH(QStringList, expected);
        WifiSettings w = bothWifi();
        w.mode = WifiMode_::E(mode);
        w.AP_SEC = WifiSec_::E(security);
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Ok);
        QCOMPARE(traffic(), expected);
        QCOMPARE(m_->sim->eventCount("wifi-apply"), size_t(1));
    }

    void wifiRoundTrip() {
        WifiSettings w = bothWifi();
        w.AP_SSID = QString::fromUtf8("Caf\xC3\xA9 \xE2\x98\x85");
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0x90, 10), QString("43 61 66 c3 a9 20 e2 98 85 00"));
        CmdResp<WifiSettings> back = m_->sync->readWifiSettings();
        QCOMPARE(back.type, CmdRetType::Ok);
        QCOMPARE(back.get(), w);
        QCOMPARE(back.get().STA_useDHCP(), false);
        m_->sim->setMemoryByte(0x8C, 0xFF); // the security byte is signed
        m_->sim->setMemoryByte(0x150, 0);
        back = m_->sync->readWifiSettings();
        QCOMPARE(int(back.get().AP_SEC), -1);
        QVERIFY(back.get().STA_useDHCP());
    }

    void overlongTextIsRefusedBeforeAnyWrite() {
        WifiSettings w = bothWifi();
        w.STA_fixedIP = "192.168.100.200X"; // 16 bytes in a 15-byte field
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->writeWifiSettings(w));
        w = bothWifi(); // 11 characters, 33 bytes
        w.AP_SSID = QString::fromUtf8(QByteArray("\xE2\x98\x85").repeated(11));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->writeWifiSettings(w));
        QVERIFY(m_->requests().isEmpty());
        w = bothWifi(); // a text that is not written is not checked
        w.mode = WifiMode_::E::AP;
        w.AP_SEC = WifiSec_::E::Open;
        w.AP_pass = QString(64, 'p');
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Ok);
    }

    void unknownModeOrSecurityIsRefused_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("security");
        QTest::newRow("mode 0") << 0 << 0;
        QTest::newRow("mode 4") << 4 << 0;
        QTest::newRow("security 1") << 2 << 1;
    }
    void unknownModeOrSecurityIsRefused() {
        QFETCH(int, mode);
        QFETCH(int, security);
        WifiSettings w = bothWifi();
        w.mode = WifiMode_::E(mode);
        w.AP_SEC = WifiSec_::E(security);
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Other);
        QVERIFY(m_->requests().isEmpty());
    }

    // ---- timers, auto-run, light, Wi-Fi switch -------------------------------------------

    void settingsWrites_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Wi-Fi auto-off, no commit") << "wifi" << writeU32(0x84, 600);
        QTest::newRow("light auto-off") << "light" << writeU32(0x188, 600) + writes(0x180, "\x01");
        QTest::newRow("auto shut-down")
            << "shutdown" << writeU32(0x184, 600) + writes(0x180, "\x01");
        QTest::newRow("auto-run") << "autorun" << writes(0x19C, "\x01") + writes(0x180, "\x01");
        QTest::newRow("light on") << "light on" << writes(0x60, "\x01");
        QTest::newRow("light off") << "light off" << writes(0x64, "\x01");
        QTest::newRow("Wi-Fi on") << "wifi on" << QStringList{":W10B0100"};
    }
    void settingsWrites() {
        QFETCH(QString, which);
        QFETCH(QStringList, expected);
        CmdRet r;
        if (which == "wifi")
            r = m_->sync->writeWifiTimeoutSec(600);
        else if (which == "light")
            r = m_->sync->writePolarSightLightTimeoutSec(600);
        else if (which == "shutdown")
            r = m_->sync->writeAutoShutdownSec(600);
        else if (which == "autorun")
            r = m_->sync->writePowerOnAutoPreviousTask(true);
        else if (which == "wifi on")
            r = m_->sync->switchWifi(true);
        else
            r = m_->sync->writePolarSightLightOn(which == "light on");
        QCOMPARE(r.type, CmdRetType::Ok);
        QCOMPARE(traffic(), expected);
        const bool committed = which == "light" || which == "shutdown" || which == "autorun";
        QCOMPARE(m_->sim->eventCount("settings-commit"), size_t(committed ? 1 : 0));
    }

    void settingsReads() {
        m_->sim->setMemoryU32(0x84, 0x00012C00);
        m_->sim->setMemoryU32(0x188, 900);
        m_->sim->setMemoryU32(0x184, 7200);
        m_->sim->setMemoryByte(0x19C, 2);
        QCOMPARE(m_->sync->readWifiTimeoutSec().get(), 0x00012C00u);
        QCOMPARE(m_->sync->readPolarSightLightTimeoutSec().get(), 900u);
        QCOMPARE(m_->sync->readAutoShutdownSec().get(), 7200u);
        QCOMPARE(m_->sync->readPowerOnAutoPreviousTask().get(), true);
        QCOMPARE(traffic(), reads(0x84, 4) + reads(0x188, 4) + reads(0x184, 4) + reads(0x19C, 1));
    }

    // ---- task state and settings --------------------------------------------------------

    // The running rule; QML reads the records, and nothing where the task state cannot tell.
    // Every store is announced, even of the same record.
    void isRunning_data() {
        QTest::addColumn<bool>("hasStatus");
        QTest::addColumn<bool>("hasProgram");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("photos");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<QVariant>("expected");
        const QVariant invalid;
        QTest::newRow("nothing known") << false << false << 0 << 0 << 0 << invalid;
        QTest::newRow("status only") << true << false << 1 << 0 << 0 << invalid;
        QTest::newRow("program only") << false << true << 1 << 0 << 0 << invalid;
        QTest::newRow("manual") << true << true << 0 << 0 << 0 << QVariant(false);
        QTest::newRow("all 50 of 50 taken") << true << true << 1 << 50 << 50 << QVariant(false);
        QTest::newRow("more than asked") << true << true << 1 << 51 << 50 << QVariant(false);
        QTest::newRow("49 of 50") << true << true << 1 << 49 << 50 << QVariant(true);
        QTest::newRow("unlimited") << true << true << 1 << 100000 << 0 << QVariant(true);
        QTest::newRow("long exposure, 0 taken") << true << true << 3 << 0 << 10 << QVariant(true);
    }
    void isRunning() {
        QFETCH(bool, hasStatus);
        QFETCH(bool, hasProgram);
        QFETCH(int, mode);
        QFETCH(int, photos);
        QFETCH(int, cycles);
        QFETCH(QVariant, expected);
        QSignalSpy changed(m_->taskState.get(), &ITAVOTaskState::valueChanged);
        const TAVOStatus s = statusOf(TAVOMode_::E(mode), photos);
        const ReadTAVOParamSet p = programOf(cycles);
        for (int i = 0; i < (hasStatus ? 2 : 0); ++i)
            m_->taskState->setStatus(s);
        if (hasProgram)
            m_->taskState->setReadParamSet(p);
        const auto property = [&](const char* name) { return m_->taskState->property(name); };
        QCOMPARE(changed.count(), 2 * int(hasStatus) + int(hasProgram));
        QCOMPARE(property("isRunningTask"), expected);
        QCOMPARE(property("status"), hasStatus ? QVariant::fromValue(s) : QVariant());
        QCOMPARE(property("paramSet"), hasProgram ? QVariant::fromValue(p.paramSet) : QVariant());
        QCOMPARE(property("readParamSet"), hasProgram ? QVariant::fromValue(p) : QVariant());
        // Queued connections and QML find the records by name.
        QVERIFY(QMetaType::fromName("JEX::ReadTAVOParamSet").isValid());
        QVERIFY(QMetaType::fromName("JEX::TAVOParamSet").isValid());
    }

    // Both settings start off: setting false changes nothing, setting true writes the key
    // once and tells once. The store is read every time; a value that is not a bool is off.
    void settingsWriteAndSignalOnlyOnChange_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("key");
        QTest::newRow("task start") << "wifiOffOnTaskStart"
                                    << "wifiOffOnStart";
        QTest::newRow("disconnect") << "wifiOffOnDisconnect"
                                    << "cxn.dxn_wifi_off";
    }
    void settingsWriteAndSignalOnlyOnChange() {
        QFETCH(QString, property);
        QFETCH(QString, key);
        TAVOSettings& settings = *m_->settings;
        QSignalSpy changed(&settings, &ITAVOSettings::valueChanged);
        const QByteArray name = property.toLatin1();
        QVERIFY(settings.setProperty(name, false));
        QCOMPARE(changed.count(), 0);
        QVERIFY(m_->store->writtenKeys.empty());
        QVERIFY(settings.setProperty(name, true));
        QVERIFY(settings.setProperty(name, true));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_->store->writtenKeys, std::vector<std::string>{key.toStdString()});
        QCOMPARE(m_->store->getBool(key.toStdString(), false), true);
        QCOMPARE(settings.property(name).toBool(), true);
        m_->store->setString(key.toStdString(), "yes");
        QCOMPARE(settings.property(name).toBool(), false);
    }

    // ---- sequences cut short ------------------------------------------------------------

    // Runs a sequence once without faults to learn its requests, then again with a fault at
    // each of its requests in turn, for that request alone: the result is the fault's type,
    // every byte written before the fault is in the mount and nothing after it is (a setting's
    // commit byte only after the value in full).
    void faultAtEveryStep_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("type");
        for (const char* sequence : {"connect", "program", "wifi", "committed setting"}) {
            QTest::addRow("%s, reject", sequence) << sequence << "reject" << int(CmdRetType::Nak);
            QTest::addRow("%s, reply loss", sequence)
                << sequence << "reply-loss" << int(CmdRetType::Timeout);
            QTest::addRow("%s, silence", sequence)
                << sequence << "silent" << int(CmdRetType::Timeout);
        }
    }
    void faultAtEveryStep() {
        QFETCH(QString, sequence);
        QFETCH(QString, fault);
        QFETCH(int, type);

        const auto make = [&] {
            auto m = std::make_unique<MountRig>();
            if (sequence == "connect") {
                m->sim->setMemoryByte(0x00, 1);
                m->sim->setMemoryByte(0x1A0, 1);
            } else {
                m->initDevice();
                m->settings->setWifiOffOnTaskStart(true);
            }
            m->clearTranscript();
            return m;
        };
        const auto run = [&](MountRig& m) -> CmdRetType {
            if (sequence == "connect")
                return m.sync->syncOnConnect().type;
            if (sequence == "program")
                return m.sync->programAutoMode(fullProgram()).type;
            if (sequence == "wifi")
                return m.sync->writeWifiSettings(bothWifi()).type;
            return m.sync->writePolarSightLightTimeoutSec(120).type;
        };

        QList<QByteArray> requests;
        {
            auto reference = make();
            QCOMPARE(run(*reference), CmdRetType::Ok);
            requests = reference->requests();
        }
        for (qsizetype k = 0; k < requests.size(); ++k) {
            // The mount as it is when the requests before the fault, and with a lost reply
            // the one that lost it, have been acted on.
            auto expected = make();
            Sim::InProcessEndpoint endpoint(expected->sim);
            for (qsizetype i = 0; i < k + (fault == "reply-loss" ? 1 : 0); ++i)
                endpoint(Test::bytes(requests[i]));
            auto m = make();
            m->raw->faultAt(uint64_t(k), faultOf(fault));
            const QString at = QString("request %1 (%2)").arg(k).arg(Test::show(requests[k]));
            const CmdRetType result = run(*m);
            QVERIFY2(int(result) == type,
                     qPrintable(at + ": type " + QString::number(int(result))));
            const auto memory = m->sim->memory(), wanted = expected->sim->memory();
            QStringList differ;
            for (int a = 0; a < int(memory.size()); ++a)
                if (!controllerOwned(a) && memory[a] != wanted[a])
                    differ << QString::number(a, 16);
            QVERIFY2(differ.isEmpty(), qPrintable(at + ": bytes differ at " + differ.join(' ')));
        }
    }

    // ---- threads ------------------------------------------------------------------------

    // The synchronisation's cached readings and the task state, written on a worker, read on
    // the GUI thread.
    void cachedValuesAreReadWhileWorkersWriteThem() {
        TAVOTaskState& state = *m_->taskState;
        std::atomic<bool> done{false};
        std::jthread worker([&] {
            for (int i = 1; i <= 40; ++i) {
                m_->sim->setMemoryU16(0x04, uint16_t(699 + i));
                m_->sync->readPowerStatus();
                m_->sync->readDeviceName();
                m_->sync->readStatus();
                state.setReadParamSet(programOf(i));
            }
            done = true;
        });
        while (!done.load()) {
            const Nullable<TAVOPowerStatus> p = m_->sync->lastPowerStatus();
            QVERIFY(!p || (p.value().batteryVolt >= 7.0 && p.value().batteryVolt < 7.4));
            const std::string name = m_->sync->deviceName();
            QVERIFY(name.empty() || name == "Velmora-Sim");
            const QVariant s = state.status_q();
            QVERIFY(!s.isValid() || s.value<TAVOStatus>().mode == TAVOMode_::E::Manual);
            state.isRunningTask_q();
            state.readParamSet_q();
        }
        worker.join();
        QCOMPARE(m_->sync->lastPowerStatus().value().batteryVolt, 7.39);
        QCOMPARE(state.readParamSet().value(), programOf(40));
        QCOMPARE(state.isRunningTask().value(), false); // the mount runs no program
    }
};

QTEST_GUILESS_MAIN(TestTAVOSync)
#include "test_tavo_sync.moc"
