#pragma once
// The enumerations of the command protocol, the connection, the location sensor and the
// mount's Wi-Fi, the hand controller, and the number entry of every number field, as the
// JexAstroBase module offers them to QML.

#include "CmdRet.h"
#include "ConnectableState.h"
#include "HandleController.h"
#include "IConnectionSettings.h"
#include "LocationSensorState.h"
#include "MountEnums.h"
#include "NumberEntry.h"

#include <QtQml/qqml.h>

namespace CmdRetTypeForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(CmdRetType)
QML_FOREIGN_NAMESPACE(JEX::CmdRetType_)
} // namespace CmdRetTypeForeign

namespace ConnectableStateForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(ConnectableState)
QML_FOREIGN_NAMESPACE(JEX::ConnectableState_)
} // namespace ConnectableStateForeign

namespace ConnectionTypeForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(ConnectionType)
QML_FOREIGN_NAMESPACE(JEX::ConnectionType_)
} // namespace ConnectionTypeForeign

namespace DualModeChoiceForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(DualModeChoice)
QML_FOREIGN_NAMESPACE(JEX::DualModeChoice_)
} // namespace DualModeChoiceForeign

namespace LocationSensorStateForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(LocationSensorState)
QML_FOREIGN_NAMESPACE(JEX::LocationSensorState_)
} // namespace LocationSensorStateForeign

namespace WifiModeForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(WifiMode)
QML_FOREIGN_NAMESPACE(JEX::WifiMode_)
} // namespace WifiModeForeign

namespace WifiSecForeign {
Q_NAMESPACE
QML_NAMED_ELEMENT(WifiSec)
QML_FOREIGN_NAMESPACE(JEX::WifiSec_)
} // namespace WifiSecForeign

struct HandleControllerForeign {
    Q_GADGET
    QML_FOREIGN(JEX::HandleController)
    QML_NAMED_ELEMENT(HandleController)
};

struct NumberEntryForeign {
    Q_GADGET
    QML_FOREIGN(JEX::NumberEntry)
    QML_NAMED_ELEMENT(NumberEntry)
};

struct NumberEntryGroupForeign {
    Q_GADGET
    QML_FOREIGN(JEX::NumberEntryGroup)
    QML_NAMED_ELEMENT(NumberEntryGroup)
};
