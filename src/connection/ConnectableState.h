#pragma once
// States of the connection dialog's model, as QML compares against them.

#include <QObject>

#include <cstdint>

namespace JEX {

namespace ConnectableState_ {
Q_NAMESPACE
enum class E : int32_t {
    NotShown = 0,
    Searching = 1,
    SearchListPopulated = 2,
    Connecting = 3,
    Failed = 4,
    Connected = 5,
    Disconnecting = 6,
};
Q_ENUM_NS(E)
} // namespace ConnectableState_

} // namespace JEX
