import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// The mount's Wi-Fi: its own access point, or a station on another network. "Apply" writes
// the settings; the mount then restarts its Wi-Fi, so the console lets the link go.
Page {
    id: root
    objectName: "wifiSettingsPage"

    readonly property var tavo: inj_iConnector.tavo
    readonly property bool loaded: form.loaded
    property bool sending: false
    property bool reading: false
    // Why the last read failed, translated; empty otherwise.
    property string readError: ""

    readonly property var securities: [WifiSec.Open, WifiSec.WPA_PSK, WifiSec.WPA2_PSK, WifiSec.WPA_WPA2_PSK]

    readonly property alias form: form
    WifiForm {
        id: form
    }

    function read() {
        if (!tavo || reading)
            return
        reading = true
        readError = ""
        CmdRetPromise.get(tavo.readWifiSettings(), root).then(function (ws) {
            root.reading = false
            // What the user has changed meanwhile stays.
            if (!form.edited)
                form.load(ws)
        }, function (error) {
            root.reading = false
            root.readError = qsTranslate("mount", error)
        })
    }

    function apply() {
        confirm.ask(qsTr("Apply Wi-Fi Settings"),
                    qsTr("The mount restarts its Wi-Fi and the console lets the link go. Join \u201c%1\u201d, then connect again.").arg(form.joinAfter),
                    qsTr("Apply"), function () {
                        root.write()
                    })
    }
    function write() {
        sending = true
        const future = tavo.writeWifiSettings(form.settings())
        // The window says the outcome and closes the cut link, also after this page has gone.
        inj_outcomes.wifiApplied(future)
        CmdRetPromise.get(future, root).then(function () {
            root.sending = false
            inj_stackView.pop()
        }, function () {
            root.sending = false
        })
    }
    function leave() {
        if (!form.edited) {
            inj_stackView.pop()
            return
        }
        confirm.ask(qsTr("Discard Changes"), qsTr("The Wi-Fi settings you changed are not applied."),
                    qsTr("Discard"), function () {
                        inj_stackView.pop()
                    })
    }

    Component.onCompleted: read()
    onTavoChanged: read()

    UI_ConfirmDialog {
        id: confirm
        objectName: "wifiConfirm"
    }

    // A text the mount holds as bytes that are not valid UTF-8: kept exactly as it is.
    component KeptNote: Label {
        property string field
        objectName: field + "Kept"
        visible: form.keptAsRead.indexOf(field) >= 0
        text: qsTr("Not valid text on the mount: shown as well as it can be and kept unchanged")
        opacity: 0.8
        wrapMode: Text.Wrap
        font.pixelSize: 12
        Layout.fillWidth: true
        Layout.leftMargin: 12
        Layout.rightMargin: 12
    }

    // A field's rule, under it, while the field breaks it.
    component Rule: Label {
        property string field
        objectName: field + "Rule"
        text: form.problems[field] !== undefined ? form.problems[field] : ""
        visible: text !== ""
        color: "#F44336"
        wrapMode: Text.Wrap
        font.pixelSize: 12
        Layout.fillWidth: true
        Layout.leftMargin: 12
        Layout.rightMargin: 12
    }

    header: UI_PageHeader {
        title: qsTr("WiFi Network")
        buttonText: qsTr("Apply")
        buttonEnabled: root.tavo !== null && form.loaded && form.acceptable && !root.sending
        onBack: root.leave()
        onButtonClicked: root.apply()
    }

    ButtonGroup {
        id: modes
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
            RowLayout {
                visible: root.reading || root.readError !== ""
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                BusyIndicator {
                    objectName: "wifiReading"
                    running: root.reading
                    visible: running
                    Layout.preferredWidth: 32
                    Layout.preferredHeight: 32
                }
                Label {
                    objectName: "wifiReadError"
                    text: root.reading ? qsTr("Reading the mount's settings…")
                                       : qsTr("Could not read the mount's settings: %1").arg(root.readError)
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                }
                Button {
                    objectName: "wifiRetry"
                    text: qsTr("Retry")
                    visible: !root.reading
                    enabled: root.tavo !== null
                    onClicked: root.read()
                }
            }
            ColumnLayout {
                objectName: "wifiFields"
                spacing: 0
                enabled: form.loaded && !root.sending
                Layout.fillWidth: true
                Label {
                    objectName: "bothModesNote"
                    visible: form.mode === WifiMode.Both
                    text: qsTr("The mount runs its access point and a station at once. Apply keeps both unless you choose one.")
                    wrapMode: Text.Wrap
                    opacity: 0.8
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    Layout.rightMargin: 12
                }
                RadioButton {
                    id: apMode
                    objectName: "apMode"
                    text: qsTr("Access Point Mode")
                    checked: form.mode === WifiMode.AP
                    ButtonGroup.group: modes
                    Layout.leftMargin: 4
                    onToggled: if (checked)
                                   form.mode = WifiMode.AP
                }
                UI_Row {
                    text: qsTr("SSID")
                    enabled: form.mode !== WifiMode.STA
                    UI_TextField {
                        id: apSsid
                        objectName: "apSsid"
                        readOnly: form.keptAsRead.indexOf("apSsid") >= 0
                        text: form.apSsid
                        onTextEdited: form.apSsid = text
                        invalid: form.problems.apSsid !== undefined
                        Layout.preferredWidth: 160
                    }
                }
                Rule {
                    field: "apSsid"
                }
                KeptNote {
                    field: "apSsid"
                }
                UI_Row {
                    text: qsTr("Security")
                    enabled: form.mode !== WifiMode.STA
                    UI_TranslatableComboBox {
                        id: apSec
                        objectName: "apSecurity"
                        tr_model: root.securities
                        tr_modelToString: function (sec) {
                            return [qsTr("Open"), qsTr("WPA PSK"), qsTr("WPA2 PSK"),
                                    qsTr("WPA/WPA2 PSK")][root.securities.indexOf(sec)]
                        }
                        // An unknown security shows no entry (and its rule says so).
                        value: form.apSecurity
                        Layout.preferredWidth: 160
                        onValueActivated: sec => form.apSecurity = sec
                    }
                }
                Rule {
                    field: "apSecurity"
                }
                UI_Row {
                    text: qsTr("Password")
                    enabled: form.mode !== WifiMode.STA && form.apSecurity !== WifiSec.Open
                    UI_TextField {
                        id: apPass
                        objectName: "apPassword"
                        readOnly: form.keptAsRead.indexOf("apPass") >= 0
                        echoMode: TextInput.PasswordEchoOnEdit
                        text: form.apPass
                        onTextEdited: form.apPass = text
                        invalid: form.problems.apPass !== undefined
                        Layout.preferredWidth: 160
                    }
                }
                Rule {
                    field: "apPass"
                }
                KeptNote {
                    field: "apPass"
                }
                UI_RowDivider {}
                RadioButton {
                    id: staMode
                    objectName: "staMode"
                    text: qsTr("Station Mode")
                    checked: form.mode === WifiMode.STA
                    ButtonGroup.group: modes
                    Layout.leftMargin: 4
                    onToggled: if (checked)
                                   form.mode = WifiMode.STA
                }
                UI_Row {
                    text: qsTr("SSID")
                    enabled: form.mode !== WifiMode.AP
                    UI_TextField {
                        id: staSsid
                        objectName: "staSsid"
                        readOnly: form.keptAsRead.indexOf("staSsid") >= 0
                        text: form.staSsid
                        onTextEdited: form.staSsid = text
                        invalid: form.problems.staSsid !== undefined
                        Layout.preferredWidth: 160
                    }
                }
                Rule {
                    field: "staSsid"
                }
                KeptNote {
                    field: "staSsid"
                }
                UI_Row {
                    text: qsTr("Password")
                    enabled: form.mode !== WifiMode.AP
                    UI_TextField {
                        id: staPass
                        objectName: "staPassword"
                        readOnly: form.keptAsRead.indexOf("staPass") >= 0
                        echoMode: TextInput.PasswordEchoOnEdit
                        text: form.staPass
                        onTextEdited: form.staPass = text
                        invalid: form.problems.staPass !== undefined
                        Layout.preferredWidth: 160
                    }
                }
                Rule {
                    field: "staPass"
                }
                KeptNote {
                    field: "staPass"
                }
                Label {
                    text: qsTr("Both SSID and Password are case-sensitive")
                    opacity: 0.7
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    Layout.rightMargin: 12
                }
                UI_Row {
                    text: qsTr("Use DHCP")
                    enabled: form.mode !== WifiMode.AP
                    UI_Switch {
                        id: dhcp
                        objectName: "useDhcp"
                        checked: form.dhcp
                        onToggled: form.dhcp = checked
                    }
                }
                UI_Row {
                    text: qsTr("Fixed IP")
                    enabled: form.mode !== WifiMode.AP && !form.dhcp
                    UI_TextField {
                        id: fixedIp
                        objectName: "fixedIp"
                        text: form.fixedIp
                        onTextEdited: form.fixedIp = text
                        invalid: form.problems.fixedIp !== undefined
                        Layout.preferredWidth: 160
                    }
                }
                Rule {
                    field: "fixedIp"
                }
            }
        }
    }
}
