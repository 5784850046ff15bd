import QtQuick
import QtQuick.Controls

// An arrow that turns the axis while it is held.
Button {
    id: root
    property int direction: 1
    signal slew(int direction)
    signal release

    text: direction < 0 ? "◀" : "▶"
    font.pixelSize: 28
    onPressed: slew(direction)
    onReleased: release()
    onCanceled: release()
}
