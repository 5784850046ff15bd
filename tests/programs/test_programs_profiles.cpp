// The three profile kinds: validity and messages, copies, the order of their signals, the
// inputs a user chose, and filling an Astro Time-lapse profile from the mount's program (the
// other kinds' follow is the follow test's).

#include "Location.h"
#include "ProfileProbe.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace JEX;
using JEX::Test::makeProfile;
using JEX::Test::setAll;

namespace {

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

// Every "name=value" of reads (separated by spaces) that the profile does not meet.
QString mismatches(const ITaskProfile& p, const QString& reads) {
    QStringList out;
    for (const QString& r : reads.split(' ', Qt::SkipEmptyParts))
        out << mismatch(p, r);
    out.removeAll(QString());
    return out.join("; ");
}

} // namespace

class TestTaskProfiles : public QObject {
    Q_OBJECT

private slots:
    // Settings and reads: "name=value" separated by spaces.
    void validityAndMessages_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QString>("reads");
        const auto row = [](const char* name, const char* kind, const char* settings, bool valid,
                            const QStringList& errors, const char* reads) {
            QTest::newRow(name) << QString(kind) << QString(settings) << valid << errors
                                << QString(reads);
        };
        row("new AP: unlimited photos, no total time", "ap", "", true, {},
            "N_Cycles=0 totalTimeSec=0");
        row("AP photo count", "ap", "exposureSec=25 photoIntervalSec=5 photos=20 input_photos=true",
            true, {}, "N_Cycles=20 totalTimeSec=600");
        // The limit is 750 deg/h, 0.2083 deg/s.
        row("AP 0.2 deg/s", "ap", "trackingRateDegPerSec=0.2", true, {}, "");
        row("AP 0.21 deg/s", "ap", "trackingRateDegPerSec=0.21", false, {"Invalid Speed"}, "");
        row("negative and NaN are not taken", "ap", "exposureSec=-5 photoIntervalSec=nan photos=-1",
            true, {}, "exposureSec=120 photoIntervalSec=1 photos=5");
        row("Long: exposure leaves less than 0.5 s", "long",
            "framePeriodSec=10 input_framePeriodSec=true exposureSec=9.6 input_speedDph=true",
            false, {"Frame period must be at least %1 seconds longer than exposure", "0.5"},
            "invalidExposure=true invalidSpeed=false");
        // 700 deg/h over 10 s is 1.94 deg, moved in the 1 s gap.
        row("Long: too fast for the gap", "long",
            "framePeriodSec=10 input_framePeriodSec=true exposureSec=9 speedDph=700 "
            "input_speedDph=true",
            false, {"Speed too fast for frame period and exposure"},
            "invalidExposure=false invalidSpeed=true");
        row("Reg: fixed exposure, no speed check", "reg",
            "framePeriodSec=10 input_framePeriodSec=true exposureSec=9.6 speedDph=700 "
            "input_speedDph=true",
            true, {}, "exposureSec=0.5 calc_exposureSec=true invalidSpeed=false");
        row("RegLong without inputs", "long", "exposureSec=40", false, {},
            "invalidExposure=false calc_framePeriodSec=false");
        row("no frame rate below 1", "atl", "frameRateFps=0", true, {}, "frameRateFps=30");
        // The mount keeps whole degrees and rounds halves away from zero.
        row("swing range in whole degrees", "long", "swingRangeDeg=2.5", false, {},
            "swingRangeDeg=3");
        // A given range of 0 is no sweep: the count is not asked for and nothing swings.
        row("range 0 never swings", "long",
            "swingRangeDeg=0 input_swingRangeDeg=true swingCount=3 framePeriodSec=30 "
            "input_framePeriodSec=true photos=100 input_photos=true",
            true, {}, "enable_swingCount=false swingEnabled=false speedDph=0");
    }
    void validityAndMessages() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        QFETCH(bool, valid);
        QFETCH(QStringList, errors);
        QFETCH(QString, reads);
        const auto p = makeProfile(kind);
        QCOMPARE(setAll(*p, settings), QString());
        QCOMPARE(p->valid(), valid);
        QCOMPARE(p->errorMessage(), errors);
        QCOMPARE(p->paramSet().isValid(), valid);
        QCOMPARE(mismatches(*p, reads), QString());
        // A copy is equal, and its own.
        const auto copy = p->clone();
        QCOMPARE(Test::differences(*p, *copy), QString());
        copy->setName("copy");
        QCOMPARE(p->name(), QString());
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
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("reads");
        // 0 s of video is 1 photo, and 1 photo cannot span 0.25 h: the video length is
        // refused, the period gives 900 / 0.5 = 1800 photos.
        QTest::newRow("video length 0 with a period")
            << QString("reg")
            << QString("input_videoTimeSpanHour=true input_videoLengthSec=true "
                       "input_framePeriodSec=true input_swingRangeDeg=true videoTimeSpanHour=0.25 "
                       "videoLengthSec=0 framePeriodSec=0.5 swingRangeDeg=90 swingCount=5 "
                       "frameRateFps=50")
            << QStringList{"videoLengthSec"}
            << QString("framePeriodSec=0.5 videoLengthSec=0 photos=1800");
        // 1 h at 34.58 s a photo is 104 photos; the 999 given stay shown, not used.
        QTest::newRow("photos the time span determines")
            << QString("atl")
            << QString("input_videoTimeSpanHour=true input_photos=true exposureSec=30 "
                       "videoTimeSpanHour=1 photos=999")
            << QStringList{"photos"} << QString("photos=999 N_Cycles=104");
    }
    void givenQuantitiesKeepTheirValues() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        QFETCH(QStringList, refused);
        QFETCH(QString, reads);
        const auto together = makeProfile(kind);
        {
            const ProfileBatch batch(*together);
            QCOMPARE(setAll(*together, settings), QString());
        }
        const auto oneByOne = makeProfile(kind);
        QCOMPARE(setAll(*oneByOne, settings), QString());
        for (const auto* p : {together.get(), oneByOne.get()}) {
            QCOMPARE(p->refusedInputs(), refused);
            QCOMPARE(mismatches(*p, reads), QString());
        }
        QCOMPARE(Test::differences(*together, *oneByOne), QString());
        // A later change elsewhere does not turn the refused value into an input.
        together->setName("later");
        const auto again = together->clone();
        QCOMPARE(again->refusedInputs(), refused);
        QCOMPARE(again->paramSetValue(), together->paramSetValue());
    }

    // 100 cycles of 30 s + 30 s × 0.004 deg/s ÷ 0.2131 deg/s + 3.9933 s = 34.5564 s, as the
    // mount keeps it (to the millisecond, 0.138 deg a cycle): 0.95990047717 h; 100 photos at
    // 30 fps are 100 / 30 s of video.
    void astroTimelapseFromTheMount() {
        TaskProfile_ATL p(nullptr);
        p.setInput_videoTimeSpanHour(true);
        TAVOParamSet ps;
        ps.mode = TAVOMode_::E::ATL;
        ps.N_Cycles = 100;
        ps.cycleSec = ps.effectiveCycleSec = 34.556;
        ps.exposureSec = 30;
        ps.speedDps = 0.004;
        ps.cycleAngleDeg = 0.1382256;
        p.updateWithParamSet(ps);
        QCOMPARE(p.videoLengthSec(), 100.0 / 30);
        QCOMPARE(p.input_photos(), true);
        QCOMPARE(p.input_videoTimeSpanHour(), false);
        QCOMPARE(p.photos(), 100);
        QCOMPARE(p.paramSetValue().N_Cycles, 100);
        QCOMPARE(p.trackingRateDegPerSec(), 0.004);
        QVERIFY2(std::abs(p.videoTimeSpanHour() - 0.95990047717) < 1e-9,
                 qPrintable(QString::number(p.videoTimeSpanHour(), 'g', 17)));
    }
};

QTEST_GUILESS_MAIN(TestTaskProfiles)
#include "test_programs_profiles.moc"
