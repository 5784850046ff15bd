import QtQuick
import QtQuick.Layouts

// A thin line between groups of rows.
Rectangle {
    Layout.fillWidth: true
    Layout.leftMargin: 12
    Layout.rightMargin: 12
    implicitHeight: 1
    color: palette.mid
    opacity: 0.5
}
