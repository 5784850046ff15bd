#pragma once
// J2000 mean places of the polar-scope reference stars.

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

} // namespace JEX::ReferenceStars
