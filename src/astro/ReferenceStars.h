#pragma once
// J2000 mean places of the polar-scope reference stars, and what the rigorous apparent
// place needs besides.

#include "ApparentPlace.h"
#include "IAstroCalc.h"

#include <array>

namespace JEX::ReferenceStars {

inline constexpr EquatorialCoord kPolaris{0.6625124396466141, 1.5579550668233484};

// The southern pole's asterism in drawing order: the reticle joins them in this order and
// gives each its own dot size.
inline constexpr std::array<EquatorialCoord, 4> kSouthern{{
    {6.143820766407838, -1.5268513602980849},
    {5.958241361484325, -1.5501742920552213},
    {5.536155298505147, -1.5525823616092924},
    {4.951433638060963, -1.529021386334731},
}};

// Polaris's proper motion (μα·cos δ, μδ, mas/yr) and parallax (mas) from the Hipparcos new
// reduction (2007). Its radial velocity moves the place by far less than a milliarcsecond
// over a century and is left out.
inline constexpr ApparentPlace::CatalogueStar kPolarisCatalogue{kPolaris, 44.48, -11.85, 7.54, 0.0};

// The southern stars are taken at their J2000 places without proper motion.
inline ApparentPlace::CatalogueStar southernCatalogue(size_t i) {
    return ApparentPlace::CatalogueStar{kSouthern.at(i)};
}

} // namespace JEX::ReferenceStars
