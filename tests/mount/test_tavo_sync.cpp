// The mount synchronisation against the simulated controller, grouped by operation: the
// connect and disconnect sequences, status and power, program start and stop with the busy
// wait, Wi-Fi settings, the three timers and the other settings, the polar-scope light and
// the capability tests; then every sequence cut short by a fault at each of its requests.

#include "MountRig.h"
#include "TAVOParamMemory.h"

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <functional>
#include <thread>

using namespace JEX;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using JEX::Test::reads;
using JEX::Test::writes;
using JEX::Test::writeU32;

namespace {

using Steady = std::chrono::steady_clock;

QString hexBytes(MountRig& m, int from, int count) {
    const auto memory = m.sim->memory();
    QString out;
    for (int i = 0; i < count; ++i)
        out += QString("%1 ").arg(memory[from + i], 2, 16, QChar('0'));
    return out.trimmed();
}

QByteArray withNul(const char* text) {
    return QByteArray(text) + QByteArray(1, '\0');
}

QStringList programReads(bool dithering) {
    QStringList out = reads(0x00, 1) + reads(0x28, 1) + reads(0x24, 4) + reads(0x30, 4) +
                      reads(0x34, 4) + reads(0x38, 1) + reads(0x3C, 4) + reads(0x2C, 4) +
                      reads(0x40, 4) + reads(0x44, 4) + reads(0x1A0, 1);
    if (dithering)
        out += reads(0x1B8, 4);
    return out + reads(0x4C, 4);
}

TAVOParamSet fullProgram() {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.clockwise = false;
    p.cycleSec = 30;
    p.N_Cycles = 20;
    p.cycleAngleDeg = 0.5;
    p.exposureSec = 25;
    p.speedDps = 15.0 / 3600.0;
    p.swingEnabled = true;
    p.swingRangeDeg = 10;
    p.ditheringEnabled = true;
    p.ditheringRangeDeg = 0.1;
    p.effectiveCycleSec = effectiveCycleSec(p);
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

Sim::Faults faultOf(const QString& kind) {
    Sim::Faults f;
    if (kind == "reject")
        f.reject = 1.0;
    else if (kind == "reply-loss")
        f.replyLoss = 1.0;
    else
        f.silent = true;
    return f;
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

    void connect(std::string_view preset, Sim::Behaviour behaviour = {}) {
        m_ = std::make_unique<MountRig>(preset, behaviour);
        QVERIFY(m_->initDevice());
        m_->clearTranscript();
    }
    QStringList traffic() {
        const QStringList t = memoryTraffic(m_->requests());
        m_->clearTranscript();
        return t;
    }

private slots:
    void init() { connect("3.10-08"); }

    // ---- connect and disconnect ---------------------------------------------------------

    void connectSequenceInOrder() {
        MountRig m;
        m.sim->setMemoryByte(0x00, 1); // a program runs
        m.sim->setMemoryByte(0x1A0, 1);
        QSignalSpy changed(m.sync.get(), &ITAVOSync::propertyChanged);
        QCOMPARE(m.sync->syncOnConnect().type, CmdRetType::Ok);
        const QStringList expected = QStringList{":e1", ":a1", ":f1", ":b1"} + reads(0x90, 12) +
                                     reads(0x00, 1) + reads(0x10, 4) + reads(0x04, 2) +
                                     reads(0x1C, 2) + programReads(true) +
                                     QStringList{":E100E987", ":F1"} + writes(0x6C, "\x01");
        QCOMPARE(memoryTraffic(m.requests()), expected);
        QCOMPARE(m.sync->deviceName(), std::string("Velmora-Sim"));
        QCOMPARE(changed.count(), 2); // the name, then the power reading
        QCOMPARE(m.taskState->status().value().mode, TAVOMode_::E::AP);
        QCOMPARE(m.taskState->readParamSet().value().paramSet.ditheringEnabled, true);
        QVERIFY(m.sim->axis(0).initialised);
        QCOMPARE(m.sim->eventCount("connect-mark"), size_t(1));
    }

    void manualMountIsNotAskedForItsProgram() {
        Sim::Behaviour initialised;
        initialised.startInitialised = true;
        MountRig m("3.10-08", initialised);
        QCOMPARE(m.sync->syncOnConnect().type, CmdRetType::Ok);
        const QStringList expected = QStringList{":e1", ":a1", ":f1", ":b1"} + reads(0x90, 12) +
                                     reads(0x00, 1) + reads(0x10, 4) + reads(0x04, 2) +
                                     reads(0x1C, 2) + writes(0x6C, "\x01");
        QCOMPARE(memoryTraffic(m.requests()), expected);
        QVERIFY(!m.taskState->readParamSet().hasValue());
        QCOMPARE(m.taskState->isRunningTask_q(), QVariant());
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

    void switchWifiOn() {
        QCOMPARE(m_->sync->switchWifi(true).type, CmdRetType::Ok);
        QCOMPARE(m_->requests(), QList<QByteArray>{":W10B0100\r"});
        QCOMPARE(m_->sim->eventCount("wifi-on"), size_t(1));
    }

    // ---- status, power, device name ----------------------------------------------------

    void statusReadStoresInTheTaskState() {
        m_->sim->setMemoryByte(0x00, 3);
        m_->sim->setMemoryU32(0x10, 0x01020304);
        QSignalSpy changed(m_->taskState.get(), &ITAVOTaskState::valueChanged);
        const CmdResp<TAVOStatus> s = m_->sync->readStatus();
        QCOMPARE(s.type, CmdRetType::Ok);
        QCOMPARE(s.get().mode, TAVOMode_::E::Long);
        QCOMPARE(s.get().numberOfPictureTaken, 0x01020304);
        QCOMPARE(s.get().updateTimeUnixMs, m_->clock->nowMs());
        QCOMPARE(s.get().maxPosErrReached, false);
        QCOMPARE(m_->sync->status().value(), s.get());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(traffic(), reads(0x00, 1) + reads(0x10, 4));
    }

    void runningModeIsSignExtended() {
        m_->sim->setMemoryByte(0x00, 0xFF);
        QCOMPARE(int(m_->sync->readStatus().get().mode), -1);
    }

    void powerReading_data() {
        QTest::addColumn<int>("battery");
        QTest::addColumn<int>("usb");
        QTest::addColumn<double>("batteryVolt");
        QTest::addColumn<double>("usbVolt");
        QTest::newRow("charged") << 790 << 505 << 7.9 << 5.05;
        QTest::newRow("negative is sign-extended") << 0xFF9C << 0 << -1.0 << 0.0;
    }
    void powerReading() {
        QFETCH(int, battery);
        QFETCH(int, usb);
        QFETCH(double, batteryVolt);
        QFETCH(double, usbVolt);
        m_->sim->setMemoryU16(0x04, uint16_t(battery));
        m_->sim->setMemoryU16(0x1C, uint16_t(usb));
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        const CmdResp<TAVOPowerStatus> p = m_->sync->readPowerStatus();
        QCOMPARE(p.type, CmdRetType::Ok);
        QCOMPARE(p.get().batteryVolt, batteryVolt);
        QCOMPARE(p.get().usbVolt, usbVolt);
        QCOMPARE(p.get().readTimeUnixMs, m_->clock->nowMs());
        QCOMPARE(m_->sync->lastPowerStatus().value(), p.get());
        QCOMPARE(changed.count(), 1);
    }

    void failedPowerReadLeavesTheCacheAndEmitsNothing() {
        QVERIFY(!m_->sync->lastPowerStatus().hasValue());
        const TAVOPowerStatus first = m_->sync->readPowerStatus().get();
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        m_->sim->setMemoryU16(0x04, 100);
        m_->clock->advanceMs(1000);
        m_->raw->faultFrom(5, faultOf("reject")); // the USB voltage's first byte
        QCOMPARE(m_->sync->readPowerStatus().type, CmdRetType::Nak);
        QCOMPARE(m_->sync->lastPowerStatus().value(), first);
        QCOMPARE(changed.count(), 0);
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

    void failedDeviceNameReadKeepsTheName() {
        QCOMPARE(m_->sync->readDeviceName().type, CmdRetType::Ok);
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        m_->sim->setSilent(true);
        QCOMPARE(m_->sync->readDeviceName().type, CmdRetType::Timeout);
        QCOMPARE(m_->sync->deviceName(), std::string("Velmora-Sim"));
        QCOMPARE(changed.count(), 0);
    }

    // ---- program start, busy wait, stop ------------------------------------------------

    void busyWaitGivesUpAfterSevenReads() {
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(0x20, 1);
        const auto start = Steady::now();
        QCOMPARE(m_->sync->programAutoMode(fullProgram()).type, CmdRetType::Other);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count();
        QCOMPARE(traffic(), QStringList(7, "r 0020"));
        QCOMPARE(m_->waitable->waits(), 6);
        QVERIFY2(ms >= 550 && ms < 5000, qPrintable(QString("waited %1 ms").arg(ms)));
    }

    void busyWaitEndsWhenTheMountTakesTheProgram() {
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(0x20, 2);
        CmdRetType result = CmdRetType::Other;
        std::thread worker([&] { result = m_->sync->programAutoMode(fullProgram()).type; });
        QTRY_VERIFY_WITH_TIMEOUT(m_->waitable->waits() >= 2, 5000);
        m_->sim->setMemoryByte(0x20, 0); // the mount is free again
        worker.join();
        QCOMPARE(result, CmdRetType::Ok);
        const QStringList t = traffic();
        const int busyReads = int(t.indexOf("w 0048=00"));
        QVERIFY2(busyReads >= 3 && busyReads <= 7 &&
                     t.mid(0, busyReads).count("r 0020") == busyReads,
                 qPrintable(t.mid(0, 8).join(',')));
        QCOMPARE(m_->waitable->waits(), busyReads - 1);
        QCOMPARE(m_->sim->program().mode, 1);
    }

    void cancelledBeforeTheFirstWait() {
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(0x20, 1);
        m_->token->cancel();
        QCOMPARE(m_->sync->programAutoMode(fullProgram()).type, CmdRetType::Cancel);
        QCOMPARE(traffic(), reads(0x20, 1));
    }

    void cancelledDuringTheWait() {
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(0x20, 1);
        CmdRetType result = CmdRetType::Ok;
        std::thread worker([&] { result = m_->sync->programAutoMode(fullProgram()).type; });
        QTRY_VERIFY_WITH_TIMEOUT(m_->waitable->waits() >= 2, 5000);
        m_->token->cancel();
        worker.join();
        QCOMPARE(result, CmdRetType::Cancel);
        const QStringList t = traffic();
        QVERIFY2(t.size() >= 2 && t.size() < 7 && t.count("r 0020") == t.size(),
                 qPrintable(t.join(',')));
    }

    void failedBusyReadEndsTheStart() {
        m_->sim->setSilent(true);
        QCOMPARE(m_->sync->programAutoMode(fullProgram()).type, CmdRetType::Timeout);
        QCOMPARE(m_->waitable->waits(), 0);
    }

    void stopWritesZeroWithoutWaiting() {
        m_->sim->setBusyStuck(true);
        QCOMPARE(m_->sync->readStatus().type, CmdRetType::Ok);
        QCOMPARE(m_->sync->programAutoMode(fullProgram()).type, CmdRetType::Ok);
        QVERIFY(m_->sim->program().active);
        m_->clearTranscript();
        m_->clock->advanceMs(60000);
        QCOMPARE(m_->sync->programManualMode().type, CmdRetType::Ok);
        QCOMPARE(traffic(), writes(0x20, QByteArray(1, 0)));
        QVERIFY(!m_->sim->program().active);
        const TAVOStatus s = m_->taskState->status().value();
        QCOMPARE(s.mode, TAVOMode_::E::Manual);
        QCOMPARE(s.numberOfPictureTaken, 0);
        QCOMPARE(s.updateTimeUnixMs, m_->clock->nowMs());
        QCOMPARE(m_->taskState->isRunningTask().value(), false);
    }

    void stopWithoutStatusLeavesItEmpty() {
        QCOMPARE(m_->sync->programManualMode().type, CmdRetType::Ok);
        QVERIFY(!m_->taskState->status().hasValue());
    }

    void failedStopLeavesTheStatus() {
        QCOMPARE(m_->sync->readStatus().type, CmdRetType::Ok);
        const TAVOStatus before = m_->taskState->status().value();
        m_->sim->setFaults(faultOf("reject"));
        QCOMPARE(m_->sync->programManualMode().type, CmdRetType::Nak);
        QCOMPARE(m_->taskState->status().value(), before);
    }

    // ---- Wi-Fi --------------------------------------------------------------------------

    void wifiWrite_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("security");
        QTest::addColumn<QStringList>("expected");
        const QStringList ap = writeU32(0x8C, 3) + writes(0x90, withNul("Tracker"));
        const QStringList sta = writes(0xF0, withNul("home")) + writes(0x110, withNul("secret12")) +
                                writes(0x150, withNul("10.0.0.7"));
        QTest::newRow("STA") << 1 << 3
                             << reads(0x80, 1) + writeU32(0x88, 1) + sta + writes(0x80, "\x01");
        QTest::newRow("AP open") << 2 << 0
                                 << reads(0x80, 1) + writeU32(0x88, 2) + writeU32(0x8C, 0) +
                                        writes(0x90, withNul("Tracker")) + writes(0x80, "\x01");
        QTest::newRow("AP WPA2") << 2 << 3
                                 << reads(0x80, 1) + writeU32(0x88, 2) + ap +
                                        writes(0xB0, withNul("starlight")) + writes(0x80, "\x01");
        QTest::newRow("both") << 3 << 3
                              << reads(0x80, 1) + writeU32(0x88, 3) + ap +
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

    void staWriteLeavesTheAccessPointAlone() {
        WifiSettings w = bothWifi();
        w.mode = WifiMode_::E::STA;
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Ok);
        const QList<int> written = Test::touchedAddresses(traffic(), 'w');
        for (int a = 0x8C; a < 0xF0; ++a)
            QVERIFY2(!written.contains(a), qPrintable(QString("0x%1 written").arg(a, 0, 16)));
        QCOMPARE(hexBytes(*m_, 0x90, 11), QString("56 65 6c 6d 6f 72 61 2d 53 69 6d"));
    }

    void wifiRoundTrip() {
        WifiSettings w = bothWifi();
        w.AP_SSID = QString::fromUtf8("Caf\xC3\xA9 \xE2\x98\x85");
        QCOMPARE(m_->sync->writeWifiSettings(w).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x90, 10), QString("43 61 66 c3 a9 20 e2 98 85 00"));
        const CmdResp<WifiSettings> back = m_->sync->readWifiSettings();
        QCOMPARE(back.type, CmdRetType::Ok);
        QCOMPARE(back.get(), w);
        QCOMPARE(back.get().STA_useDHCP(), false);
    }

    void wifiReadOrder() {
        m_->sim->setMemoryByte(0x8C, 0xFF);
        const CmdResp<WifiSettings> w = m_->sync->readWifiSettings();
        QCOMPARE(traffic(), reads(0x88, 1) + reads(0x8C, 1) + reads(0x90, 12) + reads(0xB0, 1) +
                                reads(0xF0, 1) + reads(0x110, 1) + reads(0x150, 1));
        QCOMPARE(w.get().mode, WifiMode_::E::AP);
        QCOMPARE(int(w.get().AP_SEC), -1);
        QCOMPARE(w.get().AP_SSID, QString("Velmora-Sim"));
        QVERIFY(w.get().STA_useDHCP());
    }

    void overlongTextIsRefusedBeforeAnyWrite() {
        WifiSettings w = bothWifi();
        w.STA_fixedIP = "192.168.100.200X"; // 16 bytes in a 15-byte field
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->writeWifiSettings(w));
        QVERIFY(m_->requests().isEmpty());
        // Multi-byte characters count in bytes: 11 characters, 33 bytes.
        w = bothWifi();
        w.AP_SSID = QString::fromUtf8(QByteArray("\xE2\x98\x85").repeated(11));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->writeWifiSettings(w));
        QVERIFY(m_->requests().isEmpty());
        // A text that is not written is not checked.
        w = bothWifi();
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

    void wifiApplyBusyWait() {
        m_->sim->setBusyStuck(true);
        m_->sim->setMemoryByte(0x80, 1);
        QCOMPARE(m_->sync->writeWifiSettings(bothWifi()).type, CmdRetType::Other);
        QCOMPARE(traffic(), QStringList(7, "r 0080"));
    }

    // ---- timers, auto-run, light -------------------------------------------------------

    void settingsWrites_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Wi-Fi auto-off, no commit") << "wifi" << writeU32(0x84, 600);
        QTest::newRow("light auto-off") << "light" << writeU32(0x188, 600) + writes(0x180, "\x01");
        QTest::newRow("auto shut-down")
            << "shutdown" << writeU32(0x184, 600) + writes(0x180, "\x01");
        QTest::newRow("auto-run") << "autorun" << writes(0x19C, "\x01") + writes(0x180, "\x01");
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
        else
            r = m_->sync->writePowerOnAutoPreviousTask(true);
        QCOMPARE(r.type, CmdRetType::Ok);
        QCOMPARE(traffic(), expected);
        QCOMPARE(m_->sim->eventCount("settings-commit"), size_t(which == "wifi" ? 0 : 1));
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
        m_->sim->setSilent(true);
        const CmdResp<uint32_t> failed = m_->sync->readWifiTimeoutSec();
        QCOMPARE(failed.type, CmdRetType::Timeout);
        QVERIFY(!failed.value.hasValue());
        QCOMPARE(m_->sync->readPowerOnAutoPreviousTask().type, CmdRetType::Timeout);
    }

