import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import JexQtCommonBase

// Asks before an action that cannot be taken back: the question, "Cancel" and a button named
// for the action. Escape, a click outside and "Cancel" all leave things as they were.
UI_Dialog {
    id: root
    objectName: "confirmDialog"
    property alias text: question.text
    property string acceptText: ""
    property var pending: null

    // Runs then() once the user has confirmed.
    function ask(title, text, acceptText, then) {
        root.title = title
        root.text = text
        root.acceptText = acceptText
        pending = then
        open()
    }
    function confirm() {
        const then = pending
        pending = null
        close()
        if (then)
            then()
    }

    onClosed: pending = null
    defaultButton: acceptButton

    contentItem: ColumnLayout {
        spacing: 12
        Label {
            id: question
            objectName: "confirmText"
            wrapMode: Text.Wrap
            visible: text !== ""
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "confirmCancel"
                text: qsTr("Cancel")
                flat: true
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: root.close()
            }
            Button {
                id: acceptButton
                objectName: "confirmAccept"
                text: root.acceptText
                highlighted: true
                Material.accent: typeof inj_nightManager !== "undefined" ? inj_nightManager.fill
                                                                         : Material.accent
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                onClicked: root.confirm()
            }
        }
    }
}
