// The simulated controller's parameter memory: bytes and texts on the wire, and a program
// written into it and read back.

#include "MountRig.h"
#include "ScriptedRawConverser.h"
#include "TAVOParamMemory.h"

#include <QHash>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace JEX;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using JEX::Test::writes;
using JEX::Test::writeU32;

namespace {

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

} // namespace

class TestProgramMemory : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> m_;

    void connect(std::string_view preset) {
        Sim::Behaviour quick;
        quick.programBusySec = 0; // the mount takes each program at once here
        m_ = std::make_unique<MountRig>(preset, quick);
        QVERIFY(m_->initDevice());
        m_->clearTranscript();
    }
    QList<QByteArray> sent() {
        const auto r = m_->requests();
        m_->clearTranscript();
        return r;
    }
    QStringList traffic() { return memoryTraffic(sent()); }
    // Fills a field (and the byte after it, where asked) with a marker no write here produces.
    void fillMarker(int address, int count) {
        for (int i = 0; i < count; ++i)
            m_->sim->setMemoryByte(uint16_t(address + i), 0xEE);
    }
    ReadTAVOParamSet readBack() { return m_->sync->readParamSet().get(); }

private slots:
    void init() { connect("3.10-08"); }

    // ---- bytes and texts ----------------------------------------------------------------

    void byteAccessOnTheWire() {
        m_->sim->setMemoryByte(0x1A0, 0x5C);
        const CmdResp<uint8_t> read = m_->eeprom->readByte(0x1A0);
        QCOMPARE(read.type, CmdRetType::Ok);
        QCOMPARE(read.get(), uint8_t(0x5C));
        QCOMPARE(m_->eeprom->writeByte(0x1A0, 0xF1), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":C1A001\r", ":n1\r", ":C1A001\r", ":N1F1\r"}));
        QCOMPARE(m_->sim->memoryByte(0x1A0), uint8_t(0xF1));
    }

    // An 8-byte field: a shorter text ends with one NUL, a full one has none, and the read
    // stops at the NUL or the field's end.
    void textInAField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<int>("requests"); // to write it, and again to read it back
        const auto row = [](const char* text, const char* memory, int requests) {
            QTest::newRow(*text ? text : "empty") << QString(text) << QString(memory) << requests;
        };
        row("ABCDEFGH", "41 42 43 44 45 46 47 48 ee", 16); // full: no NUL
        row("ABCDEFG", "41 42 43 44 45 46 47 00 ee", 16);
        row("ab", "61 62 00 ee ee ee ee ee ee", 6);
        row("", "00 ee ee ee ee ee ee ee ee", 2);
    }
    void textInAField() {
        QFETCH(QString, text);
        QFETCH(QString, memory);
        QFETCH(int, requests);
        fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, text.toStdString()), CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0xF0, 9), memory);
        QCOMPARE(sent().size(), requests);
        QCOMPARE(m_->eeprom->readString(0xF0, 8).get(), text.toStdString());
        QCOMPARE(sent().size(), requests);
    }

    void rejectedSelectSendsNoRead() {
        Sim::Faults reject = Test::faultOf("reject");
        reject.letters = "C";
        m_->sim->setFaults(reject);
        QCOMPARE(m_->eeprom->readByte(0x10).type, CmdRetType::Nak);
        QCOMPARE(m_->eeprom->writeByte(0x10, 1), CmdRetType::Nak);
        QCOMPARE(sent(), (QList<QByteArray>{":C11000\r", ":C11000\r"}));
    }

    // A byte is exactly two digits; marker, CR and digit rules are the converser's.
    void readReplyShapes_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        const int ok = int(CmdRetType::Ok), other = int(CmdRetType::Other);
        QTest::newRow("two digits") << QByteArray("=7F\r") << ok << 0x7F;
        QTest::newRow("zero") << QByteArray("=00\r") << ok << 0;
        QTest::newRow("one digit, 3 bytes") << QByteArray("=7\r") << other << -1;
        QTest::newRow("three digits, 5 bytes") << QByteArray("=7F0\r") << other << -1;
        QTest::newRow("no digits") << QByteArray("=\r") << other << -1;
    }
    void readReplyShapes() {
        QFETCH(QByteArray, reply);
        QFETCH(int, type);
        QFETCH(int, value);
        auto raw = std::make_shared<Test::ScriptedRawConverser>();
        raw->replyOk("=\r");
        raw->replyOk(reply.toStdString());
        EEPROMConverser eeprom(std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw)));
        const CmdResp<uint8_t> read = eeprom.readByte(0x0002);
        QCOMPARE(int(read.type), type);
        QCOMPARE(read.value.hasValue(), value >= 0);
        if (value >= 0)
            QCOMPARE(int(read.get()), value);
    }

    // ---- programs -----------------------------------------------------------------------

    void roundsHalvesAwayFromZeroThenTruncates_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<uint>("stored");
        QTest::newRow("2.5") << 2.5 << 3u;
        QTest::newRow("2.4999") << 2.4999 << 2u;
        QTest::newRow("-2.5") << -2.5 << 0xFFFFFFFDu;
        QTest::newRow("2^32 + 5") << 4294967301.0 << 5u;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0u;
        QTest::newRow("huge") << 1e300 << uint32_t(uint64_t(9200000000000000000ULL));
    }
    void roundsHalvesAwayFromZeroThenTruncates() {
        QFETCH(double, value);
        QFETCH(uint, stored);
        QCOMPARE(storedU32(value), uint32_t(stored));
    }

    void effectiveCycle_data() {
        QTest::addColumn<TAVOParamSet>("program");
        QTest::addColumn<double>("expected");
        const auto row = [](const char* name, bool dithering, double cycle, double exposure,
                            double range, double speed, double expected) {
            QTest::newRow(name) << TAVOParamSet{.cycleSec = cycle,
                                                .exposureSec = exposure,
                                                .speedDps = speed,
                                                .ditheringEnabled = dithering,
                                                .ditheringRangeDeg = range}
                                << expected;
        };
        row("no dithering", false, 30, 20, 1, 0.01, 30);
        // gap 10, move 10: (10 + 10) × 0.25 + 5 + 20
        row("move equals gap", true, 30, 20, 0.1, 0.01, 30);
        // gap 5 (2 raised to the minimum), move 20: (20 + 5) × 0.25 + 2.5 + 28
        row("long move, short gap", true, 30, 28, 0.2, 0.01, 36.75);
        // gap 5 though the exposure is longer than the cycle, move 0
        row("exposure over cycle", true, 10, 12, 0, 0.01, 17);
        // no speed: no move to time, the gaps alone count
        row("no speed", true, 30, 20, 1, 0, 30);
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
        QCOMPARE(traffic(), QStringList{"r 0020"} + writes(0x48, "\x01") + writeU32(0x30, 2500) +
                                writeU32(0x40, 0) + writes(0x38, QByteArray(1, 0)) +
                                writes(0x28, QByteArray(1, 0)) + writeU32(0x24, 62500) +
                                writeU32(0x2C, 13) + writeU32(0x34, 0) + writeU32(0x44, 5760) +
                                writes(0x1A0, "\x01") + writeU32(0x1B8, 2880) +
                                writeU32(0x4C, 0xCFE74A40) + writes(0x20, "\x01"));
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
        row("cycle in ms", "cycle", 2.5, 0x30, "c4 09 00 00", 2.5);
        row("largest cycle in ms", "cycle", 2147483.647, 0x30, "ff ff ff 7f", 2147483.647);
        row("3.09: cycle in s, half away from 0", "cycle", 2.5, 0x30, "03 00 00 00", 3, "3.09-08");
        row("3.09: cycle beyond the ms limit", "cycle", 5e6, 0x30, "40 4b 4c 00", 5e6, "3.09-08");
        row("100000 cycles", "cycles", 100000, 0x34, "a0 86 01 00", 100000);
        row("clockwise", "clockwise", 1, 0x28, "00", 1);
        row("counter-clockwise", "clockwise", 0, 0x28, "01", 0);
        row("sidereal speed", "speed", 15.0 / 3600, 0x24, "24 f4 00 00", 15.0 / 3600);
        row("exposure in tenths, half away from 0", "exposure", 1.25, 0x2C, "0d 00 00 00", 1.3);
        row("aux time in hundredths", "aux", 1.5, 0x40, "96 00 00 00", 1.5);
        row("cycle angle 1°", "angle", 1, 0x44, "80 16 00 00", 1);
        row("cycle angle -1°, two's complement", "angle", -1, 0x44, "80 e9 ff ff", -1);
        row("swing in whole degrees", "swing", 39.5, 0x3C, "28 00 00 00", 40);
        row("dithering range", "dither", 0.5, 0x1B8, "40 0b 00 00", 0.5);
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
            QCOMPARE(traffic(), QStringList{"r 0020"});
            QVERIFY(!m_->taskState->readParamSet().hasValue());
            return;
        }
        const int size = int(stored.count(' ')) + 1;
        fillMarker(address, size);
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
        fillMarker(0x1A0, 1);
        fillMarker(0x1B8, 4);
        TAVOParamSet p = astroProgram();
        p.mode = TAVOMode_::E(mode);
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0x1A0, 1), QString(written ? "01" : "ee"));
        QCOMPARE(m_->memoryHex(0x1B8, 4), QString(written ? "40 0b 00 00" : "ee ee ee ee"));
        m_->clearTranscript();
        const ReadTAVOParamSet back = readBack();
        QCOMPARE(traffic().contains("r 01A0"), dithering);
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
        QVERIFY2(!traffic().join(' ').contains("w 003C"), "0x3C was written");
        QCOMPARE(m_->memoryHex(0x38, 1), QString("00"));
        const TAVOParamSet back = readBack().paramSet;
        QCOMPARE(back.swingEnabled, false);
        QCOMPARE(back.swingRangeDeg, 40.0);
    }
};

QTEST_GUILESS_MAIN(TestProgramMemory)
#include "test_program_memory.moc"
