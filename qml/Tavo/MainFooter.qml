import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Three equal buttons under every page: the connection, the running program's progress and
// the mount's supply voltage.
ToolBar {
    id: root
    objectName: "mainFooter"
    property var nightManager: null
    property var toaster: null
    signal progressRequested

    readonly property var tavo: inj_iConnector.tavo
    readonly property bool taskRunning: inj_iTaskState.isRunningTask === true
    property bool readingPower: false

    function voltageText() {
        if (!tavo || tavo.lastPowerStatus === undefined)
            return ""
        const p = tavo.lastPowerStatus
        // With the language's decimal separator (German: "7,90 V").
        return qsTr("%1V").arg(Math.max(p.usbVolt, p.batteryVolt).toLocaleString(
                                   Qt.locale(inj_languageManager.language), "f", 2))
    }

    function connectionText() {
        // The mount went away; the console keeps trying until it is back or the user stops it.
        if (inj_reconnector.active)
            return inj_reconnector.stateText
        // A session at launch runs without its dialog: say so here.
        if (!inj_iConnector.connected && inj_iConnectable.busy)
            return qsTr("Connecting…")
        if (!inj_iConnector.connected || !tavo)
            return qsTr("Not Connected")
        // Nobody should take the built-in demo for a real mount. Under the name, how the link
        // is doing.
        const name = inj_iConnectable.connectedEndpoint === "demo" ? qsTr("Demo") : tavo.deviceName
        return inj_linkHealth.summary === "" ? name : name + "\n" + inj_linkHealth.summary
    }

    // A plain bar in the window's colours, so that the connected mount's name can be green.
    Material.foreground: nightManager ? nightManager.foreground : Material.foreground
    background: Rectangle {
        color: root.nightManager ? root.nightManager.background : "#fafafa"
        Rectangle {
            width: parent.width
            height: 1
            color: root.Material.foreground
            opacity: 0.2
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0
        ToolButton {
            objectName: "connectionButton"
            text: root.connectionText()
            font.bold: inj_iConnector.connected
            font.capitalization: Font.MixedCase
            Material.foreground: inj_iConnector.connected && root.nightManager
                                 && !root.nightManager.night ? root.nightManager.highlight
                                                             : root.Material.foreground
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: inj_reconnector.active ? inj_reconnector.cancel()
                                              : inj_iConnectable.startSession()
            ToolTip.visible: hovered && (inj_iConnector.connected || inj_reconnector.active)
            ToolTip.text: inj_reconnector.active ? qsTr("Click to stop reconnecting")
                                                 : inj_linkHealth.details
        }
        ToolButton {
            objectName: "progressButton"
            font.capitalization: Font.MixedCase
            text: root.taskRunning ? qsTr("Progress") : ""
            enabled: root.taskRunning
            // While the mount is away its state says it all, across the bar.
            visible: !inj_reconnector.active
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: root.progressRequested()
        }
        ToolButton {
            objectName: "powerButton"
            font.capitalization: Font.MixedCase
            text: root.voltageText()
            enabled: root.tavo !== null && !root.readingPower
            visible: !inj_reconnector.active
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: {
                root.readingPower = true
                CmdRetPromise.get(root.tavo.readPowerStatus()).then(function () {
                    root.readingPower = false
                    root.toaster.show(qsTr("Updated power level"))
                }, function (error) {
                    root.readingPower = false
                    root.toaster.show(qsTranslate("mount", error))
                })
            }
        }
    }
}
