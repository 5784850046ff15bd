#include "AstroCalc.h"

#include "ApparentPlace.h"
#include "AstroMath.h"
#include "ReferenceStars.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace JEX {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kArcsecToRad = (1.0 / 3600.0) * (kPi / 180.0);
constexpr double kMsPerDay = 86400000.0;

// Rounding can carry a sine a hair past ±1 (a star in the zenith); asin would give NaN.
double safeAsin(double x) {
    return std::asin(std::clamp(x, -1.0, 1.0));
}

// Below this apparent altitude (degrees) the refraction formula turns back on itself and
// then runs into its pole at -4.4°; refraction is held at its largest value there so that
// the conversion stays continuous and can be inverted.
const double kRefractionPeakDeg = std::sqrt(7.31) - 4.4;

} // namespace

namespace AstroFormulas {

double gmstHours(double julianDate) {
    return std::fmod((julianDate - kJ2000) * 24.06570982441908 + 18.697374558, 24.0);
}

double gmst(double julianDate) {
    return gmstHours(julianDate) * 2.0 * kPi / 24.0;
}

double lst(double julianDate, double longitude) {
    return normalizeZeroTwoPi(gmst(julianDate) - longitude);
}

double hourAngle(double julianDate, double longitude, double rightAscension) {
    return normalizeZeroTwoPi(lst(julianDate, longitude) - rightAscension);
}

double yearsSinceJ2000(double julianDate) {
    return (julianDate - kJ2000) / 365.25;
}

namespace {
// Annual precession: right ascension in seconds of time (×15 gives arcseconds),
// declination in arcseconds.
double raPrecessionRad(double ra, double dec, double years) {
    return (3.075 + 1.336 * std::sin(ra) * std::tan(dec)) * 15.0 * kArcsecToRad * years;
}
double decPrecessionRad(double ra, double years) {
    return 20.04 * std::cos(ra) * kArcsecToRad * years;
}
} // namespace

EquatorialCoord precessed(EquatorialCoord j2000, double years) {
    const auto [ra, dec] = j2000;
    return {ra + raPrecessionRad(ra, dec, years), dec + decPrecessionRad(ra, years)};
}

EquatorialCoord unprecessed(EquatorialCoord ofDate, double years) {
    EquatorialCoord guess = ofDate;
    for (int i = 0; i < 50; ++i) {
        const EquatorialCoord next{ofDate.first - raPrecessionRad(guess.first, guess.second, years),
                                   ofDate.second - decPrecessionRad(guess.first, years)};
        const bool settled = std::abs(next.first - guess.first) < 1e-15 &&
                             std::abs(next.second - guess.second) < 1e-15;
        guess = next;
        if (settled)
            break;
    }
    return guess;
}

HorizontalCoord equatorialToHorizontal(EquatorialCoord hourAngleDec, double latitude) {
    const auto [h, dec] = hourAngleDec;
    const double altitude = safeAsin(std::sin(dec) * std::sin(latitude) +
                                     std::cos(dec) * std::cos(latitude) * std::cos(h));
    const double y = std::sin(h);
    const double x = std::cos(h) * std::sin(latitude) - std::tan(dec) * std::cos(latitude);
    const double azimuth =
        (y == 0.0 && x == 0.0) ? 0.0 : normalizeZeroTwoPi(std::atan2(y, x) + kPi);
    return {azimuth, altitude};
}

EquatorialCoord horizontalToEquatorial(HorizontalCoord azAlt, double latitude) {
    const auto [azimuth, altitude] = azAlt;
    const double a = normalizeZeroTwoPi(azimuth + kPi);
    const double dec = safeAsin(std::sin(altitude) * std::sin(latitude) -
                                std::cos(altitude) * std::cos(latitude) * std::cos(a));
    const double h = std::atan2(std::sin(a), std::tan(altitude) * std::cos(latitude) +
                                                 std::sin(latitude) * std::cos(a));
    return {normalizeMinusPiPi(h), dec};
}

double altitudeOf(EquatorialCoord hourAngleDec, double latitude) {
    const auto [h, dec] = hourAngleDec;
    return safeAsin(std::cos(latitude) * std::cos(dec) * std::cos(h) +
                    std::sin(latitude) * std::sin(dec));
}

double refractionArcmin(double apparentAltitudeDeg, double altitudeMeter,
                        double temperatureCelsius) {
    const double h = std::max(apparentAltitudeDeg, kRefractionPeakDeg);
    return 1.0 / std::tan((h + 7.31 / (h + 4.4)) * kDegToRad) *
           ((1013.0 - (altitudeMeter / 12.0) * 1.33) / 1013.0) *
           (283.0 / (temperatureCelsius + 273.0));
}

double trueFromApparentAltitude(double apparentAltitude, double altitudeMeter,
                                double temperatureCelsius) {
    const double hDeg = apparentAltitude / kDegToRad;
    return (hDeg - refractionArcmin(hDeg, altitudeMeter, temperatureCelsius) / 60.0) * kDegToRad;
}

double apparentFromTrueAltitude(double trueAltitude, double altitudeMeter,
                                double temperatureCelsius) {
    // The refraction changes by well under a degree per degree, so the fixed point
    // h = true + R(h) converges quickly.
    const double trueDeg = trueAltitude / kDegToRad;
    double h = trueDeg;
    for (int i = 0; i < 100; ++i) {
        const double next = trueDeg + refractionArcmin(h, altitudeMeter, temperatureCelsius) / 60.0;
        const bool settled = std::abs(next - h) < 1e-12;
        h = next;
        if (settled)
            break;
    }
    return h * kDegToRad;
}

double northernReticleAngle(double hourAngle) {
    return kPi - hourAngle;
}

double southernReticleAngle(double hourAngle) {
    return hourAngle + kPi;
}

} // namespace AstroFormulas

