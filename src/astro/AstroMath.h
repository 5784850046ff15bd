#pragma once
// Angle normalisation and the split Julian date shared by the sky calculations and their users.

#include <cmath>
#include <cstdint>
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

// A Unix ms moment as a Julian date in two parts (midnight, fraction of the day), as ERFA
// takes it: the time stays far finer than one double Julian date would keep it.
struct SplitJulianDate {
    double day = 0.0;
    double fraction = 0.0;
};
inline SplitJulianDate splitJulianDate(int64_t unixMs) {
    constexpr int64_t kMsPerDay = 86400000;
    constexpr double kJulianDateOfUnixEpoch = 2440587.5;
    int64_t days = unixMs / kMsPerDay;
    int64_t msOfDay = unixMs % kMsPerDay;
    if (msOfDay < 0) {
        msOfDay += kMsPerDay;
        --days;
    }
    return {kJulianDateOfUnixEpoch + static_cast<double>(days),
            static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay)};
}

} // namespace JEX
