// Time scales of the astro clock and the real-time clock.

#include "IAstroClock.h"
#include "ManualClock.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <memory>

using namespace JEX;

class TestAstroClock : public QObject {
    Q_OBJECT
    std::shared_ptr<Test::ManualClock> clock_;
    std::unique_ptr<AstroClock> astro_;

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>();
        astro_ = std::make_unique<AstroClock>(clock_);
    }

    void timeScales_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<double>("julianDate");
        QTest::addColumn<qint64>("unixSeconds");
        QTest::newRow("epoch") << qint64(0) << 2440587.5 << qint64(0);
        // Truncation toward zero, not flooring: the last millisecond of 1969 is second 0.
        QTest::newRow("-1 ms") << qint64(-1) << 2440587.5 - 1.0 / 86400000.0 << qint64(0);
        QTest::newRow("999 ms") << qint64(999) << 2440587.5 + 999.0 / 86400000.0 << qint64(0);
        QTest::newRow("-1999 ms") << qint64(-1999) << 2440587.5 - 1999.0 / 86400000.0 << qint64(-1);
        QTest::newRow("J2000.0") << qint64(946728000000) << 2451545.0 << qint64(946728000);
        // Fractions of a second must survive: the polar clock moves 15″ per second.
        QTest::newRow("J2000.0 + 500 ms")
            << qint64(946728000500) << 2451545.0 + 500.0 / 86400000.0 << qint64(946728000);
        QTest::newRow("2100-01-01") << qint64(4102444800000) << 2488069.5 << qint64(4102444800);
    }

    void timeScales() {
        QFETCH(qint64, ms);
        QFETCH(double, julianDate);
        QFETCH(qint64, unixSeconds);
        clock_->setMs(ms);
        QCOMPARE(astro_->nowMs(), ms);
        const double jd = astro_->julianDate();
        // Double precision near JD 2.4e6 resolves about 40 µs.
        QVERIFY2(std::abs(jd - julianDate) < 1e-9, qPrintable(QString::number(jd, 'f', 10)));
        QCOMPARE(astro_->unixSeconds(), unixSeconds);
    }

    void realClockReadsTheSystemTimeInMilliseconds() {
        CRealClock real;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const int64_t now = real.nowMs();
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        QVERIFY2(
            now >= before && now <= after,
            qPrintable(QStringLiteral("%1 not within [%2, %3]").arg(now).arg(before).arg(after)));
    }
};

QTEST_GUILESS_MAIN(TestAstroClock)
#include "test_astro_clock.moc"
