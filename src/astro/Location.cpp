#include "Location.h"

#include "AstroMath.h"
#include "Log.h"

#include <cmath>
#include <limits>
#include <utility>

namespace JEX {

namespace {
constexpr const char* kLongitudeKey = "loc.long";
constexpr const char* kLatitudeKey = "loc.lat";
constexpr const char* kMockLatitudeKey = "loc.mock_lat";
constexpr const char* kAltitudeKey = "loc.alt";
constexpr const char* kTemperatureKey = "loc.temp_cel";
constexpr const char* kUseSensorKey = "loc.use_sensor";
} // namespace

Location::Location(std::shared_ptr<IKVStore> store) : store_(std::move(store)) {
    if (store_) {
        // A latitude that is not a number was never a usable location.
        known_ = std::isfinite(
            store_->getDouble(kLatitudeKey, std::numeric_limits<double>::quiet_NaN()));
        const CLocation defaults;
        location_.longitudeRad = store_->getDouble(kLongitudeKey, defaults.longitudeRad);
        location_.latitudeRad = store_->getDouble(kLatitudeKey, defaults.latitudeRad);
        location_.mockLatitude = store_->getBool(kMockLatitudeKey, defaults.mockLatitude);
        location_.altitudeMeter = store_->getDouble(kAltitudeKey, defaults.altitudeMeter);
        location_.temperatureCelsius =
            store_->getDouble(kTemperatureKey, defaults.temperatureCelsius);
    }
    notify();
}

CLocation Location::location() const {
    std::lock_guard lock(mutex_);
    return location_;
}

void Location::setLocation(const CLocation& location) {
    // A NaN or infinity (an empty or garbled entry) would poison every sky calculation and
    // could not be written to the settings file; such a field keeps its current value.
    const auto keepIfNotFinite = [](double& field, double value, const char* name) {
        if (std::isfinite(value))
            field = value;
        else
            log("Location: ignoring non-finite %s", name);
    };
    CLocation stored;
    {
        std::lock_guard lock(mutex_);
        keepIfNotFinite(location_.longitudeRad, location.longitudeRad, "longitude");
        keepIfNotFinite(location_.latitudeRad, location.latitudeRad, "latitude");
        location_.mockLatitude = location.mockLatitude;
        keepIfNotFinite(location_.altitudeMeter, location.altitudeMeter, "altitude");
        keepIfNotFinite(location_.temperatureCelsius, location.temperatureCelsius, "temperature");
        known_ = true;
        stored = location_;
    }
    if (store_) {
        store_->setDouble(kLongitudeKey, stored.longitudeRad);
        store_->setDouble(kLatitudeKey, stored.latitudeRad);
        store_->setBool(kMockLatitudeKey, stored.mockLatitude);
        store_->setDouble(kAltitudeKey, stored.altitudeMeter);
        store_->setDouble(kTemperatureKey, stored.temperatureCelsius);
    }
    notify();
}

QVariantMap Location::degrees() const {
    const CLocation l = location();
    const double latDeg = l.latitudeRad * 180.0 / kPi;
    // Stored west positive.
    const double westDeg = l.longitudeRad * 180.0 / kPi;
    return {{QStringLiteral("latitudeDeg"), std::abs(latDeg)},
            {QStringLiteral("south"), latDeg < 0},
            {QStringLiteral("longitudeDeg"), std::abs(westDeg)},
            {QStringLiteral("west"), westDeg > 0},
            {QStringLiteral("altitudeMeter"), l.altitudeMeter}};
}

bool Location::setDegrees(double latitudeDeg, bool south, double longitudeDeg, bool west,
                          double altitudeMeter) {
    const auto within = [](double v, double lo, double hi) {
        return std::isfinite(v) && v >= lo && v <= hi;
    };
    if (!within(latitudeDeg, 0, 90) || !within(longitudeDeg, 0, 180) ||
        !within(altitudeMeter, -500, 9000))
        return false;
    CLocation l = location();
    l.latitudeRad = (south ? -latitudeDeg : latitudeDeg) * kPi / 180.0;
    l.longitudeRad = (west ? longitudeDeg : -longitudeDeg) * kPi / 180.0;
    l.altitudeMeter = altitudeMeter;
    l.mockLatitude = false;
    // A place the user typed is the one to keep: the sensor no longer replaces it at start.
    setUseSensor(false);
    setLocation(l);
    return true;
}

bool Location::useSensor() const {
    return store_ ? store_->getBool(kUseSensorKey, true) : true;
}

void Location::setUseSensor(bool on) {
    if (on == useSensor())
        return;
    if (store_)
        store_->setBool(kUseSensorKey, on);
    emit useSensorChanged();
}

bool Location::known() const {
    std::lock_guard lock(mutex_);
    return known_;
}

double Location::longitudeRad() const {
    return location().longitudeRad;
}
double Location::latitudeRad() const {
    return location().latitudeRad;
}
bool Location::mockLatitude() const {
    return location().mockLatitude;
}
double Location::altitudeMeter() const {
    return location().altitudeMeter;
}
double Location::temperatureCelsius() const {
    return location().temperatureCelsius;
}

void Location::notify() {
    locationChangedList(false);
    emit locationChanged_q();
}

} // namespace JEX
