import QtQuick

// Takes one reading from the location sensor into the observer's location, when the user
// lets the sensor be used or asks for it now; gives up after 30 seconds without a fix, and
// says so.
QtObject {
    id: root
    property var toaster: null
    readonly property var sensor: typeof inj_locationSensor !== "undefined" ? inj_locationSensor : null
    property bool waiting: false

    function updateOnce(asked) {
        if (!sensor || (!asked && !inj_location.useSensor))
            return
        waiting = true
        giveUp.restart()
        sensor.active = true
        take()
    }

    function take() {
        if (!waiting || !sensor || sensor.reading === undefined)
            return
        const r = sensor.reading
        const loc = inj_location.location()
        loc.latitudeRad = r.latitudeRad
        loc.longitudeRad = r.longitudeRad
        loc.altitudeMeter = r.altitudeMeter
        loc.mockLatitude = false
        inj_location.setLocation(loc)
        finish()
        if (toaster)
            toaster.show(qsTr("Location Updated"))
    }

    function finish() {
        waiting = false
        giveUp.stop()
        if (sensor)
            sensor.active = false
    }

    property Connections sensorWatch: Connections {
        target: root.sensor
        function onChanged() {
            root.take()
        }
    }
    property Timer giveUp: Timer {
        interval: 30000
        onTriggered: {
            root.finish()
            if (root.toaster)
                root.toaster.show(qsTr("No location from the sensor within 30 seconds"))
        }
    }
}
