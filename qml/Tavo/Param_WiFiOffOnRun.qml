import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Whether the mount switches its Wi-Fi off when a program starts (saves its battery).
UI_Row {
    text: qsTr("WiFi Off on Run")
    UI_Switch {
        objectName: "wifiOffOnRun"
        checked: inj_iTavoSettings.wifiOffOnTaskStart
        onToggled: inj_iTavoSettings.wifiOffOnTaskStart = checked
    }
}
