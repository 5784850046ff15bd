#pragma once
// The observer: where the sky is seen from and the air it is seen through.

#include <QMetaType>
#include <QObject>

namespace JEX {

class CLocation {
    Q_GADGET
    Q_PROPERTY(double longitudeRad MEMBER longitudeRad)
    Q_PROPERTY(double latitudeRad MEMBER latitudeRad)
    Q_PROPERTY(bool mockLatitude MEMBER mockLatitude)
    Q_PROPERTY(double altitudeMeter MEMBER altitudeMeter)
    Q_PROPERTY(double temperatureCelsius MEMBER temperatureCelsius)
public:
    double longitudeRad = 0.0; // west positive
    double latitudeRad = 0.0;  // north positive
    // Only the hemisphere was chosen; the latitude holds a placeholder of ±45°.
    bool mockLatitude = false;
    double altitudeMeter = 0.0;
    double temperatureCelsius = 10.0;

    bool operator==(const CLocation&) const = default;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::CLocation)
