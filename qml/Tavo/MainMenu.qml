import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase
import JexQtCommon
import JexAstroBase
import Tavo

// The first page: the four shooting programs, manual control, the polar clock, settings and
// the log pane's switch.
Page {
    id: root
    objectName: "mainMenu"

    readonly property bool taskRunning: inj_iTaskState.isRunningTask === true
    readonly property int runningMode: taskRunning && inj_iTaskState.status !== undefined
                                        ? inj_iTaskState.status.mode : TAVOMode.Manual

    function openProgram(mode) {
        inj_stackView.push(programPage, {
                               "mode": mode
                           })
    }

    header: UI_PageHeader {
        // The name is translated: read again when the language changes.
        title: {
            inj_languageManager.language
            return inj_appVersion.appName
        }
        showBack: false
    }

    Component {
        id: programPage
        Param_Common {}
    }
    Component {
        id: manualControl
        ManualControl {}
    }
    Component {
        id: polarScope
        PolarScope {}
    }
    Component {
        id: settings
        Settings {}
    }

    component MenuButton: Button {
        property int mode: TAVOMode.Manual
        readonly property bool ownTaskRuns: root.taskRunning && root.runningMode === mode
        enabled: !root.taskRunning || ownTaskRuns
        font.underline: ownTaskRuns
        Layout.fillWidth: true
        Layout.leftMargin: 24
        Layout.rightMargin: 24
        onClicked: root.openProgram(mode)
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 24
        clip: true
        ColumnLayout {
            id: column
            width: parent.width
            spacing: 4
            Item {
                implicitHeight: 8
            }
            Label {
                objectName: "firstStartHint"
                visible: text !== ""
                text: inj_launchSession.hint
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                Layout.bottomMargin: 8
            }
            MenuButton {
                objectName: "menuAP"
                mode: TAVOMode.AP
                text: qsTr("Astrophotography")
            }
            MenuButton {
                objectName: "menuATL"
                mode: TAVOMode.ATL
                text: qsTr("Astro Time-lapse")
            }
            MenuButton {
                objectName: "menuReg"
                mode: TAVOMode.Reg
                text: qsTr("Regular-Exposure Time-lapse")
            }
            MenuButton {
                objectName: "menuLong"
                mode: TAVOMode.Long
                text: qsTr("Long-Exposure Time-lapse")
            }
            Item {
                implicitHeight: 20
            }
            Button {
                objectName: "menuManual"
                text: qsTr("Manual Control")
                enabled: !root.taskRunning
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: inj_stackView.push(manualControl)
            }
            Button {
                objectName: "menuPolar"
                text: qsTr("Polar Clock Utility")
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: inj_stackView.push(polarScope)
            }
            Item {
                implicitHeight: 20
            }
            Button {
                objectName: "menuSettings"
                text: qsTr("Settings")
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: inj_stackView.push(settings)
            }
            Button {
                objectName: "menuLog"
                // Only the main window has the pane.
                readonly property bool hasPane: typeof inj_logView !== "undefined"
                visible: hasPane
                text: hasPane && !inj_logView.hidden ? qsTr("Hide Log") : qsTr("Show Log")
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: inj_logView.setHidden(!inj_logView.hidden)
            }
        }
    }

    Component.onCompleted: inj_locationUpdater.updateOnce()
}
