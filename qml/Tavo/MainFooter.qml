import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
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
        return qsTr("%1V").arg(Math.max(p.usbVolt, p.batteryVolt).toFixed(2))
    }

    function connectionText() {
        if (!inj_iConnector.connected || !tavo)
            return qsTr("Not Connected")
        if (inj_iConnectable.connectedEndpoint === "demo")
            return qsTr("Demo: %1").arg(tavo.deviceName)
        return tavo.deviceName
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0
        ToolButton {
            objectName: "connectionButton"
            text: root.connectionText()
            font.bold: inj_iConnector.connected
            palette.buttonText: inj_iConnector.connected && root.nightManager
                                && !root.nightManager.night ? "#2e7d32" : root.palette.buttonText
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: inj_iConnectable.startSession()
        }
        ToolButton {
            objectName: "progressButton"
            text: root.taskRunning ? qsTr("Progress") : ""
            enabled: root.taskRunning
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: root.progressRequested()
        }
        ToolButton {
            objectName: "powerButton"
            text: root.voltageText()
            enabled: root.tavo !== null && !root.readingPower
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: {
                root.readingPower = true
                CmdRetPromise.get(root.tavo.readPowerStatus()).then(function () {
                    root.readingPower = false
                    root.toaster.show(qsTr("Updated power level"))
                }, function (error) {
                    root.readingPower = false
                    root.toaster.show(error)
                })
            }
        }
    }
}
