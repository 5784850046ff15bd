// Sidereal time, coordinate conversions, the staged converter and the polar-scope stars,
// against published reference values with explicit tolerances, on a fixed clock.

#include "AstroCalc.h"
#include "AstroMath.h"
#include "Location.h"
#include "ManualClock.h"

#include <QTest>

#include <cmath>
#include <memory>
#include <stdexcept>

using namespace JEX;

namespace {

constexpr double kDeg = kPi / 180.0;
// One second of time as an angle of the sky's rotation.
constexpr double kSecondOfTime = kTwoPi / 86400.0;

int64_t msOfJulianDate(double jd) {
    return std::llround((jd - 2440587.5) * 86400000.0);
}

QString atJd(double jd) {
    return QStringLiteral("JD %1").arg(jd, 0, 'f', 8);
}
QString atLatitude(double latitude) {
    return QStringLiteral("latitude %1°").arg(latitude / (kPi / 180.0), 0, 'f', 1);
}

QString describe(const QString& where, const char* what, double expected, double actual) {
    return QStringLiteral("%1, %2: expected %3, actual %4, difference %5")
        .arg(where, QString::fromLatin1(what))
        .arg(expected, 0, 'g', 17)
        .arg(actual, 0, 'g', 17)
        .arg(actual - expected, 0, 'g', 3);
}

// Difference of two angles, ignoring whole turns.
double angleDiff(double a, double b) {
    return std::abs(normalizeMinusPiPi(a - b));
}

} // namespace

#define VERIFY_NEAR(where, what, actual, expected, tolerance)                                      \
    do {                                                                                           \
        const double actual_ = (actual);                                                           \
        const double expected_ = (expected);                                                       \
        QVERIFY2(std::abs(actual_ - expected_) <= (tolerance),                                     \
                 qPrintable(describe((where), (what), expected_, actual_)));                       \
    } while (false)

#define VERIFY_ANGLE_NEAR(where, what, actual, expected, tolerance)                                \
    do {                                                                                           \
        const double actual_ = (actual);                                                           \
        const double expected_ = (expected);                                                       \
        QVERIFY2(angleDiff(actual_, expected_) <= (tolerance),                                     \
                 qPrintable(describe((where), (what), expected_, actual_)));                       \
    } while (false)

class TestAstroCalc : public QObject {
    Q_OBJECT
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::unique_ptr<AstroCalc> calc_;

