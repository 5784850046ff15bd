import QtQuick
import QtQuick.Layouts

// Empty space between groups of rows.
Item {
    property int space: 20
    Layout.fillWidth: true
    implicitHeight: space
}
