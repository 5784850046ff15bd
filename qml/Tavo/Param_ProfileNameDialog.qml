import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Asks for the name to save a profile under, warning when it would replace a saved one.
UI_Dialog {
    id: root
    objectName: "profileNameDialog"
    title: qsTr("Profile Name")
    standardButtons: Dialog.Ok | Dialog.Cancel
    // The names already saved.
    property var names: []
    // The page's profile list, which says why a name cannot be taken.
    property var profileList: null
    property alias name: nameField.text
    readonly property string refusal: profileList ? profileList.nameRefusal(nameField.text) : ""
    signal chosen(string name)

    function ask(currentName, savedNames) {
        names = savedNames
        name = currentName === "<unnamed>" ? "" : currentName
        open()
        nameField.forceActiveFocus()
        // Typing replaces the name; the arrow keys keep it.
        nameField.selectAll()
    }

    // Nothing is saved, and the working profile keeps its name, while the name is refused.
    onAccepted: {
        if (refusal === "")
            chosen(name.trim())
    }
    Component.onCompleted: standardButton(Dialog.Ok).enabled = Qt.binding(() => root.refusal === "")

    ColumnLayout {
        anchors.fill: parent
        TextField {
            id: nameField
            objectName: "profileNameField"
            selectByMouse: true
            Layout.fillWidth: true
            onAccepted: {
                if (root.refusal === "")
                    root.accept()
            }
        }
        Label {
            objectName: "nameRefusal"
            text: root.refusal
            visible: text !== ""
            color: "#F44336"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "overwriteWarning"
            text: qsTr("Overwrites existing profile")
            visible: root.names.indexOf(nameField.text.trim()) >= 0
            color: "#F44336"
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }
}
