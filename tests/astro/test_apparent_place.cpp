// The precise reticle positions against an independent computation written here from the
// classical methods of the standard textbook of astronomical algorithms: rigorous precession
// with the IAU 1976 angles, the four leading nutation terms, annual aberration from the Sun's
// true longitude with the eccentricity terms, and apparent sidereal time. Those methods are
// good to about half an arcsecond, a few hundredths of a dial minute this close to the pole.

#include "AstroCalc.h"
#include "AstroMath.h"
#include "Location.h"
#include "ManualClock.h"

#include <QTest>

#include <cmath>
#include <memory>

using namespace JEX;

namespace {

constexpr double kArcsec = kPi / 180.0 / 3600.0;
// Half a degree: one minute on the reticle's 12-hour dial.
constexpr double kDialMinute = kPi / 360.0;

double deg(double d) {
    return d * kPi / 180.0;
}

struct V {
    double x, y, z;
};
// Rotations of the frame about its x, y and z axes.
V r1(double a, V v) {
    return {v.x, std::cos(a) * v.y + std::sin(a) * v.z, -std::sin(a) * v.y + std::cos(a) * v.z};
}
V r2(double a, V v) {
    return {std::cos(a) * v.x - std::sin(a) * v.z, v.y, std::sin(a) * v.x + std::cos(a) * v.z};
}
V r3(double a, V v) {
    return {std::cos(a) * v.x + std::sin(a) * v.y, -std::sin(a) * v.x + std::cos(a) * v.y, v.z};
}

struct Star {
    double ra, dec;                 // J2000
    double pmRaCosDecMas, pmDecMas; // per year
};

// Catalogue places as the reticle uses them; Polaris's proper motion from the Hipparcos new
// reduction (2007); the southern stars without proper motion.
const Star kPolaris{0.6625124396466141, 1.5579550668233484, 44.48, -11.85};
const Star kSouthern[] = {{6.143820766407838, -1.5268513602980849, 0, 0},
                          {5.958241361484325, -1.5501742920552213, 0, 0},
                          {5.536155298505147, -1.5525823616092924, 0, 0},
                          {4.951433638060963, -1.529021386334731, 0, 0}};

// (hour angle, declination) of the apparent place; longitude west positive, UT1 = UTC.
std::pair<double, double> apparentPlace(const Star& s, int64_t utcMs, double longitude) {
    const double jd = static_cast<double>(utcMs) / 86400000.0 + 2440587.5;
    const double t = (jd + 69.184 / 86400.0 - 2451545.0) / 36525.0; // TT, near enough
    const double years = 100.0 * t;

    const double ra = s.ra + s.pmRaCosDecMas / 1000.0 * kArcsec / std::cos(s.dec) * years;
    const double dec = s.dec + s.pmDecMas / 1000.0 * kArcsec * years;
    V p{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};

    const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * kArcsec;
    const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * kArcsec;
    const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * kArcsec;
    p = r3(-z, r2(theta, r3(-zeta, p)));

    const double om = deg(125.04452 - 1934.136261 * t);
    const double ls = deg(280.4665 + 36000.7698 * t);
    const double lm = deg(218.3165 + 481267.8813 * t);
    const double dpsi = (-17.20 * std::sin(om) - 1.32 * std::sin(2 * ls) - 0.23 * std::sin(2 * lm) +
                         0.21 * std::sin(2 * om)) *
                        kArcsec;
    const double deps = (9.20 * std::cos(om) + 0.57 * std::cos(2 * ls) + 0.10 * std::cos(2 * lm) -
                         0.09 * std::cos(2 * om)) *
                        kArcsec;
    const double eps0 =
        (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * kArcsec;
    const double eps = eps0 + deps;
    p = r1(-eps, r3(-dpsi, r1(eps0, p)));

    const double m = deg(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
    const double c = deg((1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                         (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m));
    const double sun = deg(280.46646 + 36000.76983 * t + 0.0003032 * t * t) + c;
    const double e = 0.016708634 - 0.000042037 * t;
    const double perihelion = deg(102.93735 + 1.71946 * t);
    const double k = 20.49552 * kArcsec;
    // The Earth's velocity over the speed of light, in the true equator of date.
    const double along = std::cos(sun) - e * std::cos(perihelion);
    p = {p.x + k * (std::sin(sun) - e * std::sin(perihelion)), p.y - k * std::cos(eps) * along,
         p.z - k * std::sin(eps) * along};

    const double raApparent = std::atan2(p.y, p.x);
    const double decApparent = std::asin(p.z / std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z));
    const double d = jd - 2451545.0;
    const double tu = d / 36525.0;
    const double gmst =
        deg(280.46061837 + 360.98564736629 * d + 0.000387933 * tu * tu - tu * tu * tu / 38710000.0);
    const double gast = gmst + dpsi * std::cos(eps);
    return {gast - longitude - raApparent, decApparent};
}

QString dialMinutes(double angle) {
    return QString::number(normalizeMinusPiPi(angle) / kDialMinute, 'f', 3);
}

} // namespace

class TestApparentPlace : public QObject {
    Q_OBJECT
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::unique_ptr<AstroCalc> calc_;

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>();
        location_ = std::make_shared<Location>(nullptr);
        calc_ = std::make_unique<AstroCalc>(location_, std::make_shared<AstroClock>(clock_));
    }

    // Two hours west of the meridian the scope, which turns the sky half round, shows
    // Polaris at 5 o'clock; the mirrored southern reticle shows its stars at 7 o'clock.
    void reticleAngleOfHourAngle_data() {
        QTest::addColumn<double>("hourAngle");
        QTest::addColumn<double>("north");
        QTest::addColumn<double>("south");
        QTest::newRow("2 h west") << 0.5235987755982988 << 2.6179938779914944 << 3.665191429188092;
        QTest::newRow("6 h east") << -1.5707963267948966 << 4.71238898038469 << 1.5707963267948966;
    }

    void reticleAngleOfHourAngle() {
        QFETCH(double, hourAngle);
        QFETCH(double, north);
        QFETCH(double, south);
        QCOMPARE(AstroFormulas::northernReticleAngle(hourAngle), north);
        QCOMPARE(AstroFormulas::southernReticleAngle(hourAngle), south);
    }

    void againstIndependentComputation_data() {
        QTest::addColumn<int64_t>("ms");
        QTest::addColumn<double>("longitude"); // west positive
        QTest::addColumn<double>("latitude");
        const int64_t j2000 = 946728000000;          // 2000-01-01 12:00 UTC
        const int64_t march2026 = 1772398800000;     // 2026-03-01 21:00 UTC
        const int64_t september2040 = 2231290800000; // 2040-09-15 03:00 UTC
        const double east10 = -0.17453292519943295, west75 = 1.3089969389957472;
        QTest::newRow("2000, 10° E") << j2000 << east10 << deg(48);
        QTest::newRow("2000, 75° W") << j2000 << west75 << deg(-33);
        QTest::newRow("2026, 10° E") << march2026 << east10 << deg(48);
        QTest::newRow("2026, 75° W") << march2026 << west75 << deg(-33);
        QTest::newRow("2040, 10° E") << september2040 << east10 << deg(48);
        QTest::newRow("2040, 75° W") << september2040 << west75 << deg(-33);
    }

    void againstIndependentComputation() {
        QFETCH(int64_t, ms);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        clock_->setMs(ms);
        CLocation here;
        here.longitudeRad = longitude;
        here.latitudeRad = latitude;
        location_->setLocation(here);

        const double polaris = kPi - apparentPlace(kPolaris, ms, longitude).first;
        const double precise = calc_->polarisPositionAnglePrecise();
        QVERIFY2(std::abs(normalizeMinusPiPi(precise - polaris)) <= 0.1 * kDialMinute,
                 qPrintable("Polaris off by " + dialMinutes(precise - polaris) + " dial minutes"));
        qInfo("Polaris: the simple formula is %s dial minutes from the precise place",
              qPrintable(dialMinutes(calc_->polarisPositionAngle() - precise)));

        const std::vector<ReticleStar> stars = calc_->southernStarsPrecise();
        QCOMPARE(stars.size(), size_t(4));
        for (size_t i = 0; i < 4; ++i) {
            const auto [hourAngle, dec] = apparentPlace(kSouthern[i], ms, longitude);
            const double angle = stars[i].positionAngle - (hourAngle + kPi);
            QVERIFY2(std::abs(normalizeMinusPiPi(angle)) <= 0.1 * kDialMinute,
                     qPrintable(QStringLiteral("star %1 off by %2 dial minutes")
                                    .arg(i + 1)
                                    .arg(dialMinutes(angle))));
            QVERIFY2(std::abs(stars[i].polarDistance - (dec + kPi / 2)) <= kArcsec,
                     qPrintable(QStringLiteral("star %1 polar distance off by %2″")
                                    .arg(i + 1)
                                    .arg((stars[i].polarDistance - dec - kPi / 2) / kArcsec)));
        }
    }

    // A clock far outside the calendar of the routines keeps the simple reading.
    void impossibleDateFallsBackToTheSimpleFormula() {
        clock_->setMs(-297266760000000); // Julian date -1 000 000
        QCOMPARE(calc_->polarisPositionAnglePrecise(), calc_->polarisPositionAngle());
    }
};

QTEST_MAIN(TestApparentPlace)
#include "test_apparent_place.moc"
