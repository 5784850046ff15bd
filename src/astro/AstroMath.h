#pragma once
// Angle normalisation shared by the sky calculations and their users.

#include <cmath>
#include <numbers>

namespace JEX {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Into [0, 2π). The quotient is floored in double precision so that angles far outside one
// turn stay exact; an input a hair below zero would otherwise round up to exactly 2π.
inline double normalizeZeroTwoPi(double x) {
    double r = x - std::floor(x / kTwoPi) * kTwoPi;
    if (r < 0.0)
        r += kTwoPi;
    if (r >= kTwoPi)
        r = 0.0;
    return r;
}

// Into [-π, π): an angle of exactly π comes back as -π.
inline double normalizeMinusPiPi(double x) {
    double r = normalizeZeroTwoPi(x);
    if (r >= kPi)
        r -= kTwoPi;
    return r;
}

} // namespace JEX
