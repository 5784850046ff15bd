#pragma once
// The location sensor on the platform's default position source. A machine without one
// is the normal case on the desktop: the sensor then stays inactive.

#include "ILocationSensor.h"

#include <functional>
#include <memory>

class QGeoPositionInfoSource;

namespace JEX {

class QtLocationSensor : public ILocationSensor {
    Q_OBJECT
public:
    // Makes a position source each time the sensor is switched on; an empty result means
    // there is none. Without a factory the platform's default source is used.
    using SourceFactory = std::function<std::unique_ptr<QGeoPositionInfoSource>()>;

    explicit QtLocationSensor(SourceFactory makeSource = {});
    ~QtLocationSensor() override;

    bool active() const override;
    void setActive(bool active) override;
    LocationSensorState_::E state() const override;
    std::optional<LocationSensorReading> reading() const override;

private:
    class D;
    SourceFactory makeSource_;
    // A child object: it holds the source and receives its signals.
    D* d_;
};

} // namespace JEX
