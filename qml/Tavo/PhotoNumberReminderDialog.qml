import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Before a run with a photo count on a mount that may have a mode dial: the count also
// applies when the dial starts the mount. Shown while the user wants it, and again a month
// after it was last closed. "Run" starts the run; "Cancel", Escape or a click outside leave
// the mount as it is.
UI_Dialog {
    id: root
    objectName: "photoNumberReminder"
    title: qsTr("Number of Photos")
    readonly property real periodMs: 2592000000
    // Unix milliseconds now; replaceable so that the month can be tried without waiting.
    property var clock: function () {
        return Date.now()
    }
    property var pending: null

    function due() {
        if (inj_kvStore.loadBool("remindPhotoNumber", true))
            return true
        return clock() - inj_kvStore.loadDouble("remindPhotoNumber.ts", 0) >= periodMs
    }
    // Runs then() at once when no reminder is due, else once the reminder is closed.
    function consult(then) {
        if (!due()) {
            then()
            return
        }
        pending = then
        remindBox.checked = inj_kvStore.loadBool("remindPhotoNumber", true)
        open()
    }

    function keepChoice() {
        inj_kvStore.saveBool("remindPhotoNumber", remindBox.checked)
        inj_kvStore.saveDouble("remindPhotoNumber.ts", clock())
    }
    function run() {
        const then = pending
        pending = null
        close()
        if (then)
            then()
    }
    onClosed: {
        keepChoice()
        pending = null
    }

    defaultButton: reminderRun
    footer: DialogButtonBox {
        Button {
            objectName: "reminderCancel"
            text: qsTr("Cancel")
            flat: true
            onClicked: root.close()
        }
        Button {
            id: reminderRun
            objectName: "reminderRun"
            text: qsTr("Run")
            flat: true
            onClicked: root.run()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        Label {
            text: qsTr("The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.")
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        Param_CheckBox {
            id: remindBox
            objectName: "remindNextTime"
            text: qsTr("Remind me next time")
            Layout.fillWidth: true
        }
    }
}
