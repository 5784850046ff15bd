#include "TaskProfileBase.h"

#include "QTAVOHelper.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace JEX::Profile {

double speedLimitDps() {
    return kSpeedLimitRps * 180.0 / std::numbers::pi;
}

bool clockwiseAt(const std::shared_ptr<ILocation>& location) {
    return !location || location->latitudeRad() >= 0;
}

bool assign(double& field, double value) {
    if (!std::isfinite(value) || value < 0 || field == value)
        return false;
    field = value;
    return true;
}

bool assign(int& field, int value) {
    if (value < 0 || field == value)
        return false;
    field = value;
    return true;
}

bool assign(bool& field, bool value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

int truncated(double value) {
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(t);
}

double nearestWhole(double value) {
    return std::round(value);
}

namespace {

// Added to half a stored unit: a little for the doubles on either side.
constexpr double kSlack = 1e-9;

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

bool samePeriod(double a, double b) {
    const auto wholeOf = [](double whole, double other) {
        return whole == std::round(whole) && nearestWhole(other) == whole;
    };
    return near(a, b, 0.0005 + kSlack) || wholeOf(a, b) || wholeOf(b, a);
}

bool sameExposure(double a, double b) {
    return near(a, b, 0.05 + kSlack);
}

bool sameRate(double a, double b) {
    return near(a, b, 0.01 * std::max(std::abs(a), std::abs(b)) + kSlack);
}

bool sameAngle(double aDeg, double bDeg) {
    // A thousandth of a degree: a few steps of a fine mount, for the smallest angles.
    return sameRate(aDeg, bDeg) || near(aDeg, bDeg, 0.001);
}

bool sameProgram(const TAVOParamSet& a, const TAVOParamSet& b) {
    return a.mode == b.mode && a.clockwise == b.clockwise && a.N_Cycles == b.N_Cycles &&
           samePeriod(a.cycleSec, b.cycleSec) && sameExposure(a.exposureSec, b.exposureSec) &&
           near(a.auxTimeSec, b.auxTimeSec, 0.005 + kSlack) && sameRate(a.speedDps, b.speedDps) &&
           sameAngle(a.cycleAngleDeg, b.cycleAngleDeg) && a.swingEnabled == b.swingEnabled &&
           (!a.swingEnabled || nearestWhole(a.swingRangeDeg) == nearestWhole(b.swingRangeDeg)) &&
           a.ditheringEnabled == b.ditheringEnabled &&
           (!a.ditheringEnabled || sameAngle(a.ditheringRangeDeg, b.ditheringRangeDeg));
}

double programDistance(const TAVOParamSet& a, const TAVOParamSet& b) {
    const auto apart = [](double x, double y) {
        const double m = std::max(std::abs(x), std::abs(y));
        return m == 0 ? 0.0 : std::abs(x - y) / m;
    };
    constexpr double kDifferent = 1e6;
    double d = 0;
    for (const bool differs :
         {a.mode != b.mode, a.clockwise != b.clockwise, a.N_Cycles != b.N_Cycles,
          a.swingEnabled != b.swingEnabled, a.ditheringEnabled != b.ditheringEnabled,
          a.swingEnabled && nearestWhole(a.swingRangeDeg) != nearestWhole(b.swingRangeDeg)})
        d += differs ? kDifferent : 0;
    // In stored units: half-milliseconds of period and half-tenths of exposure, which the
    // mount keeps exactly, against thousandths of speed and angle, which it keeps to a step;
    // the speed, which the user sees, before the angle.
    return d + std::abs(a.cycleSec - b.cycleSec) / 0.0005 +
           std::abs(a.exposureSec - b.exposureSec) / 0.05 + 2e3 * apart(a.speedDps, b.speedDps) +
           1e3 * apart(a.cycleAngleDeg, b.cycleAngleDeg) +
           1e3 * apart(a.ditheringRangeDeg, b.ditheringRangeDeg);
}

} // namespace JEX::Profile
