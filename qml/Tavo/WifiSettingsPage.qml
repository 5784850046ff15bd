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
    property bool loaded: false
    property bool sending: false

    // The mount's memory holds UTF-8 bytes, so limits count bytes, not characters.
    function utf8Length(text) {
        return unescape(encodeURIComponent(text)).length
    }
    function fits(field, limit) {
        return utf8Length(field.text) <= limit
    }
    readonly property bool acceptable: {
        if (apMode.checked)
            return apSsid.text.length > 0 && fits(apSsid, WifiSettingsLimit.AP_SSID_MaxLen)
                    && fits(apPass, WifiSettingsLimit.AP_pass_MaxLen)
                    && (apSec.value === WifiSec.Open || apPass.text.length >= 8)
        return staSsid.text.length > 0 && fits(staSsid, WifiSettingsLimit.STA_SSID_MaxLen)
                && fits(staPass, WifiSettingsLimit.STA_pass_MaxLen)
                && (dhcp.checked || (fixedIp.acceptableInput
                                     && fits(fixedIp, WifiSettingsLimit.STA_fixedIP_MaxLen)))
    }

    readonly property var securities: [WifiSec.Open, WifiSec.WPA_PSK, WifiSec.WPA2_PSK, WifiSec.WPA_WPA2_PSK]

    function show(ws) {
        apMode.checked = ws.mode !== WifiMode.STA
        staMode.checked = ws.mode === WifiMode.STA
        apSsid.text = ws.AP_SSID
        apPass.text = ws.AP_pass
        apSec.value = securities.indexOf(ws.AP_SEC) >= 0 ? ws.AP_SEC : WifiSec.Open
        staSsid.text = ws.STA_SSID
        staPass.text = ws.STA_pass
        dhcp.checked = ws.STA_fixedIP === ""
        fixedIp.text = ws.STA_fixedIP
        loaded = true
    }

    function read() {
        if (!tavo)
            return
        CmdRetPromise.get(tavo.readWifiSettings(), root).then(function (ws) {
            root.show(ws)
        }, function (error) {
            inj_toaster.show(qsTranslate("mount", error))
        })
    }

    function apply() {
        const ws = inj_tavoHelper.newWifiSettings()
        ws.mode = apMode.checked ? WifiMode.AP : WifiMode.STA
        ws.AP_SSID = apSsid.text
        ws.AP_pass = apPass.text
        ws.AP_SEC = apSec.value
        ws.STA_SSID = staSsid.text
        ws.STA_pass = staPass.text
        ws.STA_fixedIP = dhcp.checked ? "" : fixedIp.text
        sending = true
        const future = tavo.writeWifiSettings(ws)
        // The window says the outcome and closes the cut link, also after this page has gone.
        inj_outcomes.wifiApplied(future)
        CmdRetPromise.get(future, root).then(function () {
            root.sending = false
            inj_stackView.pop()
        }, function () {
            root.sending = false
        })
    }

    Component.onCompleted: read()

    header: UI_PageHeader {
        title: qsTr("WiFi Network")
        buttonText: qsTr("Apply")
        buttonEnabled: root.tavo !== null && root.loaded && root.acceptable && !root.sending
        onBack: inj_stackView.pop()
        onButtonClicked: root.apply()
    }

    ButtonGroup {
        id: modes
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 24
        clip: true
        ColumnLayout {
            id: column
            width: parent.width
            spacing: 0
            enabled: root.loaded && !root.sending
            RadioButton {
                id: apMode
                objectName: "apMode"
                text: qsTr("Access Point Mode")
                checked: true
                ButtonGroup.group: modes
                Layout.leftMargin: 4
            }
            UI_Row {
                text: qsTr("SSID")
                enabled: apMode.checked
                UI_TextField {
                    id: apSsid
                    objectName: "apSsid"
                    maximumLength: WifiSettingsLimit.AP_SSID_MaxLen
                    invalid: !root.fits(apSsid, WifiSettingsLimit.AP_SSID_MaxLen)
                    Layout.preferredWidth: 160
                }
            }
            UI_Row {
                text: qsTr("Security")
                enabled: apMode.checked
                UI_TranslatableComboBox {
                    id: apSec
                    objectName: "apSecurity"
                    tr_model: root.securities
                    tr_modelToString: function (sec) {
                        return [qsTr("Open"), qsTr("WPA PSK"), qsTr("WPA2 PSK"),
                                qsTr("WPA/WPA2 PSK")][root.securities.indexOf(sec)]
                    }
                    value: WifiSec.Open
                    Layout.preferredWidth: 160
                    onValueActivated: sec => apSec.value = sec
                }
            }
            UI_Row {
                text: qsTr("Password")
                enabled: apMode.checked && apSec.value !== WifiSec.Open
                UI_TextField {
                    id: apPass
                    objectName: "apPassword"
                    maximumLength: WifiSettingsLimit.AP_pass_MaxLen
                    echoMode: TextInput.PasswordEchoOnEdit
                    invalid: !root.fits(apPass, WifiSettingsLimit.AP_pass_MaxLen)
                             || (apSec.value !== WifiSec.Open && text.length < 8)
                    Layout.preferredWidth: 160
                }
            }
            UI_RowDivider {}
            RadioButton {
                id: staMode
                objectName: "staMode"
                text: qsTr("Station Mode")
                ButtonGroup.group: modes
                Layout.leftMargin: 4
            }
            UI_Row {
                text: qsTr("SSID")
                enabled: staMode.checked
                UI_TextField {
                    id: staSsid
                    objectName: "staSsid"
                    maximumLength: WifiSettingsLimit.STA_SSID_MaxLen
                    invalid: !root.fits(staSsid, WifiSettingsLimit.STA_SSID_MaxLen)
                    Layout.preferredWidth: 160
                }
            }
            UI_Row {
                text: qsTr("Password")
                enabled: staMode.checked
                UI_TextField {
                    id: staPass
                    objectName: "staPassword"
                    maximumLength: WifiSettingsLimit.STA_pass_MaxLen
                    echoMode: TextInput.PasswordEchoOnEdit
                    invalid: !root.fits(staPass, WifiSettingsLimit.STA_pass_MaxLen)
                    Layout.preferredWidth: 160
                }
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
                enabled: staMode.checked
                UI_Switch {
                    id: dhcp
                    objectName: "useDhcp"
                    checked: true
                }
            }
            UI_Row {
                text: qsTr("Fixed IP")
                enabled: staMode.checked && !dhcp.checked
                UI_TextField {
                    id: fixedIp
                    objectName: "fixedIp"
                    maximumLength: WifiSettingsLimit.STA_fixedIP_MaxLen
                    validator: RegularExpressionValidator {
                        regularExpression: /^((25[0-5]|2[0-4]\d|1?\d?\d)\.){3}(25[0-5]|2[0-4]\d|1?\d?\d)$/
                    }
                    invalid: text !== "" && !acceptableInput
                    Layout.preferredWidth: 160
                }
            }
        }
    }
}
