import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase

// The observer's location: shown as the formatter writes it, edited in decimal degrees with
// the hemisphere chosen apart, and stored on "Save". The sensor can fill it in.
Page {
    id: root
    objectName: "locationPage"
    property var updater: null

    readonly property real latDeg: Angle.radToDeg(inj_location.latitudeRad)
    // Stored west positive; people read east positive.
    readonly property real lonEastDeg: -Angle.radToDeg(inj_location.longitudeRad)

    function load() {
        latField.text = Math.abs(latDeg).toFixed(4)
        latSign.currentIndex = latDeg < 0 ? 1 : 0
        lonField.text = Math.abs(lonEastDeg).toFixed(4)
        lonSign.currentIndex = lonEastDeg < 0 ? 1 : 0
        altField.text = inj_location.altitudeMeter.toFixed(0)
    }

    function valid(text, max) {
        const v = Number(text)
        return text.trim() !== "" && isFinite(v) && v >= 0 && v <= max
    }

    function save() {
        const loc = inj_location.location()
        const lat = Number(latField.text) * (latSign.currentIndex === 1 ? -1 : 1)
        const lonEast = Number(lonField.text) * (lonSign.currentIndex === 1 ? -1 : 1)
        loc.latitudeRad = Angle.degToRad(lat)
        loc.longitudeRad = -Angle.degToRad(lonEast)
        loc.altitudeMeter = Number(altField.text)
        loc.mockLatitude = false
        inj_location.setLocation(loc)
        if (typeof inj_toaster !== "undefined")
            inj_toaster.show(qsTr("Location saved"))
    }

    Component.onCompleted: load()
    Connections {
        target: inj_location
        function onLocationChanged_q() {
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
        buttonEnabled: root.valid(latField.text, 90) && root.valid(lonField.text, 180)
                       && altField.acceptableInput
        onBack: inj_stackView.pop()
        onButtonClicked: root.save()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
        clip: true
        ColumnLayout {
            id: column
            width: parent.width
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
                    invalid: !root.valid(text, 90)
                    Layout.preferredWidth: 90
                }
                SignBox {
                    id: latSign
                    model: [qsTr("N"), qsTr("S")]
                }
            }
            UI_Row {
                text: qsTr("Longitude")
                UI_TextField {
                    id: lonField
                    objectName: "longitudeField"
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    invalid: !root.valid(text, 180)
                    Layout.preferredWidth: 90
                }
                SignBox {
                    id: lonSign
                    model: [qsTr("E"), qsTr("W")]
                }
            }
            UI_Row {
                text: qsTr("Altitude (m)")
                UI_TextField {
                    id: altField
                    objectName: "altitudeField"
                    validator: IntValidator {
                        bottom: -500
                        top: 9000
                    }
                    invalid: !acceptableInput
                    Layout.preferredWidth: 90
                }
                Item {
                    Layout.preferredWidth: 64
                }
            }
            UI_RowDivider {}
            UI_Row {
                text: qsTr("Use location sensor")
                UI_Switch {
                    objectName: "useSensorSwitch"
                    checked: inj_kvStore.loadBool("loc.use_sensor", true)
                    onToggled: inj_kvStore.saveBool("loc.use_sensor", checked)
                }
            }
            UI_Row {
                text: root.updater && root.updater.waiting ? qsTr("Waiting for the sensor…") : ""
                Button {
                    text: qsTr("Update now")
                    enabled: root.updater !== null && !root.updater.waiting
                             && inj_locationSensor.state !== 0
                    onClicked: {
                        inj_kvStore.saveBool("loc.use_sensor", true)
                        root.updater.updateOnce()
                    }
                }
            }
        }
    }
}
