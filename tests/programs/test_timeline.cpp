// The timeline of a program, one of each kind, against hand-worked literals and against the
// simulated mount running the same program on a manual clock (so nothing waits): the photo
// counter counts a photo when its cycle ends, so it steps up exactly at the next photo's
// instant and reaches the program's count at the end; the axis angle at each photo is the
// timeline's within a step of the simulator (dithering, which the simulator does not move,
// within half its range).

#include "Location.h"
#include "ManualClock.h"
#include "MountRig.h"
#include "ProgramPlanner.h"
#include "SimClock.h"
#include "TAVOParamMemory.h"
#include "TaskTimeline.h"

#include <QDateTime>
#include <QTest>

#include <cmath>

using namespace JEX;

namespace {

TAVOParamSet program(TAVOMode_::E mode, bool clockwise, double cycleSec, double exposureSec,
                     int photos, double speedDps, double cycleAngleDeg) {
    TAVOParamSet p;
    p.mode = mode;
    p.clockwise = clockwise;
    // No dithering move below is longer than its gap: the real period is the programmed one.
    p.effectiveCycleSec = p.cycleSec = cycleSec;
    p.exposureSec = exposureSec;
    p.N_Cycles = photos;
    p.speedDps = speedDps;
    p.cycleAngleDeg = cycleAngleDeg;
    return p;
}

// The letter of each event: s(tart), p(hoto), r(eversal), e(nd), h(orizon).
QString letters(const TaskTimeline& t) {
    QString out;
    for (const TimelineEvent& e : t.events)
        out += e.kind.at(0);
    return out;
}

// The path's angle at a time, between the samples around it.
double pathAt(const std::vector<QPointF>& path, double t) {
    for (size_t i = 1; i < path.size(); ++i)
        if (path[i].x() >= t) {
            const QPointF a = path[i - 1], b = path[i];
            return b.x() == a.x() ? b.y() : a.y() + (b.y() - a.y()) * (t - a.x()) / (b.x() - a.x());
        }
    return path.back().y();
}

bool near(double a, double b, double tolerance = 1e-9) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestTimeline : public QObject {
    Q_OBJECT

private slots:
    // 1/120 °/s is 48 steps/s on the 3.10-08 preset (5760 steps a degree): a whole step period.
    void programOnTheMount_data() {
        QTest::addColumn<TAVOParamSet>("program");
        QTest::addColumn<double>("horizonSec");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QList<double>>("photoSec");
        QTest::addColumn<QList<double>>("photoDeg");
        QTest::addColumn<double>("endSec");
        QTest::addColumn<double>("endDeg");
        QTest::addColumn<double>("rotationDeg");
        using M = TAVOMode_::E;
        const double slow = 1.0 / 120;

        // 30 s a cycle at 1/120 °/s: 0.25° a photo, tracked to the end of the fourth cycle.
        QTest::newRow("AP") << program(M::AP, true, 30, 25, 4, slow, 0.25) << 0.0 << "sppppe"
                            << QList<double>{0, 30, 60, 90} << QList<double>{0, 0.25, 0.5, 0.75}
                            << 120.0 << 1.0 << 1.0;
        // Counter-clockwise: 0.1° a 12 s cycle, negative.
        QTest::newRow("ATL") << program(M::ATL, false, 12, 5, 3, slow, 0.1) << 0.0 << "spppe"
                             << QList<double>{0, 12, 24} << QList<double>{0, -0.1, -0.2} << 36.0
                             << -0.3 << 0.3;
        // 3° after each of 10 photos over a 10° range: 30° covers it three times, turning at
        // 10° (in the move after the 4th photo, at 9°) and at 20° (after the 7th, at 18°), and
        // ends at the far side.
        TAVOParamSet reg = program(M::Reg, true, 20, 0.5, 10, 0.15, 3);
        reg.swingEnabled = true;
        reg.swingRangeDeg = 10;
        QTest::newRow("Reg swinging")
            << reg << 0.0 << "spppprppprpppe"
            << QList<double>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180}
            << QList<double>{0, 3, 6, 9, 8, 5, 2, 1, 4, 7} << 200.0 << 10.0 << 30.0;
        QTest::newRow("Long") << program(M::Long, true, 30, 20, 3, slow, 0.25) << 0.0 << "spppe"
                              << QList<double>{0, 30, 60} << QList<double>{0, 0.25, 0.5} << 90.0
                              << 0.75 << 0.75;
        // Offsets of 0, 4, -2 and 2 eighths of 0.02°, and back: 16 eighths, 0.04° of moves.
        TAVOParamSet dithered = program(M::AP, true, 30, 20, 4, slow, 0.25);
        dithered.ditheringEnabled = true;
        dithered.ditheringRangeDeg = 0.02;
        QTest::newRow("AP dithering")
            << dithered << 0.0 << "sppppe" << QList<double>{0, 30, 60, 90}
            << QList<double>{0, 0.26, 0.495, 0.755} << 120.0 << 1.0 << 1.04;
        // No end: drawn to 21 s, with the photos that begin before it.
        QTest::newRow("unlimited") << program(M::AP, true, 6, 4, 0, slow, 0.05) << 21.0 << "spppph"
                                   << QList<double>{0, 6, 12, 18}
                                   << QList<double>{0, 0.05, 0.1, 0.15} << 21.0 << 0.175 << 0.175;
    }
    void programOnTheMount() {
        QFETCH(TAVOParamSet, program);
        QFETCH(double, horizonSec);
        QFETCH(QString, kinds);
        QFETCH(QList<double>, photoSec);
        QFETCH(QList<double>, photoDeg);
        QFETCH(double, endSec);
        QFETCH(double, endDeg);
        QFETCH(double, rotationDeg);

        const TaskTimeline timeline = taskTimeline(program, horizonSec);
        QCOMPARE(letters(timeline), kinds);
        QCOMPARE(timeline.unlimited, program.N_Cycles == 0);
        QCOMPARE(timeline.photos, int(photoSec.size()));
        QVERIFY2(near(timeline.durationSec, endSec) && near(timeline.events.back().tSec, endSec) &&
                     near(timeline.events.back().angleDeg, endDeg),
                 qPrintable(QString("end %1 s at %2°")
                                .arg(timeline.durationSec)
                                .arg(timeline.events.back().angleDeg)));
        QVERIFY2(near(timeline.totalRotationDeg, rotationDeg),
                 qPrintable(QString::number(timeline.totalRotationDeg, 'g', 12)));
        std::vector<TimelineEvent> photos;
        for (size_t i = 0; i < timeline.events.size(); ++i) {
            const TimelineEvent& e = timeline.events[i];
            QVERIFY(i == 0 || e.tSec >= timeline.events[i - 1].tSec);
            // The drawing goes through every event.
            QVERIFY2(near(pathAt(timeline.path, e.tSec), e.angleDeg),
                     qPrintable(QString("%1 at %2 s: %3°, drawn %4°")
                                    .arg(e.kind)
                                    .arg(e.tSec)
                                    .arg(e.angleDeg)
                                    .arg(pathAt(timeline.path, e.tSec))));
            if (e.kind == "photo")
                photos.push_back(e);
        }
        for (qsizetype k = 0; k < photoSec.size(); ++k)
            QVERIFY2(near(photos[k].tSec, photoSec[k]) && near(photos[k].angleDeg, photoDeg[k]),
                     qPrintable(QString("photo %1 at %2 s, %3°")
                                    .arg(k)
                                    .arg(photos[k].tSec)
                                    .arg(photos[k].angleDeg)));

        // The same program on the simulated mount, started at its time 0.
        auto clock = std::make_shared<Sim::ManualClock>();
        Sim::SimConfig config;
        config.identity = *Sim::presetIdentity("3.10-08");
        Test::MountRig rig(std::make_shared<Sim::MotorController>(config, clock));
        QVERIFY(rig.initDevice());
        const double startSteps = rig.sim->axis(0).positionSteps;
        QCOMPARE(writeProgram(*rig.eeprom, *rig.device, *rig.clock, program, false).type,
                 CmdRetType::Ok);
        const double stepsPerDeg = rig.sim->identity().stepsPerRev[0] / 360.0;
        const double tolerance = 1.5 / stepsPerDeg + program.ditheringRangeDeg / 2;
        const auto counted = [&] { return int(rig.sim->memoryU32(Sim::Addr::PhotoCount)); };
        const auto running = [&] { return rig.sim->memoryByte(Sim::Addr::RunningMode) != 0; };
        for (size_t k = 0; k < photos.size(); ++k) {
            const double t = photos[k].tSec;
            if (k > 0) {
                clock->setSec(t - 0.001);
                QCOMPARE(counted(), int(k) - 1);
            }
            clock->setSec(t);
            QCOMPARE(counted(), int(k));
            const double simDeg = (rig.sim->axis(0).positionSteps - startSteps) / stepsPerDeg;
            QVERIFY2(near(simDeg, photos[k].angleDeg, tolerance),
                     qPrintable(QString("photo %1 at %2 s: mount %3°, timeline %4°")
                                    .arg(k)
                                    .arg(t)
                                    .arg(simDeg)
                                    .arg(photos[k].angleDeg)));
        }
        clock->setSec(endSec - 0.001);
        QVERIFY(running());
        clock->setSec(endSec);
        QCOMPARE(running(), timeline.unlimited);
        if (!timeline.unlimited)
            QCOMPARE(counted(), program.N_Cycles);
    }

