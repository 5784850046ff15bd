import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The polar clock: where Polaris (or the southern chain of stars) must sit in the polar
// scope's reticle now, and the polar-scope light.
Page {
    id: root
    objectName: "polarScope"
    readonly property var tavo: inj_iConnector.tavo
    readonly property bool hasLight: tavo !== null && tavo.hasPolarSightLight
    property bool sending: false

    function light(on) {
        sending = true
        CmdRetPromise.get(tavo.writePolarSightLightOn(on)).then(function () {
            root.sending = false
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
            }
            TabButton {
                text: qsTr("Southern Hemisphere")
                font.capitalization: Font.MixedCase
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
            Button {
                objectName: "lightOn"
                text: qsTr("Light On")
                enabled: root.hasLight && !root.sending
                Layout.fillWidth: true
                onClicked: root.light(true)
            }
            Button {
                objectName: "lightOff"
                text: qsTr("Light Off")
                enabled: root.hasLight && !root.sending
                Layout.fillWidth: true
                onClicked: root.light(false)
            }
        }
    }
}
