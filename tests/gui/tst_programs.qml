import QtQuick
import QtQuick.Controls
import QtTest

// The four program pages on the demo mount: the solver's numbers on screen, a refused
// combination, running and stopping a program with its progress, saved profiles and what the
// boxes show of them, numbers in a language with a decimal comma, the photo-number reminder
// and the tracking-rate list.
TestCase {
    id: tc
    name: "Programs"
    when: windowShown
    property var window: null
    readonly property real dayMs: 86400000

    function find(name, within) {
        const found = findChild(within === undefined ? window : within, name)
        verify(found !== null, "no " + name)
        return found
    }
    function home() {
        find("stackView").pop(null)
    }
    function open(menuButton) {
        home()
        mouseClick(find(menuButton))
        const page = find("stackView").currentItem
        compare(page.objectName, "programPage")
        return page
    }
    // Types into a row's field as a person would.
    function enter(page, row, text) {
        const field = find(row + "Field", page)
        mouseClick(field)
        field.selectAll()
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
    }
    function setInput(page, row, checked) {
        const box = find(row + "Input", page)
        if (box.checked !== checked)
            mouseClick(box)
        compare(box.checked, checked)
    }
    function fieldText(page, row) {
        return find(row + "Field", page).text
    }
    function stopProgram() {
        if (test_sim.memoryByte(0x00) === 0)
            return
        inj_iConnector.tavo.programManualMode()
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 0 && inj_iTaskState.isRunningTask === false
        }, 10000)
    }
    function saveAs(page, name) {
        mouseClick(find("profileSave", page))
        const dialog = find("profileNameDialog", page)
        tryCompare(dialog, "opened", true)
        const field = find("profileNameField", dialog)
        field.text = name
        const warned = find("overwriteWarning", dialog).visible
        mouseClick(dialog.standardButton(Dialog.Ok))
        tryCompare(dialog, "visible", false)
        return warned
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/qt/qml/App/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        window.width = 320
        window.height = 640
        window.requestActivate()
        tryVerify(function () {
            return window.active
        }, 5000)
        inj_iConnectable.startSession()
        tryVerify(function () {
            return inj_iConnector.connected
        }, 15000)
        tryCompare(find("popupConnect"), "visible", false)
    }
    function cleanup() {
        stopProgram()
        inj_languageManager.language = "en"
        home()
    }
    function cleanupTestCase() {
        window.destroy()
    }

    function test_regularExposureCalculatesPhotosAndVideo() {
        const page = open("menuReg")
        for (const row of ["videoLength", "photos", "swingRange", "speed"])
            setInput(page, row, false)
        setInput(page, "totalTime", true)
        enter(page, "totalTime", "1")
        compare(find("totalTimeDuration", page).text, "1 h 0 min")
        setInput(page, "framePeriod", true)
        enter(page, "framePeriod", "10")
        const rate = find("frameRateBox", page)
        rate.currentIndex = rate.indexOfItem(30)
        rate.activated(rate.currentIndex)
        // One hour at one frame every 10 s is 360 photos; at 30 frames a second, 12 s of video.
        tryCompare(find("photosField", page), "text", "360")
        compare(fieldText(page, "videoLength"), "12")
        compare(fieldText(page, "exposure"), "0.5")
    }

    function test_longExposureRefusesAShortFramePeriod() {
        const page = open("menuLong")
        setInput(page, "framePeriod", true)
        enter(page, "framePeriod", "10")
        setInput(page, "speed", true)
        enter(page, "speed", "30")
        enter(page, "exposure", "9.6")
        tryCompare(find("errorText", page), "text",
                   "Frame period must be at least 0.5 seconds longer than exposure")
        verify(find("exposureField", page).invalid)
        verify(!find("headerButton", page).enabled)
        enter(page, "exposure", "9")
        tryCompare(find("errorText", page), "text", "")
        verify(find("headerButton", page).enabled)
    }

    function test_runShowsProgressAndStops() {
        let page = open("menuAP")
        setInput(page, "photos", true)
        enter(page, "photos", "500")
        enter(page, "exposure", "0.5")
        enter(page, "interval", "0.5")
        compare(find("totalTime", page).text, "0:08:20") // 500 × 1 s
        const header = find("headerButton", page)
        compare(header.text, "Run")
        mouseClick(header)
        // The mount runs astrophotography (mode 1) for the 500 photos the page shows.
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 1
        }, 10000)
        compare(test_sim.memoryU32(0x34), 500)
        compare(fieldText(page, "photos"), "500")
        tryCompare(header, "text", "Stop", 10000)
        verify(!find("rowsLoader", page).enabled)
        tryVerify(function () {
            return find("finishTime", page).text !== ""
        }, 5000)

        home()
        tryVerify(function () {
            return find("menuAP").font.underline
        }, 5000)
        verify(!find("menuLong").enabled)

        const progress = find("progressButton")
        tryVerify(function () {
            return progress.enabled
        }, 5000)
        mouseClick(progress)
        const dialog = find("taskProgressDialog")
        tryCompare(dialog, "opened", true)
        const taken = find("photosTaken", dialog)
        const first = Number(taken.text)
        tryVerify(function () {
            return Number(taken.text) > first
        }, 10000)
        verify(find("progressText", dialog).text.startsWith("Progress: "))
        dialog.close()
        tryCompare(dialog, "visible", false)

        // Stop asks first: Escape leaves the program running.
        page = open("menuAP")
        const ask = find("stopConfirm", page)
        mouseClick(find("headerButton", page))
        tryCompare(ask, "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(ask, "visible", false)
        verify(!page.sending)
        compare(test_sim.memoryByte(0x00), 1)
        mouseClick(find("headerButton", page))
        tryCompare(ask, "opened", true)
        mouseClick(find("confirmAccept", ask))
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 0
        }, 10000)
        tryCompare(find("headerButton", page), "text", "Run", 10000)
    }

    // Without a mount the run's state is not known: the progress dialog does not call it done.
    function test_progressWithoutAMountIsNotDone() {
        const page = open("menuAP")
        setInput(page, "photos", true)
        enter(page, "photos", "500")
        enter(page, "exposure", "0.5")
        enter(page, "interval", "0.5")
        mouseClick(find("headerButton", page))
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 1 && inj_iTaskState.isRunningTask === true
        }, 10000)
        home()
        const progress = find("progressButton")
        tryVerify(function () {
            return progress.enabled
        }, 5000)
        mouseClick(progress)
        const dialog = find("taskProgressDialog")
        tryCompare(dialog, "opened", true)
        inj_iConnector.interruptionDisconnect()
        tryCompare(find("taskDone", dialog), "text", "Not connected: the mount's state is unknown",
                   5000)
        dialog.close()
        tryCompare(dialog, "visible", false)
        inj_iConnectable.startSession()
        tryVerify(function () {
            return inj_iConnector.connected
        }, 15000)
        tryCompare(find("popupConnect"), "visible", false)
    }

    function test_savedProfilesSurviveARestart() {
        const page = open("menuATL")
        enter(page, "exposure", "45")
        verify(!saveAs(page, "Milky Way"))
        verify(!saveAs(page, "Moonrise"))
        compare(test_profileStore.savedNames(4), ["Milky Way", "Moonrise"])
        // The same name again: warned, and the profile moves to the end.
        verify(saveAs(page, "Milky Way"))
        compare(test_profileStore.savedNames(4), ["Moonrise", "Milky Way"])
        enter(page, "exposure", "60")
        mouseClick(find("profileRowButton1", page)) // "Load"
        tryCompare(find("exposureField", page), "text", "45")

        mouseClick(find("profileEdit", page))
        mouseClick(find("profileRowButton0", page)) // "Delete" in edit mode
        const ask = find("deleteConfirm", page)
        tryCompare(ask, "opened", true)
        compare(find("confirmText", ask).text, "Delete the profile “Moonrise”?")
        mouseClick(find("confirmAccept", ask))
        compare(test_profileStore.savedNames(4), ["Milky Way"])
    }

    // The user's choice in a box does not stay when a profile is loaded: the boxes show the
    // loaded rate and frame rate, and Run sends them.
    // Only the given rows ticked.
    function tickOnly(page, rows) {
        for (const row of ["totalTime", "videoLength", "photos"])
            setInput(page, row, rows.indexOf(row) >= 0)
    }

    function test_loadedProfileShowsInTheBoxes() {
        const page = open("menuATL")
        tickOnly(page, ["videoLength"])
        enter(page, "videoLength", "4")
        verify(!saveAs(page, "Thirty"))
        const rate = find("rateBox", page)
        rate.activated(2) // "Lunar"
        const frames = find("frameRateBox", page)
        frames.activated(1) // "25 (PAL)"
        compare(rate.currentText, "Lunar")
        compare(frames.currentText, "25 (PAL)")
        // 4 s at 25 frames a second.
        tryCompare(find("photosField", page), "text", "100")

        mouseClick(find("profileRowButton" + (find("profileRows", page).count - 1), page))
        tryCompare(rate, "currentText", "Sidereal")
        compare(frames.currentText, "30 (NTSC)")
        mouseClick(find("headerButton", page))
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 4
        }, 10000)
        // Sidereal: a step period of 62329 ticks; 4 s at 30 frames a second.
        compare(test_sim.memoryU32(0x24), 62329)
        compare(test_sim.memoryU32(0x34), 120)
        page.profileList.list = page.profileList.list.filter(function (p) {
            return p.name !== "Thirty"
        })
    }

    // What is typed reads in the console's language: a decimal comma in German; in English
    // the comma is refused with the reason, and Run waits until the field says a number.
    function test_decimalCommaFollowsTheLanguage() {
        inj_languageManager.language = "de"
        let page = open("menuATL")
        tickOnly(page, ["totalTime"])
        enter(page, "totalTime", "2,5")
        compare(page.profile.videoTimeSpanHour, 2.5)
        compare(fieldText(page, "totalTime"), "2,5")
        verify(find("headerButton", page).enabled)

        inj_languageManager.language = "en"
        page = open("menuATL")
        compare(fieldText(page, "totalTime"), "2.5")
        enter(page, "totalTime", "2,5")
        // The profile has the last number the field read as ("2", before the comma).
        compare(page.profile.videoTimeSpanHour, 2)
        verify(find("totalTimeField", page).invalid)
        compare(find("errorText", page).text,
                "Total Time (hours): Use \".\" for decimals, without thousands separators")
        verify(!find("headerButton", page).enabled)
        enter(page, "totalTime", "3")
        compare(page.profile.videoTimeSpanHour, 3)
        verify(find("headerButton", page).enabled)
    }

    function test_reservedNameIsRefusedWithTheReason() {
        const page = open("menuAP")
        const before = page.profile.name
        mouseClick(find("profileSave", page))
        const dialog = find("profileNameDialog", page)
        tryCompare(dialog, "opened", true)
        find("profileNameField", dialog).text = "<unnamed>"
        const ok = dialog.standardButton(Dialog.Ok)
        verify(!ok.enabled)
        verify(find("nameRefusal", dialog).text.indexOf("working profile") >= 0)
        keyClick(Qt.Key_Return)
        verify(dialog.opened)
        dialog.reject()
        tryCompare(dialog, "visible", false)
        compare(page.profile.name, before)
    }

    // The name offered is selected: typing replaces it.
    function test_nameDialogOffersTheNameSelected() {
        const page = open("menuATL")
        page.profile.name = "Milky Way"
        mouseClick(find("profileSave", page))
        const dialog = find("profileNameDialog", page)
        tryCompare(dialog, "opened", true)
        for (const c of "M31")
            keyClick(c)
        compare(find("profileNameField", dialog).text, "M31")
        dialog.reject()
        tryCompare(dialog, "visible", false)
    }

    // A pan without a given range sweeps the whole travel, and the page shows it: 10 s of
    // video at 30 frames a second is 300 photos of 30 s, 9000 s at 15 deg/h: 37.5 deg. A
    // value neither given nor worked out is shown faint.
    function test_calculatedSweepAndUnsetValues() {
        const page = open("menuReg")
        for (const row of ["totalTime", "photos", "swingRange"])
            setInput(page, row, false)
        setInput(page, "videoLength", true)
        enter(page, "videoLength", "10")
        setInput(page, "framePeriod", true)
        enter(page, "framePeriod", "30")
        setInput(page, "speed", true)
        enter(page, "speed", "15")
        tryCompare(find("swingRangeField", page), "text", "37.5")
        compare(find("swingRangeField", page).opacity, 1)

        const atl = open("menuATL")
        for (const row of ["totalTime", "videoLength", "photos"])
            setInput(atl, row, false)
        verify(find("photosField", atl).opacity < 1)
    }

    // Run is grey with the reason: too few ticks, or no mount.
    function test_runSaysWhyItIsGrey() {
        const page = open("menuLong")
        for (const row of ["totalTime", "framePeriod", "videoLength", "photos", "swingRange", "speed"])
            setInput(page, row, false)
        verify(!find("headerButton", page).enabled)
        compare(find("errorText", page).text,
                "Tick enough values for the frame period and the speed to follow from them")
        inj_iConnector.interruptionDisconnect()
        tryVerify(function () {
            return find("errorText", page).text.startsWith("Not connected")
        }, 5000)
        inj_iConnectable.startSession()
        tryVerify(function () {
            return inj_iConnector.connected
        }, 15000)
        tryCompare(find("popupConnect"), "visible", false)
    }

    // A cycle beyond what the mount's millisecond field holds is refused with the field and
    // its limit; nothing of it reaches the mount.
    function test_programTheMountCannotHoldIsRefused() {
        const page = open("menuAP")
        const exposureBefore = test_sim.memoryU32(0x2C)
        enter(page, "exposure", "100000000")
        mouseClick(find("headerButton", page))
        tryVerify(function () {
            return find("toaster").shown.indexOf(
                        "Frame period must be from 0 to 2147483.647 s for the mount to hold it.") >= 0
        }, 5000)
        compare(test_sim.memoryU32(0x2C), exposureBefore)
        compare(test_sim.memoryByte(0x00), 0)
        enter(page, "exposure", "120")
    }

    // Not refused, but said: a photo of no length may be meant as tracking only.
    function test_zeroExposureIsQuestioned() {
        const page = open("menuAP")
        enter(page, "exposure", "0")
        verify(find("errorText", page).text.indexOf("Exposure is 0 s") >= 0)
        verify(find("headerButton", page).enabled)
        enter(page, "exposure", "120")
    }

    function test_reminder_data() {
        return [{
                    "tag": "29 days after closing it",
                    "days": 29,
                    "photos": true,
                    "shown": false
                }, {
                    "tag": "30 days after closing it",
                    "days": 30,
                    "photos": true,
                    "shown": true
                }, {
                    "tag": "cancelled with Escape",
                    "days": 30,
                    "photos": true,
                    "shown": true,
                    "cancel": true
                }, {
                    "tag": "unlimited photos",
                    "days": 30,
                    "photos": false,
                    "shown": false
                }]
    }
    function test_reminder(data) {
        const page = open("menuAP")
        setInput(page, "photos", data.photos)
        page.mayHaveModeDial = true
        const closedAt = Date.UTC(2026, 0, 1)
        inj_kvStore.saveBool("remindPhotoNumber", false)
        inj_kvStore.saveDouble("remindPhotoNumber.ts", closedAt)
        const reminder = find("photoNumberReminder", page)
        reminder.clock = function () {
            return closedAt + data.days * tc.dayMs
        }
        mouseClick(find("headerButton", page))
        if (data.shown) {
            tryCompare(reminder, "opened", true)
            // The run waits for the reminder: a run marks the page as sending at once.
            verify(!page.sending)
            if (data.cancel)
                keyClick(Qt.Key_Escape)
            else
                mouseClick(find("reminderRun", reminder))
            tryCompare(reminder, "visible", false)
            compare(inj_kvStore.loadDouble("remindPhotoNumber.ts", 0), closedAt + 30 * tc.dayMs)
            if (data.cancel) {
                // The run would have been asked for as the dialog closed.
                verify(!page.sending)
                compare(test_sim.memoryByte(0x00), 0)
                return
            }
        } else {
            verify(!reminder.visible)
        }
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 1
        }, 10000)
    }

    function test_trackingRateFromProfile_data() {
        return [{
                    "tag": "half sidereal",
                    "degPerSec": 0.0020890373082582985,
                    "entry": 3
                }, {
                    "tag": "sidereal",
                    "degPerSec": 0.004178074616516597,
                    "entry": 0
                }, {
                    "tag": "unknown rate",
                    "degPerSec": 0.001,
                    "entry": 5
                }]
    }
    function test_trackingRateFromProfile(data) {
        const page = open("menuAP")
        page.profile.trackingRateDegPerSec = data.degPerSec
        compare(find("rateBox", page).currentIndex, data.entry)
        compare(find("customRate", page).visible, data.entry === 5)
    }
}
