#include "TaskProfileBase.h"

#include "QTAVOHelper.h"

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

} // namespace JEX::Profile
