// Astronomical and nautical twilight against almanac times (the Sun's centre at the depth,
// UTC, to the minute), and the polar-alignment budget against hand-worked values.

#include "AstroMath.h"
#include "PolarBudget.h"
#include "Twilight.h"

#include <QDateTime>
#include <QTest>

#include <cmath>

using namespace JEX;

namespace {

constexpr double kDeg = kPi / 180.0;
constexpr qint64 kMinuteMs = 60 * 1000;

// Unix ms of an ISO UTC time such as "2026-06-21T08:23Z"; 0 for an empty text (no crossing).
qint64 utcMs(const QString& iso) {
    if (iso.isEmpty())
        return 0;
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
    Q_ASSERT(time.isValid());
    return time.toMSecsSinceEpoch();
}

QString isoOf(qint64 ms) {
    return ms == 0 ? QStringLiteral("none")
                   : QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate);
}

} // namespace

class TestTwilight : public QObject {
    Q_OBJECT

private slots:
    void night_data() {
        QTest::addColumn<double>("latDeg");
        QTest::addColumn<double>("lonDeg");
        QTest::addColumn<QString>("from");
        QTest::addColumn<double>("depthDeg");
        QTest::addColumn<QString>("dusk");
        QTest::addColumn<QString>("dawn");

        // Sydney's 00:00 UTC is its morning: the coming night.
        QTest::newRow("Sydney, June solstice")
            << -33.87 << 151.21 << "2026-06-21T00:00Z" << 18.0 << "2026-06-21T08:23Z"
            << "2026-06-21T19:31Z";
        // At 00:00 UTC these two places are in the night before, so the coming night is asked
        // for from noon.
        QTest::newRow("equator, September equinox")
            << 0.0 << 0.0 << "2026-09-23T12:00Z" << 18.0 << "2026-09-23T19:04Z"
            << "2026-09-24T04:40Z";
        QTest::newRow("Berlin, December solstice")
            << 52.52 << 13.40 << "2026-12-21T12:00Z" << 18.0 << "2026-12-21T17:02Z"
            << "2026-12-22T05:08Z";
        QTest::newRow("Berlin, inside the night: the night under way")
            << 52.52 << 13.40 << "2026-12-21T23:00Z" << 18.0 << "2026-12-21T17:02Z"
            << "2026-12-22T05:08Z";
        // The Sun stays above -7° all night.
        QTest::newRow("60° N, June solstice, astronomical")
            << 60.0 << 10.0 << "2026-06-21T00:00Z" << 18.0 << ""
            << "";
        QTest::newRow("60° N, June solstice, nautical")
            << 60.0 << 10.0 << "2026-06-21T00:00Z" << 12.0 << ""
            << "";
    }

    void night() {
        QFETCH(double, latDeg);
        QFETCH(double, lonDeg);
        QFETCH(QString, from);
        QFETCH(double, depthDeg);
        QFETCH(QString, dusk);
        QFETCH(QString, dawn);

        const TwilightNight night =
            twilightNight(latDeg * kDeg, lonDeg * kDeg, utcMs(from), depthDeg);
        const QByteArray message = QStringLiteral("dusk %1 (expected %2), dawn %3 (expected %4)")
                                       .arg(isoOf(night.duskMs), dusk, isoOf(night.dawnMs), dawn)
                                       .toUtf8();
        QCOMPARE(night.reached(), !dusk.isEmpty());
        if (dusk.isEmpty()) {
            QVERIFY2(night.duskMs == 0 && night.dawnMs == 0, message.constData());
            return;
        }
        QVERIFY2(std::abs(night.duskMs - utcMs(dusk)) <= kMinuteMs, message.constData());
        QVERIFY2(std::abs(night.dawnMs - utcMs(dawn)) <= kMinuteMs, message.constData());
    }

    void polarBudget_data() {
        QTest::addColumn<double>("focalLengthMm");
        QTest::addColumn<double>("pixelSizeUm");
        QTest::addColumn<double>("exposureSec");
        QTest::addColumn<double>("budgetArcmin");

        // 0.5 × 4.3 µm / 50 mm = 4.3e-5 rad; sidereal rate × 120 s = 8.75e-3 rad; ratio
        // 4.91e-3 rad = 16.9′. Four times the focal length, a quarter of the budget.
        QTest::newRow("50 mm, 4.3 µm, 120 s") << 50.0 << 4.3 << 120.0 << 16.9;
        QTest::newRow("200 mm, 4.3 µm, 120 s") << 200.0 << 4.3 << 120.0 << 4.2;
        QTest::newRow("no exposure: no budget") << 50.0 << 4.3 << 0.0 << 0.0;
    }

    void polarBudget() {
        QFETCH(double, focalLengthMm);
        QFETCH(double, pixelSizeUm);
        QFETCH(double, exposureSec);
        QFETCH(double, budgetArcmin);

        const double actual = polarErrorBudgetArcmin(focalLengthMm, pixelSizeUm, exposureSec);
        QVERIFY2(std::abs(actual - budgetArcmin) <= 0.1,
                 QByteArray::number(actual, 'f', 3).constData());
    }
};

QTEST_GUILESS_MAIN(TestTwilight)
#include "test_twilight.moc"
