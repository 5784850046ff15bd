// A program written into the simulated controller's parameter memory and read back: the
// memory contents byte by byte, the order of the writes on the wire, the rounding rule and
// the effective cycle of a dithering program.

#include "MountRig.h"
#include "TAVOParamMemory.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace JEX;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using JEX::Test::writes;
using JEX::Test::writeU32;

namespace {

constexpr double kSiderealDps = 15.0 / 3600.0; // 24 steps/s on the 3.10 presets: stride 62500

QString hexBytes(MountRig& m, int from, int count) {
    const auto memory = m.sim->memory();
    QString out;
    for (int i = 0; i < count; ++i)
        out += QString("%1 ").arg(memory[from + i], 2, 16, QChar('0'));
    return out.trimmed();
}

TAVOParamSet astroProgram() {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.clockwise = true;
    p.cycleSec = 2.5;
    p.effectiveCycleSec = 2.5;
    p.N_Cycles = 0;
    p.cycleAngleDeg = 1.0;
    p.exposureSec = 1.25;
    p.auxTimeSec = 0;
    p.speedDps = kSiderealDps;
    p.ditheringEnabled = true;
    p.ditheringRangeDeg = 0.5;
    return p;
}

bool near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
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
    QStringList traffic() {
        const QStringList t = memoryTraffic(m_->requests());
        m_->clearTranscript();
        return t;
    }
    ReadTAVOParamSet readBack() {
        const CmdResp<ReadTAVOParamSet> back = m_->sync->readParamSet();
        if (back.type != CmdRetType::Ok)
            qWarning("read-back failed with type %d", int(back.type));
        return back.ok() ? back.get() : ReadTAVOParamSet{};
    }

private slots:
    void init() { connect("3.10-08"); }

