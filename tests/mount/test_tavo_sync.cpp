// The mount synchronisation against the simulated controller, grouped by operation, then
// every sequence cut short by a fault at each of its requests; bytes and texts of the
// parameter memory on the wire, a program written into it and read back; the task state's
// running rule and the mount settings over the key-value store.

#include "MountRig.h"
#include "ScriptedRawConverser.h"
#include "TAVOParamMemory.h"

#include <QHash>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cmath>
#include <optional>
#include <thread>

using namespace JEX;
using JEX::Test::faultOf;
using JEX::Test::MountRig;
using JEX::Test::reads;
using JEX::Test::writes;
using JEX::Test::writeU32;

namespace {

QByteArray withNul(const char* text) {
    return QByteArray(text) + QByteArray(1, '\0');
}

// Axis 1 of the 3.10-08 and 3.09-08 presets has 2073600 steps a turn (5760 a degree) and a
// 1.5 MHz timer: the sidereal rate of 15"/s is 24 steps a second, a step every 62500 ticks.
TAVOParamSet astroProgram() {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.clockwise = true;
    p.cycleSec = 2.5;
    p.cycleAngleDeg = 1.0;
    p.exposureSec = 1.25;
    p.speedDps = 15.0 / 3600.0;
    p.ditheringEnabled = true;
    p.ditheringRangeDeg = 0.5;
    return p;
}

// The same with the swing on: a start that writes every field of a program.
TAVOParamSet fullProgram() {
    TAVOParamSet p = astroProgram();
    p.swingEnabled = true;
    p.swingRangeDeg = 10;
    return p;
}

bool near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

// Sets the named field of a program when a value is given; returns its value.
double field(TAVOParamSet& p, const QString& name, std::optional<double> set = {}) {
    const auto use = [&](auto& member) {
        if (set)
            member = static_cast<std::remove_reference_t<decltype(member)>>(*set);
        return double(member);
    };
    if (name == "cycles")
        return use(p.N_Cycles);
    if (name == "clockwise")
        return use(p.clockwise);
    p.swingEnabled = p.swingEnabled || (set && name == "swing");
    static const QHash<QString, double TAVOParamSet::*> numbers{
        {"cycle", &TAVOParamSet::cycleSec},          {"speed", &TAVOParamSet::speedDps},
        {"exposure", &TAVOParamSet::exposureSec},    {"aux", &TAVOParamSet::auxTimeSec},
        {"angle", &TAVOParamSet::cycleAngleDeg},     {"swing", &TAVOParamSet::swingRangeDeg},
        {"dither", &TAVOParamSet::ditheringRangeDeg}};
    return use(p.*numbers.value(name));
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

const char* const kWifiUnconfirmed =
    "The Wi-Fi settings were written, but the mount did not confirm that it applied them. If "
    "its Wi-Fi restarts under the new name, it did.";

// Addresses the controller changes by itself (running mode, photo counter, busy bytes).
bool controllerOwned(int address) {
    return address <= 0x03 || (address >= 0x10 && address <= 0x13) || address == 0x20 ||
           address == 0x80;
}

} // namespace

class TestTAVOSync : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> m_;

