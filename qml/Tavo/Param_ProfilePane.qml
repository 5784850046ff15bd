import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The saved profiles of one program: load one, save the page's under a name, or delete in
// edit mode.
ColumnLayout {
    id: root
    objectName: "profilePane"
    property var profileList: null
    property bool editing: false
    signal loadRequested(int index)
    signal saveRequested
    Layout.fillWidth: true
    Layout.minimumHeight: 200
    spacing: 0

    function names() {
        const result = []
        const list = profileList ? profileList.list : []
        for (let i = 0; i < list.length; ++i)
            result.push(list[i].name)
        return result
    }
    function remove(index) {
        const name = profileList.list[index].name
        confirm.ask(qsTr("Delete Profile"), qsTr("Delete the profile “%1”?").arg(name),
                    qsTr("Delete"), function () {
                        const list = root.profileList.list.slice()
                        const at = list.findIndex(function (p) {
                            return p.name === name
                        })
                        if (at < 0)
                            return
                        list.splice(at, 1)
                        root.profileList.list = list
                    })
    }
    UI_ConfirmDialog {
        id: confirm
        objectName: "deleteConfirm"
    }

    UI_RowDivider {}
    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 12
        Layout.rightMargin: 12
        Label {
            text: qsTr("Profiles")
            font.bold: true
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        Button {
            objectName: "profileSave"
            text: qsTr("Save")
            flat: true
            onClicked: root.saveRequested()
        }
        Button {
            objectName: "profileEdit"
            text: root.editing ? qsTr("Done") : qsTr("Edit")
            flat: true
            onClicked: root.editing = !root.editing
        }
    }
    Repeater {
        objectName: "profileRows"
        model: root.profileList ? root.profileList.list : []
        delegate: UI_Row {
            required property var modelData
            required property int index
            text: modelData.name
            Layout.fillHeight: false
            Button {
                objectName: "profileRowButton" + index
                text: root.editing ? qsTr("Delete") : qsTr("Load")
                flat: true
                onClicked: root.editing ? root.remove(index) : root.loadRequested(index)
            }
        }
    }
    Label {
        visible: root.profileList !== null && root.profileList.list.length === 0
        text: qsTr("No saved profiles")
        opacity: 0.6
        Layout.leftMargin: 12
        Layout.topMargin: 8
    }
    Item {
        Layout.fillHeight: true
    }
}
