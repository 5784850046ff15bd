import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The polar-scope reticle and its text list for one hemisphere, kept current every two
// seconds while active.
ColumnLayout {
    id: root
    property bool north: true
    property bool active: false
    spacing: 4

    function refresh() {
        inj_polarScopeInfo.north = north
        inj_polarScopePaintedItem.north = north
        inj_polarScopeInfo.update()
        inj_polarScopePaintedItem.update()
    }

    onNorthChanged: refresh()
    onActiveChanged: if (active)
                         refresh()

    Timer {
        interval: 2000
        repeat: true
        running: root.active
        onTriggered: root.refresh()
    }

    Item {
        id: holder
        objectName: "reticleHolder"
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 160
        // The one published reticle item is placed into whichever drawing shows it.
        function adopt() {
            inj_polarScopePaintedItem.parent = holder
            inj_polarScopePaintedItem.anchors.fill = holder
        }
        Component.onCompleted: if (root.active)
                                   adopt()
        Connections {
            target: root
            function onActiveChanged() {
                if (root.active)
                    holder.adopt()
            }
        }
    }

    Repeater {
        objectName: "infoList"
        model: inj_polarScopeInfo.infoList
        delegate: RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Label {
                text: modelData.field
                Layout.fillWidth: true
                elide: Text.ElideRight
            }
            Label {
                text: modelData.fieldValue
                font.bold: true
            }
        }
    }
}
