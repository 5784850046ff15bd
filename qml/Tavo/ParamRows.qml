import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The rows of one program kind, bound to the page's profile.
ColumnLayout {
    id: root
    property var profile: null
    // This page's program is the one the mount runs.
    property bool ownTaskRuns: false
    // The page's number fields (a NumberEntryGroup).
    property var entries: null
    spacing: 0

    // The user ticked the quantity, but the other ticked values determine it.
    function refused(name) {
        return profile !== null && profile.refusedInputs.indexOf(name) >= 0
    }

    // Seconds as h:mm:ss; "∞" for an unlimited program.
    function durationText(sec) {
        if (!(sec > 0))
            return "∞"
        const s = Math.round(sec)
        const h = Math.floor(s / 3600)
        const m = Math.floor(s / 60) % 60
        const r = s % 60
        return h + ":" + (m < 10 ? "0" : "") + m + ":" + (r < 10 ? "0" : "") + r
    }
}
