// A profile's program written by the synchronisation layer into the simulated controller:
// for each kind, the parameter memory holds the bytes a hand-worked program would give.

#include "MountRig.h"
#include "ProfileProbe.h"

#include <QTest>

using namespace JEX;
using JEX::Test::MountRig;

namespace {

// Running mode, direction, stride, exposure (tenths), period (ms), photos, swing on,
// swing range, steps per cycle; each field's bytes least significant first.
QString programBytes(MountRig& m) {
    const auto memory = m.sim->memory();
    const QList<QPair<int, int>> fields{{0x00, 1}, {0x28, 1}, {0x24, 4}, {0x2C, 4}, {0x30, 4},
                                        {0x34, 4}, {0x38, 1}, {0x3C, 4}, {0x44, 4}};
    QStringList out;
    for (const auto& [address, width] : fields) {
        QString field;
        for (int i = 0; i < width; ++i)
            field += QString("%1").arg(memory[address + i], 2, 16, QChar('0'));
        out << field;
    }
    return out.join(' ');
}

} // namespace

class TestProfileProgram : public QObject {
    Q_OBJECT

private slots:
    // The 3.10 board: 2073600 steps a turn (5760 a degree) and a 1.5 MHz step timer, so a
    // stride is 1500000 × 360 / (2073600 × deg/s) = 260.41667 / (deg/s).
    void profileProgramInTheMount_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("bytes");
        // 25 + 5 s, 20 photos, 15"/s: stride 62500, 0.125 deg a cycle = 720 steps.
        QTest::newRow("ap") << QString("ap")
                            << QString(
                                   "exposureSec=25 photoIntervalSec=5 photos=20 "
                                   "input_photos=true trackingRateDegPerSec=0.004166666666666667")
                            << "01 00 24f40000 fa000000 30750000 14000000 00 00000000 d0020000";
        // Sidereal is 1/51 of the reference rate: a 30 s exposure takes 30 + 30/51 + 3.99325
        // = 34.5815 s; stride 260.41667 / 0.00417807 = 62329; 0.144484 deg = 832 steps.
        QTest::newRow("atl") << QString("atl")
                             << QString("exposureSec=30 photos=100 input_photos=true")
                             << "04 00 79f30000 2c010000 15870000 64000000 00 00000000 40030000";
        // 2 h at 10 s: 720 photos; 30 deg/h: stride 31250, 1/12 deg = 480 steps; 0.5 s.
        QTest::newRow("reg") << QString("reg")
                             << QString("videoTimeSpanHour=2 input_videoTimeSpanHour=true "
                                        "framePeriodSec=10 input_framePeriodSec=true speedDph=30 "
                                        "input_speedDph=true")
                             << "02 00 127a0000 05000000 10270000 d0020000 00 00000000 e0010000";
        // 1 h at 30 s: 120 photos; two sweeps of 40 deg: 80 deg over 119 cycles, 0.672269
        // deg = 3872 steps at 80.672 deg/h, stride 11621; counter-clockwise.
        QTest::newRow("long") << QString("long")
                              << QString("exposureSec=20 videoTimeSpanHour=1 "
                                         "input_videoTimeSpanHour=true framePeriodSec=30 "
                                         "input_framePeriodSec=true swingRangeDeg=40 swingCount=2 "
                                         "input_swingRangeDeg=true clockwise=false")
                              << "03 01 652d0000 c8000000 30750000 78000000 01 28000000 200f0000";
    }
    void profileProgramInTheMount() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        QFETCH(QString, bytes);
        const auto profile = Test::makeProfile(kind);
        QCOMPARE(Test::setAll(*profile, settings), QString());
        QVERIFY2(profile->valid(), qPrintable(profile->errorMessage().join(", ")));

        Sim::Behaviour quick;
        quick.programBusySec = 0;
        MountRig m("3.10-08", quick);
        QVERIFY(m.initDevice());
        QCOMPARE(m.sync->programAutoMode(profile->paramSetValue()).type, CmdRetType::Ok);
        QCOMPARE(programBytes(m), bytes);
    }
};

QTEST_GUILESS_MAIN(TestProfileProgram)
#include "test_programs_in_mount.moc"
