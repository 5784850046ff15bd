import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Astro time-lapse: exposure and tracking rate, and the shooting time, video length, frame
// rate and photos, of which the unticked ones are computed from the ticked ones.
ParamRows {
    id: root

    Param_StdInput {
        objectName: "exposure"
        entries: root.entries
        text: qsTr("Exposure (sec)")
        value: root.profile ? root.profile.exposureSec : 0
        onEdited: v => root.profile.exposureSec = v
    }
    Param_AstroRateX {
        objectName: "trackingRate"
        entries: root.entries
        text: qsTr("Tracking Rate")
        rateDegPerSec: root.profile ? root.profile.trackingRateDegPerSec : 0
        onEdited: v => root.profile.trackingRateDegPerSec = v
    }
    Param_StdInput {
        objectName: "totalTime"
        entries: root.entries
        text: qsTr("Total Time (hours)")
        showInput: true
        value: root.profile ? root.profile.videoTimeSpanHour : 0
        hours: true
        input: root.profile ? root.profile.input_videoTimeSpanHour : false
        refused: root.refused("videoTimeSpanHour")
        calculated: root.profile ? root.profile.calc_videoTimeSpanHour : false
        onEdited: v => root.profile.videoTimeSpanHour = v
        onInputToggled: c => root.profile.input_videoTimeSpanHour = c
    }
    Param_StdInput {
        objectName: "videoLength"
        entries: root.entries
        text: qsTr("Video Length (sec)")
        showInput: true
        value: root.profile ? root.profile.videoLengthSec : 0
        input: root.profile ? root.profile.input_videoLengthSec : false
        refused: root.refused("videoLengthSec")
        calculated: root.profile ? root.profile.calc_videoLengthSec : false
        onEdited: v => root.profile.videoLengthSec = v
        onInputToggled: c => root.profile.input_videoLengthSec = c
    }
    Param_FrameRate {
        objectName: "frameRate"
        fps: root.profile ? root.profile.frameRateFps : 30
        onEdited: f => root.profile.frameRateFps = f
    }
    Param_StdInput {
        objectName: "photos"
        entries: root.entries
        text: qsTr("Photos")
        integer: true
        showInput: true
        value: root.profile ? root.profile.photos : 0
        input: root.profile ? root.profile.input_photos : false
        refused: root.refused("photos")
        calculated: root.profile ? root.profile.calc_photos : false
        onEdited: v => root.profile.photos = v
        onInputToggled: c => root.profile.input_photos = c
    }
}
