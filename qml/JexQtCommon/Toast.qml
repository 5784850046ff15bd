import QtQuick
import QtQuick.Controls

// One short message: fades in, stays a while, fades out and asks to be removed.
Rectangle {
    id: root
    property alias text: label.text
    property int durationMs: 3000
    signal finished

    width: Math.min(label.implicitWidth + 32, parent ? parent.width - 24 : 300)
    height: label.implicitHeight + 16
    radius: height / 2
    color: "#323232"
    opacity: 0

    Label {
        id: label
        anchors.centerIn: parent
        width: root.width - 32
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: "white"
    }

    SequentialAnimation on opacity {
        running: true
        NumberAnimation {
            to: 0.9
            duration: 300
        }
        PauseAnimation {
            duration: root.durationMs
        }
        NumberAnimation {
            to: 0
            duration: 300
        }
        ScriptAction {
            script: root.finished()
        }
    }
}
