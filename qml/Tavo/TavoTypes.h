#pragma once
// The mount model's enumerations as the Tavo module offers them to QML.

#include "MountEnums.h"

#include <QtQml/qqmlregistration.h>

namespace TAVOModeForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(TAVOMode)
QML_FOREIGN_NAMESPACE(JEX::TAVOMode_)
} // namespace TAVOModeForeign

namespace WifiSettingsLimitForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(WifiSettingsLimit)
QML_FOREIGN_NAMESPACE(JEX::WifiSettingsLimit_)
} // namespace WifiSettingsLimitForeign
