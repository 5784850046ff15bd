import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// Regular- and long-exposure time-lapse: the shooting time, frame period, video, photos,
// swing and speed, of which the unticked ones are computed from the ticked ones. A regular
// exposure is fixed at half a second.
ParamRows {
    id: root
    property bool regularExposure: true

    Param_StdInput {
        objectName: "exposure"
        entries: root.entries
        text: qsTr("Exposure (sec)")
        enabled: root.profile ? !root.profile.calc_exposureSec : true
        error: root.profile ? root.profile.invalidExposure : false
        value: root.profile ? root.profile.exposureSec : 0
        onEdited: v => root.profile.exposureSec = v
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
        objectName: "framePeriod"
        entries: root.entries
        text: qsTr("Frame Period (sec)")
        showInput: true
        error: root.profile ? root.profile.invalidExposure || root.profile.invalidSpeed : false
        value: root.profile ? root.profile.framePeriodSec : 0
        input: root.profile ? root.profile.input_framePeriodSec : false
        refused: root.refused("framePeriodSec")
        calculated: root.profile ? root.profile.calc_framePeriodSec : false
        onEdited: v => root.profile.framePeriodSec = v
        onInputToggled: c => root.profile.input_framePeriodSec = c
    }
    Param_FrameRate {
        objectName: "frameRate"
        fps: root.profile ? root.profile.frameRateFps : 30
        onEdited: f => root.profile.frameRateFps = f
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
    Param_StdInput {
        objectName: "swingRange"
        entries: root.entries
        text: qsTr("Swing Range (deg)")
        showInput: true
        // The mount sweeps whole degrees; a calculated range may show a fraction.
        integer: input
        value: root.profile ? root.profile.swingRangeDeg : 0
        input: root.profile ? root.profile.input_swingRangeDeg : false
        refused: root.refused("swingRangeDeg")
        calculated: root.profile ? root.profile.calc_swingRangeDeg : false
        inputEnabled: root.profile ? !root.profile.block_input_swingRangeDeg : true
        onEdited: v => root.profile.swingRangeDeg = v
        onInputToggled: c => root.profile.input_swingRangeDeg = c
    }
    Param_StdInput {
        objectName: "swingCount"
        entries: root.entries
        text: qsTr("Swings")
        integer: true
        minValue: 1
        enabled: root.profile ? root.profile.enable_swingCount : false
        value: root.profile ? root.profile.swingCount : 1
        onEdited: v => root.profile.swingCount = v
    }
    Param_StdInput {
        objectName: "speed"
        entries: root.entries
        text: qsTr("Speed (deg/hour)")
        showInput: true
        error: root.profile ? root.profile.invalidSpeed : false
        value: root.profile ? root.profile.speedDph : 0
        input: root.profile ? root.profile.input_speedDph : false
        refused: root.refused("speedDph")
        calculated: root.profile ? root.profile.calc_speedDph : false
        onEdited: v => root.profile.speedDph = v
        onInputToggled: c => root.profile.input_speedDph = c
    }
    UI_Row {
        text: qsTr("Clockwise")
        UI_Switch {
            objectName: "clockwise"
            checked: root.profile ? root.profile.clockwise : true
            onToggled: root.profile.clockwise = checked
        }
    }
}
