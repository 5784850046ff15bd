#pragma once
// The mount model's enumerations and its settings row as the Tavo module offers them to QML.

#include "MountEnums.h"
#include "MountSettingRow.h"
#include "WifiForm.h"

#include <QtQml/qqml.h>

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

struct MountSettingRowForeign {
    Q_GADGET
    QML_FOREIGN(JEX::MountSettingRow)
    QML_NAMED_ELEMENT(MountSettingRow)
};

struct WifiFormForeign {
    Q_GADGET
    QML_FOREIGN(JEX::WifiForm)
    QML_NAMED_ELEMENT(WifiForm)
};
