#pragma once
// How well the tracker's axis must point at the pole for a given camera and exposure.

#include <cmath>
#include <numbers>

namespace JEX {

// The largest polar-axis error, in arc-minutes, that keeps a star's drift during one exposure
// under half a pixel at the worst hour angle. Non-positive or non-finite inputs return 0 (no
// budget).
//
// An axis tilted by ε from the pole turns the sky about the wrong axis: the field drifts
// against the stars at ε × ω radians per second, where ω = 2π / (sidereal day) is the rate
// of the Earth's turn. That is the most the drift reaches, in declination at the worst hour
// angle. In t seconds it moves a star by ε ω t on the sky, which the lens of focal length f
// puts ε ω t f from where it was on the sensor; half a pixel p is 0.5 p / f radians of sky.
// So ε ω t ≤ 0.5 p / f, that is ε = 0.5 p / (f ω t), and × (180 / π) × 60 in arc-minutes.
// Example: 50 mm, 4.3 µm, 120 s: 0.5 × 4.3e-6 / 0.05 = 4.3e-5 rad over ω t = 8.75e-3 rad
// gives ε = 4.91e-3 rad = 16.9′.
inline double polarErrorBudgetArcmin(double focalLengthMm, double pixelSizeUm, double exposureSec) {
    const auto usable = [](double x) { return std::isfinite(x) && x > 0.0; };
    if (!usable(focalLengthMm) || !usable(pixelSizeUm) || !usable(exposureSec))
        return 0.0;
    constexpr double kSiderealDaySec = 86164.0905;
    constexpr double kEarthRate = 2.0 * std::numbers::pi / kSiderealDaySec;
    const double halfPixelRad = 0.5 * (pixelSizeUm * 1e-3) / focalLengthMm;
    const double errorRad = halfPixelRad / (kEarthRate * exposureSec);
    return errorRad * (180.0 / std::numbers::pi) * 60.0;
}

} // namespace JEX