    void setJulianDate(double jd) { clock_->setMs(msOfJulianDate(jd)); }
    void setPlace(double longitude, double latitude, double altitudeMeter = 0.0,
                  double temperatureCelsius = 10.0) {
        CLocation loc;
        loc.longitudeRad = longitude;
        loc.latitudeRad = latitude;
        loc.altitudeMeter = altitudeMeter;
        loc.temperatureCelsius = temperatureCelsius;
        location_->setLocation(loc);
    }

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>();
        location_ = std::make_shared<Location>(nullptr);
        calc_ = std::make_unique<AstroCalc>(location_, std::make_shared<AstroClock>(clock_));
    }

    void referencePointAtJ2000() {
        setJulianDate(2451545.0);
        setPlace(0.0, 0.0);
        VERIFY_NEAR(atJd(2451545.0), "gmst", calc_->gmst(), 4.894961212735792, 1e-15);
        VERIFY_NEAR(atJd(2451545.0), "lst", calc_->lst(), 4.894961212735792, 1e-15);
        VERIFY_NEAR(atJd(2451545.0), "polarisPositionAngle", calc_->polarisPositionAngle(),
                    -1.090856119499385, 1e-14);
    }

    // Mean sidereal time at Greenwich from the worked examples of a standard textbook of
    // astronomical algorithms (1987 April 10 at 0h and at 19h21m UT).
    void siderealTimeAgainstPublishedValues_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("expectedSec");
        QTest::newRow("1987-04-10 00:00 UT") << 2446895.5 << (13 * 3600 + 10 * 60 + 46.3668);
        QTest::newRow("1987-04-10 19:21 UT") << 2446896.30625 << (8 * 3600 + 34 * 60 + 57.0896);
    }

    void siderealTimeAgainstPublishedValues() {
        QFETCH(double, jd);
        QFETCH(double, expectedSec);
        setJulianDate(jd);
        setPlace(0.0, 0.0);
        // The linear sidereal-time formula is good to a few hundredths of a second here.
        VERIFY_ANGLE_NEAR(atJd(jd), "gmst", calc_->gmst(), expectedSec * kSecondOfTime,
                          0.05 * kSecondOfTime);
        VERIFY_NEAR(atJd(jd), "lst", calc_->lst(), expectedSec * kSecondOfTime,
                    0.05 * kSecondOfTime);
    }

    void westLongitudeTurnsLocalSiderealTimeBack_data() {
        QTest::addColumn<double>("jd");
        QTest::newRow("J2000.0") << 2451545.0;
        QTest::newRow("1987") << 2446896.30625;
        QTest::newRow("2031") << 2462900.1234;
    }

    void westLongitudeTurnsLocalSiderealTimeBack() {
        QFETCH(double, jd);
        setJulianDate(jd);
        setPlace(0.0, 0.5);
        const double atGreenwich = calc_->lst();
        setPlace(1.0, 0.5);
        const double oneRadianWest = calc_->lst();
        VERIFY_ANGLE_NEAR(atJd(jd), "lst(+1 rad) - lst(0)", oneRadianWest - atGreenwich, -1.0,
                          1e-12);
        QVERIFY(oneRadianWest >= 0.0 && oneRadianWest < kTwoPi);
    }

    void normalisation_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("zeroTwoPi");
        QTest::addColumn<double>("minusPiPi");
        QTest::newRow("0") << 0.0 << 0.0 << 0.0;
        QTest::newRow("pi") << kPi << kPi << -kPi;
        QTest::newRow("-pi") << -kPi << kPi << -kPi;
        QTest::newRow("2pi") << kTwoPi << 0.0 << 0.0;
        QTest::newRow("just below 0") << -1e-20 << 0.0 << 0.0;
        QTest::newRow("-1") << -1.0 << kTwoPi - 1.0 << -1.0;
        QTest::newRow("7") << 7.0 << 7.0 - kTwoPi << 7.0 - kTwoPi;
        // Beyond the range of a 32-bit turn count.
        QTest::newRow("1e12 turns") << (1e12 * kTwoPi + 1.0) << 1.0 << 1.0;
    }

    void normalisation() {
        QFETCH(double, x);
        QFETCH(double, zeroTwoPi);
        QFETCH(double, minusPiPi);
        const double a = normalizeZeroTwoPi(x);
        const double b = normalizeMinusPiPi(x);
        QVERIFY2(a >= 0.0 && a < kTwoPi, qPrintable(QString::number(a, 'g', 17)));
        QVERIFY2(b >= -kPi && b < kPi, qPrintable(QString::number(b, 'g', 17)));
        // Whole turns of 1e12·2π leave about 1e-3 of rounding in the input itself.
        const double tolerance = std::abs(x) > 1e6 ? 1e-2 : 1e-15;
        QVERIFY2(std::abs(a - zeroTwoPi) <= tolerance, qPrintable(QString::number(a, 'g', 17)));
        QVERIFY2(std::abs(b - minusPiPi) <= tolerance, qPrintable(QString::number(b, 'g', 17)));
    }

    void polarisHourAngleStaysBelowPi() {
        // Over a sidereal day at 37-second steps, and with Polaris exactly opposite the
        // meridian at J2000.0 (its position angle there, negated, as the longitude).
        setPlace(0.0, 0.8);
        for (int64_t step = 0; step < 2400; ++step) {
            const double jd = 2451545.0 + step * 37.0 / 86400.0;
            setJulianDate(jd);
            const double h = calc_->polarisHourAngle();
            QVERIFY2(h >= -kPi && h < kPi,
                     qPrintable(describe(atJd(jd), "polarisHourAngle", 0, h)));
            // The reticle angle is the mirror of the hour angle.
            VERIFY_ANGLE_NEAR(atJd(jd), "polarisPositionAngle", calc_->polarisPositionAngle(),
                              kPi - h, 1e-12);
        }
        setJulianDate(2451545.0);
        setPlace(1.090856119499385, 0.8);
        const double h = calc_->polarisHourAngle();
        QVERIFY2(h >= -kPi && h < kPi,
                 qPrintable(describe(atJd(2451545.0), "polarisHourAngle", -kPi, h)));
        VERIFY_NEAR(atJd(2451545.0), "|polarisHourAngle|", std::abs(h), kPi, 1e-12);
    }

    // Polaris's RA moves by about a minute of time per year; its hour angle follows.
    void polarisPrecessesInRightAscension() {
        const double jd = 2451545.0 + 25 * 365.25;
        setJulianDate(jd);
        setPlace(0.0, 0.8);
        const double expectedRa =
            0.6625124396466141 +
            (3.075 + 1.336 * std::sin(0.6625124396466141) * std::tan(1.5579550668233484)) * 15.0 /
                3600.0 * kDeg * 25.0;
        VERIFY_ANGLE_NEAR(atJd(jd), "polaris hour angle", calc_->polarisHourAngle(),
                          calc_->lst() - expectedRa, 1e-12);
        // About 67 seconds of time per year: 28 minutes in 25 years.
        VERIFY_NEAR(atJd(jd), "RA shift in minutes of time",
                    (expectedRa - 0.6625124396466141) / kDeg * 4, 27.9, 0.1);
    }

    void southernStarsAtJ2000() {
        setJulianDate(2451545.0);
        setPlace(0.0, -0.6);
        const double lst = calc_->lst();
        // The catalogue places in degrees, in drawing order.
        const double raDeg[] = {352.015, 341.38208333333336, 317.1983333333333, 283.69625};
        const double decDeg[] = {-87.48213888888888, -88.81844444444444, -88.95641666666667,
                                 -87.60647222222221};
        const std::vector<ReticleStar> stars = calc_->southernStars();
        QCOMPARE(stars.size(), size_t(4));
        for (size_t i = 0; i < 4; ++i) {
            VERIFY_ANGLE_NEAR(atJd(2451545.0), "position angle", stars[i].positionAngle,
                              lst - raDeg[i] * kDeg + kPi, 1e-12);
            VERIFY_NEAR(atJd(2451545.0), "polar distance", stars[i].polarDistance,
                        (90.0 + decDeg[i]) * kDeg, 1e-12);
            QVERIFY(stars[i].polarDistance > 0.0 && stars[i].polarDistance < 0.05);
        }
    }

    void southernStarsPrecess() {
        const double jd = 2451545.0 + 10 * 365.25;
        setJulianDate(jd);
        setPlace(0.3, -0.6);
        const double lst = calc_->lst();
        const std::vector<ReticleStar> stars = calc_->southernStars();
        const double ra = 6.143820766407838, dec = -1.5268513602980849;
        const double raOfDate =
            ra + (3.075 + 1.336 * std::sin(ra) * std::tan(dec)) * 15.0 / 3600.0 * kDeg * 10.0;
        const double decOfDate = dec + 20.04 * std::cos(ra) / 3600.0 * kDeg * 10.0;
        VERIFY_ANGLE_NEAR(atJd(jd), "position angle", stars[0].positionAngle, lst - raOfDate + kPi,
                          1e-12);
        VERIFY_NEAR(atJd(jd), "polar distance", stars[0].polarDistance, decOfDate + kPi / 2, 1e-12);
    }

    // A worked example of the same textbook: a planet seen from Washington, hour angle
    // 64.352133°, declination -6.719892°, latitude 38.921389°: azimuth 68.0337° counted
    // from the south (248.0337° from the north) and altitude 15.1249°.
    void equatorialToHorizontalAgainstPublishedValue() {
        setPlace(0.0, 38.921389 * kDeg);
        const auto [az, alt] = calc_->equatorialToHorizontal({64.352133 * kDeg, -6.719892 * kDeg});
        VERIFY_NEAR(atLatitude(38.921389 * kDeg), "azimuth (deg)", az / kDeg, 248.0337, 1e-4);
        VERIFY_NEAR(atLatitude(38.921389 * kDeg), "altitude (deg)", alt / kDeg, 15.1249, 1e-4);
        VERIFY_NEAR(atLatitude(38.921389 * kDeg), "altitudeOf (deg)",
                    calc_->altitudeOf({64.352133 * kDeg, -6.719892 * kDeg}) / kDeg, 15.1249, 1e-4);
    }

    void cardinalPoints_data() {
        QTest::addColumn<double>("hourAngle");
        QTest::addColumn<double>("dec");
        QTest::addColumn<double>("azimuth");
        QTest::addColumn<double>("altitude");
        const double lat = 45 * kDeg;
        QTest::newRow("meridian, equator: south") << 0.0 << 0.0 << kPi << lat;
        QTest::newRow("6h east on the equator: east") << -kPi / 2 << 0.0 << kPi / 2 << 0.0;
        QTest::newRow("6h west on the equator: west") << kPi / 2 << 0.0 << 3 * kPi / 2 << 0.0;
        QTest::newRow("lower culmination: north") << kPi << 60 * kDeg << 0.0 << 15 * kDeg;
    }

    void cardinalPoints() {
        QFETCH(double, hourAngle);
        QFETCH(double, dec);
        QFETCH(double, azimuth);
        QFETCH(double, altitude);
        setPlace(0.0, 45 * kDeg);
        const auto [az, alt] = calc_->equatorialToHorizontal({hourAngle, dec});
        VERIFY_ANGLE_NEAR(atLatitude(45 * kDeg), "azimuth", az, azimuth, 1e-12);
        QVERIFY2(az >= 0.0 && az < kTwoPi, qPrintable(QString::number(az, 'g', 17)));
        VERIFY_NEAR(atLatitude(45 * kDeg), "altitude", alt, altitude, 1e-12);
    }

    // Rounding can push the sine of the altitude a hair past 1 for a star in the zenith;
    // the altitude must still be 90°, not NaN.
    void zenithIsNinetyDegreesAtEveryLatitude() {
        for (int halfDeg = -179; halfDeg <= 179; ++halfDeg) {
            const double lat = halfDeg * 0.5 * kDeg;
            setPlace(0.0, lat);
            const double viaAltitudeOf = calc_->altitudeOf({0.0, lat});
            const double viaHorizontal = calc_->equatorialToHorizontal({0.0, lat}).second;
            VERIFY_NEAR(atLatitude(lat), "altitudeOf at the zenith", viaAltitudeOf, kPi / 2, 1e-7);
            VERIFY_NEAR(atLatitude(lat), "altitude at the zenith", viaHorizontal, kPi / 2, 1e-7);
            const double dec = calc_->horizontalToEquatorial({1.0, kPi / 2}).second;
            VERIFY_NEAR(atLatitude(lat), "declination of the zenith", dec, lat, 1e-7);
        }
    }

    void equatorialHorizontalRoundTrip_data() {
        QTest::addColumn<double>("latitudeDeg");
        for (double lat : {-75.0, -33.9, -0.5, 0.0, 23.4, 51.5, 80.0})
            QTest::newRow(qPrintable(QStringLiteral("latitude %1").arg(lat))) << lat;
    }

    void equatorialHorizontalRoundTrip() {
        QFETCH(double, latitudeDeg);
        setPlace(0.0, latitudeDeg * kDeg);
        for (double h : {-3.0, -1.5, -0.2, 0.7, 2.9}) {
            for (double dec : {-1.2, -0.4, 0.1, 0.9, 1.45}) {
                const HorizontalCoord hor = calc_->equatorialToHorizontal({h, dec});
                const EquatorialCoord back = calc_->horizontalToEquatorial(hor);
                const QString where = QStringLiteral("latitude %1°, H %2, dec %3, az %4, alt %5")
                                          .arg(latitudeDeg)
                                          .arg(h)
                                          .arg(dec)
                                          .arg(hor.first, 0, 'g', 17)
                                          .arg(hor.second, 0, 'g', 17);
                QVERIFY2(back.first >= -kPi && back.first < kPi, qPrintable(where));
                QVERIFY2(
                    angleDiff(back.first, h) < 1e-9,
                    qPrintable(where + QStringLiteral(": H back %1").arg(back.first, 0, 'g', 17)));
                QVERIFY2(std::abs(back.second - dec) < 1e-9,
                         qPrintable(where +
                                    QStringLiteral(": dec back %1").arg(back.second, 0, 'g', 17)));
                QVERIFY2(std::abs(calc_->altitudeOf({h, dec}) - hor.second) < 1e-12,
                         qPrintable(where));
            }
        }
    }

    // The same textbook example through the staged converter: the place of date and the
    // observer at 77.065556° W give the published horizontal place. The example's sidereal
    // time is the apparent one, 0.24 s of time from the mean one used here.
    void stagedConverterAgainstPublishedValue() {
        const double jd = 2446896.30625;
        setJulianDate(jd);
        setPlace(77.065556 * kDeg, 38.921389 * kDeg);
        const StagedCoord ofDate{CoordStage::OfDate,
                                 {(23 + 9 / 60.0 + 16.641 / 3600.0) * 15 * kDeg, -6.719892 * kDeg}};
        const StagedCoord hor = calc_->convertNow(ofDate, CoordStage::TrueHorizontal);
        QCOMPARE(hor.stage, CoordStage::TrueHorizontal);
        VERIFY_NEAR(atJd(jd), "azimuth (deg)", hor.value.first / kDeg, 248.0337, 0.002);
        VERIFY_NEAR(atJd(jd), "altitude (deg)", hor.value.second / kDeg, 15.1249, 0.002);
        const StagedCoord ha = calc_->convertNow(ofDate, CoordStage::HourAngle);
        VERIFY_NEAR(atJd(jd), "hour angle (deg)", ha.value.first / kDeg, 64.352133, 0.002);
    }

    void everyStageRoundTrips_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("ra");
        QTest::addColumn<double>("dec");
        QTest::addColumn<double>("latitude");
        QTest::newRow("high star, mid north") << 2460000.25 << 1.2 << 0.7 << 0.9;
        QTest::newRow("low star, south") << 2455000.75 << 4.0 << -0.9 << -0.6;
        QTest::newRow("near the horizon") << 2451545.0 << 0.3 << -0.2 << 0.2;
        QTest::newRow("below the horizon") << 2458000.5 << 3.3 << -0.8 << 0.9;
        QTest::newRow("Polaris") << 2461000.0 << 0.6625124396466141 << 1.5579550668233484 << 0.8;
    }

    void everyStageRoundTrips() {
        QFETCH(double, jd);
        QFETCH(double, ra);
        QFETCH(double, dec);
        QFETCH(double, latitude);
        setJulianDate(jd);
        setPlace(-0.4, latitude, 350.0, 2.0);
        const CoordStages forward = calc_->allStages({CoordStage::Catalogue, {ra, dec}}, 0);
        for (int32_t s = 0; s < CoordStage::Count; ++s)
            QVERIFY2(forward.has(s), qPrintable(QStringLiteral("stage %1 missing").arg(s)));
        for (int32_t s = 0; s < CoordStage::Count; ++s) {
            const CoordStages fromHere = calc_->allStages(forward.at(s), 0);
            for (int32_t t = 0; t < CoordStage::Count; ++t) {
                const StagedCoord expected = forward.at(t);
                const StagedCoord actual = calc_->stage(fromHere, t);
                QCOMPARE(actual.stage, t);
                const QString where = QStringLiteral("JD %1, from stage %2 to %3: expected (%4, "
                                                     "%5), actual (%6, %7)")
                                          .arg(jd, 0, 'f', 5)
                                          .arg(s)
                                          .arg(t)
                                          .arg(expected.value.first, 0, 'g', 17)
                                          .arg(expected.value.second, 0, 'g', 17)
                                          .arg(actual.value.first, 0, 'g', 17)
                                          .arg(actual.value.second, 0, 'g', 17);
                QVERIFY2(angleDiff(actual.value.first, expected.value.first) < 1e-9 &&
                             std::abs(actual.value.second - expected.value.second) < 1e-9,
                         qPrintable(where));
            }
        }
        const double ha = forward.at(CoordStage::HourAngle).value.first;
        QVERIFY(ha >= 0.0 && ha < kTwoPi);
        VERIFY_ANGLE_NEAR(atJd(jd), "hour angle", ha,
                          calc_->lst() - forward.at(CoordStage::OfDate).value.first, 1e-12);
        VERIFY_NEAR(atJd(jd), "azimuth through refraction",
                    forward.at(CoordStage::ApparentHorizontal).value.first,
                    forward.at(CoordStage::TrueHorizontal).value.first, 0.0);
        QVERIFY(forward.at(CoordStage::ApparentHorizontal).value.second >
                forward.at(CoordStage::TrueHorizontal).value.second);
    }

    // Refraction at the horizon is the classical 34.5′ at sea level and 10 °C; thinner or
    // warmer air bends less.
    void refractionAtTheHorizon() {
        setJulianDate(2451545.0);
        setPlace(0.0, 0.7);
        const auto trueAltitudeOf = [&](double apparentDeg) {
            return calc_
                       ->convertNow({CoordStage::ApparentHorizontal, {1.0, apparentDeg * kDeg}},
                                    CoordStage::TrueHorizontal)
                       .value.second /
                   kDeg;
        };
        VERIFY_NEAR(atJd(2451545.0), "refraction at the horizon (arcmin)",
                    -trueAltitudeOf(0.0) * 60, 34.5, 0.1);
        VERIFY_NEAR(atJd(2451545.0), "refraction at the zenith (arcmin)",
                    (90.0 - trueAltitudeOf(90.0)) * 60, 0.0, 0.01);
        setPlace(0.0, 0.7, 1200.0, 30.0);
        const double thin = -trueAltitudeOf(0.0) * 60;
        VERIFY_NEAR(atJd(2451545.0), "refraction at 1200 m, 30 °C (arcmin)", thin,
                    34.47 * (1013.0 - 100 * 1.33) / 1013.0 * 283.0 / 303.0, 0.05);
    }

    // Below the horizon the refraction formula folds back and then diverges at -4.4°: the
    // apparent altitude must still grow with the true one and come back unchanged.
    void refractionStaysInvertibleBelowTheHorizon() {
        setJulianDate(2451545.0);
        setPlace(0.0, 0.7);
        double lastApparent = -kPi;
        for (double trueDeg = -10.0; trueDeg <= 90.0; trueDeg += 0.05) {
            const StagedCoord apparent =
                calc_->convertNow({CoordStage::TrueHorizontal, {2.0, trueDeg * kDeg}},
                                  CoordStage::ApparentHorizontal);
            const double back =
                calc_->convertNow(apparent, CoordStage::TrueHorizontal).value.second;
            const QString where = QStringLiteral("true %1°, apparent %2°, back %3°")
                                      .arg(trueDeg, 0, 'f', 2)
                                      .arg(apparent.value.second / kDeg, 0, 'g', 12)
                                      .arg(back / kDeg, 0, 'g', 12);
            QVERIFY2(std::isfinite(apparent.value.second), qPrintable(where));
            QVERIFY2(std::abs(back - trueDeg * kDeg) < 1e-10, qPrintable(where));
            QVERIFY2(apparent.value.second > lastApparent, qPrintable(where));
            QVERIFY2(apparent.value.second - trueDeg * kDeg < 1.0 * kDeg, qPrintable(where));
            lastApparent = apparent.value.second;
        }
    }

    void offsetFromNowIsInMilliseconds() {
        const double jd = 2459000.5;
        setJulianDate(jd);
        setPlace(0.2, 0.6);
        const StagedCoord star{CoordStage::Catalogue, {2.0, 0.3}};
        const StagedCoord later = calc_->convertAfter(star, CoordStage::HourAngle, 3600000);
        const StagedCoord atDate = calc_->convertAt(star, CoordStage::HourAngle, jd + 1.0 / 24.0);
        VERIFY_ANGLE_NEAR(atJd(jd), "hour angle an hour later", later.value.first,
                          atDate.value.first, 1e-9);
        const StagedCoord now = calc_->convertNow(star, CoordStage::HourAngle);
        // One hour of solar time is 1.0027 hours of sidereal time.
        VERIFY_ANGLE_NEAR(atJd(jd), "hour angle advance", later.value.first - now.value.first,
                          1.00273790935 * kPi / 12.0, 1e-7);
    }

    void missingStageIsAContractBreach_data() {
        QTest::addColumn<int>("fromStage");
        QTest::addColumn<int>("toStage");
        QTest::newRow("input stage 7") << 7 << 3;
        QTest::newRow("input stage -1") << -1 << 0;
        QTest::newRow("requested stage 6") << 2 << 6;
        QTest::newRow("requested stage -1") << 2 << -1;
    }

    void missingStageIsAContractBreach() {
        QFETCH(int, fromStage);
        QFETCH(int, toStage);
        setJulianDate(2451545.0);
        const StagedCoord from{fromStage, {1.0, 0.5}};
        try {
            const StagedCoord result = calc_->convertNow(from, toStage);
            QFAIL(qPrintable(QStringLiteral("no exception; got stage %1 (%2, %3)")
                                 .arg(result.stage)
                                 .arg(result.value.first)
                                 .arg(result.value.second)));
        } catch (const std::logic_error& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Read null Nullable"));
        }
        const CoordStages stages = calc_->allStages(from, 0);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, calc_->stage(stages, toStage));
    }
};

QTEST_GUILESS_MAIN(TestAstroCalc)
#include "test_astro_calc.moc"
