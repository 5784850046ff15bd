import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase
import JexAstroBase

// The observer's location: shown as the formatter writes it, edited in decimal degrees with
// the hemisphere chosen apart, and stored on "Save". The sensor can fill it in; a location
// coming in while the user has unsaved edits leaves the fields alone (the line at the top
// shows what is stored).
Page {
    id: root
    objectName: "locationPage"
    property var updater: null
    // Something typed or picked here that is not saved yet.
    property bool edited: false

    function load() {
        const d = inj_location.degrees()
        latEntry.value = d.latitudeDeg
        latSign.currentIndex = d.south ? 1 : 0
        lonEntry.value = d.longitudeDeg
        lonSign.currentIndex = d.west ? 1 : 0
        altEntry.value = Math.round(d.altitudeMeter)
        edited = false
    }

    function save() {
        if (!inj_location.setDegrees(latEntry.value, latSign.currentIndex === 1, lonEntry.value,
                                     lonSign.currentIndex === 1, altEntry.value))
            return
        load()
        if (typeof inj_toaster !== "undefined")
            inj_toaster.show(qsTr("Location saved"))
    }

    // The three numbers, read as typed in the console's language; "Save" stores what they
    // read as.
    NumberEntryGroup {
        id: entries
    }
    component Entry: NumberEntry {
        language: inj_languageManager.language
        group: entries
        onEdited: function (v) {
            value = v
            root.edited = true
        }
    }
    Entry {
        id: latEntry
        label: qsTr("Latitude")
        maxValue: 90
        editing: latField.activeFocus
    }
    Entry {
        id: lonEntry
        label: qsTr("Longitude")
        maxValue: 180
        editing: lonField.activeFocus
    }
    Entry {
        id: altEntry
        label: qsTr("Altitude (m)")
        integer: true
        minValue: -500
        maxValue: 9000
        editing: altField.activeFocus
    }

    Component.onCompleted: load()
    Connections {
        target: inj_location
        function onLocationChanged_q() {
            if (!root.edited)
                root.load()
        }
    }

    // A hemisphere's letter; the box grows for a longer one (some languages), the row's label
    // wraps.
    component SignBox: ComboBox {
        id: box
        Layout.preferredWidth: Math.max(64, signText.advanceWidth + 52)
        TextMetrics {
            id: signText
            font: box.font
            text: box.currentText
        }
    }

    header: UI_PageHeader {
        title: qsTr("Location")
        buttonText: qsTr("Save")
        buttonEnabled: entries.allInStep
        onBack: inj_stackView.pop()
        onButtonClicked: root.save()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
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
            Label {
                objectName: "currentLocation"
                // The formats' letters are translated: read again when the language changes.
                text: {
                    inj_languageManager.language
                    return inj_astroFormat.latitude_00_q(inj_location.latitudeRad) + "   "
                            + inj_astroFormat.longitude_00_q(inj_location.longitudeRad) + "   "
                            + qsTr("%1 m").arg(inj_location.altitudeMeter.toFixed(0))
                }
                font.pixelSize: 16
                wrapMode: Text.Wrap
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.fillWidth: true
            }
            UI_RowSpace {}
            UI_Row {
                text: qsTr("Latitude")
                UI_TextField {
                    id: latField
                    objectName: "latitudeField"
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    text: latEntry.text
                    onTextEdited: latEntry.edit(text)
                    invalid: !latEntry.inStep
                    Layout.preferredWidth: 90
                }
                SignBox {
                    id: latSign
                    objectName: "latitudeSign"
                    model: [qsTr("N"), qsTr("S")]
                    onActivated: root.edited = true
                }
            }
            UI_Row {
                text: qsTr("Longitude")
                UI_TextField {
                    id: lonField
                    objectName: "longitudeField"
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    text: lonEntry.text
                    onTextEdited: lonEntry.edit(text)
                    invalid: !lonEntry.inStep
                    Layout.preferredWidth: 90
                }
                SignBox {
                    id: lonSign
                    objectName: "longitudeSign"
                    model: [qsTr("E"), qsTr("W")]
                    onActivated: root.edited = true
                }
            }
            UI_Row {
                text: qsTr("Altitude (m)")
                UI_TextField {
                    id: altField
                    objectName: "altitudeField"
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    text: altEntry.text
                    onTextEdited: altEntry.edit(text)
                    invalid: !altEntry.inStep
                    Layout.preferredWidth: 90
                }
                Item {
                    Layout.preferredWidth: 64
                }
            }
            Label {
                objectName: "locationProblem"
                visible: text !== ""
                text: entries.problem
                color: "#F44336"
                wrapMode: Text.Wrap
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.fillWidth: true
            }
            UI_RowDivider {}
            UI_Row {
                text: qsTr("Use location sensor")
                UI_Switch {
                    objectName: "useSensorSwitch"
                    checked: inj_location.useSensor
                    onToggled: inj_location.useSensor = checked
                }
            }
            UI_Row {
                text: root.updater && root.updater.waiting ? qsTr("Waiting for the sensor…") : ""
                Button {
                    objectName: "updateNowButton"
                    text: qsTr("Update now")
                    enabled: root.updater !== null && !root.updater.waiting
                             && inj_locationSensor.state !== 0
                    // One reading, asked for now: the setting stays as it is.
                    onClicked: {
                        root.edited = false
                        root.updater.updateOnce(true)
                    }
                }
            }
        }
    }
}
