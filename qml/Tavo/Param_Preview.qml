import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Tavo

// Under a program's rows: how the axis will move (angle against time, with the photos, the
// swings' reversals and the end), when the run ends against the coming night's dawn, and the
// numbers at a point of the plot the user taps.
ColumnLayout {
    id: root
    objectName: "programPreview"
    // The planner's plan of the page's program ({} while the page has none).
    property var plan: ({})
    readonly property bool hasPlan: plan !== undefined && plan.durationSec !== undefined
    spacing: 4
    Layout.fillWidth: true
    Layout.leftMargin: 12
    Layout.rightMargin: 12
    Layout.topMargin: 8

    function time(ms) {
        // Read again when the language changes.
        inj_languageManager.language
        return new Date(ms).toLocaleTimeString(Qt.locale(inj_languageManager.language),
                                               Locale.ShortFormat)
    }
    function duration(sec) {
        const s = Math.round(sec)
        return Math.floor(s / 3600) + ":" + String(Math.floor(s / 60) % 60).padStart(2, "0")
                + ":" + String(s % 60).padStart(2, "0")
    }
    function endText() {
        return plan.unlimited ? qsTr("No end") : qsTr("Ends %1").arg(time(plan.endMs))
    }
    // "Ends 03:40 · dawn 05:12", in the machine's local time.
    function summary() {
        if (!hasPlan)
            return ""
        switch (plan.night) {
        case "astronomical":
            return plan.endsBeforeDusk ? qsTr("%1 · before dusk %2").arg(endText()).arg(
                                             time(plan.duskMs))
                                       : qsTr("%1 · dawn %2").arg(endText()).arg(time(plan.dawnMs))
        case "nautical":
            return qsTr("%1 · no astronomical night; nautical dawn %2").arg(endText()).arg(
                        time(plan.dawnMs))
        case "none":
            return qsTr("%1 · no astronomical or nautical night").arg(endText())
        }
        return qsTr("%1 · set the location to compare with dawn").arg(endText())
    }
    function warning() {
        if (!hasPlan)
            return ""
        const lines = []
        if (plan.endsAfterDawn)
            lines.push(qsTr("The run ends after dawn"))
        if (plan.startsBeforeDusk)
            lines.push(qsTr("It begins before dusk (%1)").arg(time(plan.duskMs)))
        return lines.join("\n")
    }

    ProgramPlot {
        id: plot
        objectName: "programPlot"
        visible: root.hasPlan
        plan: root.hasPlan ? root.plan : ({})
        lineColor: root.Material.foreground
        textColor: root.Material.foreground
        markColor: root.Material.accent
        Layout.fillWidth: true
        Layout.preferredHeight: 150
        TapHandler {
            onTapped: function (point) {
                const at = plot.pointAt(point.position.x)
                plot.pickedSec = at.tSec !== undefined ? at.tSec : -1
            }
        }
    }
    Label {
        objectName: "previewPicked"
        visible: root.hasPlan && plot.pickedSec >= 0
        text: visible ? qsTr("At %1 from the start: %2°").arg(root.duration(plot.pickedSec)).arg(
                            plot.angleAtSec(plot.pickedSec).toLocaleString(
                                Qt.locale(inj_languageManager.language), "f", 2)) : ""
        font.pixelSize: 12
    }
    Label {
        objectName: "previewLegend"
        visible: root.hasPlan
        text: qsTr("Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model")
        wrapMode: Text.Wrap
        opacity: 0.7
        font.pixelSize: 11
        Layout.fillWidth: true
    }
    Label {
        objectName: "previewSummary"
        visible: text !== ""
        text: root.summary()
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    Label {
        objectName: "previewWarning"
        visible: text !== ""
        text: root.warning()
        font.bold: true
        color: root.Material.accent
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