    void roundsHalvesAwayFromZeroThenTruncates_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<uint>("stored");
        QTest::newRow("2.5") << 2.5 << 3u;
        QTest::newRow("2.4999") << 2.4999 << 2u;
        QTest::newRow("0.5") << 0.5 << 1u;
        QTest::newRow("-0.5") << -0.5 << 0xFFFFFFFFu;
        QTest::newRow("-2.5") << -2.5 << 0xFFFFFFFDu;
        QTest::newRow("12.5 tenths") << 1.25 * 10 << 13u;
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
        QTest::addColumn<bool>("dithering");
        QTest::addColumn<double>("cycleSec");
        QTest::addColumn<double>("exposureSec");
        QTest::addColumn<double>("rangeDeg");
        QTest::addColumn<double>("speedDps");
        QTest::addColumn<double>("expected");
        QTest::newRow("no dithering") << false << 30.0 << 20.0 << 1.0 << 0.01 << 30.0;
        // gap 10, move 10: (10 + 10) × 0.25 + 5 + 20
        QTest::newRow("move equals gap") << true << 30.0 << 20.0 << 0.1 << 0.01 << 30.0;
        // gap 5 (2 raised to the minimum), move 20: (20 + 5) × 0.25 + 2.5 + 28
        QTest::newRow("long move, short gap") << true << 30.0 << 28.0 << 0.2 << 0.01 << 36.75;
        // gap 5 though the exposure is longer than the cycle, move 0
        QTest::newRow("exposure over cycle") << true << 10.0 << 12.0 << 0.0 << 0.01 << 17.0;
        // no speed: no move to time, the gaps alone count
        QTest::newRow("no speed") << true << 30.0 << 20.0 << 1.0 << 0.0 << 30.0;
    }
    void effectiveCycle() {
        QFETCH(bool, dithering);
        QFETCH(double, cycleSec);
        QFETCH(double, exposureSec);
        QFETCH(double, rangeDeg);
        QFETCH(double, speedDps);
        QFETCH(double, expected);
        TAVOParamSet p;
        p.ditheringEnabled = dithering;
        p.cycleSec = cycleSec;
        p.exposureSec = exposureSec;
        p.ditheringRangeDeg = rangeDeg;
        p.speedDps = speedDps;
        const double got = effectiveCycleSec(p);
        QVERIFY2(near(got, expected),
                 qPrintable(QString("got %1, expected %2").arg(got).arg(expected)));
    }

    void writesEveryStepInOrder() {
        m_->settings->setWifiOffOnTaskStart(true);
        QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
        const QStringList expected =
            QStringList{"r 0020"} + writes(0x48, "\x01") + writeU32(0x30, 2500) +
            writeU32(0x40, 0) + writes(0x38, QByteArray(1, 0)) + writes(0x28, QByteArray(1, 0)) +
            writeU32(0x24, 62500) + writeU32(0x2C, 13) + writeU32(0x34, 0) + writeU32(0x44, 5760) +
            writes(0x1A0, "\x01") + writeU32(0x1B8, 2880) + writeU32(0x4C, 0xCFE74A40) +
            writes(0x20, "\x01");
        QCOMPARE(traffic(), expected);
        QCOMPARE(hexBytes(*m_, 0x48, 1), QString("01"));
        QCOMPARE(hexBytes(*m_, 0x30, 4), QString("c4 09 00 00"));
        QCOMPARE(hexBytes(*m_, 0x24, 4), QString("24 f4 00 00"));
        QCOMPARE(hexBytes(*m_, 0x2C, 4), QString("0d 00 00 00"));
        QCOMPARE(hexBytes(*m_, 0x44, 4), QString("80 16 00 00"));
        QCOMPARE(hexBytes(*m_, 0x1A0, 1), QString("01"));
        QCOMPARE(hexBytes(*m_, 0x1B8, 4), QString("40 0b 00 00"));
        QCOMPARE(hexBytes(*m_, 0x4C, 4), QString("40 4a e7 cf"));
        QVERIFY(m_->sim->program().active);
        QCOMPARE(m_->sim->program().mode, 1);
    }

    void readsTheProgramBack() {
        QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
        m_->clearTranscript();
        const ReadTAVOParamSet back = readBack();
        const QStringList expected =
            Test::reads(0x00, 1) + Test::reads(0x28, 1) + Test::reads(0x24, 4) +
            Test::reads(0x30, 4) + Test::reads(0x34, 4) + Test::reads(0x38, 1) +
            Test::reads(0x3C, 4) + Test::reads(0x2C, 4) + Test::reads(0x40, 4) +
            Test::reads(0x44, 4) + Test::reads(0x1A0, 1) + Test::reads(0x1B8, 4) +
            Test::reads(0x4C, 4);
        QCOMPARE(traffic(), expected);
        const TAVOParamSet& p = back.paramSet;
        QCOMPARE(p.mode, TAVOMode_::E::AP);
        QCOMPARE(p.clockwise, true);
        QVERIFY2(near(p.speedDps, kSiderealDps), qPrintable(QString::number(p.speedDps, 'g', 17)));
        QCOMPARE(p.cycleSec, 2.5);
        QCOMPARE(p.N_Cycles, 0);
        QCOMPARE(p.exposureSec, 1.3); // stored as 13 tenths
        QVERIFY(near(p.cycleAngleDeg, 1.0));
        QCOMPARE(p.ditheringEnabled, true);
        QVERIFY(near(p.ditheringRangeDeg, 0.5));
        // gap max(5, 2.5 - 1.3) = 5, move 0.5 / (15/3600) = 120
        QVERIFY2(near(p.effectiveCycleSec, (120 + 5) * 0.25 + 5 * 0.5 + 1.3),
                 qPrintable(QString::number(p.effectiveCycleSec, 'g', 17)));
        QCOMPARE(back.startTimeUnixMs, int64_t(0xCFE74A40));
        QCOMPARE(m_->taskState->readParamSet().value(), back);
    }

    void cyclePeriodByFirmware_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("readBack");
        QTest::newRow("3.10 milliseconds") << "3.10-08"
                                           << "c4 09 00 00" << 2.5;
        QTest::newRow("3.09 whole seconds, half away from zero") << "3.09-08"
                                                                 << "03 00 00 00" << 3.0;
    }
    void cyclePeriodByFirmware() {
        QFETCH(QString, preset);
        QFETCH(QString, stored);
        QFETCH(double, readBack);
        connect(preset.toStdString());
        TAVOParamSet p = astroProgram();
        p.ditheringEnabled = false;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x30, 4), stored);
        const ReadTAVOParamSet back = this->readBack();
        QCOMPARE(back.paramSet.cycleSec, readBack);
        QCOMPARE(back.paramSet.effectiveCycleSec, readBack);
    }

    void cycleCountRoundTrips_data() {
        QTest::addColumn<int>("cycles");
        QTest::addColumn<QString>("stored");
        QTest::newRow("unlimited") << 0 << "00 00 00 00";
        QTest::newRow("50") << 50 << "32 00 00 00";
        QTest::newRow("100000") << 100000 << "a0 86 01 00";
    }
    void cycleCountRoundTrips() {
        QFETCH(int, cycles);
        QFETCH(QString, stored);
        m_->sim->setMemoryU32(0x34, 0xEEEEEEEE);
        TAVOParamSet p = astroProgram();
        p.N_Cycles = cycles;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x34, 4), stored);
        QCOMPARE(readBack().paramSet.N_Cycles, cycles);
    }

    void directionIsTheInverseOfClockwise_data() {
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<QString>("stored");
        QTest::newRow("clockwise") << true << "00";
        QTest::newRow("counter-clockwise") << false << "01";
    }
    void directionIsTheInverseOfClockwise() {
        QFETCH(bool, clockwise);
        QFETCH(QString, stored);
        m_->sim->setMemoryByte(0x28, 0xEE);
        TAVOParamSet p = astroProgram();
        p.clockwise = clockwise;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x28, 1), stored);
        QCOMPARE(readBack().paramSet.clockwise, clockwise);
    }

    void swingRangeOnlyWhenSwinging() {
        TAVOParamSet p = astroProgram();
        p.mode = TAVOMode_::E::Long;
        p.swingEnabled = true;
        p.swingRangeDeg = 39.5;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x38, 1), QString("01"));
        QCOMPARE(hexBytes(*m_, 0x3C, 4), QString("28 00 00 00")); // 39.5 away from zero: 40
        m_->clearTranscript();

        p.swingEnabled = false;
        p.swingRangeDeg = 90;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QVERIFY2(!Test::touchedAddresses(traffic(), 'w').contains(0x3C), "0x3C was written");
        QCOMPARE(hexBytes(*m_, 0x38, 1), QString("00"));
        QCOMPARE(hexBytes(*m_, 0x3C, 4), QString("28 00 00 00"));
        const TAVOParamSet back = readBack().paramSet;
        QCOMPARE(back.swingEnabled, false);
        QCOMPARE(back.swingRangeDeg, 40.0);
    }

    void noDitheringBelow3_10() {
        connect("3.09-08");
        m_->sim->setMemoryByte(0x1A0, 0x01);
        m_->sim->setMemoryU32(0x1B8, 0xEEEEEEEE);
        QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
        const ReadTAVOParamSet back = readBack();
        const QStringList t = traffic();
        const QList<int> touched = Test::touchedAddresses(t, 'r') + Test::touchedAddresses(t, 'w');
        for (int address : {0x1A0, 0x1A1, 0x1B8, 0x1B9, 0x1BA, 0x1BB})
            QVERIFY2(!touched.contains(address),
                     qPrintable(QString("0x%1 touched: %2").arg(address, 0, 16).arg(t.join(','))));
        QCOMPARE(hexBytes(*m_, 0x1A0, 1), QString("01"));
        QCOMPARE(hexBytes(*m_, 0x1B8, 4), QString("ee ee ee ee"));
        QCOMPARE(back.paramSet.ditheringEnabled, false);
        QCOMPARE(back.paramSet.ditheringRangeDeg, 0.0);
        QCOMPARE(back.paramSet.effectiveCycleSec, back.paramSet.cycleSec);
    }

    void ditheringIsReadOnlyForAstrophotography() {
        TAVOParamSet p = astroProgram();
        p.mode = TAVOMode_::E::ATL;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x1A0, 1), QString("01")); // written for every program
        m_->clearTranscript();
        const TAVOParamSet back = readBack().paramSet;
        QVERIFY(!Test::touchedAddresses(traffic(), 'r').contains(0x1A0));
        QCOMPARE(back.mode, TAVOMode_::E::ATL);
        QCOMPARE(back.ditheringEnabled, false);
        QCOMPARE(back.effectiveCycleSec, 2.5);
    }

    void negativeAngleRoundTripsAsTwosComplement() {
        TAVOParamSet p = astroProgram();
        p.cycleAngleDeg = -1.0;
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        QCOMPARE(hexBytes(*m_, 0x44, 4), QString("80 e9 ff ff")); // -5760
        QVERIFY(near(readBack().paramSet.cycleAngleDeg, -1.0));
    }

    void refusedSpeedWritesNothing() {
        TAVOParamSet p = astroProgram();
        p.speedDps = -0.01;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->sync->programAutoMode(p));
        QCOMPARE(traffic(), QStringList{"r 0020"});
        QVERIFY(!m_->taskState->readParamSet().hasValue());
    }

    void startUpdatesTheTaskState() {
        QCOMPARE(m_->sync->readStatus().type, CmdRetType::Ok);
        m_->clock->advanceMs(5000);
        const TAVOParamSet p = astroProgram();
        QCOMPARE(m_->sync->programAutoMode(p).type, CmdRetType::Ok);
        const TAVOStatus s = m_->taskState->status().value();
        QCOMPARE(s.mode, TAVOMode_::E::AP);
        QCOMPARE(s.numberOfPictureTaken, 0);
        QCOMPARE(s.updateTimeUnixMs, m_->clock->nowMs());
        const ReadTAVOParamSet program = m_->taskState->readParamSet().value();
        QCOMPARE(program.startTimeUnixMs, m_->clock->nowMs()); // the full time, not its low half
        QCOMPARE(program.paramSet, p);
        QCOMPARE(m_->taskState->isRunningTask().value(), true);
    }

    void startWithoutStatusStoresOnlyTheProgram() {
        QCOMPARE(m_->sync->programAutoMode(astroProgram()).type, CmdRetType::Ok);
        QVERIFY(!m_->taskState->status().hasValue());
        QVERIFY(m_->taskState->readParamSet().hasValue());
    }
};

QTEST_GUILESS_MAIN(TestProgramMemory)
#include "test_program_memory.moc"
