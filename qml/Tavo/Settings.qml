import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// The console's own settings and the connected mount's.
Page {
    id: root
    objectName: "settingsPage"

    readonly property var tavo: inj_iConnector.tavo
    readonly property bool active: StackView.status === StackView.Active
    readonly property bool serialChosen: inj_connectSettings.type === ConnectionType.Serial

    // Connection types offered, as stored values with their names.
    readonly property var connectionTypes: {
        const types = [{
                           "value": ConnectionType.UDP,
                           "name": QT_TR_NOOP("Wi-Fi")
                       }]
        if (inj_connectSettings.serialPortSupported)
            types.push({
                           "value": ConnectionType.Serial,
                           "name": QT_TR_NOOP("Serial port")
                       })
        types.push({
                       "value": ConnectionType.Emulator,
                       "name": QT_TR_NOOP("Demo mount")
                   })
        return types
    }

    function minutesText(minutes) {
        return minutes === 0 ? qsTr("Disabled") : qsTr("%1 min").arg(minutes)
    }

    // A device row's choices with the mount's own value added when it is not one of them.
    function withValue(choices, minutes) {
        if (minutes === undefined || choices.indexOf(minutes) >= 0)
            return choices
        return choices.concat([minutes]).sort(function (a, b) {
            return a - b
        })
    }

    function readDevice() {
        for (const row of [finderRow.model, wifiRow.model, shutdownRow.model, autoRunModel]) {
            if (row.setting !== MountSettingRow.ShutdownMinutes || (tavo && tavo.hasAutoShutdown))
                row.read()
        }
    }
    function showFailure(message) {
        inj_toaster.show(qsTranslate("mount", message))
    }

    function preparePorts() {
        if (!inj_connectSettings.serialPortSupported)
            return
        inj_connectSettings.detectSerialPorts()
        const ports = inj_connectSettings.foundSerialPorts
        const index = ports.indexOf(inj_connectSettings.serialPortName)
        portBox.currentIndex = index
        if (index < 0)
            portBox.editText = inj_connectSettings.serialPortName
    }
    function storePort() {
        if (inj_connectSettings.serialPortSupported && portBox.visible)
            inj_connectSettings.serialPortName = portBox.editText.trim()
    }

    onActiveChanged: {
        if (active) {
            preparePorts()
            readDevice()
        } else {
            storePort()
        }
    }
    onTavoChanged: if (active)
                       readDevice()
    Component.onDestruction: storePort()

    Component {
        id: locationPage
        Location {
            updater: inj_locationUpdater
        }
    }
    Component {
        id: wifiPage
        WifiSettingsPage {}
    }
    Component {
        id: helpPage
        HelpPage {}
    }

    // One of the mount's minute settings: the choices and what the mount holds.
    component MinutesRow: UI_Row {
        id: row
        property var choices: []
        property alias setting: rowModel.setting
        readonly property alias model: rowModel
        enabled: rowModel.known && !rowModel.pending
        MountSettingRow {
            id: rowModel
            tavo: root.tavo
            onFailed: function (message) {
                root.showFailure(message)
            }
        }
        UI_TranslatableComboBox {
            objectName: row.objectName + "Box"
            tr_model: root.withValue(row.choices, rowModel.value)
            tr_modelToString: root.minutesText
            value: rowModel.value
            Layout.preferredWidth: 130
            onValueActivated: function (minutes) {
                rowModel.write(minutes)
            }
        }
        BusyIndicator {
            objectName: row.objectName + "Pending"
            visible: rowModel.pending
            running: visible
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
        }
    }

    header: UI_PageHeader {
        title: qsTr("Settings")
        onBack: inj_stackView.pop()
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
            spacing: 0
            UI_RowSpace {
                space: 8
            }
            UI_Row {
                text: qsTr("Language")
                ComboBox {
                    objectName: "languageBox"
                    readonly property var entries: inj_languageManager.availableLanguages
                    model: {
                        const names = []
                        for (let i = 0; i < entries.length; ++i)
                            names.push(entries[i].nativeName)
                        return names
                    }
                    currentIndex: {
                        for (let i = 0; i < entries.length; ++i)
                            if (entries[i].languageCode === inj_languageManager.language)
                                return i
                        return -1
                    }
                    // A language the list does not offer (taken from the system) still
                    // shows its name.
                    displayText: currentIndex >= 0 ? currentText
                                                   : Qt.locale(inj_languageManager.language).nativeLanguageName
                    Layout.preferredWidth: 150
                    onActivated: function (index) {
                        inj_languageManager.language = entries[index].languageCode
                    }
                }
            }
            UI_Row {
                text: qsTr("Night Mode")
                UI_TranslatableComboBox {
                    objectName: "nightModeBox"
                    tr_model: [0, 1, 2]
                    tr_modelToString: function (v) {
                        return [qsTr("Off"), qsTr("On"), qsTr("Auto")][v]
                    }
                    value: inj_nightManager.setting
                    Layout.preferredWidth: 150
                    onValueActivated: function (setting) {
                        inj_nightManager.setSetting(setting)
                    }
                }
            }
            // The desktop's bars and pointer light up too: full screen hides them (F11).
            UI_Row {
                text: qsTr("Full Screen")
                Switch {
                    objectName: "fullScreenSwitch"
                    readonly property var window: root.Window.window
                    function isFull() {
                        return window !== null && window.visibility === Window.FullScreen
                    }
                    checked: isFull()
                    // The switch shows the window's state, whoever changed it (F11 too).
                    onToggled: {
                        if (window && typeof window.toggleFullScreen === "function")
                            window.toggleFullScreen()
                        checked = Qt.binding(isFull)
                    }
                }
            }
            UI_Row {
                text: qsTr("Connection")
                UI_TranslatableComboBox {
                    objectName: "connectionTypeBox"
                    // A run started on the demo mount uses it whatever is stored.
                    enabled: !inj_iConnector.connected && !inj_demoRun
                    tr_model: root.connectionTypes
                    tr_modelToString: function (t) {
                        return qsTr(t.name)
                    }
                    value: inj_demoRun ? ConnectionType.Emulator : inj_connectSettings.type
                    Layout.preferredWidth: 150
                    onValueActivated: function (type) {
                        inj_connectSettings.type = type
                    }
                }
            }
            UI_Row {
                text: qsTr("Connect at Launch")
                UI_Switch {
                    objectName: "connectAtLaunchSwitch"
                    checked: inj_connectSettings.connectAtLaunch
                    onToggled: {
                        inj_connectSettings.connectAtLaunch = checked
                        checked = Qt.binding(() => inj_connectSettings.connectAtLaunch)
                    }
                }
            }
            Label {
                objectName: "demoRunNote"
                visible: inj_demoRun
                text: qsTr("Started with --demo: this run connects to the demo mount only.")
                wrapMode: Text.Wrap
                opacity: 0.7
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
            }
            UI_Row {
                text: qsTr("Port")
                visible: root.serialChosen && inj_connectSettings.serialPortNeedsPortName
                ComboBox {
                    id: portBox
                    objectName: "portBox"
                    editable: true
                    model: inj_connectSettings.foundSerialPorts
                    Layout.preferredWidth: 150
                    onActivated: inj_connectSettings.serialPortName = editText.trim()
                    onAccepted: inj_connectSettings.serialPortName = editText.trim()
                }
            }
            UI_Row {
                text: qsTr("Location")
                Button {
                    objectName: "locationButton"
                    // The formats' letters are translated: read again when the language changes.
                    text: {
                        inj_languageManager.language
                        return inj_astroFormat.latitude_00_q(inj_location.latitudeRad) + " "
                                + inj_astroFormat.longitude_00_q(inj_location.longitudeRad)
                    }
                    flat: true
                    // Leaves the row's label room in languages with long coordinates.
                    Layout.maximumWidth: column.width * 0.6
                    onClicked: inj_stackView.push(locationPage)
                }
            }
            UI_RowDivider {}
            Label {
                text: root.tavo ? qsTr("Mount") : qsTr("Mount (not connected)")
                font.bold: true
                Layout.leftMargin: 12
                Layout.topMargin: 8
            }
            MinutesRow {
                id: finderRow
                objectName: "finderLedRow"
                text: qsTr("Finder LED Auto-Off")
                visible: root.tavo === null || root.tavo.hasPolarSightLight
                choices: [3, 5, 10, 30]
                setting: MountSettingRow.FinderLedMinutes
            }
            MinutesRow {
                id: wifiRow
                objectName: "wifiOffRow"
                text: qsTr("WiFi Auto-Off")
                choices: [0, 3, 5, 10, 30]
                setting: MountSettingRow.WifiOffMinutes
            }
            MinutesRow {
                id: shutdownRow
                objectName: "shutdownRow"
                text: qsTr("Auto Shut Down")
                visible: root.tavo === null || root.tavo.hasAutoShutdown
                choices: [0, 15, 30]
                setting: MountSettingRow.ShutdownMinutes
            }
            UI_Row {
                text: qsTr("Auto-Run Task")
                MountSettingRow {
                    id: autoRunModel
                    tavo: root.tavo
                    setting: MountSettingRow.AutoRun
                    onFailed: function (message) {
                        root.showFailure(message)
                    }
                }
                UI_Switch {
                    id: autoRunSwitch
                    objectName: "autoRunSwitch"
                    // What the mount holds; a toggle asks for the other value and the switch
                    // moves once the mount has it.
                    checked: autoRunModel.value === true
                    enabled: autoRunModel.known && !autoRunModel.pending
                    onToggled: {
                        const wanted = checked
                        checked = Qt.binding(function () {
                            return autoRunModel.value === true
                        })
                        autoRunModel.write(wanted)
                    }
                }
            }
            UI_Row {
                text: qsTr("WiFi Network")
                Button {
                    objectName: "wifiButton"
                    text: qsTr("Change")
                    enabled: root.tavo !== null
                    flat: true
                    onClicked: inj_stackView.push(wifiPage)
                }
            }
            UI_RowDivider {}
            UI_Row {
                text: qsTr("Help")
                Button {
                    objectName: "helpButton"
                    text: qsTr("Open")
                    flat: true
                    onClicked: inj_stackView.push(helpPage)
                }
            }
            Label {
                objectName: "versionText"
                text: inj_appVersion.string
                opacity: 0.7
                Layout.leftMargin: 12
                Layout.topMargin: 12
            }
        }
    }
}
