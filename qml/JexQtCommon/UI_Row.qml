import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One row of a settings-like list: a label on the left, the row's controls on the right.
RowLayout {
    id: root
    property alias text: label.text
    spacing: 8
    Layout.fillWidth: true
    Layout.leftMargin: 12
    Layout.rightMargin: 12
    Layout.minimumHeight: 44

    Label {
        id: label
        wrapMode: Text.Wrap
        verticalAlignment: Text.AlignVCenter
        Layout.fillWidth: true
        Layout.fillHeight: true
    }
}
