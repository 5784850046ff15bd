import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Astrophotography: exposure, interval, photos, tracking rate and dithering; the total time
// and, while the program runs, when it will be done.
ParamRows {
    id: root

    // When the running program ends, as the estimator reckons it from the mount's own count.
    function finishText() {
        if (!ownTaskRuns)
            return ""
        inj_iTaskState.status // read again with each status
        const estimate = inj_iTaskEstimator.estimate_q()
        if (estimate === undefined || estimate === null || estimate.noEnd)
            return ""
        return new Date(estimate.endTimeUnixMs).toLocaleTimeString(Qt.locale(), "HH:mm:ss")
    }

    Param_StdInput {
        objectName: "exposure"
        entries: root.entries
        text: qsTr("Exposure (sec)")
        value: root.profile ? root.profile.exposureSec : 0
        onEdited: v => root.profile.exposureSec = v
    }
    Param_StdInput {
        objectName: "interval"
        entries: root.entries
        text: qsTr("Interval (sec)")
        value: root.profile ? root.profile.photoIntervalSec : 0
        onEdited: v => root.profile.photoIntervalSec = v
    }
    Param_StdInput {
        objectName: "photos"
        entries: root.entries
        text: qsTr("Photos")
        integer: true
        showInput: true
        value: root.profile ? root.profile.photos : 0
        input: root.profile ? root.profile.input_photos : false
        onEdited: v => root.profile.photos = v
        onInputToggled: c => root.profile.input_photos = c
    }
    Param_AstroRateX {
        objectName: "trackingRate"
        entries: root.entries
        text: qsTr("Tracking Rate")
        rateDegPerSec: root.profile ? root.profile.trackingRateDegPerSec : 0
        onEdited: v => root.profile.trackingRateDegPerSec = v
    }
    Param_StdInput {
        objectName: "dithering"
        entries: root.entries
        text: qsTr("Dithering (arcmin)")
        showInput: true
        value: root.profile ? root.profile.ditheringRangeArcMin : 0
        input: root.profile ? root.profile.input_ditheringRangeArcMin : false
        onEdited: v => root.profile.ditheringRangeArcMin = v
        onInputToggled: c => root.profile.input_ditheringRangeArcMin = c
    }
    UI_Row {
        text: qsTr("Total Time")
        Label {
            objectName: "totalTime"
            text: root.durationText(root.profile ? root.profile.totalTimeSec : 0)
            Layout.rightMargin: 45
        }
    }
    UI_Row {
        visible: finish.text !== ""
        text: qsTr("Finish Time")
        Label {
            id: finish
            objectName: "finishTime"
            text: root.finishText()
            Layout.rightMargin: 45
        }
    }
}
