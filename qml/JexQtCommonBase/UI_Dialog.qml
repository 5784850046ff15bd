import QtQuick
import QtQuick.Controls

// A modal dialog centred on the window, sized for a narrow window.
Dialog {
    id: root
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(parent ? parent.width - 24 : 300, 420)
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    // The button Enter presses when the dialog opens (Escape always closes it).
    property Item defaultButton: null
    onOpened: {
        if (defaultButton)
            defaultButton.forceActiveFocus()
    }
    // A dark veil in day and night alike: a light one would dazzle at night.
    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.55)
    }
    // At night a dialog is black on black: a dark-red outline shows where it ends.
    // Drawn above the title's own background, which would hide its upper part.
    Rectangle {
        parent: root.contentItem.parent
        anchors.fill: parent
        z: 100
        visible: typeof inj_nightManager !== "undefined" && inj_nightManager.night
        color: "transparent"
        radius: 2
        border.width: 1
        border.color: "#900C04"
    }
}
