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
    property alias name: nameField.text
    signal chosen(string name)

    function ask(currentName, savedNames) {
        names = savedNames
        name = currentName === "<unnamed>" ? "" : currentName
        open()
        nameField.forceActiveFocus()
    }

    onAccepted: {
        if (name.trim() !== "")
            chosen(name.trim())
    }

    ColumnLayout {
        anchors.fill: parent
        TextField {
            id: nameField
            objectName: "profileNameField"
            selectByMouse: true
            Layout.fillWidth: true
            onAccepted: root.accept()
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