    void commitFollowsOnlyASuccessfulWrite() {
        m_->sim->setFaults(faultOf("reject"));
        QCOMPARE(m_->sync->writeAutoShutdownSec(60).type, CmdRetType::Nak);
        QCOMPARE(m_->sim->eventCount("settings-commit"), size_t(0));
    }

    void commitResultIsTheResult() {
        m_->raw->faultFrom(8, faultOf("reject")); // after the four bytes
        QCOMPARE(m_->sync->writePolarSightLightTimeoutSec(120).type, CmdRetType::Nak);
        QCOMPARE(hexBytes(*m_, 0x188, 4), QString("78 00 00 00"));
        QCOMPARE(m_->sim->eventCount("settings-commit"), size_t(0));
    }

    void polarSightLight() {
        QCOMPARE(m_->sync->writePolarSightLightOn(true).type, CmdRetType::Ok);
        QVERIFY(m_->sim->polarLightOn());
        QCOMPARE(m_->sync->writePolarSightLightOn(false).type, CmdRetType::Ok);
        QVERIFY(!m_->sim->polarLightOn());
        QCOMPARE(traffic(), writes(0x60, "\x01") + writes(0x64, "\x01"));
    }

    // ---- capabilities -------------------------------------------------------------------

    void capabilities_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("velmoraWifi");
        QTest::addColumn<bool>("newFirmware");
        QTest::newRow("3.10-08") << "3.10-08" << false << true;
        QTest::newRow("3.10-0A") << "3.10-0A" << true << true;
        QTest::newRow("3.09-08") << "3.09-08" << false << false;
        QTest::newRow("3.39-80") << "3.39-80" << false << true;
    }
    void capabilities() {
        QFETCH(QString, preset);
        QFETCH(bool, velmoraWifi);
        QFETCH(bool, newFirmware);
        connect(preset.toStdString());
        QCOMPARE(m_->sync->isVelmoraWifi(), velmoraWifi);
        QCOMPARE(m_->sync->hasPolarSightLight(), !velmoraWifi);
        QCOMPARE(m_->sync->hasAutoShutdown(), !velmoraWifi);
        QCOMPARE(m_->sync->hasDithering(), newFirmware);
        QCOMPARE(m_->sync->hasMillisecondPeriods(), newFirmware);
        QVERIFY(m_->requests().isEmpty());
    }

    // ---- sequences cut short ------------------------------------------------------------

    // Runs a sequence once without faults to learn its requests, then again with a fault at
    // each of its requests in turn, for that request alone: the result is the fault's type,
    // every byte written before the fault is in the mount and nothing after it is.
    void faultAtEveryStep_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("type");
        for (const char* sequence : {"connect", "program", "wifi"}) {
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
            return m.sync->writeWifiSettings(bothWifi()).type;
        };

        QList<QByteArray> requests;
        {
            auto reference = make();
            QCOMPARE(run(*reference), CmdRetType::Ok);
            requests = reference->requests();
        }
        // The parameter-memory write each request completes, if any.
        QList<std::optional<std::pair<int, uint8_t>>> writeAt(requests.size());
        for (qsizetype i = 1; i < requests.size(); ++i) {
            const QByteArray& c = requests[i - 1];
            const QByteArray& n = requests[i];
            if (c.startsWith(":C1") && c.size() == 8 && n.startsWith(":N1") && n.size() == 6)
                writeAt[i] = std::pair{(c.mid(5, 2) + c.mid(3, 2)).toInt(nullptr, 16),
                                       uint8_t(n.mid(3, 2).toInt(nullptr, 16))};
        }

        for (qsizetype k = 0; k < requests.size(); ++k) {
            auto m = make();
            auto expected = m->sim->memory();
            for (qsizetype i = 0; i < k; ++i)
                if (writeAt[i])
                    expected[writeAt[i]->first] = writeAt[i]->second;
            if (fault == "reply-loss" && writeAt[k]) // acted on, only the reply lost
                expected[writeAt[k]->first] = writeAt[k]->second;

            m->raw->faultAt(uint64_t(k), faultOf(fault));
            CmdRetType result = CmdRetType::Ok;
            try {
                result = run(*m);
            } catch (const std::exception& e) {
                QFAIL(qPrintable(QString("request %1 (%2): exception %3")
                                     .arg(k)
                                     .arg(QString(requests[k]).trimmed())
                                     .arg(e.what())));
            }
            QVERIFY2(int(result) == type, qPrintable(QString("request %1 (%2): type %3")
                                                         .arg(k)
                                                         .arg(QString(requests[k]).trimmed())
                                                         .arg(int(result))));
            const auto memory = m->sim->memory();
            for (int a = 0; a < int(memory.size()); ++a)
                QVERIFY2(controllerOwned(a) || memory[a] == expected[a],
                         qPrintable(QString("fault at request %1 (%2): byte 0x%3 is %4, not %5")
                                        .arg(k)
                                        .arg(QString(requests[k]).trimmed())
                                        .arg(a, 0, 16)
                                        .arg(memory[a], 2, 16, QChar('0'))
                                        .arg(expected[a], 2, 16, QChar('0'))));
        }
    }

    // ---- threads ------------------------------------------------------------------------

    void cachedValuesAreReadWhileWorkersWriteThem() {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int i = 0; i < 40; ++i) {
                m_->sim->setMemoryU16(0x04, uint16_t(700 + i));
                m_->sync->readPowerStatus();
                m_->sync->readDeviceName();
                m_->sync->readStatus();
            }
            done = true;
        });
        int gets = 0;
        while (!done.load()) {
            const Nullable<TAVOPowerStatus> p = m_->sync->lastPowerStatus();
            QVERIFY(!p || (p.value().batteryVolt >= 7.0 && p.value().batteryVolt < 7.4));
            const std::string name = m_->sync->deviceName();
            QVERIFY(name.empty() || name == "Velmora-Sim");
            m_->taskState->status_q();
            ++gets;
        }
        worker.join();
        QVERIFY(gets > 0);
        QCOMPARE(m_->sync->lastPowerStatus().value().batteryVolt, 7.39);
    }
};

QTEST_GUILESS_MAIN(TestTAVOSync)
#include "test_tavo_sync.moc"
