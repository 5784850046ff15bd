#pragma once
// The optional positioning sensor that QML switches on to fill in the observer's location.

#include "LocationSensorReading.h"
#include "LocationSensorState.h"

#include <QObject>
#include <QVariant>

#include <optional>

namespace JEX {

class ILocationSensor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY changed)
    Q_PROPERTY(JEX::LocationSensorState_::E state READ state NOTIFY changed)
    // A LocationSensorReading once a fix exists, an invalid variant (undefined) before.
    Q_PROPERTY(QVariant reading READ readingVariant NOTIFY changed)
public:
    virtual bool active() const = 0;
    virtual void setActive(bool active) = 0;
    virtual LocationSensorState_::E state() const = 0;
    virtual std::optional<LocationSensorReading> reading() const = 0;

    QVariant readingVariant() const {
        const auto r = reading();
        return r ? QVariant::fromValue(*r) : QVariant();
    }

signals:
    void changed();
};

} // namespace JEX
