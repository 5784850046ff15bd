import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The help document inside the console, in the window's palette (reds on black at night);
// "Browser" opens it in the desktop's browser instead.
Page {
    id: root
    objectName: "helpPage"
    readonly property bool night: typeof inj_nightManager !== "undefined" && inj_nightManager.night
    readonly property string html: inj_helpFile.document(night)

    // A link within the document goes to its heading: the heading's text is found in the
    // shown text and the view moves there.
    function goToAnchor(name) {
        const match = new RegExp('id="' + name + '"[^>]*>([^<]*)<').exec(html)
        if (!match)
            return
        const heading = match[1].replace(/&apos;/g, "'").replace(/&quot;/g, '"')
                                .replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&")
        const at = text.getText(0, text.length).indexOf(heading)
        if (at < 0)
            return
        const rect = text.positionToRectangle(at)
        flick.contentY = Math.max(0, Math.min(rect.y, flick.contentHeight - flick.height))
    }

    header: UI_PageHeader {
        title: qsTr("Help")
        buttonText: qsTr("Browser")
        onBack: inj_stackView.pop()
        onButtonClicked: {
            inj_toaster.show(qsTr("Opening page in external app..."))
            inj_helpFile.openInExternalApp()
        }
    }

    Label {
        objectName: "helpMissing"
        visible: root.html === ""
        text: qsTr("The help document could not be read: %1").arg(String(inj_helpFile.helpUrl))
        wrapMode: Text.Wrap
        anchors.fill: parent
        anchors.margins: 12
    }

    Flickable {
        id: flick
        objectName: "helpView"
        visible: root.html !== ""
        anchors.fill: parent
        contentWidth: width
        contentHeight: text.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        TextEdit {
            id: text
            objectName: "helpText"
            width: flick.width
            padding: 12
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.Wrap
            textFormat: TextEdit.RichText
            baseUrl: inj_helpFile.helpUrl
            color: root.palette.text
            text: root.html
            onLinkActivated: function (link) {
                if (link.startsWith("#"))
                    root.goToAnchor(link.substring(1))
                else
                    Qt.openUrlExternally(link)
            }
        }
    }
}
