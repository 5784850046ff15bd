import QtQuick
import QtQuick.Controls

// A text field that tints itself red while its text is not acceptable.
TextField {
    id: root
    property bool invalid: false
    selectByMouse: true

    Rectangle {
        anchors.fill: parent
        color: "red"
        opacity: 0.15
        visible: root.invalid
        z: -1
    }
}