    void connect(std::string_view preset) {
        m_ = std::make_unique<MountRig>(preset);
        QVERIFY(m_->initDevice());
        m_->clearTranscript();
    }
    ReadTAVOParamSet readBack() { return m_->sync->readParamSet().get(); }

private slots:
    void init() { connect("3.10-08"); }

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
        QCOMPARE(m.traffic(), (QStringList{":e1", ":a1", ":f1", ":b1"} + reads(0x90, 12) +
                               reads(0x00, 1) + reads(0x10, 4) + reads(0x04, 2) + reads(0x1C, 2) +
                               middle + writes(0x6C, "\x01")));
        QCOMPARE(m.sync->deviceName(), std::string("Velmora-Sim"));
        QCOMPARE(changed.count(), 2); // the name, then the power reading
        QVERIFY(m.sim->axis(0).initialised);
        QCOMPARE(m.sim->eventCount("connect-mark"), size_t(1));
        QCOMPARE(m.taskState->readParamSet().hasValue(), programRuns);
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
        QCOMPARE(m_->traffic(), expected);
        QCOMPARE(m_->sim->wifiOn(), !wifiOff);
        QCOMPARE(m_->sim->eventCount("disconnect-mark"), size_t(wifiOff ? 0 : 1));
    }

    // ---- parameter memory: bytes and texts ---------------------------------------------

    void byteAccessOnTheWire() {
        m_->sim->setMemoryByte(0x1A0, 0x5C);
        const CmdResp<uint8_t> read = m_->eeprom->readByte(0x1A0);
        QCOMPARE(read.type, CmdRetType::Ok);
        QCOMPARE(read.get(), uint8_t(0x5C));
        QCOMPARE(m_->eeprom->writeByte(0x1A0, 0xF1), CmdRetType::Ok);
        QCOMPARE(m_->requests(), (QList<QByteArray>{":C1A001\r", ":n1\r", ":C1A001\r", ":N1F1\r"}));
        QCOMPARE(m_->sim->memoryByte(0x1A0), uint8_t(0xF1));
    }

    // An 8-byte field: a shorter text ends with one NUL, a full one has none, and the read
    // stops at the NUL or the field's end.
    void textInAField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<int>("bytes"); // written, and again read back
        const auto row = [](const char* text, const char* memory, int bytes) {
            QTest::newRow(*text ? text : "empty") << QString(text) << QString(memory) << bytes;
        };
        row("ABCDEFGH", "41 42 43 44 45 46 47 48 ee", 8); // full: no NUL
        row("ABCDEFG", "41 42 43 44 45 46 47 00 ee", 8);
        row("ab", "61 62 00 ee ee ee ee ee ee", 3);
        row("", "00 ee ee ee ee ee ee ee ee", 1);
    }
    void textInAField() {
        QFETCH(QString, text);
        QFETCH(QString, memory);
        QFETCH(int, bytes);
        m_->fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, text.toStdString()), CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0xF0, 9), memory);
        QCOMPARE(m_->traffic().size(), bytes);
        QCOMPARE(m_->eeprom->readString(0xF0, 8).get(), text.toStdString());
        QCOMPARE(m_->traffic().size(), bytes);
    }

    void rejectedSelectSendsNoRead() {
        Sim::Faults reject = faultOf("reject");
        reject.letters = "C";
        m_->sim->setFaults(reject);
        QCOMPARE(m_->eeprom->readByte(0x10).type, CmdRetType::Nak);
        QCOMPARE(m_->eeprom->writeByte(0x10, 1), CmdRetType::Nak);
        QCOMPARE(m_->requests(), (QList<QByteArray>{":C11000\r", ":C11000\r"}));
    }

    // A byte is exactly two digits (well-formed ones, 00 among them, are read above); marker,
    // CR and digit rules are the converser's.
    void malformedByteReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("one digit, 3 bytes") << QByteArray("=7\r");
        QTest::newRow("three digits, 5 bytes") << QByteArray("=7F0\r");
        QTest::newRow("no digits") << QByteArray("=\r");
    }
    void malformedByteReply() {
        QFETCH(QByteArray, reply);
        auto raw = std::make_shared<Test::ScriptedRawConverser>();
        raw->replyOk("=\r");
        raw->replyOk(reply.toStdString());
        EEPROMConverser eeprom(std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw)));
        const CmdResp<uint8_t> read = eeprom.readByte(0x0002);
        QCOMPARE(read.type, CmdRetType::Other);
        QVERIFY(!read.value.hasValue());
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
        QCOMPARE(m_->traffic(), reads(0x00, 1) + reads(0x10, 4));
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
        QCOMPARE(m_->traffic(), reads(0x04, 2) + reads(0x1C, 2));
    }

    void deviceNameFillingTheField() {
        const std::string name(32, 'N');
        m_->sim->setMemoryString(0x90, 32, name);
        m_->sim->setMemoryByte(0xB0, 'X');
        QSignalSpy changed(m_->sync.get(), &ITAVOSync::propertyChanged);
        QCOMPARE(m_->sync->readDeviceName().get(), name);
        QCOMPARE(m_->sync->deviceName(), name);
        QCOMPARE(m_->traffic(), reads(0x90, 32));
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
        const QStringList t = m_->traffic();
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
            QCOMPARE(m_->traffic(), writes(0x20, QByteArray(1, 0)));
        if (stopRejected || !statusKnown)
            QCOMPARE(m_->taskState->status(), started);
        else
            QCOMPARE(m_->taskState->status().value(),
                     statusOf(TAVOMode_::E::Manual, 0, 1'700'000'188'456));
    }

    // ---- programs -----------------------------------------------------------------------

    // With dithering; without it the cycle is the program's own (programReadBack).
    void effectiveCycle_data() {
        QTest::addColumn<TAVOParamSet>("program");
        QTest::addColumn<double>("expected");
        const auto row = [](const char* name, double cycle, double exposure, double range,
                            double speed, double expected) {
            QTest::newRow(name) << TAVOParamSet{.cycleSec = cycle,
                                                .exposureSec = exposure,
                                                .speedDps = speed,
                                                .ditheringEnabled = true,
                                                .ditheringRangeDeg = range}
                                << expected;
        };
        // gap 10, move 10: (10 + 10) × 0.25 + 5 + 20
        row("move equals gap", 30, 20, 0.1, 0.01, 30);
        // gap 5 (2 raised to the minimum), move 20: (20 + 5) × 0.25 + 2.5 + 28
        row("long move, short gap", 30, 28, 0.2, 0.01, 36.75);
        // gap 5 though the exposure is longer than the cycle, move 0
        row("exposure over cycle", 10, 12, 0, 0.01, 17);
        // no speed: no move to time, the gaps alone count
        row("no speed", 30, 20, 1, 0, 30);
    }
    void effectiveCycle() {
        QFETCH(TAVOParamSet, program);
        QFETCH(double, expected);
        const double got = effectiveCycleSec(program);
        QVERIFY2(near(got, expected),
                 qPrintable(QString("got %1, expected %2").arg(got).arg(expected)));
    }

    void writesEveryStepInOrder() {
        m_->settings->setWifiOffOnTaskStart(true);
        QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
        // The start time is the low half of the clock's 1700000123456 ms.
        QCOMPARE(m_->traffic(),
                 QStringList{"r 0020"} + writes(0x48, "\x01") + writeU32(0x30, 2500) +
                     writeU32(0x40, 0) + writes(0x38, QByteArray(1, 0)) +
                     writes(0x28, QByteArray(1, 0)) + writeU32(0x24, 62500) + writeU32(0x2C, 13) +
                     writeU32(0x34, 0) + writeU32(0x44, 5760) + writes(0x1A0, "\x01") +
                     writeU32(0x1B8, 2880) + writeU32(0x4C, 0xCFE74A40) + reads(0x00, 1) +
                     writes(0x20, "\x01"));
        QVERIFY(m_->sim->program().active);
        QCOMPARE(m_->sim->program().mode, 1);
    }

    // One field at a time, changed from the program above: the bytes the mount holds (over
    // a marker) and the value read back. A value the memory cannot hold (taken as signed
    // 31-bit) is refused before anything is written, naming the field and its limit.
    void programField_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("address");    // 0: refused
        QTest::addColumn<QString>("stored"); // or the refusal
        QTest::addColumn<double>("expected");
        const auto row = [](const char* name, const char* field, double value, int address,
                            const char* stored, double expected, const char* preset = "3.10-08") {
            QTest::newRow(name) << QString(preset) << QString(field) << value << address
                                << QString(stored) << expected;
        };
        const auto refused = [](const char* field, double value, const char* refusal) {
            QTest::addRow("%s %g refused", field, value)
                << QString("3.10-08") << QString(field) << value << 0 << QString::fromUtf8(refusal)
                << 0.0;
        };
        row("largest cycle in ms", "cycle", 2147483.647, 0x30, "ff ff ff 7f", 2147483.647);
        row("3.09: cycle in s, half away from 0", "cycle", 2.5, 0x30, "03 00 00 00", 3, "3.09-08");
        row("3.09: cycle beyond the ms limit", "cycle", 5e6, 0x30, "40 4b 4c 00", 5e6, "3.09-08");
        row("100000 cycles", "cycles", 100000, 0x34, "a0 86 01 00", 100000);
        row("clockwise", "clockwise", 1, 0x28, "00", 1);
        row("counter-clockwise", "clockwise", 0, 0x28, "01", 0);
        row("exposure in tenths, rounded down", "exposure", 1.24, 0x2C, "0c 00 00 00", 1.2);
        row("aux time in hundredths", "aux", 1.5, 0x40, "96 00 00 00", 1.5);
        row("cycle angle -1°, two's complement", "angle", -1, 0x44, "80 e9 ff ff", -1);
        row("swing in whole degrees", "swing", 39.5, 0x3C, "28 00 00 00", 40);
        refused("cycle", 5000000,
                "Frame period must be from 0 to 2147483.647 s for the mount to hold it.");
        refused("exposure", 214748364.8,
                "Exposure must be from 0 to 214748364.7 s for the mount to hold it.");
        refused("exposure", -1,
                "Exposure must be from 0 to 214748364.7 s for the mount to hold it.");
        refused("aux", std::nan(""),
                "Interval must be from 0 to 21474836.47 s for the mount to hold it.");
        // 5760 steps a degree: 2147483647 / 5760 = 372827.0220…
        refused("angle", -372827.03,
                "Angle per frame must be between -372827.022° and 372827.022° for the mount to "
                "hold it.");
        refused("dither", 1e6,
                "Dithering range must be between -372827.022° and 372827.022° for the mount to "
                "hold it.");
        refused("swing", 3e9,
                "Swing range must be from 0 to 2147483647° for the mount to hold it.");
        refused("cycles", -1, "Photos must be from 0 to 2147483647 for the mount to hold it.");
        // A step period of 2^32 + 1 ticks would wrap to 1 tick: a fast turn.
        refused("speed", 6.0632980104078e-08,
                "Speed must be 0 or from 0.0004366 to 937500 °/h for the mount to hold it.");
        refused("speed", 1e6,
                "Speed must be 0 or from 0.0004366 to 937500 °/h for the mount to hold it.");
        // No refusal to show: a negative speed is the caller's breach, and the device throws.
        refused("speed", -0.01, "");
    }
    void programField() {
        QFETCH(QString, preset);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(int, address);
        QFETCH(QString, stored);
        QFETCH(double, expected);
        connect(preset.toStdString());
        TAVOParamSet p = astroProgram();
        ::field(p, field, value);
        if (!address) {
            QCOMPARE(m_->sync->programOutOfRange(p), stored);
            if (stored.isEmpty())
                QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->programAutoMode(p));
            else
                QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Other);
            QCOMPARE(m_->traffic(), QStringList{"r 0020"});
            QVERIFY(!m_->taskState->readParamSet().hasValue());
            return;
        }
        const int size = int(stored.count(' ')) + 1;
        m_->fillMarker(address, size);
        QCOMPARE(m_->sync->programOutOfRange(p), QString());
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(address, size), stored);
        TAVOParamSet back = readBack().paramSet;
        QVERIFY2(near(::field(back, field), expected),
                 qPrintable(QString::number(::field(back, field), 'g', 17)));
    }

    // Dithering is written for every program from 3.10 on and read back for astrophotography
    // only, where the effective cycle counts it; before 3.10 the cycle is in whole seconds.
    void programReadBack_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("dithering");
        QTest::addColumn<double>("effectiveCycleSec");
        // exposure 1.3 (13 tenths), gap max(5, 2.5 - 1.3) = 5, move 0.5° at 15"/s = 120 s:
        // (120 + 5) × 0.25 + 5 × 0.5 + 1.3
        QTest::newRow("astrophotography") << "3.10-08" << int(TAVOMode_::E::AP) << true << 35.05;
        QTest::newRow("time-lapse") << "3.10-08" << int(TAVOMode_::E::ATL) << false << 2.5;
        QTest::newRow("3.09") << "3.09-08" << int(TAVOMode_::E::AP) << false << 3.0;
    }
    void programReadBack() {
        QFETCH(QString, preset);
        QFETCH(int, mode);
        QFETCH(bool, dithering);
        QFETCH(double, effectiveCycleSec);
        connect(preset.toStdString());
        const bool written = preset == "3.10-08";
        m_->fillMarker(0x1A0, 1);
        m_->fillMarker(0x1B8, 4);
        TAVOParamSet p = astroProgram();
        p.mode = TAVOMode_::E(mode);
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0x1A0, 1), QString(written ? "01" : "ee"));
        QCOMPARE(m_->memoryHex(0x1B8, 4), QString(written ? "40 0b 00 00" : "ee ee ee ee"));
        m_->clearTranscript();
        const ReadTAVOParamSet back = readBack();
        QCOMPARE(m_->traffic().contains("r 01A0"), dithering);
        QCOMPARE(back.paramSet.mode, p.mode);
        QCOMPARE(back.paramSet.ditheringEnabled, dithering);
        QVERIFY(near(back.paramSet.ditheringRangeDeg, dithering ? 0.5 : 0.0));
        QVERIFY2(near(back.paramSet.effectiveCycleSec, effectiveCycleSec),
                 qPrintable(QString::number(back.paramSet.effectiveCycleSec, 'g', 17)));
        QCOMPARE(back.startTimeUnixMs, int64_t(0xCFE74A40));
        QCOMPARE(m_->taskState->readParamSet().value(), back);
    }

    void swingRangeIsLeftAloneWithoutSwinging() {
        m_->sim->setMemoryU32(0x3C, 40); // from an earlier program
        m_->sim->setMemoryByte(0x38, 1);
        TAVOParamSet p = astroProgram();
        p.mode = TAVOMode_::E::Long;
        p.swingRangeDeg = 90;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QVERIFY2(!m_->traffic().join(' ').contains("w 003C"), "0x3C was written");
        QCOMPARE(m_->memoryHex(0x38, 1), QString("00"));
        const TAVOParamSet back = readBack().paramSet;
        QCOMPARE(back.swingEnabled, false);
        QCOMPARE(back.swingRangeDeg, 40.0);
    }

    // A start, a stop and a Wi-Fi apply go out once (no resends); after a lost reply the
    // memory says whether they arrived (the mount takes a program request at once, so that
    // only its running mode tells), and only one that did not, or a Wi-Fi apply whose byte
    // reads clear, is sent again. A start or apply whose request was lost, and an apply whose
    // byte still reads set after a lost reply, are done exactly once in faultAtEveryStep. The
    // script sets the fault of each request from the acting write's select on ("silent*": for
    // good); `sent` is what went to the requested-mode and apply bytes, resends included.
    void actingWriteAfterALostExchange_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("acts"); // program starts, stops or Wi-Fi applies
        const int ok = int(CmdRetType::Ok), timeout = int(CmdRetType::Timeout);
        const QStringList start{"w 0020=01"}, stop{"w 0020=00"}, apply{"w 0080=01"};
        QTest::newRow("start, reply lost, runs: not sent again")
            << "start" << QStringList{"", "reply-loss"} << ok << "" << start << 1;
        QTest::newRow("start, link gone after it")
            << "start" << QStringList{"", "silent*"} << timeout
            << "The start of the program was sent, but the mount did not confirm it. Read the "
               "mount's status to see whether it runs."
            << start << 0;
        QTest::newRow("same mode runs: stopped first")
            << "restart" << QStringList{} << ok << "" << stop + start << 1;
        QTest::newRow("stop, request lost, still runs: sent again")
            << "stop" << QStringList{"", "silent"} << ok << "" << stop + stop << 1;
        // Read back after the mount's busy time, the byte is clear as well: the same settings
        // are applied once more.
        QTest::newRow("Wi-Fi apply, reply lost, byte already clear: applied twice")
            << "wifi at once" << QStringList{"", "reply-loss"} << ok << "" << apply + apply << 2;
        QTest::newRow("Wi-Fi apply, link gone after it")
            << "wifi" << QStringList{"", "silent*"} << timeout << kWifiUnconfirmed << apply << 0;
    }
    void actingWriteAfterALostExchange() {
        QFETCH(QString, operation);
        QFETCH(QStringList, script);
        QFETCH(int, type);
        QFETCH(QString, message);
        QFETCH(QStringList, sent);
        QFETCH(int, acts);
        const auto prepare = [&] {
            QVERIFY(m_->initDevice());
            if (operation == "stop" || operation == "restart")
                QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
            m_->clearTranscript();
            m_->sim->clearEvents();
        };
        const auto run = [&] {
            return operation.startsWith("wifi") ? m_->sync->writeWifiSettings(bothWifi())
                   : operation == "stop"        ? m_->sync->programManualMode()
                                                : m_->sync->programAutoMode(astroProgram());
        };
        Sim::Behaviour behaviour;
        behaviour.programBusySec = 0;
        if (operation == "wifi at once")
            behaviour.wifiApplyBusySec = 0;
        m_ = std::make_unique<MountRig>("3.10-08", behaviour);
        prepare();
        QCOMPARE(run().type, CmdRetType::Ok);
        // The acting write comes last: its select, then the write.
        const qsizetype first = m_->requests().size() - 2;
        m_ = std::make_unique<MountRig>("3.10-08", behaviour);
        prepare();
        qsizetype n = 0; // the hook is copied for each request
        m_->raw->onRequest([&] {
            const qsizetype i = n++ - first;
            QString fault;
            if (i >= 0 && i < script.size())
                fault = script[i];
            else if (i >= 0 && !script.isEmpty() && script.last().endsWith('*'))
                fault = script.last();
            m_->sim->setFaults(faultOf(fault.remove('*')));
        });
        const CmdRet r = run();
        QCOMPARE(int(r.type), type);
        QCOMPARE(r.message, message);
        QCOMPARE(m_->traffic().filter(QRegularExpression("^(w 00[28]0=|:N1)")), sent);
        const char* event = operation == "stop"            ? "program-stop"
                            : operation.startsWith("wifi") ? "wifi-apply"
                                                           : "program-start";
        QCOMPARE(m_->sim->eventCount(event), size_t(acts));
    }

    // A mount let go ends an operation at its next lost exchange instead of taking it up.
    void letGoMountEndsTakingUp() {
        m_->sim->setSilent(true);
        m_->sync->retire();
        QCOMPARE(m_->sync->readStatus().type, CmdRetType::Cancel);
        QCOMPARE(m_->requests(), QList<QByteArray>(3, ":C10000\r")); // a select and its resends
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
        QCOMPARE(m_->traffic(), expected);
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
        QCOMPARE(m_->traffic(), expected);
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
        QCOMPARE(m_->traffic(),
                 reads(0x84, 4) + reads(0x188, 4) + reads(0x184, 4) + reads(0x19C, 1));
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
    // each of its requests in turn, for that request alone. A rejection ends it with Nak, every
    // byte written before the fault in the mount and nothing after it (a setting's commit byte
    // only after the value in full, the start only after every field); a failed start or
    // Wi-Fi write says the mount keeps its state. A lost exchange ends the connect sequence
    // with Timeout the same way; an operation takes it up and ends as without the fault, its
    // start or Wi-Fi apply done exactly once.
    void faultAtEveryStep_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("type");
        for (const char* sequence : {"connect", "program", "wifi", "committed setting"}) {
            const bool connect = QString(sequence) == "connect";
            const int lost = int(connect ? CmdRetType::Timeout : CmdRetType::Ok);
            QTest::addRow("%s, reject", sequence) << sequence << "reject" << int(CmdRetType::Nak);
            QTest::addRow("%s, reply loss", sequence) << sequence << "reply-loss" << lost;
            QTest::addRow("%s, silence", sequence) << sequence << "silent" << lost;
        }
    }
    void faultAtEveryStep() {
        QFETCH(QString, sequence);
        QFETCH(QString, fault);
        QFETCH(int, type);

        const auto make = [&] {
            // The mount keeps answering after the start switches its Wi-Fi off, so that a lost
            // reply of the start can be settled.
            Sim::Behaviour behaviour;
            behaviour.honourWifiOff = false;
            auto m = std::make_unique<MountRig>("3.10-08", behaviour);
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
        const auto run = [&](MountRig& m) -> CmdRet {
            if (sequence == "connect")
                return m.sync->syncOnConnect();
            if (sequence == "program")
                return m.sync->programAutoMode(fullProgram());
            if (sequence == "wifi")
                return m.sync->writeWifiSettings(bothWifi());
            return m.sync->writePolarSightLightTimeoutSec(120);
        };
        const char* act = sequence == "program" ? "program-start" : "wifi-apply";
        const QString keeps =
            sequence == "program" ? "The program was not started; the mount keeps its previous "
                                    "state."
            : sequence == "wifi"  ? "The Wi-Fi settings were not applied; the mount keeps its "
                                    "current Wi-Fi."
                                  : "";

        QList<QByteArray> requests;
        auto reference = make();
        QCOMPARE(run(*reference).type, CmdRetType::Ok);
        requests = reference->requests();
        for (qsizetype k = 0; k < requests.size(); ++k) {
            // The mount as it is when the requests before the fault, and with a lost reply
            // the one that lost it, have been acted on; or as the reference left it.
            auto expected = make();
            Sim::InProcessEndpoint endpoint(expected->sim);
            for (qsizetype i = 0; i < k + (fault == "reply-loss" ? 1 : 0); ++i)
                endpoint(Test::bytes(requests[i]));
            auto m = make();
            m->raw->faultAt(uint64_t(k), faultOf(fault));
            const QString at = QString("request %1 (%2)").arg(k).arg(Test::show(requests[k]));
            const CmdRet result = run(*m);
            QVERIFY2(int(result.type) == type,
                     qPrintable(at + ": type " + QString::number(int(result.type))));
            if (!keeps.isEmpty()) {
                const bool done = result.type == CmdRetType::Ok;
                QVERIFY2(m->sim->eventCount(act) == size_t(done ? 1 : 0), qPrintable(at));
                QCOMPARE(result.message, done ? QString() : keeps);
            }
            const auto memory = m->sim->memory(), wanted = result.type == CmdRetType::Ok
                                                               ? reference->sim->memory()
                                                               : expected->sim->memory();
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
