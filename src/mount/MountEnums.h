#pragma once
// Enumerations of the mount model that QML compares against; the values are those the
// mount keeps in its parameter memory and therefore fixed.

#include <QObject>

#include <cstdint>

namespace JEX {

namespace TAVOMode_ {
Q_NAMESPACE
enum class E : int32_t { Manual = 0, AP = 1, Reg = 2, Long = 3, ATL = 4 };
Q_ENUM_NS(E)
} // namespace TAVOMode_

namespace WifiMode_ {
Q_NAMESPACE
enum class E : int32_t { STA = 1, AP = 2, Both = 3 };
Q_ENUM_NS(E)
} // namespace WifiMode_

namespace WifiSec_ {
Q_NAMESPACE
enum class E : int32_t { Open = 0, WPA_PSK = 2, WPA2_PSK = 3, WPA_WPA2_PSK = 4 };
Q_ENUM_NS(E)
} // namespace WifiSec_

// Maximum text lengths in bytes of the mount's Wi-Fi fields.
namespace WifiSettingsLimit_ {
Q_NAMESPACE
enum class E : int32_t {
    AP_SSID_MaxLen = 32,
    AP_pass_MaxLen = 63,
    STA_SSID_MaxLen = 32,
    STA_pass_MaxLen = 63,
    STA_fixedIP_MaxLen = 15,
};
Q_ENUM_NS(E)
} // namespace WifiSettingsLimit_

} // namespace JEX