    // A three-hour astrophotography run against the night at the stored place (kept west
    // positive, as the console stores it): dusk and dawn from the almanac (the Sun's centre
    // 18° down, within a minute), whether the run ends after dawn or starts before dusk, and
    // a summer night far north that never gets dark enough.
    void planAgainstTheNight_data() {
        QTest::addColumn<double>("latDeg");
        QTest::addColumn<double>("eastDeg");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("night");
        QTest::addColumn<QString>("dusk");
        QTest::addColumn<QString>("dawn");
        QTest::addColumn<bool>("endsAfterDawn");
        QTest::addColumn<bool>("startsBeforeDusk");
        QTest::newRow("Berlin, within the night") << 52.52 << 13.40 << "2026-12-21T20:00:00Z"
                                                  << "astronomical"
                                                  << "2026-12-21T17:02:00Z"
                                                  << "2026-12-22T05:08:00Z" << false << false;
        QTest::newRow("Berlin, into the dawn") << 52.52 << 13.40 << "2026-12-22T03:00:00Z"
                                               << "astronomical"
                                               << "2026-12-21T17:02:00Z"
                                               << "2026-12-22T05:08:00Z" << true << false;
        QTest::newRow("Berlin, before dusk") << 52.52 << 13.40 << "2026-12-21T15:00:00Z"
                                             << "astronomical"
                                             << "2026-12-21T17:02:00Z"
                                             << "2026-12-22T05:08:00Z" << false << true;
        QTest::newRow("60° N at midsummer") << 60.0 << 10.0 << "2026-06-21T00:00:00Z"
                                            << "none"
                                            << ""
                                            << "" << false << false;
    }
    void planAgainstTheNight() {
        QFETCH(double, latDeg);
        QFETCH(double, eastDeg);
        QFETCH(QString, start);
        QFETCH(QString, night);
        QFETCH(QString, dusk);
        QFETCH(QString, dawn);
        QFETCH(bool, endsAfterDawn);
        QFETCH(bool, startsBeforeDusk);
        auto location = std::make_shared<Location>(nullptr);
        CLocation here = location->location();
        here.latitudeRad = latDeg * M_PI / 180;
        here.longitudeRad = -eastDeg * M_PI / 180;
        location->setLocation(here);
        const qint64 startMs = QDateTime::fromString(start, Qt::ISODate).toMSecsSinceEpoch();
        ProgramPlanner planner(location, std::make_shared<Test::ManualClock>(startMs));
        const QVariantMap plan =
            planner.plan(program(TAVOMode_::E::AP, true, 10, 9, 1080, 360.0 / 86164.1, 0), 0);
        QCOMPARE(plan.value("night").toString(), night);
        QCOMPARE(plan.value("endMs").toLongLong(), startMs + 3 * 3600 * 1000);
        const auto within = [](const QVariant& ms, const QString& literal) {
            const qint64 expected = QDateTime::fromString(literal, Qt::ISODate).toMSecsSinceEpoch();
            return std::abs(ms.toLongLong() - expected) <= 60'000;
        };
        if (!dusk.isEmpty()) {
            QVERIFY2(within(plan.value("duskMs"), dusk),
                     qPrintable(
                         QDateTime::fromMSecsSinceEpoch(plan.value("duskMs").toLongLong(), Qt::UTC)
                             .toString(Qt::ISODate)));
            QVERIFY(within(plan.value("dawnMs"), dawn));
        }
        QCOMPARE(plan.value("endsAfterDawn").toBool(), endsAfterDawn);
        QCOMPARE(plan.value("startsBeforeDusk").toBool(), startsBeforeDusk);
    }

    // A million photos turning half a million times: 2000 events of each, a path of at most
    // 2000 points, and the whole run's duration and travel.
    void longProgramStaysBounded() {
        TAVOParamSet p = program(TAVOMode_::E::Reg, true, 1, 0.5, 1'000'000, 0.5, 0.5);
        p.swingEnabled = true;
        p.swingRangeDeg = 1;
        const TaskTimeline timeline = taskTimeline(p, 0);
        int photos = 0, reversals = 0;
        for (const TimelineEvent& e : timeline.events) {
            photos += e.kind == "photo";
            reversals += e.kind == "reversal";
        }
        QCOMPARE(photos, 2000);
        QCOMPARE(timeline.photos, 2000);
        QCOMPARE(reversals, 2000);
        QVERIFY2(timeline.path.size() <= 2000, qPrintable(QString::number(timeline.path.size())));
        QCOMPARE(timeline.durationSec, 1e6);
        QCOMPARE(timeline.totalRotationDeg, 5e5);
        QCOMPARE(timeline.events.back().kind, QString("end"));
        QCOMPARE(timeline.events.back().angleDeg, 0.0);
    }
};

QTEST_GUILESS_MAIN(TestTimeline)
#include "test_timeline.moc"
