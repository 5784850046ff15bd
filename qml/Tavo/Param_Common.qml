import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import JexQtCommonBase
import JexQtCommon
import JexAstroBase
import Tavo

// One shooting program's page: its rows on the page's working profile, "Run"/"Stop", the
// profile's complaint and the saved profiles. The working profile is the list's unnamed one:
// loaded when the page opens, saved when it closes.
Page {
    id: root
    objectName: "programPage"
    property int mode: TAVOMode.Manual

    readonly property var profileList: mode === TAVOMode.AP ? inj_iTaskProfileList_AP
                                        : mode === TAVOMode.ATL ? inj_iTaskProfileList_ATL
                                        : mode === TAVOMode.Reg ? inj_iTaskProfileList_Reg
                                        : inj_iTaskProfileList_Long
    property var profile: null
    readonly property var tavo: inj_iConnector.tavo
    readonly property bool taskRunning: inj_iTaskState.isRunningTask === true
    readonly property bool ownTaskRuns: taskRunning && inj_iTaskState.status !== undefined
                                        && inj_iTaskState.status.mode === mode
    property bool sending: false
    readonly property alias nameDialog: nameDialog
    readonly property alias reminder: reminder
    // A mount with a mode dial starts the stored program by itself, photo count included.
    property bool mayHaveModeDial: !tavo || tavo.isVelmoraWifi
    // Every number field says the value the program uses: Run sends what the page shows.
    readonly property bool canRun: !sending && tavo !== null
                                   && (taskRunning || (profile !== null && profile.paramSet !== undefined
                                                       && numberEntries.allInStep))

    NumberEntryGroup {
        id: numberEntries
    }

    // The program laid out against the coming night, from now (from its start while it
    // runs), again as the user edits and once a minute while the page is open.
    property real planNowMs: Date.now()
    function planStartMs() {
        if (ownTaskRuns) {
            const e = inj_iTaskEstimator.estimate_q()
            if (e !== undefined && e.in_StartTimeUnixMs > 0)
                return e.in_StartTimeUnixMs
        }
        return planNowMs
    }
    readonly property var plan: profile !== null && profile.paramSet !== undefined
                                && typeof inj_programPlanner !== "undefined"
                                ? inj_programPlanner.plan(profile.paramSet, planStartMs()) : ({})
    Timer {
        interval: 60000
        repeat: true
        running: root.StackView.status === StackView.Active
        onTriggered: root.planNowMs = Date.now()
    }

    // Why Run is grey: no mount, the first number field that is not what the program uses,
    // the profile's message, or too few ticked values to work the program out.
    function bannerText() {
        const lines = []
        if (tavo === null && !taskRunning)
            lines.push(qsTr("Not connected: connect to a mount to run the program"))
        if (numberEntries.problem !== "")
            lines.push(numberEntries.problem)
        // Not refused: a program of photos of no length may be meant as tracking only.
        if (mode === TAVOMode.AP && profile && profile.exposureSec === 0)
            lines.push(qsTr("Exposure is 0 s: meant as tracking only?"))
        const message = profile ? errorText(profile.errorMessage) : ""
        if (message !== "")
            lines.push(message)
        else if (profile && profile.paramSet === undefined)
            lines.push(qsTr("Tick enough values for the frame period and the speed to follow from them"))
        return lines.join("\n")
    }
    function errorText(message) {
        if (!message || message.length === 0)
            return ""
        let text = qsTranslate("tavo_profile", message[0])
        for (let i = 1; i < message.length; ++i)
            text = text.arg(message[i])
        return text
    }
    function send(future) {
        sending = true
        inj_outcomes.toastFailure(future)
        CmdRetPromise.get(future, root).then(function () {
            root.sending = false
        }, function () {
            root.sending = false
        })
    }
    function run() {
        const params = profile.paramSet
        if (params === undefined)
            return
        const refusal = root.tavo ? root.tavo.programOutOfRange(params) : ""
        if (refusal !== "") {
            inj_toaster.show(refusal)
            return
        }
        const start = function () {
            if (root.tavo)
                root.send(root.tavo.programAutoMode(params))
        }
        if (mayHaveModeDial && params.N_Cycles !== 0)
            reminder.consult(start)
        else
            start()
    }
    function headerClicked() {
        if (!taskRunning) {
            run()
            return
        }
        confirm.ask(qsTr("Stop the Program"),
                    qsTr("The mount stops tracking and taking photos. A stopped program cannot be resumed where it was."),
                    qsTr("Stop"), function () {
                        if (root.tavo)
                            root.send(root.tavo.programManualMode())
                    })
    }
    function followRunningProgram() {
        if (ownTaskRuns && profile && inj_iTaskState.paramSet !== undefined)
            profile.updateWithParamSet(inj_iTaskState.paramSet)
    }
    function loadProfile(index) {
        const loaded = profileList.load(index)
        if (loaded)
            profile = loaded
    }
    function saveAs(name) {
        profile.name = name
        profileList.save(profile)
    }

    Component.onCompleted: {
        profile = profileList.unnamedProfile_load()
        followRunningProgram()
    }
    // Once, when the page goes (off the stack, or with the window).
    property bool kept: false
    function keepWorkingProfile() {
        if (kept || !profile || !profileList)
            return
        kept = true
        profileList.unnamedProfile_save(profile)
    }
    StackView.onRemoved: keepWorkingProfile()
    // Closing the window with the page open keeps what was typed as well.
    Component.onDestruction: keepWorkingProfile()
    onOwnTaskRunsChanged: followRunningProgram()
    Connections {
        target: inj_iTaskState
        function onValueChanged() {
            root.followRunningProgram()
        }
    }

    // Ctrl+R runs the page's program, Ctrl+. stops it (asking first, as the button does).
    Shortcut {
        sequence: "Ctrl+R"
        enabled: root.StackView.status === StackView.Active && !root.taskRunning && root.canRun
        onActivated: root.headerClicked()
    }
    Shortcut {
        sequence: "Ctrl+."
        enabled: root.StackView.status === StackView.Active && root.taskRunning && root.canRun
        onActivated: root.headerClicked()
    }

    header: UI_PageHeader {
        title: [qsTr("Manual"), qsTr("Astrophotography"), qsTr("Regular-Exposure Time-lapse"),
            qsTr("Long-Exposure Time-lapse"), qsTr("Astro Time-lapse")][root.mode]
        buttonText: root.taskRunning ? qsTr("Stop") : qsTr("Run")
        buttonEnabled: root.canRun
        onBack: inj_stackView.pop()
        onButtonClicked: root.headerClicked()
    }

    Flickable {
        objectName: "paramFlick"
        anchors.fill: parent
        contentHeight: column.implicitHeight
        clip: true
        // A bar to drag on a desktop, shown while the page is longer than the window.
        ScrollBar.vertical: ScrollBar {}
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            // In a wide window the form keeps a readable width, labels near their fields.
            width: Math.min(parent.width, 600)
            x: Math.max(0, Math.round((parent.width - width) / 2))
            spacing: 0

            Rectangle {
                objectName: "errorBanner"
                visible: errorLabel.text !== ""
                Layout.fillWidth: true
                implicitHeight: errorLabel.implicitHeight + 16
                color: "transparent"
                Rectangle {
                    anchors.fill: parent
                    color: "red"
                    opacity: 0.15
                }
                Label {
                    id: errorLabel
                    objectName: "errorText"
                    anchors.fill: parent
                    anchors.margins: 8
                    anchors.leftMargin: 12
                    wrapMode: Text.Wrap
                    verticalAlignment: Text.AlignVCenter
                    text: root.bannerText()
                }
            }
            Loader {
                id: rows
                objectName: "rowsLoader"
                Layout.fillWidth: true
                enabled: !root.ownTaskRuns && !root.sending
                sourceComponent: root.mode === TAVOMode.AP ? apRows
                                 : root.mode === TAVOMode.ATL ? atlRows : regLongRows
            }
            Param_Preview {
                plan: root.plan
            }
            Param_WiFiOffOnRun {
                enabled: !root.ownTaskRuns && !root.sending
            }
            Param_ProfilePane {
                profileList: root.profileList
                enabled: !root.ownTaskRuns && !root.sending
                onLoadRequested: index => root.loadProfile(index)
                onSaveRequested: nameDialog.ask(root.profile.name, names())
            }
        }
    }

    Component {
        id: apRows
        ParamRows_AP {
            profile: root.profile
            ownTaskRuns: root.ownTaskRuns
            entries: numberEntries
        }
    }
    Component {
        id: atlRows
        ParamRows_ATL {
            profile: root.profile
            ownTaskRuns: root.ownTaskRuns
            entries: numberEntries
        }
    }
    Component {
        id: regLongRows
        ParamRows_RegLong {
            profile: root.profile
            ownTaskRuns: root.ownTaskRuns
            entries: numberEntries
            regularExposure: root.mode === TAVOMode.Reg
        }
    }

    Param_ProfileNameDialog {
        id: nameDialog
        parent: Overlay.overlay
        profileList: root.profileList
        onChosen: name => root.saveAs(name)
    }
    UI_ConfirmDialog {
        id: confirm
        objectName: "stopConfirm"
    }
    PhotoNumberReminderDialog {
        id: reminder
        parent: Overlay.overlay
    }
}
