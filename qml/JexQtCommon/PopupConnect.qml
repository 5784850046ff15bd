import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase
import JexAstroBase

// The connection dialog over inj_iConnectable: it opens when a session starts and closes
// when it is done; closing it by hand (its button or Escape, not a stray click outside)
// cancels the session. Disconnecting asks first.
UI_Dialog {
    id: root
    objectName: "popupConnect"
    padding: 12
    closePolicy: Popup.CloseOnEscape
    defaultButton: cancelButton
    // Connected or failed: nothing is left to cancel.
    readonly property bool settled: connectable !== null
                                    && (connectable.state === ConnectableState.Connected
                                        || connectable.state === ConnectableState.Failed)

    readonly property var connectable: typeof inj_iConnectable !== "undefined" ? inj_iConnectable : null
    readonly property var devices: connectable ? connectable.devicesList : undefined
    property int selectedIndex: -1

    Connections {
        target: root.connectable
        function onSessionStarted() {
            root.selectedIndex = -1
            root.open()
        }
        function onSessionDone() {
            root.close()
        }
    }
    onClosed: {
        if (connectable && connectable.state !== 0)
            connectable.cancelSession()
    }

    contentItem: ColumnLayout {
        spacing: 8
        Label {
            objectName: "statusText"
            text: root.connectable ? root.connectable.statusText : ""
            font.pointSize: 22
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Label {
            objectName: "statusDetailText"
            text: root.connectable ? root.connectable.statusDetailText : ""
            visible: text !== ""
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        BusyIndicator {
            running: root.connectable ? root.connectable.busy : false
            visible: running
            Layout.alignment: Qt.AlignHCenter
        }
        ListView {
            id: deviceList
            objectName: "deviceList"
            model: root.devices === undefined ? [] : root.devices
            visible: count > 0
            clip: true
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(count, 4) * 44
            delegate: ItemDelegate {
                width: deviceList.width
                height: 44
                text: modelData.title
                highlighted: index === root.selectedIndex
                onClicked: {
                    root.selectedIndex = index
                    root.connectable.selectDevice(index)
                }
            }
        }
        Label {
            objectName: "noDeviceFound"
            text: qsTr("No Device Found")
            visible: root.devices !== undefined && root.devices.length === 0
        }
        RowLayout {
            Layout.fillWidth: true
            Button {
                objectName: "nextActionButton"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                text: root.connectable ? root.connectable.nextActionText : ""
                enabled: root.connectable ? !root.connectable.busy : false
                onClicked: {
                    if (root.connectable.state !== ConnectableState.Connected) {
                        root.connectable.startNextAction()
                        return
                    }
                    disconnectConfirm.ask(qsTr("Disconnect"),
                                          qsTr("A running program goes on without the console."),
                                          qsTr("Disconnect"), function () {
                                              root.connectable.startNextAction()
                                          })
                }
            }
            Button {
                id: cancelButton
                objectName: "cancelButton"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                text: root.settled ? qsTr("Close") : qsTr("Cancel")
                enabled: root.connectable ? !root.connectable.busy : false
                onClicked: root.close()
            }
        }
    }
    UI_ConfirmDialog {
        id: disconnectConfirm
        objectName: "disconnectConfirm"
    }
}
