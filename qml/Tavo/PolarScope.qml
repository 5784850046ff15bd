import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// The polar clock: where Polaris (or the southern chain of stars) must sit in the polar
// scope's reticle now, and the polar-scope light. The mount cannot be asked whether its light
// is on (and turns it off by itself after a while), so the page has a button for each
// command rather than a switch that would guess; the game pad's X sends the opposite of the
// last command.
Page {
    id: root
    objectName: "polarScope"
    readonly property var tavo: inj_iConnector.tavo
    readonly property bool hasLight: tavo !== null && tavo.hasPolarSightLight
    property bool sending: false
    // The last command that reached the mount; not what the light shows now.
    property bool lastOn: false
    // The hemisphere tab the user picked, or -1.
    property int chosenTab: -1

    function padKey(key, action, value) {
        if (key !== HandleController.GAMEPAD_X)
            return false
        if (action === HandleController.DOWN && hasLight && !sending)
            light(!lastOn)
        return true
    }

    function light(on) {
        sending = true
        const future = tavo.writePolarSightLightOn(on)
        inj_outcomes.toastFailure(future)
        CmdRetPromise.get(future, root).then(function () {
            root.sending = false
            root.lastOn = on
        }, function () {
            root.sending = false
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
            // The observer's hemisphere until the user picks one; the pick stays (a visit to
            // the location page included).
            currentIndex: root.chosenTab >= 0 ? root.chosenTab
                                              : inj_location.isNorthernHemisphere ? 0 : 1
            TabButton {
                objectName: "northTab"
                text: qsTr("Northern Hemisphere")
                font.capitalization: Font.MixedCase
                leftPadding: 4
                rightPadding: 4
                onClicked: root.chosenTab = 0
            }
            TabButton {
                objectName: "southTab"
                text: qsTr("Southern Hemisphere")
                font.capitalization: Font.MixedCase
                leftPadding: 4
                rightPadding: 4
                onClicked: root.chosenTab = 1
            }
        }
        Label {
            objectName: "noLocationNote"
            visible: !inj_location.known
            text: qsTr("No location set: the clock is drawn for 0° N 0° E. Set yours with Location.")
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
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
        // How well the polar axis must point for the lens on the camera: the largest error
        // that keeps a star's drift in the longest exposure under half a pixel.
        NumberEntryGroup {
            id: budgetEntries
        }
        component BudgetEntry: NumberEntry {
            language: inj_languageManager.language
            group: budgetEntries
            minValue: 0
        }
        BudgetEntry {
            id: focalEntry
            value: inj_polarScopeInfo.focalLengthMm
            maxValue: 5000
            label: qsTr("Focal length (mm)")
            editing: focalField.activeFocus
            onEdited: v => inj_polarScopeInfo.focalLengthMm = v
        }
        BudgetEntry {
            id: pixelEntry
            value: inj_polarScopeInfo.pixelSizeUm
            maxValue: 100
            label: qsTr("Pixel size (µm)")
            editing: pixelField.activeFocus
            onEdited: v => inj_polarScopeInfo.pixelSizeUm = v
        }
        BudgetEntry {
            id: exposureEntry
            value: inj_polarScopeInfo.exposureSec
            maxValue: 86400
            label: qsTr("Longest exposure (s)")
            editing: exposureField.activeFocus
            onEdited: v => inj_polarScopeInfo.exposureSec = v
        }
        component BudgetField: UI_TextField {
            required property var entry
            inputMethodHints: Qt.ImhFormattedNumbersOnly
            text: entry.text
            onTextEdited: entry.edit(text)
            invalid: !entry.inStep
            horizontalAlignment: Text.AlignRight
            Layout.preferredWidth: 56
        }
        RowLayout {
            objectName: "budgetRow"
            spacing: 4
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            BudgetField {
                id: focalField
                objectName: "focalField"
                entry: focalEntry
            }
            Label {
                text: qsTr("mm")
            }
            BudgetField {
                id: pixelField
                objectName: "pixelField"
                entry: pixelEntry
            }
            Label {
                text: qsTr("µm")
            }
            BudgetField {
                id: exposureField
                objectName: "exposureField"
                entry: exposureEntry
            }
            Label {
                text: qsTr("s")
                Layout.fillWidth: true
            }
        }
        Label {
            objectName: "budgetText"
            readonly property real arcmin: inj_polarScopeInfo.budgetArcmin
            text: !budgetEntries.allInStep ? budgetEntries.problem
                  : arcmin > 0 ? qsTr("Polar axis within %1′ keeps the drift under half a pixel").arg(
                                     arcmin.toLocaleString(Qt.locale(inj_languageManager.language), "f", 1))
                               : qsTr("Give focal length, pixel size and exposure")
            wrapMode: Text.Wrap
            font.pixelSize: 13
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
        }
        RowLayout {
            objectName: "lightRow"
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.bottomMargin: 8
            Button {
                objectName: "lightOnButton"
                text: qsTr("Light On")
                enabled: root.hasLight && !root.sending
                Layout.fillWidth: true
                onClicked: root.light(true)
            }
            Button {
                objectName: "lightOffButton"
                text: qsTr("Light Off")
                enabled: root.hasLight && !root.sending
                Layout.fillWidth: true
                onClicked: root.light(false)
            }
        }
        Label {
            objectName: "lightNote"
            visible: text !== ""
            text: root.tavo === null ? qsTr("Not connected: the light cannot be switched")
                                     : !root.hasLight ? qsTr("This mount has no polar-scope light")
                                                      : ""
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.bottomMargin: 8
        }
    }
}
