#include "ApparentPlace.h"

#include "AstroMath.h"

#include <erfa.h>

#include <cmath>

namespace JEX::ApparentPlace {

namespace {
constexpr double kMasToRad = kPi / (180.0 * 3600.0 * 1000.0);
} // namespace

std::optional<std::vector<EquatorialCoord>> hourAngleDec(const std::vector<CatalogueStar>& stars,
                                                         int64_t utcMs, const Observer& observer) {
    const auto [utc1, utc2] = splitJulianDate(utcMs);

    eraASTROM astrom;
    double equationOfOrigins = 0.0;
    // Pressure 0 switches refraction off; polar motion and UT1-UTC are left at 0. Status +1
    // (a date beyond the leap-second table) still gives a usable place.
    const int status =
        eraApco13(utc1, utc2, 0.0, -observer.longitude, observer.latitude, observer.heightMeter,
                  0.0, 0.0, 0.0, 0.0, 0.0, 0.0, &astrom, &equationOfOrigins);
    if (status < 0)
        return std::nullopt;

    std::vector<EquatorialCoord> out;
    out.reserve(stars.size());
    for (const CatalogueStar& star : stars) {
        const auto [ra, dec] = star.j2000;
        // ERFA takes the proper motion in right ascension as dα/dt, not μα·cos δ.
        const double pmRa = star.pmRaCosDecMasPerYear * kMasToRad / std::cos(dec);
        const double pmDec = star.pmDecMasPerYear * kMasToRad;
        double ri = 0.0, di = 0.0;
        eraAtciq(ra, dec, pmRa, pmDec, star.parallaxMas / 1000.0, star.radialVelocityKms, &astrom,
                 &ri, &di);
        double azimuth = 0.0, zenithDistance = 0.0, hourAngle = 0.0, declination = 0.0,
               rightAscension = 0.0;
        eraAtioq(ri, di, &astrom, &azimuth, &zenithDistance, &hourAngle, &declination,
                 &rightAscension);
        out.emplace_back(hourAngle, declination);
    }
    return out;
}

} // namespace JEX::ApparentPlace
