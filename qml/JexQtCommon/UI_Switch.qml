import QtQuick
import QtQuick.Controls

// A switch that can show a frame when a hand controller acts on it.
Switch {
    id: root
    property bool hasBorderColor: false

    Rectangle {
        anchors.fill: parent
        visible: root.hasBorderColor
        color: "transparent"
        border.width: 2
        border.color: root.Material ? root.Material.accent : "red"
        radius: 4
    }
}
