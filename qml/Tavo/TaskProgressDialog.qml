import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// How far the running program has come, estimated twice a second from its start and period,
// with the age of the last status reading and a button to read it again.
UI_Dialog {
    id: root
    objectName: "taskProgressDialog"
    title: qsTr("Progress")
    standardButtons: Dialog.Close
    Component.onCompleted: defaultButton = standardButton(Dialog.Close)
    property var estimate: undefined
    property bool reading: false
    property real nowMs: Date.now()
    readonly property var status: inj_iTaskState.status
    readonly property bool taskRunning: inj_iTaskState.isRunningTask === true

    function update() {
        nowMs = Date.now()
        estimate = inj_iTaskEstimator.estimate_q()
    }
    function twoDigits(n) {
        return (n < 10 ? "0" : "") + n
    }
    function hms(sec) {
        const s = Math.max(0, Math.round(sec))
        return Math.floor(s / 3600) + ":" + twoDigits(Math.floor(s / 60) % 60) + ":" + twoDigits(s % 60)
    }
    function refresh() {
        const tavo = inj_iConnector.tavo
        if (!tavo)
            return
        reading = true
        CmdRetPromise.get(tavo.readStatus()).then(function () {
            root.reading = false
            root.update()
        }, function (error) {
            root.reading = false
            inj_toaster.show(qsTranslate("mount", error))
        })
    }

    onOpened: update()
    Timer {
        interval: 500
        repeat: true
        running: root.opened
        onTriggered: root.update()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8
        RowLayout {
            Layout.fillWidth: true
            Label {
                text: root.estimate && root.estimate.takenPhotos !== root.estimate.in_TakenPhotos
                      ? qsTr("Photos taken (estimated)") : qsTr("Photos taken")
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            Label {
                objectName: "photosTaken"
                text: root.estimate ? root.estimate.takenPhotos : "-"
                font.pixelSize: 22
            }
        }
        // Done only when the mount says so: without a mount its state is not known.
        Label {
            objectName: "taskDone"
            visible: text !== ""
            text: !inj_iConnector.connected ? qsTr("Not connected: the mount's state is unknown")
                                            : !root.taskRunning ? qsTr("Task done") : ""
            font.bold: true
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "corrected"
            visible: root.estimate !== undefined && root.estimate.correctedToMount
            text: qsTr("Corrected to the mount's own count")
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            Label {
                objectName: "readAgo"
                text: root.status !== undefined
                      ? qsTr("Read %1 seconds ago").arg(Math.max(0, Math.round((root.nowMs - root.status.updateTime.getTime()) / 1000)))
                      : ""
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            ToolButton {
                objectName: "refreshStatus"
                icon.name: "refresh"
                text: qsTr("Refresh")
                display: AbstractButton.IconOnly
                enabled: !root.reading && inj_iConnector.tavo !== null
                onClicked: root.refresh()
            }
        }
        ProgressBar {
            objectName: "progressBar"
            from: 0
            to: 1
            indeterminate: root.estimate !== undefined && root.estimate.noEnd && root.taskRunning
            value: root.estimate && !root.estimate.noEnd ? root.estimate.progress : 0
            Layout.fillWidth: true
        }
        Label {
            objectName: "progressText"
            text: !root.estimate ? "" : root.estimate.noEnd ? qsTr("Unlimited Photos")
                                                             : qsTr("Progress") + ": " + (root.estimate.progress * 100).toFixed(1) + "%"
        }
        Label {
            objectName: "timeLeft"
            visible: root.estimate !== undefined && !root.estimate.noEnd
            text: root.estimate ? qsTr("Time left: %1").arg(root.hms(root.estimate.t_Remain)) : ""
        }
    }
}
