import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// The polar clock: where Polaris (or the southern chain of stars) must sit in the polar
// scope's reticle now, and the polar-scope light (the game pad's X switches it).
Page {
    id: root
    objectName: "polarScope"
    readonly property var tavo: inj_iConnector.tavo
    readonly property bool hasLight: tavo !== null && tavo.hasPolarSightLight
    property bool sending: false
    // As last written: the mount does not report its light.
    property bool lightOn: false

    function padKey(key, action, value) {
        if (key !== HandleController.GAMEPAD_X)
            return false
        if (action === HandleController.DOWN && hasLight && !sending)
            light(!lightOn)
        return true
    }

    function light(on) {
        sending = true
        CmdRetPromise.get(tavo.writePolarSightLightOn(on)).then(function () {
            root.sending = false
            root.lightOn = on
        }, function (error) {
            root.sending = false
            inj_toaster.show(qsTranslate("mount", error))
        })
    }

    // The list's labels are translated when it is made: made again in the new language.
    Connections {
        target: inj_languageManager
        function onLanguageChanged_q() {
            inj_polarScopeInfo.update()
        }
    }

    Component {
        id: locationPage
        Location {
            updater: inj_locationUpdater
        }
    }

    header: UI_PageHeader {
        title: qsTr("Polar Clock Utility")
        buttonText: qsTr("Location")
        onBack: inj_stackView.pop()
        onButtonClicked: inj_stackView.push(locationPage)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 4
        TabBar {
            id: tabs
            objectName: "hemisphereTabs"
            Layout.fillWidth: true
            currentIndex: inj_location.isNorthernHemisphere ? 0 : 1
            TabButton {
                text: qsTr("Northern Hemisphere")
                font.capitalization: Font.MixedCase
                leftPadding: 4
                rightPadding: 4
            }
            TabButton {
                text: qsTr("Southern Hemisphere")
                font.capitalization: Font.MixedCase
                leftPadding: 4
                rightPadding: 4
            }
        }
        PolarScope_Drawing {
            objectName: "polarDrawing"
            north: tabs.currentIndex === 0
            active: root.visible && root.StackView.status === StackView.Active
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            UI_Switch {
                objectName: "preciseSwitch"
                text: qsTr("Precise position")
                checked: inj_polarScopeInfo.precise
                onToggled: {
                    inj_polarScopeInfo.precise = checked
                    inj_polarScopePaintedItem.precise = checked
                    inj_polarScopeInfo.update()
                    inj_polarScopePaintedItem.update()
                }
                Layout.fillWidth: true
            }
        }
        RowLayout {
            visible: root.hasLight
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.bottomMargin: 8
            UI_Switch {
                objectName: "lightSwitch"
                text: qsTr("Polar-scope light")
                checked: root.lightOn
                enabled: root.hasLight && !root.sending
                hasBorderColor: Window.window !== null && Window.window.padInUse === true
                Layout.fillWidth: true
                // Shows the light as written: a failed write leaves it as it was.
                onToggled: {
                    const wanted = checked
                    checked = Qt.binding(function () {
                        return root.lightOn
                    })
                    root.light(wanted)
                }
            }
        }
    }
}
