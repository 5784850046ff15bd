#pragma once
// One fix of the location sensor, in the console's conventions (radians, west positive).

#include <QMetaType>
#include <QObject>

namespace JEX {

class LocationSensorReading {
    Q_GADGET
    Q_PROPERTY(double longitudeRad MEMBER longitudeRad)
    Q_PROPERTY(double latitudeRad MEMBER latitudeRad)
    Q_PROPERTY(double altitudeMeter MEMBER altitudeMeter)
public:
    double longitudeRad = 0.0;
    double latitudeRad = 0.0;
    double altitudeMeter = 0.0;

    bool operator==(const LocationSensorReading&) const = default;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::LocationSensorReading)
