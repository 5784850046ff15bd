#pragma once
// States of the location sensor as QML shows them.

#include <QObject>

#include <cstdint>

namespace JEX {

namespace LocationSensorState_ {
Q_NAMESPACE
enum class E : int32_t {
    NoSensor = 0,
    NoPermission = 1,
    Waiting = 2,
    HasSignal = 3,
    NoSignalAlways = 4,
    NoSignalForNow = 5,
};
Q_ENUM_NS(E)
} // namespace LocationSensorState_

} // namespace JEX
