import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase
import JexQtCommon
import Tavo

// One shooting program's page.
Page {
    id: root
    objectName: "programPage"
    property int mode: 0

    header: UI_PageHeader {
        title: [qsTr("Manual"), qsTr("Astrophotography"), qsTr("Regular-Exposure Time-lapse"),
            qsTr("Long-Exposure Time-lapse"), qsTr("Astro Time-lapse")][root.mode]
        onBack: inj_stackView.pop()
    }
}
