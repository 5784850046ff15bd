import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// A page's title bar: back arrow, title, and one optional action button on the right
// (hidden while its text is empty).
ToolBar {
    id: root
    objectName: "pageHeader"
    property string title
    property bool showBack: true
    property string buttonText: ""
    property bool buttonEnabled: true
    signal back
    signal buttonClicked

    // The window's text colour (red at night), not the light text Material puts on a bar.
    Material.foreground: typeof inj_nightManager !== "undefined" ? inj_nightManager.foreground
                                                                 : Material.foreground

    RowLayout {
        anchors.fill: parent
        spacing: 0
        ToolButton {
            objectName: "backButton"
            visible: root.showBack
            icon.name: "back"
            onClicked: root.back()
        }
        Label {
            text: root.title
            elide: Label.ElideRight
            font.pixelSize: 18
            leftPadding: root.showBack ? 0 : 12
            Layout.fillWidth: true
        }
        ToolButton {
            objectName: "headerButton"
            visible: root.buttonText !== ""
            text: root.buttonText
            enabled: root.buttonEnabled
            onClicked: root.buttonClicked()
        }
    }
}
