import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The log pane under the pages: the link's figures, then the program log and the journal
// (the journal's lines in bold), newest at the bottom. Hidden unless the user shows it; the
// choice is kept as "logpane.hidden".
Rectangle {
    id: root
    objectName: "logPane"

    // Day or night colours (NightManager); none: the day's.
    property var nightManager: null
    property bool hidden: inj_kvStore ? inj_kvStore.loadBool("logpane.hidden", true) : true

    readonly property bool night: nightManager !== null && nightManager.night
    readonly property color foreground: nightManager ? nightManager.foreground : "#dd000000"
    readonly property color highlight: nightManager ? nightManager.highlight : "#2e7d32"

    function setHidden(value) {
        hidden = value
        if (inj_kvStore)
            inj_kvStore.saveBool("logpane.hidden", value)
    }

    visible: !hidden
    color: nightManager ? nightManager.background : "#fafafa"
    Material.foreground: foreground

    Rectangle {
        width: parent.width
        height: 1
        color: root.foreground
        opacity: 0.3
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 1
        spacing: 0

        RowLayout {
            spacing: 0
            Layout.fillWidth: true
            Label {
                text: qsTr("Log")
                font.bold: true
                leftPadding: 12
                Layout.fillWidth: true
            }
            ToolButton {
                objectName: "logCopyButton"
                text: qsTr("Copy")
                font.capitalization: Font.MixedCase
                onClicked: inj_logPane.copyAll()
            }
            ToolButton {
                objectName: "logCloseButton"
                icon.name: "close x"
                onClicked: root.setHidden(true)
            }
        }

        TextEdit {
            objectName: "logLinkDetails"
            text: inj_linkHealth.details
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.Wrap
            font.family: "monospace"
            font.pixelSize: 11
            color: root.foreground
            selectionColor: root.Material.accent
            selectedTextColor: root.night ? "#000000" : "#ffffff"
            leftPadding: 8
            rightPadding: 8
            bottomPadding: 4
            Layout.fillWidth: true
        }

        Rectangle {
            color: root.foreground
            opacity: 0.2
            Layout.fillWidth: true
            Layout.preferredHeight: 1
        }

        ListView {
            id: lines
            objectName: "logLines"
            model: inj_logPane
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.vertical: ScrollBar {
                id: scrollBar
            }

            // Stays at the newest line unless the user has scrolled up to read.
            property bool following: true
            onContentYChanged: {
                if (moving || scrollBar.pressed)
                    following = atYEnd
            }
            onMovementEnded: following = atYEnd
            onCountChanged: {
                if (following)
                    Qt.callLater(positionViewAtEnd)
            }
            onHeightChanged: {
                if (following)
                    Qt.callLater(positionViewAtEnd)
            }

            delegate: TextEdit {
                required property string line
                required property bool journal
                text: line
                width: ListView.view.width
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                font.family: "monospace"
                font.pixelSize: 11
                font.bold: journal
                color: journal ? root.highlight : root.foreground
                selectionColor: root.Material.accent
                selectedTextColor: root.night ? "#000000" : "#ffffff"
                leftPadding: 8
                rightPadding: 8
            }
        }
    }
}
