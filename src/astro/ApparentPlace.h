#pragma once
// Rigorous apparent places of catalogue stars for an observer, from the IAU's standard
// routines (ERFA): IAU 2006/2000A precession-nutation, proper motion, parallax, light
// deflection by the Sun and annual and diurnal aberration; no refraction. UT1 is taken as UTC.

#include "IAstroCalc.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace JEX::ApparentPlace {

struct CatalogueStar {
    EquatorialCoord j2000;             // ICRS (α, δ) at epoch J2000.0
    double pmRaCosDecMasPerYear = 0.0; // μα·cos δ
    double pmDecMasPerYear = 0.0;
    double parallaxMas = 0.0;
    double radialVelocityKms = 0.0;
};

struct Observer {
    double longitude = 0.0; // west positive
    double latitude = 0.0;
    double heightMeter = 0.0;
};

// Each star's (hour angle in (-π, π], declination) at the UTC moment, in the stars' order;
// empty when the moment lies outside the routines' calendar.
std::optional<std::vector<EquatorialCoord>> hourAngleDec(const std::vector<CatalogueStar>& stars,
                                                         int64_t utcMs, const Observer& observer);

} // namespace JEX::ApparentPlace
