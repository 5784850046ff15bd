#pragma once
// The observer's location, kept in the settings store under the loc.* keys.

#include "IKVStore.h"
#include "ILocation.h"

#include <QVariantMap>

#include <memory>
#include <mutex>

namespace JEX {

class Location : public ILocation {
    Q_OBJECT
    // Whether the location sensor may fill the location in at start ("loc.use_sensor").
    Q_PROPERTY(bool useSensor READ useSensor WRITE setUseSensor NOTIFY useSensorChanged)
public:
    // Loads the stored location at once; without a store the defaults stay in memory only.
    explicit Location(std::shared_ptr<IKVStore> store);

    CLocation location() const override;
    // Stores all five keys, whatever changed, then tells every observer.
    void setLocation(const CLocation& location) override;
    double longitudeRad() const override;
    double latitudeRad() const override;
    bool mockLatitude() const override;
    double altitudeMeter() const override;
    double temperatureCelsius() const override;
    bool known() const override;

    // The location as a person reads it: degrees from the equator and from Greenwich, each
    // with its hemisphere, and the altitude: {latitudeDeg, south, longitudeDeg, west,
    // altitudeMeter}.
    Q_INVOKABLE QVariantMap degrees() const;
    // Stores a location typed in that form (latitude 0–90, longitude 0–180, altitude
    // -500–9000 m) and stops the sensor from replacing it; false, with nothing stored, for
    // anything out of range or not a number.
    Q_INVOKABLE bool setDegrees(double latitudeDeg, bool south, double longitudeDeg, bool west,
                                double altitudeMeter);
    bool useSensor() const;
    void setUseSensor(bool on);

signals:
    void useSensorChanged();

private:
    void notify();

    std::shared_ptr<IKVStore> store_;
    // The mount's worker threads read the latitude while the GUI thread may change it.
    mutable std::mutex mutex_;
    CLocation location_;
    bool known_ = false;
};

} // namespace JEX
