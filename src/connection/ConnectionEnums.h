#pragma once
// Enumerations of the connection subsystem that QML compares against; their values are
// stored in the settings file and therefore fixed.

#include <QObject>

#include <cstdint>

namespace JEX {

namespace ConnectionType_ {
Q_NAMESPACE
enum class E : int32_t { UDP = 0, Emulator = 1, Serial = 2, BLE = 3 };
Q_ENUM_NS(E)
} // namespace ConnectionType_

namespace DualModeChoice_ {
Q_NAMESPACE
enum class E : int32_t { PromptMode = 0, UseEQ = 1, UseAZ = 2 };
Q_ENUM_NS(E)
} // namespace DualModeChoice_

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
