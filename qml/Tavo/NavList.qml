import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Controls.Material
import QtQuick.Layouts
import Tavo

// In a wide window, the main menu as a list beside the page: each entry with its icon and a
// line on what it is for, the running program marked, the page in front selected.
Pane {
    id: root
    objectName: "navList"
    // The main menu at the root of the page stack, which opens the pages.
    property var menu: null
    // The entry whose page is in front ("" for none).
    property string current: ""
    padding: 0

    readonly property bool taskRunning: menu !== null && menu.taskRunning
    readonly property int runningMode: menu !== null ? menu.runningMode : TAVOMode.Manual

    function entries() {
        // Read again when the language changes.
        inj_languageManager.language
        return [
            { key: "ap", mode: TAVOMode.AP, icon: "nav_ap", title: qsTr("Astrophotography"),
              line: qsTr("Tracks the stars for long exposures") },
            { key: "atl", mode: TAVOMode.ATL, icon: "nav_atl", title: qsTr("Astro Time-lapse"),
              line: qsTr("A time-lapse that follows the sky") },
            { key: "reg", mode: TAVOMode.Reg, icon: "nav_reg",
              title: qsTr("Regular-Exposure Time-lapse"),
              line: qsTr("Turns a step between short exposures") },
            { key: "long", mode: TAVOMode.Long, icon: "nav_long",
              title: qsTr("Long-Exposure Time-lapse"),
              line: qsTr("Turns slowly through long exposures") },
            { key: "manual", mode: -1, icon: "nav_manual", title: qsTr("Manual Control"),
              line: qsTr("Turn the mount by hand") },
            { key: "polar", mode: -1, icon: "nav_polar", title: qsTr("Polar Clock Utility"),
              line: qsTr("Where Polaris sits in the polar scope") },
            { key: "settings", mode: -1, icon: "nav_settings", title: qsTr("Settings"),
              line: qsTr("Language, night, connection, mount") },
            { key: "log", mode: -1, icon: "nav_log",
              title: logHidden ? qsTr("Show Log") : qsTr("Hide Log"),
              line: qsTr("The console's journal under the page") }
        ]
    }

    readonly property bool logHidden: typeof inj_logView === "undefined" || inj_logView.hidden

    function activate(key) {
        // The log is not a page: its entry shows or hides the pane.
        if (key === "log")
            inj_logView.setHidden(!inj_logView.hidden)
        else
            menu.openEntry(key)
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: root.entries()
        keyNavigationEnabled: true
        ScrollBar.vertical: ScrollBar {}
        delegate: ItemDelegate {
            id: entry
            required property var modelData
            required property int index
            readonly property bool runs: root.taskRunning && root.runningMode === modelData.mode
            objectName: "nav_" + modelData.key
            width: ListView.view.width
            enabled: root.menu === null || root.menu.entryEnabled(modelData.key)
            highlighted: root.current === modelData.key
            focusPolicy: Qt.StrongFocus
            icon.name: modelData.icon
            text: modelData.title
            onClicked: root.activate(modelData.key)
            contentItem: RowLayout {
                spacing: 12
                IconLabel {
                    icon: entry.icon
                    color: entry.Material.foreground
                    opacity: entry.enabled ? 1 : 0.5
                }
                ColumnLayout {
                    spacing: 0
                    Layout.fillWidth: true
                    Label {
                        text: entry.text
                        font.bold: entry.runs || entry.highlighted
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                    Label {
                        objectName: "navLine"
                        // The running program says so in place of its line.
                        text: entry.runs ? qsTr("Running") : entry.modelData.line
                        font.pixelSize: 12
                        font.bold: entry.runs
                        opacity: entry.runs ? 1 : 0.7
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                }
            }
            background: Rectangle {
                readonly property color accent: entry.Material.accent
                readonly property color ink: entry.Material.foreground
                color: entry.highlighted ? Qt.rgba(accent.r, accent.g, accent.b, 0.3)
                                         : entry.hovered ? Qt.rgba(ink.r, ink.g, ink.b, 0.06)
                                                         : "transparent"
                // The running program's mark on the left edge.
                Rectangle {
                    visible: entry.runs
                    width: 4
                    height: parent.height
                    color: entry.Material.accent
                }
            }
        }
    }
}