AstroCalc::AstroCalc(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> clock)
    : location_(std::move(location)), clock_(std::move(clock)) {}

double AstroCalc::gmst() const {
    return AstroFormulas::gmst(clock_->julianDate());
}

double AstroCalc::lst() const {
    return AstroFormulas::lst(clock_->julianDate(), location_->longitudeRad());
}

HorizontalCoord AstroCalc::equatorialToHorizontal(EquatorialCoord hourAngleDec) const {
    return AstroFormulas::equatorialToHorizontal(hourAngleDec, location_->latitudeRad());
}

EquatorialCoord AstroCalc::horizontalToEquatorial(HorizontalCoord azAlt) const {
    return AstroFormulas::horizontalToEquatorial(azAlt, location_->latitudeRad());
}

double AstroCalc::altitudeOf(EquatorialCoord hourAngleDec) const {
    return AstroFormulas::altitudeOf(hourAngleDec, location_->latitudeRad());
}

CoordStages AstroCalc::stagesAt(const StagedCoord& from, double julianDate) const {
    namespace F = AstroFormulas;
    CoordStages out;
    if (from.stage < 0 || from.stage >= CoordStage::Count)
        return out;

    const CLocation loc = location_->location();
    const double lst = F::lst(julianDate, loc.longitudeRad);
    const double years = F::yearsSinceJ2000(julianDate);
    const double lat = loc.latitudeRad;
    const auto toHourAngle = [&](EquatorialCoord c) -> EquatorialCoord {
        return {normalizeZeroTwoPi(c.first), c.second};
    };

    const auto forward = [&](int32_t stage,
                             std::pair<double, double> c) -> std::pair<double, double> {
        switch (stage) {
        case CoordStage::Catalogue:
            return F::precessed(c, years);
        case CoordStage::OfDate:
            return {normalizeZeroTwoPi(lst - c.first), c.second};
        case CoordStage::HourAngle:
            return F::equatorialToHorizontal(c, lat);
        case CoordStage::TrueHorizontal:
            return {c.first, F::apparentFromTrueAltitude(c.second, loc.altitudeMeter,
                                                         loc.temperatureCelsius)};
        default:
            return toHourAngle(F::horizontalToEquatorial(c, lat));
        }
    };
    const auto backward = [&](int32_t stage,
                              std::pair<double, double> c) -> std::pair<double, double> {
        switch (stage) {
        case CoordStage::ApparentEquatorial:
            return F::equatorialToHorizontal(c, lat);
        case CoordStage::ApparentHorizontal:
            return {c.first, F::trueFromApparentAltitude(c.second, loc.altitudeMeter,
                                                         loc.temperatureCelsius)};
        case CoordStage::TrueHorizontal:
            return toHourAngle(F::horizontalToEquatorial(c, lat));
        case CoordStage::HourAngle:
            return {normalizeZeroTwoPi(lst - c.first), c.second};
        default:
            return F::unprecessed(c, years);
        }
    };

    out.set(from.stage, from.value);
    auto c = from.value;
    for (int32_t s = from.stage; s + 1 < CoordStage::Count; ++s) {
        c = forward(s, c);
        out.set(s + 1, c);
    }
    c = from.value;
    for (int32_t s = from.stage; s > 0; --s) {
        c = backward(s, c);
        out.set(s - 1, c);
    }
    return out;
}

