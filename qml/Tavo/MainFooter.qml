import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The status strip under every page: the mount (a button that connects while there is
// none), how its link is doing, the running program with its progress, and the supply voltage
// with a button that reads it again.
ToolBar {
    id: root
    objectName: "mainFooter"
    property var nightManager: null
    property var toaster: null
    signal progressRequested

    readonly property var tavo: inj_iConnector.tavo
    readonly property bool taskRunning: inj_iTaskState.isRunningTask === true
    readonly property bool away: inj_reconnector.active
    property bool readingPower: false
    // The running program's estimate, read again every second while one runs.
    property var estimate: undefined

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
        if (away)
            return inj_reconnector.stateText
        // A session at launch runs without its dialog: say so here.
        if (!inj_iConnector.connected && inj_iConnectable.busy)
            return qsTr("Connecting…")
        if (!inj_iConnector.connected || !tavo)
            return qsTr("Not Connected")
        // Nobody should take the built-in demo for a real mount.
        return inj_iConnectable.connectedEndpoint === "demo" ? qsTr("Demo") : tavo.deviceName
    }

    readonly property string runningName: programName(inj_iTaskState.status !== undefined
                                                      ? inj_iTaskState.status.mode
                                                      : TAVOMode.Manual)
    function programName(mode) {
        switch (mode) {
        case TAVOMode.AP:
            return qsTr("Astrophotography")
        case TAVOMode.ATL:
            return qsTr("Astro Time-lapse")
        case TAVOMode.Reg:
            return qsTr("Regular-Exposure Time-lapse")
        case TAVOMode.Long:
            return qsTr("Long-Exposure Time-lapse")
        }
        return ""
    }

    function progressText() {
        const e = estimate
        if (!e)
            return qsTr("Progress")
        // A program without an end counts up alone.
        return e.noEnd ? String(e.takenPhotos) : qsTr("%1/%2").arg(e.takenPhotos).arg(e.in_N_Cycles)
    }

    function readPower() {
        readingPower = true
        CmdRetPromise.get(tavo.readPowerStatus()).then(function () {
            root.readingPower = false
            root.toaster.show(qsTr("Updated power level"))
        }, function (error) {
            root.readingPower = false
            root.toaster.show(qsTranslate("mount", error))
        })
    }

    Timer {
        interval: 1000
        repeat: true
        triggeredOnStart: true
        running: root.taskRunning
        onTriggered: root.estimate = inj_iTaskEstimator.estimate_q()
        onRunningChanged: if (!running)
                              root.estimate = undefined
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
        anchors.leftMargin: 4
        anchors.rightMargin: 4
        spacing: 4

        // Without a mount a button that looks like one; with a mount its name, which opens
        // the connection dialog (to disconnect or change).
        Button {
            id: connectionButton
            objectName: "connectionButton"
            text: root.connectionText()
            flat: inj_iConnector.connected || root.away
            font.bold: inj_iConnector.connected
            font.capitalization: Font.MixedCase
            Material.foreground: inj_iConnector.connected && root.nightManager
                                 && !root.nightManager.night ? root.nightManager.highlight
                                                             : root.Material.foreground
            Layout.fillWidth: root.away
            Layout.maximumWidth: root.away ? -1 : implicitWidth
            Layout.minimumWidth: Math.min(implicitWidth, root.width * 0.35)
            onClicked: root.away ? inj_reconnector.cancel() : inj_iConnectable.startSession()
            ToolTip.visible: hovered && (inj_iConnector.connected || root.away)
            ToolTip.text: root.away ? qsTr("Click to stop reconnecting") : inj_linkHealth.details
        }
        Label {
            objectName: "linkState"
            text: inj_linkHealth.summary
            visible: inj_iConnector.connected && !root.away && text !== ""
            opacity: 0.75
            // The first to give way in a narrow window: the rest keeps its room.
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.minimumWidth: 0
        }
        Item {
            visible: !root.away && !inj_iConnector.connected
            Layout.fillWidth: true
        }
        // The running program: how many photos of how many, and a bar of the whole run.
        AbstractButton {
            id: progressButton
            objectName: "progressButton"
            visible: root.taskRunning && !root.away
            enabled: root.taskRunning
            text: root.progressText()
            hoverEnabled: true
            padding: 6
            Layout.fillHeight: true
            Layout.minimumWidth: 56
            onClicked: root.progressRequested()
            ToolTip.visible: hovered
            ToolTip.text: root.runningName
            contentItem: ColumnLayout {
                spacing: 2
                Label {
                    text: root.width >= 560 ? root.runningName + "  " + progressButton.text
                                            : progressButton.text
                    font.underline: progressButton.hovered || progressButton.visualFocus
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                ProgressBar {
                    value: root.estimate ? root.estimate.progress : 0
                    indeterminate: !root.estimate || root.estimate.noEnd
                    Layout.fillWidth: true
                    Layout.preferredWidth: 56
                }
            }
            background: Rectangle {
                color: "transparent"
                radius: 2
            }
        }
        Label {
            objectName: "voltageLabel"
            visible: !root.away && text !== ""
            text: root.voltageText()
            Layout.minimumWidth: implicitWidth
        }
        ToolButton {
            objectName: "powerButton"
            visible: !root.away && root.tavo !== null
            enabled: root.tavo !== null && !root.readingPower
            icon.name: "refresh"
            text: qsTr("Read the voltage again")
            display: AbstractButton.IconOnly
            Layout.minimumWidth: implicitWidth
            onClicked: root.readPower()
            ToolTip.visible: hovered
            ToolTip.text: text
        }
    }
}
