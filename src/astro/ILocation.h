#pragma once
// The observer's location as the rest of the console reads it, natively and from QML.

#include "CLocation.h"
#include "CallbackList.h"

#include <QObject>

namespace JEX {

class ILocation : public QObject {
    Q_OBJECT
    Q_PROPERTY(double longitudeRad READ longitudeRad NOTIFY locationChanged_q)
    Q_PROPERTY(double latitudeRad READ latitudeRad NOTIFY locationChanged_q)
    Q_PROPERTY(bool mockLatitude READ mockLatitude NOTIFY locationChanged_q)
    Q_PROPERTY(double altitudeMeter READ altitudeMeter NOTIFY locationChanged_q)
    Q_PROPERTY(double temperatureCelsius READ temperatureCelsius NOTIFY locationChanged_q)
    Q_PROPERTY(bool isNorthernHemisphere READ isNorthernHemisphere NOTIFY locationChanged_q)
    // False until a location has been stored: the sky is then drawn for 0° N 0° E.
    Q_PROPERTY(bool known READ known NOTIFY locationChanged_q)
public:
    Q_INVOKABLE virtual JEX::CLocation location() const = 0;
    Q_INVOKABLE virtual void setLocation(const JEX::CLocation& location) = 0;
    virtual double longitudeRad() const = 0;
    virtual double latitudeRad() const = 0;
    virtual bool mockLatitude() const = 0;
    virtual double altitudeMeter() const = 0;
    virtual double temperatureCelsius() const = 0;
    virtual bool known() const { return true; }

    // Latitude 0 counts as northern.
    bool isNorthernHemisphere() const { return latitudeRad() >= 0.0; }

    // Native observers; called with false after every change, before locationChanged_q.
    CallbackList<void(bool)> locationChangedList;

signals:
    void locationChanged_q();
};

} // namespace JEX
