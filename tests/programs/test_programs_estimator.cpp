// The progress estimate of a running program on a manual clock: the start from a status
// reading or from the low half the mount keeps, finished and unlimited programs, and a
// program without a period.

#include "ManualClock.h"
#include "TAVOTaskState.h"
#include "TaskEstimator.h"

#include <QTest>

using namespace JEX;

namespace {

constexpr qint64 kBlock = qint64(1) << 32;
constexpr qint64 kNow = 1'700'000'000'000;

} // namespace

class TestTaskEstimator : public QObject {
    Q_OBJECT

    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<TAVOTaskState> state_;
    std::shared_ptr<TaskEstimator> estimator_;

    void program(int cycles, double periodSec, int64_t startMs) {
        ReadTAVOParamSet p;
        p.startTimeUnixMs = startMs;
        p.paramSet.mode = TAVOMode_::E::AP;
        p.paramSet.N_Cycles = cycles;
        p.paramSet.cycleSec = p.paramSet.effectiveCycleSec = periodSec;
        state_->setReadParamSet(p);
    }
    void status(TAVOMode_::E mode, int photos, int64_t atMs) {
        TAVOStatus s;
        s.mode = mode;
        s.numberOfPictureTaken = photos;
        s.updateTimeUnixMs = atMs;
        state_->setStatus(s);
    }
    TaskProgressInfo estimate() {
        const QVariant v = estimator_->estimate_q();
        if (!v.canConvert<TaskProgressInfo>())
            qWarning("no estimate");
        return v.value<TaskProgressInfo>();
    }

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>(kNow);
        state_ = std::make_shared<TAVOTaskState>();
        estimator_ = std::make_shared<TaskEstimator>(clock_, state_);
    }

    void nothingToEstimateWithoutAProgram() {
        status(TAVOMode_::E::AP, 3, kNow);
        QVERIFY(!estimator_->estimate_q().isValid());
    }

    void midRunFromTheStoredStart() {
        program(10, 30, kNow - 75'000);
        const TaskProgressInfo i = estimate();
        QCOMPARE(i.in_AdjustedStartTime, false);
        QCOMPARE(i.in_TakenPhotos, -1);
        QCOMPARE(i.takenPhotos, 2);
        QCOMPARE(i.percentCycle, 0.5);
        QCOMPARE(i.percentTotal, 0.25);
        QCOMPARE(i.finished, false);
    }

    // For one run the figures never go back on the console's clock (set back here); a new
    // reading of the mount's count may set them back, and the estimate says so until the
    // next reading.
    void figuresGoBackOnlyForTheMountsCount() {
        program(100, 10, kNow);
        clock_->setMs(kNow + 50'000);
        QCOMPARE(estimate().takenPhotos, 5);
        clock_->setMs(kNow + 40'000);
        TaskProgressInfo i = estimate();
        QCOMPARE(i.takenPhotos, 5);
        QCOMPARE(i.elapsedClippedSec, 50.0);
        QCOMPARE(i.correctedToMount, false);

        // At 60 s the mount has taken 3: it started 30 s before.
        clock_->setMs(kNow + 60'000);
        status(TAVOMode_::E::AP, 3, kNow + 60'000);
        i = estimate();
        QCOMPARE(i.takenPhotos, 3);
        QCOMPARE(i.correctedToMount, true);
        clock_->setMs(kNow + 75'000);
        i = estimate();
        QCOMPARE(i.takenPhotos, 4);
        QCOMPARE(i.correctedToMount, true);
        // A reading that agrees ends the note: 5 photos at 80 s.
        clock_->setMs(kNow + 80'000);
        status(TAVOMode_::E::AP, 5, kNow + 80'000);
        QCOMPARE(estimate().correctedToMount, false);
    }

    void startFromAStatusReading() {
        program(100, 30, 0);
        status(TAVOMode_::E::AP, 10, kNow - 5000);
        const TaskProgressInfo i = estimate();
        QCOMPARE(i.in_StartTimeUnixMs, kNow - 5000 - 300'000);
        QCOMPARE(i.in_AdjustedStartTime, true);
        QCOMPARE(i.takenPhotos, 10);
    }

    void startFromTheLowHalf_data() {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("start");
        QTest::newRow("same block") << qint64(1000) << 5 * kBlock + 2000 << 5 * kBlock + 1000;
        QTest::newRow("now's low half wrapped past 0")
            << kBlock - 500 << 5 * kBlock + 1000 << 5 * kBlock - 500;
        QTest::newRow("start stored just after now (clocks apart)")
            << qint64(300) << 5 * kBlock - 200 << 5 * kBlock + 300;
        QTest::newRow("only the low half was kept")
            << 7 * kBlock + 1000 << 5 * kBlock + 2000 << 5 * kBlock + 1000;
    }
    void startFromTheLowHalf() {
        QFETCH(qint64, stored);
        QFETCH(qint64, now);
        QFETCH(qint64, start);
        clock_->setMs(now);
        program(0, 30, stored);
        status(TAVOMode_::E::Manual, 0, now);
        QCOMPARE(estimate().in_StartTimeUnixMs, start);
    }

    // Four photos of 30 s: the mount's report of the last one ends the run, started 120 s
    // before it; without a report the console's clock passing the end does, unconfirmed.
    void endOfRun_data() {
        QTest::addColumn<qint64>("storedStart");
        QTest::addColumn<bool>("reported");
        QTest::newRow("last photo reported") << kNow - 60'000 << true;
        QTest::newRow("clock past the end") << kNow - 500'000 << false;
    }
    void endOfRun() {
        QFETCH(qint64, storedStart);
        QFETCH(bool, reported);
        program(4, 30, storedStart);
        if (reported)
            status(TAVOMode_::E::AP, 4, kNow);
        const TaskProgressInfo i = estimate();
        QVERIFY(i.finished);
        QCOMPARE(i.confirmedFinish, reported);
        QCOMPARE(i.elapsedClippedSec, 120.0);
        QCOMPARE(i.takenPhotos, 4);
        QCOMPARE(i.percentTotal, 1.0);
    }

    void unlimitedRunHasNoEnd() {
        program(0, 30, kNow - 90'000);
        const TaskProgressInfo i = estimate();
        QVERIFY(i.noEnd && !i.finished);
        QCOMPARE(i.percentTotal, 0.0);
        QCOMPARE(i.takenPhotos, 3);
        QCOMPARE(i.progress(), 0.0);
    }

    void endTimeDropsFractionalSeconds() {
        program(3, 2.5, kNow);
        QCOMPARE(estimate().endTimeUnixMs(), kNow + 7000);
    }

    void zeroPeriodShowsNothingDone() {
        program(10, 0, kNow - 5000);
        const TaskProgressInfo i = estimate();
        QCOMPARE(i.takenPhotos, 0);
        QCOMPARE(i.percentTotal, 0.0);
        QCOMPARE(i.percentCycle, 0.0);
        QCOMPARE(i.endTimeUnixMs(), kNow - 5000);
    }
};

QTEST_GUILESS_MAIN(TestTaskEstimator)
#include "test_programs_estimator.moc"
