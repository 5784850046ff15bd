import QtQuick
import QtQuick.Controls

// A modal dialog centred on the window, sized for a narrow window.
Dialog {
    id: root
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 24 : 300, 420)
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    // A dark veil in day and night alike: a light one would dazzle at night.
    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.55)
    }
}
