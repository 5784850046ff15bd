// The astro clock's time scales; sidereal time, coordinate conversions, the staged converter and
// the polar-scope stars on a fixed clock, against published or hand-worked values with explicit
// tolerances. "Meeus" is Astronomical Algorithms (2nd ed.); its sidereal time is θ0 =
// 280.46061837° + 360.98564736629° × (JD − 2451545.0) (12.4, without the tiny T² terms).

#include "AstroCalc.h"
#include "AstroMath.h"
#include "Location.h"
#include "ManualClock.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace JEX;

namespace {

constexpr double kDeg = kPi / 180.0;
constexpr double kSecondOfTime = kTwoPi / 86400.0;

// Difference of two angles, ignoring whole turns.
double angleDiff(double a, double b) {
    return std::abs(normalizeMinusPiPi(a - b));
}

constexpr double kArcsec = kPi / 180.0 / 3600.0;
// Half a degree: one minute on the reticle's 12-hour dial.
constexpr double kDialMinute = kPi / 360.0;

} // namespace

#define VERIFY_CLOSE(what, actual, expected, tolerance, difference)                                \
    do {                                                                                           \
        const double a_ = (actual);                                                                \
        const double e_ = (expected);                                                              \
        QVERIFY2((difference) <= (tolerance), where(what, e_, a_).constData());                    \
    } while (false)
#define VERIFY_NEAR(what, actual, expected, tolerance)                                             \
    VERIFY_CLOSE(what, actual, expected, tolerance, std::abs(a_ - e_))
#define VERIFY_ANGLE_NEAR(what, actual, expected, tolerance)                                       \
    VERIFY_CLOSE(what, actual, expected, tolerance, angleDiff(a_, e_))

class TestAstroCalc : public QObject {
    Q_OBJECT
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::shared_ptr<AstroClock> astro_;
    std::unique_ptr<AstroCalc> calc_;
    double jd_ = 0;

    void setJulianDate(double jd) {
        jd_ = jd;
        clock_->setMs(std::llround((jd - 2440587.5) * 86400000.0));
    }
    void setPlace(double longitude, double latitude, double altitudeMeter = 0.0,
                  double temperatureCelsius = 10.0) {
        location_->setLocation(
            CLocation{longitude, latitude, false, altitudeMeter, temperatureCelsius});
    }
    QByteArray where(const QString& what, double expected, double actual) const {
        return QStringLiteral("JD %1, longitude %2, latitude %3: %4: expected %5, actual %6")
            .arg(jd_, 0, 'f', 5)
            .arg(location_->longitudeRad())
            .arg(location_->latitudeRad())
            .arg(what)
            .arg(expected, 0, 'g', 17)
            .arg(actual, 0, 'g', 17)
            .toUtf8();
    }
    StagedCoord convert(StagedCoord from, int32_t to) { return calc_->convertNow(from, to); }

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>();
        location_ = std::make_shared<Location>(nullptr);
        astro_ = std::make_shared<AstroClock>(clock_);
        calc_ = std::make_unique<AstroCalc>(location_, astro_);
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

