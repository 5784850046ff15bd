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

    // In a wide window the list beside the pages opens them: this page then only greets.
    property bool wide: false
    // The entry whose page is in front, or under the pages in front ("" while this page is).
    readonly property string currentKey: inj_stackView.depth > 1 ? keyOf(inj_stackView.get(1)) : ""

    // The program entries' modes.
    readonly property var modes: ({
                                      "ap": TAVOMode.AP,
                                      "atl": TAVOMode.ATL,
                                      "reg": TAVOMode.Reg,
                                      "long": TAVOMode.Long
                                  })

    function keyOf(page) {
        if (!page)
            return ""
        switch (page.objectName) {
        case "programPage":
            return Object.keys(modes).find(key => modes[key] === page.mode) || ""
        case "manualControl":
            return "manual"
        case "polarScope":
            return "polar"
        case "settingsPage":
            return "settings"
        }
        return ""
    }

    function openProgram(mode) {
        inj_stackView.push(programPage, {
                               "mode": mode
                           })
    }

    // Opens an entry's page ("ap", "atl", "reg", "long", "manual", "polar", "settings") in
    // place of whatever page is in front.
    function openEntry(key) {
        if (inj_stackView.depth > 1)
            inj_stackView.pop(null)
        if (key in modes)
            openProgram(modes[key])
        else if (key === "manual")
            inj_stackView.push(manualControl)
        else if (key === "polar")
            inj_stackView.push(polarScope)
        else if (key === "settings")
            inj_stackView.push(settings)
    }

    // While a program runs, only its own page and the pages that leave the axis alone open.
    function entryEnabled(key) {
        if (key in modes)
            return !taskRunning || runningMode === modes[key]
        return key !== "manual" || !taskRunning
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
        property string key
        readonly property bool ownTaskRuns: root.taskRunning && root.runningMode === mode
        enabled: root.entryEnabled(key)
        visible: !root.wide
        font.underline: ownTaskRuns
        Layout.fillWidth: true
        Layout.leftMargin: 24
        Layout.rightMargin: 24
        onClicked: root.openEntry(key)
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 24
        clip: true
        // A bar to drag on a desktop, shown while the page is longer than the window.
        ScrollBar.vertical: ScrollBar {}
        ColumnLayout {
            id: column
            // In a wide window the form keeps a readable width, labels near their fields.
            width: Math.min(parent.width, 600)
            x: Math.max(0, Math.round((parent.width - width) / 2))
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
            Label {
                objectName: "wideGreeting"
                visible: root.wide
                text: qsTr("Choose a page from the list.")
                wrapMode: Text.Wrap
                opacity: 0.7
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
            }
            MenuButton {
                objectName: "menuAP"
                key: "ap"
                mode: TAVOMode.AP
                text: qsTr("Astrophotography")
            }
            MenuButton {
                objectName: "menuATL"
                key: "atl"
                mode: TAVOMode.ATL
                text: qsTr("Astro Time-lapse")
            }
            MenuButton {
                objectName: "menuReg"
                key: "reg"
                mode: TAVOMode.Reg
                text: qsTr("Regular-Exposure Time-lapse")
            }
            MenuButton {
                objectName: "menuLong"
                key: "long"
                mode: TAVOMode.Long
                text: qsTr("Long-Exposure Time-lapse")
            }
            Item {
                visible: !root.wide
                implicitHeight: 20
            }
            Button {
                objectName: "menuManual"
                text: qsTr("Manual Control")
                enabled: root.entryEnabled("manual")
                visible: !root.wide
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: root.openEntry("manual")
            }
            Button {
                objectName: "menuPolar"
                text: qsTr("Polar Clock Utility")
                visible: !root.wide
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: root.openEntry("polar")
            }
            Item {
                visible: !root.wide
                implicitHeight: 20
            }
            Button {
                objectName: "menuSettings"
                text: qsTr("Settings")
                visible: !root.wide
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                onClicked: root.openEntry("settings")
            }
            Button {
                objectName: "menuLog"
                // Only the main window has the pane.
                readonly property bool hasPane: typeof inj_logView !== "undefined"
                visible: hasPane && !root.wide
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