StagedCoord AstroCalc::convertAt(const StagedCoord& from, int32_t toStage,
                                 double julianDate) const {
    return stagesAt(from, julianDate).at(toStage);
}

StagedCoord AstroCalc::convertAfter(const StagedCoord& from, int32_t toStage,
                                    int64_t offsetMs) const {
    return allStages(from, offsetMs).at(toStage);
}

StagedCoord AstroCalc::convertNow(const StagedCoord& from, int32_t toStage) const {
    return convertAfter(from, toStage, 0);
}

CoordStages AstroCalc::allStages(const StagedCoord& from, int64_t offsetMs) const {
    return stagesAt(from, clock_->julianDate() + static_cast<double>(offsetMs) / kMsPerDay);
}

StagedCoord AstroCalc::stage(const CoordStages& stages, int32_t index) const {
    return stages.at(index);
}

double AstroCalc::polarisPositionAngle() const {
    const double jd = clock_->julianDate();
    const double raOfDate =
        AstroFormulas::precessed(ReferenceStars::kPolaris, AstroFormulas::yearsSinceJ2000(jd))
            .first;
    return raOfDate - AstroFormulas::lst(jd, location_->longitudeRad()) + kPi;
}

double AstroCalc::polarisHourAngle() const {
    const double jd = clock_->julianDate();
    const double raOfDate =
        AstroFormulas::precessed(ReferenceStars::kPolaris, AstroFormulas::yearsSinceJ2000(jd))
            .first;
    return normalizeMinusPiPi(AstroFormulas::hourAngle(jd, location_->longitudeRad(), raOfDate));
}

std::vector<ReticleStar> AstroCalc::southernStars() const {
    const double jd = clock_->julianDate();
    const double lst = AstroFormulas::lst(jd, location_->longitudeRad());
    const double years = AstroFormulas::yearsSinceJ2000(jd);
    std::vector<ReticleStar> stars;
    stars.reserve(ReferenceStars::kSouthern.size());
    for (const EquatorialCoord& star : ReferenceStars::kSouthern) {
        const auto [ra, dec] = AstroFormulas::precessed(star, years);
        stars.push_back(ReticleStar{lst - ra + kPi, dec + kPi / 2.0});
    }
    return stars;
}

} // namespace JEX

namespace JEX {

namespace {
ApparentPlace::Observer observerAt(const CLocation& loc) {
    return ApparentPlace::Observer{loc.longitudeRad, loc.latitudeRad, loc.altitudeMeter};
}
} // namespace

double AstroCalc::polarisPositionAnglePrecise() const {
    const auto places = ApparentPlace::hourAngleDec(
        {ReferenceStars::kPolarisCatalogue}, clock_->nowMs(), observerAt(location_->location()));
    // A clock outside the routines' calendar keeps the simple reading rather than none.
    if (!places)
        return polarisPositionAngle();
    return AstroFormulas::northernReticleAngle(places->front().first);
}

std::vector<ReticleStar> AstroCalc::southernStarsPrecise() const {
    std::vector<ApparentPlace::CatalogueStar> catalogue;
    for (size_t i = 0; i < ReferenceStars::kSouthern.size(); ++i)
        catalogue.push_back(ReferenceStars::southernCatalogue(i));
    const auto places =
        ApparentPlace::hourAngleDec(catalogue, clock_->nowMs(), observerAt(location_->location()));
    if (!places)
        return southernStars();
    std::vector<ReticleStar> stars;
    stars.reserve(places->size());
    for (const auto& [hourAngle, dec] : *places)
        stars.push_back(
            ReticleStar{AstroFormulas::southernReticleAngle(hourAngle), dec + kPi / 2.0});
    return stars;
}

} // namespace JEX