    void siderealTime_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("expectedSec");
        QTest::addColumn<double>("toleranceSec");
        // 280.46061837° = 18.697374558 h.
        QTest::newRow("J2000.0, Meeus 12.4") << 2451545.0 << 67310.5484088 << 1e-4;
        // Worked examples 12.a and 12.b; the linear formula is good to hundredths of a second.
        QTest::newRow("1987-04-10 0h UT, Meeus 12.a")
            << 2446895.5 << (13 * 3600 + 10 * 60 + 46.3668) << 0.05;
        QTest::newRow("1987-04-10 19h21m UT, Meeus 12.b")
            << 2446896.30625 << (8 * 3600 + 34 * 60 + 57.0896) << 0.05;
    }

    void siderealTime() {
        QFETCH(double, jd);
        QFETCH(double, expectedSec);
        QFETCH(double, toleranceSec);
        setJulianDate(jd);
        VERIFY_ANGLE_NEAR("gmst", calc_->gmst(), expectedSec * kSecondOfTime,
                          toleranceSec * kSecondOfTime);
        VERIFY_NEAR("lst", calc_->lst(), expectedSec * kSecondOfTime, toleranceSec * kSecondOfTime);
        // One radian west turns the local sidereal time one radian back.
        setPlace(1.0, 0.5);
        VERIFY_ANGLE_NEAR("lst one radian west", calc_->lst(), expectedSec * kSecondOfTime - 1.0,
                          toleranceSec * kSecondOfTime);
        QVERIFY(calc_->lst() >= 0.0 && calc_->lst() < kTwoPi);
    }

    void normalisation_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("zeroTwoPi");
        QTest::addColumn<double>("minusPiPi");
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
        VERIFY_NEAR("[0, 2pi)", a, zeroTwoPi, tolerance);
        VERIFY_NEAR("[-pi, pi)", b, minusPiPi, tolerance);
    }

    // Polaris's J2000 place is α 37.95917°, δ 89.26425°; its precession in right ascension is
    // (3.075 + 1.336 sin α tan δ) seconds of time a year. H = θ0 − λ − α of date.
    void polaris_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("hourAngleDeg");
        // 280.46061837° − 37.95916667° − 360°.
        QTest::newRow("J2000.0") << 2451545.0 << 0.0 << -117.49854829666663;
        // 25 years: θ0 = 10.65313181°, α = 37.95916667° + 6.98606594° (27.94 minutes of time).
        QTest::newRow("25 years on") << 2460676.25 << 0.0 << -34.29210080196958;
        // Polaris exactly opposite the meridian: π comes back as −π.
        QTest::newRow("hour angle pi") << 2451545.0 << 1.0908561194993855 << -180.0;
    }

    void polaris() {
        QFETCH(double, jd);
        QFETCH(double, longitude);
        QFETCH(double, hourAngleDeg);
        setJulianDate(jd);
        setPlace(longitude, 0.8);
        const double h = calc_->polarisHourAngle();
        QVERIFY2(h >= -kPi && h < kPi, where("range", hourAngleDeg * kDeg, h).constData());
        VERIFY_ANGLE_NEAR("polarisHourAngle", h, hourAngleDeg * kDeg, 1e-8);
        // The reticle angle is the mirror of the hour angle.
        VERIFY_ANGLE_NEAR("polarisPositionAngle", calc_->polarisPositionAngle(), kPi - h, 1e-12);
    }

    // Position angle H + π and polar distance δ + 90° of the first and last southern star,
    // from their J2000 places (352.015°, −87.48213889°) and (283.69625°, −87.60647222°).
    void southernStars_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("star");
        QTest::addColumn<double>("positionAngleDeg");
        QTest::addColumn<double>("polarDistanceDeg");
        // At J2000.0: θ0 − α + 180°, δ + 90°.
        QTest::newRow("1 at J2000.0") << 2451545.0 << 0.0 << 0 << 108.44561837 << 2.517861111111;
        QTest::newRow("4 at J2000.0") << 2451545.0 << 0.0 << 3 << 176.76436837 << 2.393527777778;
        // Ten years on, 0.3 rad west: α = 352.015° + 0.30397887°, δ = −87.48213889° +
        // 20.04″ × cos α × 10 = −87.42701194°, θ0 − λ = 83.34888989°.
        QTest::newRow("1 ten years on")
            << 2451545.0 + 3652.5 << 0.3 << 0 << 271.0299110246007 << 2.572988059954355;
    }

    void southernStars() {
        QFETCH(double, jd);
        QFETCH(double, longitude);
        QFETCH(int, star);
        QFETCH(double, positionAngleDeg);
        QFETCH(double, polarDistanceDeg);
        setJulianDate(jd);
        setPlace(longitude, -0.6);
        const std::vector<ReticleStar> stars = calc_->southernStars();
        QCOMPARE(stars.size(), size_t(4));
        VERIFY_ANGLE_NEAR("position angle", stars[star].positionAngle, positionAngleDeg * kDeg,
                          1e-8);
        VERIFY_NEAR("polar distance", stars[star].polarDistance, polarDistanceDeg * kDeg, 1e-10);
    }

    void equatorialToHorizontal_data() {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("hourAngleDeg");
        QTest::addColumn<double>("decDeg");
        QTest::addColumn<double>("azimuthDeg"); // from the north through the east
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<double>("toleranceDeg");
        // Meeus 13.b, Venus from Washington: azimuth 68.0337° from the south.
        QTest::newRow("Meeus 13.b")
            << 38.921389 << 64.352133 << -6.719892 << 248.0337 << 15.1249 << 1e-4;
        QTest::newRow("meridian, equator: south") << 45.0 << 0.0 << 0.0 << 180.0 << 45.0 << 1e-9;
        QTest::newRow("6h east on the equator") << 45.0 << -90.0 << 0.0 << 90.0 << 0.0 << 1e-9;
        QTest::newRow("lower culmination: north") << 45.0 << 180.0 << 60.0 << 0.0 << 15.0 << 1e-9;
    }

    void equatorialToHorizontal() {
        QFETCH(double, latitudeDeg);
        QFETCH(double, hourAngleDeg);
        QFETCH(double, decDeg);
        QFETCH(double, azimuthDeg);
        QFETCH(double, altitudeDeg);
        QFETCH(double, toleranceDeg);
        setPlace(0.0, latitudeDeg * kDeg);
        const EquatorialCoord star{hourAngleDeg * kDeg, decDeg * kDeg};
        const auto [az, alt] = calc_->equatorialToHorizontal(star);
        VERIFY_ANGLE_NEAR("azimuth", az, azimuthDeg * kDeg, toleranceDeg * kDeg);
        QVERIFY2(az >= 0.0 && az < kTwoPi,
                 where("azimuth range", azimuthDeg * kDeg, az).constData());
        VERIFY_NEAR("altitude", alt, altitudeDeg * kDeg, toleranceDeg * kDeg);
        VERIFY_NEAR("altitudeOf", calc_->altitudeOf(star), altitudeDeg * kDeg, toleranceDeg * kDeg);
        // And back, with the hour angle in [−π, π).
        const auto [h, dec] = calc_->horizontalToEquatorial({az, alt});
        QVERIFY2(h >= -kPi && h < kPi, where("hour angle range", star.first, h).constData());
        VERIFY_ANGLE_NEAR("hour angle back", h, star.first, 1e-9);
        VERIFY_NEAR("declination back", dec, star.second, 1e-9);
    }

    // Rounding can push the sine of the altitude a hair past 1 for a star in the zenith;
    // the altitude must still be 90°, not NaN.
    void zenithIsNinetyDegreesAtEveryLatitude() {
        for (int halfDeg = -179; halfDeg <= 179; ++halfDeg) {
            const double lat = halfDeg * 0.5 * kDeg;
            setPlace(0.0, lat);
            VERIFY_NEAR("altitudeOf", calc_->altitudeOf({0.0, lat}), kPi / 2, 1e-7);
            VERIFY_NEAR("altitude", calc_->equatorialToHorizontal({0.0, lat}).second, kPi / 2,
                        1e-7);
            VERIFY_NEAR("declination", calc_->horizontalToEquatorial({1.0, kPi / 2}).second, lat,
                        1e-7);
        }
    }

    // Meeus 13.b through the staged converter: Venus's place of date seen at 77.065556° W.
    // The example uses the apparent sidereal time, 0.24 s of time from the mean one used here.
    void stagedConverterAgainstPublishedValue() {
        setJulianDate(2446896.30625);
        setPlace(77.065556 * kDeg, 38.921389 * kDeg);
        const StagedCoord ofDate{CoordStage::OfDate,
                                 {(23 + 9 / 60.0 + 16.641 / 3600.0) * 15 * kDeg, -6.719892 * kDeg}};
        const StagedCoord hor = convert(ofDate, CoordStage::TrueHorizontal);
        QCOMPARE(hor.stage, CoordStage::TrueHorizontal);
        VERIFY_NEAR("azimuth", hor.value.first, 248.0337 * kDeg, 0.002 * kDeg);
        VERIFY_NEAR("altitude", hor.value.second, 15.1249 * kDeg, 0.002 * kDeg);
        VERIFY_NEAR("hour angle", convert(ofDate, CoordStage::HourAngle).value.first,
                    64.352133 * kDeg, 0.002 * kDeg);
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
        for (int32_t s = 0; s < CoordStage::Count; ++s) {
            const CoordStages fromHere = calc_->allStages(forward.at(s), 0);
            for (int32_t t = 0; t < CoordStage::Count; ++t) {
                const StagedCoord expected = forward.at(t);
                const StagedCoord actual = calc_->stage(fromHere, t);
                QCOMPARE(actual.stage, t);
                const QString step = QStringLiteral("stage %1 to %2, ").arg(s).arg(t);
                VERIFY_ANGLE_NEAR(step + "first", actual.value.first, expected.value.first, 1e-9);
                VERIFY_NEAR(step + "second", actual.value.second, expected.value.second, 1e-9);
            }
        }
        const double ha = forward.at(CoordStage::HourAngle).value.first;
        QVERIFY(ha >= 0.0 && ha < kTwoPi);
        VERIFY_ANGLE_NEAR("hour angle", ha,
                          calc_->lst() - forward.at(CoordStage::OfDate).value.first, 1e-12);
        // Refraction lifts the altitude and leaves the azimuth.
        const auto trueHor = forward.at(CoordStage::TrueHorizontal).value;
        const auto apparentHor = forward.at(CoordStage::ApparentHorizontal).value;
        QCOMPARE(apparentHor.first, trueHor.first);
        QVERIFY(apparentHor.second > trueHor.second);
    }

    // Bennett's formula (Meeus 16.4), R = cot(h + 7.31° / (h + 4.4°)) arcminutes at the
    // apparent altitude h, scaled by pressure / 1013 hPa (1.33 hPa less per 12 m of height) and
    // 283 K / (273 K + temperature).
    void refraction_data() {
        QTest::addColumn<double>("apparentDeg");
        QTest::addColumn<double>("heightMeter");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("arcmin");
        QTest::newRow("horizon") << 0.0 << 0.0 << 10.0 << 34.477534;
        QTest::newRow("10°") << 10.0 << 0.0 << 10.0 << 5.391505;
        QTest::newRow("45°") << 45.0 << 0.0 << 10.0 << 0.994848;
        QTest::newRow("zenith") << 90.0 << 0.0 << 10.0 << -0.001352;
        // 34.477534′ × 880 / 1013 × 283 / 303.
        QTest::newRow("horizon at 1200 m, 30 °C") << 0.0 << 1200.0 << 30.0 << 27.973913;
    }

    void refraction() {
        QFETCH(double, apparentDeg);
        QFETCH(double, heightMeter);
        QFETCH(double, temperature);
        QFETCH(double, arcmin);
        setJulianDate(2451545.0);
        setPlace(0.0, 0.7, heightMeter, temperature);
        const StagedCoord apparent{CoordStage::ApparentHorizontal, {1.0, apparentDeg * kDeg}};
        const double trueAltitude = convert(apparent, CoordStage::TrueHorizontal).value.second;
        VERIFY_NEAR("refraction (arcmin)", (apparentDeg * kDeg - trueAltitude) / kDeg * 60, arcmin,
                    1e-5);
    }

    // Below the horizon the refraction formula folds back and then diverges at -4.4°: the
    // apparent altitude must still grow with the true one and come back unchanged.
    void refractionStaysInvertibleBelowTheHorizon() {
        setJulianDate(2451545.0);
        setPlace(0.0, 0.7);
        double lastApparent = -kPi;
        for (double trueDeg = -10.0; trueDeg <= 90.0; trueDeg += 0.05) {
            const double apparent = convert({CoordStage::TrueHorizontal, {2.0, trueDeg * kDeg}},
                                            CoordStage::ApparentHorizontal)
                                        .value.second;
            const QString at = QStringLiteral("true %1°: ").arg(trueDeg);
            QVERIFY2(std::isfinite(apparent) && apparent > lastApparent &&
                         apparent - trueDeg * kDeg < 1.0 * kDeg,
                     where(at + "apparent", trueDeg * kDeg, apparent).constData());
            VERIFY_NEAR(at + "back",
                        convert({CoordStage::ApparentHorizontal, {2.0, apparent}},
                                CoordStage::TrueHorizontal)
                            .value.second,
                        trueDeg * kDeg, 1e-10);
            lastApparent = apparent;
        }
    }

    void offsetFromNowIsInMilliseconds() {
        const double jd = 2459000.5;
        setJulianDate(jd);
        setPlace(0.2, 0.6);
        const StagedCoord star{CoordStage::Catalogue, {2.0, 0.3}};
        const StagedCoord later = calc_->convertAfter(star, CoordStage::HourAngle, 3600000);
        const StagedCoord atDate = calc_->convertAt(star, CoordStage::HourAngle, jd + 1.0 / 24.0);
        VERIFY_ANGLE_NEAR("an hour later", later.value.first, atDate.value.first, 1e-9);
        // One hour of solar time is 1.00273790935 hours of sidereal time.
        VERIFY_ANGLE_NEAR("hour angle advance",
                          later.value.first - convert(star, CoordStage::HourAngle).value.first,
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
        QString message = QStringLiteral("no exception");
        try {
            convert(from, toStage);
        } catch (const std::logic_error& e) {
            message = QString::fromLatin1(e.what());
        }
        QCOMPARE(message, QStringLiteral("Read null Nullable"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 calc_->stage(calc_->allStages(from, 0), toStage));
    }

    // Position angles (Polaris, then the southern stars) and the southern stars' polar
    // distances, worked with the classical methods of Meeus: rigorous precession with the IAU
    // 1976 angles, the four leading nutation terms, annual aberration from the Sun's true
    // longitude with the eccentricity terms, and apparent sidereal time (UT1 = UTC, TT − UTC =
    // 69.184 s); Polaris with its Hipparcos (2007) proper motion, the southern stars without.
    // Those methods are good to about half an arcsecond, a few hundredths of a dial minute
    // this close to the pole. Longitude west positive: 10° E is −0.17453292519943295 rad.
    void preciseReticle_data() {
        QTest::addColumn<double>("jd");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QList<double>>("positionAnglesDeg");
        QTest::addColumn<QList<double>>("polarDistancesDeg");
        QTest::newRow("2000-01-01 12:00 UTC, 10° E")
            << 2451545.0 << -0.17453292519943295
            << QList<double>{287.737146, 118.526448, 129.309563, 153.636949, 186.947291}
            << QList<double>{2.5110338, 1.1755116, 1.0400250, 2.3942969};
        QTest::newRow("2026-03-01 21:00 UTC, 75° W")
            << 2461101.375 << 1.3089969389957472
            << QList<double>{186.591378, 226.956215, 236.075982, 257.374966, 292.357054}
            << QList<double>{2.6613319, 1.3200942, 1.1555382, 2.4344749};
        QTest::newRow("2040-09-15 03:00 UTC, 10° E")
            << 2466412.625 << -0.17453292519943295
            << QList<double>{182.989616, 236.387572, 244.613573, 264.531980, 300.317316}
            << QList<double>{2.7409705, 1.3958700, 1.2156610, 2.4515345};
    }

    void preciseReticle() {
        QFETCH(double, jd);
        QFETCH(double, longitude);
        QFETCH(QList<double>, positionAnglesDeg);
        QFETCH(QList<double>, polarDistancesDeg);
        setJulianDate(jd);
        setPlace(longitude, 0.8);
        VERIFY_ANGLE_NEAR("Polaris", calc_->polarisPositionAnglePrecise(),
                          positionAnglesDeg[0] * kDeg, 0.1 * kDialMinute);
        const std::vector<ReticleStar> stars = calc_->southernStarsPrecise();
        QCOMPARE(stars.size(), size_t(4));
        for (size_t i = 0; i < 4; ++i) {
            const QString star = QStringLiteral("star %1 ").arg(i + 1);
            VERIFY_ANGLE_NEAR(star + "position angle", stars[i].positionAngle,
                              positionAnglesDeg[i + 1] * kDeg, 0.1 * kDialMinute);
            VERIFY_NEAR(star + "polar distance", stars[i].polarDistance,
                        polarDistancesDeg[i] * kDeg, kArcsec);
        }
    }

    // A clock far outside the calendar of the routines keeps the simple reading.
    void impossibleDateFallsBackToTheSimpleFormula() {
        clock_->setMs(-297266760000000); // Julian date -1 000 000
        QCOMPARE(calc_->polarisPositionAnglePrecise(), calc_->polarisPositionAngle());
    }
};

QTEST_GUILESS_MAIN(TestAstroCalc)
#include "test_astro_calc.moc"
