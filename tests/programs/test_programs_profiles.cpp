// The three profile kinds: validity and messages, the order of their signals, the inputs a
// user chose, filling an Astro Time-lapse profile from the mount's program (the other kinds'
// follow is the follow test's), and copies.

#include "Location.h"
#include "ProfileProbe.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace JEX;
using JEX::Test::makeProfile;
using JEX::Test::setAll;

namespace {

const QString kFramePeriodMessage = "Frame period must be at least %1 seconds longer than exposure";

// "N_Cycles" and "swingEnabled" read the program; anything else a property.
QString mismatch(const ITaskProfile& p, const QString& expectation) {
    const QString name = expectation.section('=', 0, 0);
    const QString want = expectation.section('=', 1);
    const QVariant got = name == "N_Cycles"       ? QVariant(p.paramSetValue().N_Cycles)
                         : name == "swingEnabled" ? QVariant(p.paramSetValue().swingEnabled)
                                                  : p.property(qPrintable(name));
    const bool same = got.typeId() == QMetaType::Double
                          ? std::abs(got.toDouble() - want.toDouble()) < 1e-9
                          : got.toString() == want;
    return same ? QString() : QString("%1 is %2, expected %3").arg(name, got.toString(), want);
}

} // namespace

class TestTaskProfiles : public QObject {
    Q_OBJECT

private slots:
    void validityAndMessages_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("reads");
        QTest::newRow("new AP: unlimited photos, no total time")
            << "ap" << QStringList{} << true << QStringList{}
            << QStringList{"N_Cycles=0", "totalTimeSec=0"};
        QTest::newRow("AP photo count")
            << "ap"
            << QStringList{"exposureSec=25", "photoIntervalSec=5", "photos=20", "input_photos=true"}
            << true << QStringList{} << QStringList{"N_Cycles=20", "totalTimeSec=600"};
        // The limit is 750 deg/h, 0.2083 deg/s.
        QTest::newRow("AP 0.2 deg/s") << "ap" << QStringList{"trackingRateDegPerSec=0.2"} << true
                                      << QStringList{} << QStringList{};
        QTest::newRow("AP 0.21 deg/s") << "ap" << QStringList{"trackingRateDegPerSec=0.21"} << false
                                       << QStringList{"Invalid Speed"} << QStringList{};
        QTest::newRow("negative and NaN are not taken")
            << "ap" << QStringList{"exposureSec=-5", "photoIntervalSec=nan", "photos=-1"} << true
            << QStringList{} << QStringList{"exposureSec=120", "photoIntervalSec=1", "photos=5"};
        QTest::newRow("Long: exposure leaves less than 0.5 s")
            << "long"
            << QStringList{"framePeriodSec=10", "input_framePeriodSec=true", "exposureSec=9.6",
                           "input_speedDph=true"}
            << false << QStringList{kFramePeriodMessage, "0.5"}
            << QStringList{"invalidExposure=true", "invalidSpeed=false"};
        // 700 deg/h over 10 s is 1.94 deg, moved in the 1 s gap.
        QTest::newRow("Long: too fast for the gap")
            << "long"
            << QStringList{"framePeriodSec=10", "input_framePeriodSec=true", "exposureSec=9",
                           "speedDph=700", "input_speedDph=true"}
            << false << QStringList{"Speed too fast for frame period and exposure"}
            << QStringList{"invalidExposure=false", "invalidSpeed=true"};
        QTest::newRow("Reg: fixed exposure, no speed check")
            << "reg"
            << QStringList{"framePeriodSec=10", "input_framePeriodSec=true", "exposureSec=9.6",
                           "speedDph=700", "input_speedDph=true"}
            << true << QStringList{}
            << QStringList{"exposureSec=0.5", "calc_exposureSec=true", "invalidSpeed=false"};
        QTest::newRow("RegLong without inputs")
            << "long" << QStringList{"exposureSec=40"} << false << QStringList{}
            << QStringList{"invalidExposure=false", "calc_framePeriodSec=false"};
        QTest::newRow("no frame rate below 1") << "atl" << QStringList{"frameRateFps=0"} << true
                                               << QStringList{} << QStringList{"frameRateFps=30"};
        // The mount keeps whole degrees and rounds halves away from zero.
        QTest::newRow("swing range in whole degrees")
            << "long" << QStringList{"swingRangeDeg=2.5"} << false << QStringList{}
            << QStringList{"swingRangeDeg=3"};
        // A given range of 0 is no sweep: the count is not asked for and nothing swings.
        QTest::newRow("range 0 never swings")
            << "long"
            << QStringList{"swingRangeDeg=0",   "input_swingRangeDeg=true",  "swingCount=3",
                           "framePeriodSec=30", "input_framePeriodSec=true", "photos=100",
                           "input_photos=true"}
            << true << QStringList{}
            << QStringList{"enable_swingCount=false", "swingEnabled=false", "speedDph=0"};
        QTest::newRow("Reg: time span and period give the count")
            << "reg" << QStringList{"videoTimeSpanHour=2", "input_videoTimeSpanHour=true",
                                    "framePeriodSec=10",   "input_framePeriodSec=true",
                                    "speedDph=30",         "input_speedDph=true"}
            << true << QStringList{}
            << QStringList{"photos=720", "calc_photos=true", "videoLengthSec=24", "N_Cycles=720"};
    }
    void validityAndMessages() {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        QFETCH(bool, valid);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, reads);
        const auto p = makeProfile(kind);
        const QString failed = setAll(*p, settings);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QCOMPARE(p->valid(), valid);
        QCOMPARE(p->errorMessage(), errors);
        QCOMPARE(p->paramSet().isValid(), valid);
        for (const QString& r : reads) {
            const QString m = mismatch(*p, r);
            QVERIFY2(m.isEmpty(), qPrintable(m));
        }
    }

    void signalsComeInOrderAndOnlyOnChange() {
        TaskProfile_AP p(nullptr);
        QStringList seen;
        connect(&p, &ITaskProfile_AP::valueChanged, this, [&] { seen << "value"; });
        connect(&p, &ITaskProfile::validChanged, this, [&] { seen << "valid"; });
        connect(&p, &ITaskProfile::errorMessageChanged, this, [&] { seen << "message"; });
        connect(&p, &ITaskProfile::nameChanged, this, [&] { seen << "name"; });
        p.setTrackingRateDegPerSec(0.3);
        p.setTrackingRateDegPerSec(0.3);
        p.setExposureSec(60);
        p.setName("a");
        p.setName("a");
        QCOMPARE(seen, (QStringList{"value", "valid", "message", "value", "name"}));
        // The last good program stays, but is not offered while invalid.
        QCOMPARE(p.paramSetValue().exposureSec, 120.0);
    }

    void directionFollowsTheHemisphere() {
        auto location = std::make_shared<Location>(nullptr);
        CLocation south;
        south.latitudeRad = -0.5;
        location->setLocation(south);
        QCOMPARE(makeProfile("ap", location)->paramSetValue().clockwise, false);
        QCOMPARE(makeProfile("atl", location)->paramSetValue().clockwise, false);
        QCOMPARE(makeProfile("atl")->paramSetValue().clockwise, true);
    }

    void selectsKeepWhatEarlierInputsDetermine() {
        TaskProfile_RegLong p(false);
        p.setSelects("T_Total;N_Cycles;T_Cycle");
        QVERIFY(p.input_videoTimeSpanHour() && p.input_photos());
        QVERIFY(!p.input_framePeriodSec());
        QVERIFY(p.calc_framePeriodSec());
        QCOMPARE(p.selects(), QString("T_Total;N_Cycles"));
        // 3600 s over 300 photos: 299 gaps.
        QCOMPARE(p.framePeriodSec(), 3600.0 / 299);
        p.setSelects("V_Total");
        QCOMPARE(p.selects(), QString("V_Total"));
        QVERIFY(!p.calc_framePeriodSec());
    }

    // The page's ticks and values one at a time and the command line's all at once make the
    // same program; a given value the solver refuses keeps the value given and is named, and
    // stays refused however often the profile recomputes.
    void givenQuantitiesKeepTheirValues_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QStringList>("reads");
        // 0 s of video is 1 photo, and 1 photo cannot span 0.25 h: the video length is
        // refused, the period gives 900 / 0.5 = 1800 photos, too short for the exposure.
        QTest::newRow("video length 0 with a period")
            << "reg"
            << QStringList{"input_videoTimeSpanHour=true",
                           "input_videoLengthSec=true",
                           "input_framePeriodSec=true",
                           "input_swingRangeDeg=true",
                           "videoTimeSpanHour=0.25",
                           "videoLengthSec=0",
                           "framePeriodSec=0.5",
                           "swingRangeDeg=90",
                           "swingCount=5",
                           "frameRateFps=50"}
            << QStringList{"videoLengthSec"}
            << QStringList{"framePeriodSec=0.5", "videoLengthSec=0", "photos=1800",
                           "invalidExposure=true"};
        // 1 h at 34.58 s a photo is 104 photos; the 999 given stay shown, not used.
        QTest::newRow("photos the time span determines")
            << "atl"
            << QStringList{"input_videoTimeSpanHour=true", "input_photos=true", "exposureSec=30",
                           "videoTimeSpanHour=1", "photos=999"}
            << QStringList{"photos"} << QStringList{"photos=999", "N_Cycles=104"};
    }
    void givenQuantitiesKeepTheirValues() {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, reads);
        const auto together = makeProfile(kind);
        {
            const ProfileBatch batch(*together);
            QCOMPARE(setAll(*together, settings), QString());
        }
        const auto oneByOne = makeProfile(kind);
        QCOMPARE(setAll(*oneByOne, settings), QString());
        for (const auto* p : {together.get(), oneByOne.get()}) {
            QCOMPARE(p->refusedInputs(), refused);
            for (const QString& r : reads) {
                const QString m = mismatch(*p, r);
                QVERIFY2(m.isEmpty(), qPrintable(m));
            }
        }
        QCOMPARE(Test::differences(*together, *oneByOne), QString());
        // A later change elsewhere does not turn the refused value into an input.
        together->setName("later");
        const auto again = together->clone();
        QCOMPARE(again->refusedInputs(), refused);
        QCOMPARE(again->paramSetValue(), together->paramSetValue());
    }

    void astroTimelapseFromTheMount_data() {
        QTest::addColumn<int>("fps");
        QTest::addColumn<double>("videoLengthSec");
        QTest::addColumn<double>("spanHour");
        // 100 cycles of 30 s + 30 s × 0.004 deg/s ÷ 0.2131 deg/s + 3.9933 s = 34.5564 s, as
        // the mount keeps it (to the millisecond, 0.138 deg a cycle).
        QTest::newRow("30 fps: 100 / 30 s of video") << 30 << 100.0 / 30 << 0.95990047717;
        QTest::newRow("25 fps: 4 s of video") << 25 << 4.0 << 0.95990047717;
    }
    void astroTimelapseFromTheMount() {
        QFETCH(int, fps);
        QFETCH(double, videoLengthSec);
        QFETCH(double, spanHour);
        TaskProfile_ATL p(nullptr);
        p.setFrameRateFps(fps);
        p.setInput_videoTimeSpanHour(true);
        TAVOParamSet ps;
        ps.mode = TAVOMode_::E::ATL;
        ps.N_Cycles = 100;
        ps.cycleSec = ps.effectiveCycleSec = 34.556;
        ps.exposureSec = 30;
        ps.speedDps = 0.004;
        ps.cycleAngleDeg = 0.1382256;
        p.updateWithParamSet(ps);
        QCOMPARE(p.videoLengthSec(), videoLengthSec);
        QCOMPARE(p.input_photos(), true);
        QCOMPARE(p.input_videoTimeSpanHour(), false);
        QCOMPARE(p.photos(), 100);
        QCOMPARE(p.paramSetValue().N_Cycles, 100);
        QCOMPARE(p.trackingRateDegPerSec(), 0.004);
        QVERIFY2(std::abs(p.videoTimeSpanHour() - spanHour) < 1e-9,
                 qPrintable(QString::number(p.videoTimeSpanHour(), 'g', 17)));
    }

    void cloneIsAnEqualIndependentCopy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("ap") << "ap" << QStringList{"photos=9", "input_photos=true"};
        QTest::newRow("atl") << "atl"
                             << QStringList{"videoLengthSec=12", "input_videoLengthSec=true"};
        QTest::newRow("long") << "long"
                              << QStringList{"swingRangeDeg=20", "input_swingRangeDeg=true",
                                             "swingCount=2", "clockwise=false"};
    }
    void cloneIsAnEqualIndependentCopy() {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        const auto p = makeProfile(kind);
        QVERIFY(setAll(*p, settings).isEmpty());
        p->setName("n");
        const auto c = p->clone();
        QCOMPARE(Test::differences(*p, *c), QString());
        c->setName("m");
        QCOMPARE(p->name(), QString("n"));
    }
};

QTEST_GUILESS_MAIN(TestTaskProfiles)
#include "test_programs_profiles.moc"
