import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A check box whose box and tick are drawn rather than loaded as a picture: the style's
// picture stays in Qt Quick's image cache for the life of the process, which the leak
// checker of the sanitizer builds reports.
CheckBox {
    id: root
    indicator: Rectangle {
        implicitWidth: 18
        implicitHeight: 18
        x: root.text === "" ? root.leftPadding + (root.availableWidth - width) / 2
                            : root.leftPadding
        y: root.topPadding + (root.availableHeight - height) / 2
        radius: 2
        color: root.checked ? root.Material.accent : "transparent"
        border.width: root.checked ? 0 : 2
        border.color: root.Material.foreground
        opacity: root.enabled ? 1 : 0.38
        Text {
            anchors.centerIn: parent
            visible: root.checked
            text: "\u2713"
            font.pixelSize: 14
            font.bold: true
            color: root.Material.background
        }
    }
}
