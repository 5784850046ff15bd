import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// Turning the axis by hand: hold an arrow (or the Left/Right key, the game pad's D-pad or its
// left stick pushed past half-way) to slew, let go to stop; the pad's A zeroes the angle.
// The angle is read about twice a second while the page is in front. Whatever could swallow
// the release (the page covered or closed, the window losing focus or hidden) stops the axis.
Page {
    id: root
    objectName: "manualControl"

    readonly property var tavo: inj_iConnector.tavo
    readonly property bool active: StackView.status === StackView.Active
    // Only a page in front of an active, visible window can see a key or button let go.
    readonly property bool canHold: active && visible && Window.active
    onCanHoldChanged: {
        if (!canHold)
            stop()
    }

    function slew(direction) {
        if (canHold)
            inj_manualSlew.hold(direction)
    }
    function stop() {
        stickDirection = 0
        inj_manualSlew.release()
    }
    // Which way the left stick holds the axis: -1, 0 or 1.
    property int stickDirection: 0

    // A game-pad key for this page; true when it was used.
    function padKey(key, action, value) {
        switch (key) {
        case HandleController.DPAD_LEFT:
        case HandleController.DPAD_RIGHT:
            if (action === HandleController.DOWN)
                slew(key === HandleController.DPAD_LEFT ? -1 : 1)
            else
                stop()
            return true
        case HandleController.JOYSTICK_LEFT_X: {
            const direction = value <= -0.5 ? -1 : value >= 0.5 ? 1 : 0
            if (direction === stickDirection)
                return true
            stickDirection = direction
            if (direction !== 0)
                slew(direction)
            else
                stop()
            return true
        }
        case HandleController.GAMEPAD_A:
            // A asks, and a second A answers the question.
            if (action === HandleController.DOWN && tavo) {
                if (zeroConfirm.opened)
                    zeroConfirm.confirm()
                else
                    askZero()
            }
            return true
        }
        return false
    }

    function askZero() {
        zeroConfirm.ask(qsTr("Zero the Angle"),
                        qsTr("The angle shown is counted from the axis's present position from now on."),
                        qsTr("Zero"), function () {
                            if (root.tavo)
                                root.tavo.tareLastAxis1()
                        })
    }

    function updateReading() {
        if (tavo)
            tavo.setPeriodicPositionRead(active)
    }

    onActiveChanged: updateReading()
    onTavoChanged: updateReading()
    Component.onDestruction: {
        inj_manualSlew.release()
        if (tavo)
            tavo.setPeriodicPositionRead(false)
    }

    focus: true
    Keys.onPressed: function (event) {
        if (event.isAutoRepeat)
            return
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
            slew(event.key === Qt.Key_Left ? -1 : 1)
            event.accepted = true
        }
    }
    Keys.onReleased: function (event) {
        if (event.isAutoRepeat)
            return
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
            stop()
            event.accepted = true
        }
    }

    header: UI_PageHeader {
        title: qsTr("Manual Control")
        onBack: inj_stackView.pop()
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - 24
        spacing: 16

        Label {
            text: root.tavo ? qsTr("Hold an arrow to turn the mount") : qsTr("Not Connected")
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            ManualControl_Button {
                objectName: "slewLeft"
                direction: -1
                enabled: root.tavo !== null
                Layout.preferredWidth: 72
                Layout.preferredHeight: 72
                onSlew: function (d) {
                    root.slew(d)
                }
                onRelease: root.stop()
            }
            Item {
                Layout.fillWidth: true
                implicitHeight: 72
                Label {
                    objectName: "angleText"
                    anchors.centerIn: parent
                    visible: !inj_converserTimeoutForwarder.timedout
                    text: root.tavo ? (root.tavo.lastAxis1 * 180 / Math.PI).toFixed(2) + "°" : "–"
                    font.pixelSize: 28
                }
                BusyIndicator {
                    anchors.centerIn: parent
                    running: inj_converserTimeoutForwarder.timedout
                    visible: running
                }
            }
            ManualControl_Button {
                objectName: "slewRight"
                direction: 1
                enabled: root.tavo !== null
                Layout.preferredWidth: 72
                Layout.preferredHeight: 72
                onSlew: function (d) {
                    root.slew(d)
                }
                onRelease: root.stop()
            }
        }
        Button {
            objectName: "zeroButton"
            text: qsTr("Zero")
            enabled: root.tavo !== null
            Layout.alignment: Qt.AlignHCenter
            onClicked: root.askZero()
        }
    }
    UI_ConfirmDialog {
        id: zeroConfirm
        objectName: "zeroConfirm"
    }
}
