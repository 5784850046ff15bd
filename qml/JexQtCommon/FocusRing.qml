import QtQuick
import QtQuick.Controls

// A frame around the control that has the keyboard's focus, drawn above pages and dialogs
// alike: shown only when the focus came by keyboard (Tab, Shift+Tab), as controls know it.
Rectangle {
    id: root
    objectName: "focusRing"
    // The window's item with the active focus.
    property Item target: null
    property color ringColor: "#1565C0"

    parent: Overlay.overlay
    z: 1000000
    color: "transparent"
    radius: 3
    border.width: 2
    border.color: ringColor
    visible: target !== null && target.visualFocus === true && target.visible
    enabled: false

    function place() {
        if (!visible || !parent)
            return
        const p = target.mapToItem(parent, 0, 0)
        x = Math.round(p.x) - 2
        y = Math.round(p.y) - 2
        width = Math.round(target.width) + 4
        height = Math.round(target.height) + 4
    }
    onTargetChanged: place()
    onVisibleChanged: place()
    // A page that scrolls or lays itself out again moves the control: follow it after each
    // frame while the ring shows (placing it again where it is asks for no new frame).
    Connections {
        target: root.Window.window
        enabled: root.visible
        function onFrameSwapped() {
            root.place()
        }
    }
}
