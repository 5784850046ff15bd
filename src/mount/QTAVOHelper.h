#pragma once
// Small values the mount pages need without a connected mount: a fresh Wi-Fi configuration
// to fill in, and the fastest custom tracking speed.

#include "TAVOParams.h"

#include <QObject>

namespace JEX {

// 750 deg/h: the upper bound of a custom tracking speed.
inline constexpr double kSpeedLimitRps = 0.00363610260832152;

class QTAVOHelper : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // An open access point with every text empty.
    Q_INVOKABLE JEX::WifiSettings newWifiSettings() const { return WifiSettings(); }
    Q_INVOKABLE double getSpeedLimitRps() const { return kSpeedLimitRps; }
};

} // namespace JEX
