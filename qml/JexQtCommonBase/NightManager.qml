import QtQuick
import QtQuick.Controls.Material

// Day and night colours for the whole window. The setting (Off 0, On 1, Auto 2) is kept as
// "night_mode"; Auto is night from 18:00 to 06:59 local time. Night keeps the screen dark and
// red so that eyes stay adapted to the sky.
QtObject {
    id: root

    // The window whose activation re-evaluates Auto.
    property var window: null
    property int setting: inj_kvStore ? inj_kvStore.loadInt("night_mode", 2) : 2
    // The local time Auto looks at; tests set their own.
    property var clock: function () {
        return new Date()
    }
    property bool night: false

    // Night colours keep green and blue at most a quarter of red (and never above 24), so
    // that nothing but red lights up: Material's red accent (#F44336) and brown primary
    // (#3E2723) let too much green through. In reds alone only brightness sets things apart:
    // what the style marks with the accent (the chosen tab, a focused field) is brighter than
    // text.
    readonly property int theme: night ? Material.Dark : Material.Light
    readonly property color accent: night ? "#FF2A10" : "#607D8B"
    readonly property color background: night ? "#000000" : "#fafafa"
    readonly property color foreground: night ? "#D82818" : "#dd000000"
    readonly property color primary: night ? "#4A0A00" : "#00c566"
    // A fill under text of the window's brightest red (a default button's): dark enough at
    // night that the text stands out in reds alone.
    readonly property color fill: night ? "#781008" : accent
    // The frame around the control with the keyboard's focus.
    readonly property color focusRing: night ? "#FF2A10" : "#1565C0"
    // Text that should stand out (the connected mount's name): green by day only.
    readonly property color highlight: night ? foreground : "#2e7d32"

    function isNightHour(hour) {
        return hour >= 18 || hour <= 6
    }

    function update() {
        if (setting === 0)
            night = false
        else if (setting === 1)
            night = true
        else
            night = isNightHour(clock().getHours())
    }

    function setSetting(value) {
        if (value === setting)
            return
        setting = value
        if (inj_kvStore)
            inj_kvStore.saveInt("night_mode", value)
    }

    onSettingChanged: update()
    onClockChanged: update()
    onWindowChanged: update()
    Component.onCompleted: update()

    property Connections windowWatch: Connections {
        target: root.window
        ignoreUnknownSignals: true
        function onActiveChanged() {
            root.update()
        }
    }
    // Auto turns over at 18:00 and 07:00 even while the window stays as it is.
    property Timer minuteTimer: Timer {
        interval: 60000
        repeat: true
        running: root.setting === 2
        onTriggered: root.update()
    }
}
