import QtQuick
import QtQuick.Controls
import QtTest

// The four program pages on the demo mount: what they show and refuse, running and stopping a
// program, saved profiles, numbers in the console's language, the photo-number reminder and
// the tracking-rate list.
PageCase {
    id: tc
    name: "Programs"
    readonly property real dayMs: 86400000

    function enter(page, row, text) {
        type(find(row + "Field", page), text)
    }
    function setInput(page, row, checked) {
        const box = find(row + "Input", page)
        if (box.checked !== checked)
            mouseClick(box)
        compare(box.checked, checked)
    }
    // The rows' boxes: the first ones unticked, then the others ticked.
    function tick(page, unticked, ticked) {
        for (const row of unticked)
            setInput(page, row, false)
        for (const row of ticked)
            setInput(page, row, true)
    }
    // Waits until the mount runs the program of that mode (0: none).
    function waitForMode(mode) {
        tryVerify(() => test_sim.memoryByte(0x00) === mode, 10000)
    }
    function stopProgram() {
        if (test_sim.memoryByte(0x00) === 0)
            return
        inj_iConnector.tavo.programManualMode()
        tryVerify(() => test_sim.memoryByte(0x00) === 0 && inj_iTaskState.isRunningTask === false,
                  10000)
    }
    function nameDialog(page) {
        click(find("profileSave", page))
        const dialog = find("profileNameDialog", page)
        tryCompare(dialog, "opened", true)
        return dialog
    }
    // Saves the page's profile under the name; true when the dialog warned of an overwrite.
    function saveAs(page, name) {
        const dialog = nameDialog(page)
        find("profileNameField", dialog).text = name
        const warned = find("overwriteWarning", dialog).visible
        mouseClick(dialog.standardButton(Dialog.Ok))
        tryCompare(dialog, "visible", false)
        return warned
    }

    function cleanup() {
        test_sim.setSilent(false)
        if (!inj_iConnector.connected)
            connect(false)
        stopProgram()
        inj_languageManager.language = "en"
        home()
    }

    // What keeps Run grey, or is only questioned, is said under the rows.
    function test_pageSaysWhy_data() {
        return [{
                    "tag": "a frame period too short for the exposure",
                    "menu": "menuLong",
                    "set": function (page) {
                        tick(page, [], ["framePeriod", "speed"])
                        enter(page, "framePeriod", "10")
                        enter(page, "speed", "30")
                        enter(page, "exposure", "9.6")
                    },
                    "text": "Frame period must be at least 0.5 seconds longer than exposure",
                    "invalid": "exposure"
                }, {
                    "tag": "too few values ticked",
                    "menu": "menuLong",
                    "set": page => tick(page, ["totalTime", "framePeriod", "videoLength", "photos",
                                               "swingRange", "speed"], []),
                    "text": "Tick enough values for the frame period and the speed to follow from them"
                }, {
                    "tag": "no mount",
                    "menu": "menuLong",
                    "set": () => disconnect(),
                    "text": "Not connected: connect to a mount to run the program"
                }, {
                    // Not refused: a photo of no length may be meant as tracking only.
                    "tag": "a photo of no length",
                    "menu": "menuAP",
                    "set": page => enter(page, "exposure", "0"),
                    "undo": page => enter(page, "exposure", "120"),
                    "text": "Exposure is 0 s: meant as tracking only?",
                    "runs": true
                }]
    }
    function test_pageSaysWhy(data) {
        const page = open(data.menu, "programPage")
        data.set(page)
        const banner = find("errorText", page)
        tryVerify(() => banner.text.startsWith(data.text), 5000, banner.text)
        compare(find("headerButton", page).enabled, data.runs === true)
        if (data.invalid)
            verify(find(data.invalid + "Field", page).invalid)
        if (data.undo)
            data.undo(page)
    }

    // Run starts the program the page shows; its progress shows in the footer's dialog, which
    // does not call a run done while there is no mount to ask; Stop asks first.
    function test_runShowsProgressAndStops() {
        let page = open("menuAP", "programPage")
        setInput(page, "photos", true)
        enter(page, "photos", "500")
        enter(page, "exposure", "0.5")
        enter(page, "interval", "0.5")
        compare(find("totalTime", page).text, "0:08:20") // 500 × 1 s
        const header = find("headerButton", page)
        mouseClick(header)
        // The mount runs astrophotography (mode 1) for the 500 photos the page shows.
        waitForMode(1)
        compare(test_sim.memoryU32(0x34), 500)
        compare(find("photosField", page).text, "500")
        tryCompare(header, "text", "Stop", 10000)
        verify(!find("rowsLoader", page).enabled)
        tryVerify(() => find("finishTime", page).text !== "", 5000)

        home()
        tryVerify(() => find("menuAP").font.underline, 5000)
        verify(!find("menuLong").enabled)

        // The status strip counts the photos of the run.
        const progress = find("progressButton")
        tryVerify(() => /^\d+\/500$/.test(progress.text), 5000, progress.text)
        mouseClick(progress)
        const dialog = find("taskProgressDialog")
        tryCompare(dialog, "opened", true)
        const taken = find("photosTaken", dialog)
        const first = Number(taken.text)
        tryVerify(() => Number(taken.text) > first, 10000)
        verify(find("progressText", dialog).text.startsWith("Progress: "))
        disconnect()
        tryCompare(find("taskDone", dialog), "text", "Not connected: the mount's state is unknown",
                   5000)
        dialog.close()
        tryCompare(dialog, "visible", false)
        connect(false)

        // Stop asks first: Escape leaves the program running.
        page = open("menuAP", "programPage")
        tryCompare(find("headerButton", page), "text", "Stop", 10000)
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
        waitForMode(0)
        tryCompare(find("headerButton", page), "text", "Run", 10000)
    }

    // The page draws the program it would run (500 photos of 1 s: 8 min 20 s), and a tap on
    // the plot tells the time from the start and the angle there.
    function test_previewDrawsTheProgram() {
        const page = open("menuAP", "programPage")
        setInput(page, "photos", true)
        enter(page, "photos", "500")
        enter(page, "exposure", "0.5")
        enter(page, "interval", "0.5")
        const plot = find("programPlot", page)
        tryVerify(() => plot.plan.durationSec === 500, 5000, JSON.stringify(plot.plan.durationSec))
        compare(plot.plan.photos, 500)
        reveal(plot)
        mouseClick(plot, plot.width - 10, plot.height / 2)
        const picked = find("previewPicked", page)
        tryVerify(() => picked.visible)
        verify(/^At 0:08:20 from the start: \d+\.\d\d°$/.test(picked.text), picked.text)
    }

    // Tab until the item has the keyboard's focus (at least once: a click may have given it
    // the focus without a ring), which its ring then shows.
    function tabTo(item) {
        let i = 0
        do
            keyClick(Qt.Key_Tab)
        while (!item.activeFocus && ++i < 60)
        verify(item.activeFocus, "Tab never reaches " + item.objectName)
    }
    function typeByKeys(field, text) {
        tabTo(field)
        keyClick(Qt.Key_A, Qt.ControlModifier)
        for (const c of text)
            keyClick(c)
    }

    // A program set up, run and stopped with the keyboard alone: Tab reaches the menu's entry
    // (with a visible ring) and Enter opens it, Space ticks the photo count, the numbers are
    // typed, Ctrl+R runs, Ctrl+. asks first and Enter confirms, Backspace goes back.
    function test_runAndStopByKeyboardAlone() {
        home()
        const entry = find("menuAP")
        tabTo(entry)
        verify(find("focusRing").visible)
        keyClick(Qt.Key_Return)
        const page = stack().currentItem
        compare(page.objectName, "programPage")
        compare(page.mode, 1) // astrophotography
        const box = find("photosInput", page)
        tabTo(box)
        if (!box.checked)
            keyClick(Qt.Key_Space)
        verify(box.checked)
        typeByKeys(find("photosField", page), "4")
        typeByKeys(find("exposureField", page), "0.5")
        typeByKeys(find("intervalField", page), "0.5")
        keyClick(Qt.Key_Tab)
        tryVerify(() => find("headerButton", page).enabled, 5000, page.bannerText())

        keyClick(Qt.Key_R, Qt.ControlModifier)
        waitForMode(1)
        compare(test_sim.memoryU32(0x34), 4)
        tryVerify(() => find("headerButton", page).text === "Stop" && page.canRun, 10000)
        keyClick(Qt.Key_Period, Qt.ControlModifier)
        const ask = find("stopConfirm", page)
        tryCompare(ask, "opened", true)
        keyClick(Qt.Key_Return)
        waitForMode(0)
        tryCompare(find("headerButton", page), "text", "Run", 10000)

        keyClick(Qt.Key_Tab)
        keyClick(Qt.Key_Backspace)
        compare(stack().depth, 1)
    }

    // The mount falls silent while its program runs: the footer says that the console is
    // reconnecting and since when the mount is silent, with the pages that need the mount
    // disabled; back after the program ended, the mount is taken back and the user hears how
    // the program ended. A click on the footer stops the reconnecting.
    function test_sessionOutlivesASilence() {
        const page = open("menuAP", "programPage")
        setInput(page, "photos", true)
        enter(page, "photos", "3")
        enter(page, "exposure", "0.5")
        enter(page, "interval", "0.5")
        mouseClick(find("headerButton", page))
        waitForMode(1)
        home()
        const footer = find("connectionButton")
        test_sim.setSilent(true)
        mouseClick(find("powerButton"))
        tryVerify(() => footer.text.startsWith("Reconnecting… last heard "), 15000, footer.text)
        verify(!find("menuManual").enabled)
        tryVerify(() => test_sim.memoryByte(0x00) === 0, 15000)
        test_sim.setSilent(false)
        tryVerify(() => inj_iConnector.connected, 30000)
        tryVerify(() => toasted("Program finished while disconnected: 3 of 3 photos"), 5000)
        tryCompare(footer, "text", "Demo", 5000)
        tryVerify(() => find("linkState").visible)

        test_sim.setSilent(true)
        mouseClick(find("powerButton"))
        tryVerify(() => footer.text.startsWith("Reconnecting…"), 20000, footer.text)
        mouseClick(footer)
        compare(footer.text, "Not Connected")
        verify(!find("popupConnect").visible)
    }

    // Saved, a profile is in the store a restart reads; the same name again is warned of.
    // Loaded, it shows in the rows and in the boxes, whatever the user chose there, and Run
    // sends it.
    function test_savedProfiles() {
        const page = open("menuATL", "programPage")
        tick(page, ["totalTime", "photos"], ["videoLength"])
        enter(page, "videoLength", "4")
        enter(page, "exposure", "45")
        verify(!saveAs(page, "Milky Way"))
        verify(!saveAs(page, "Moonrise"))
        compare(test_profileStore.savedNames(4), ["Milky Way", "Moonrise"])
        verify(saveAs(page, "Milky Way"))

        enter(page, "exposure", "60")
        const rate = find("rateBox", page)
        rate.activated(2) // "Lunar"
        const frames = find("frameRateBox", page)
        frames.activated(1) // "25 (PAL)"
        compare(rate.currentText, "Lunar")
        // 4 s at 25 frames a second.
        tryCompare(find("photosField", page), "text", "100")
        click(find("profileRowButton1", page)) // "Load"
        tryCompare(find("exposureField", page), "text", "45")
        tryCompare(rate, "currentText", "Sidereal")
        compare(frames.currentText, "30 (NTSC)")

        click(find("profileEdit", page))
        click(find("profileRowButton0", page)) // "Delete" in edit mode
        const ask = find("deleteConfirm", page)
        tryCompare(ask, "opened", true)
        compare(find("confirmText", ask).text, "Delete the profile “Moonrise”?")
        mouseClick(find("confirmAccept", ask))
        tryCompare(ask, "visible", false)
        compare(test_profileStore.savedNames(4), ["Milky Way"])

        mouseClick(find("headerButton", page))
        waitForMode(4)
        // Sidereal: a step period of 62329 ticks; 4 s at 30 frames a second.
        compare(test_sim.memoryU32(0x24), 62329)
        compare(test_sim.memoryU32(0x34), 120)
    }

    // What is typed reads in the console's language: a decimal comma in German, said again
    // with a point (and in hours and minutes) once the language is English, where a comma is
    // refused with the reason.
    function test_decimalCommaInGerman() {
        inj_languageManager.language = "de"
        let page = open("menuATL", "programPage")
        tick(page, ["videoLength", "photos"], ["totalTime"])
        enter(page, "totalTime", "2,5")
        compare(page.profile.videoTimeSpanHour, 2.5)
        compare(find("totalTimeField", page).text, "2,5")
        verify(find("headerButton", page).enabled)

        inj_languageManager.language = "en"
        page = open("menuATL", "programPage")
        compare(find("totalTimeField", page).text, "2.5")
        compare(find("totalTimeDuration", page).text, "2 h 30 min")
        enter(page, "totalTime", "2,5")
        tryCompare(find("errorText", page), "text",
                   "Total Time (hours): Use \".\" for decimals, without thousands separators")
        verify(find("totalTimeField", page).invalid)
        verify(!find("headerButton", page).enabled)
    }

    // The name offered is selected: typing replaces it. The working profile's name is refused
    // with the reason, Return included, and the profile keeps its name.
    function test_nameDialogOffersTheNameAndRefusesReservedOnes() {
        const page = open("menuATL", "programPage")
        page.profile.name = "Milky Way"
        const dialog = nameDialog(page)
        for (const c of "M31")
            keyClick(c)
        const field = find("profileNameField", dialog)
        compare(field.text, "M31")
        field.text = "<unnamed>"
        verify(!dialog.standardButton(Dialog.Ok).enabled)
        verify(find("nameRefusal", dialog).text.indexOf("working profile") >= 0)
        keyClick(Qt.Key_Return)
        verify(dialog.opened)
        dialog.reject()
        tryCompare(dialog, "visible", false)
        compare(page.profile.name, "Milky Way")
    }

    // A pan without a given range sweeps the whole travel, and the page shows it: 10 s of
    // video at 30 frames a second is 300 photos of 30 s, 9000 s at 15 deg/h: 37.5 deg. A
    // value neither given nor worked out is shown faint.
    function test_calculatedSweepAndUnsetValues() {
        const page = open("menuReg", "programPage")
        tick(page, ["totalTime", "photos", "swingRange"], ["videoLength", "framePeriod", "speed"])
        enter(page, "videoLength", "10")
        enter(page, "framePeriod", "30")
        enter(page, "speed", "15")
        tryCompare(find("swingRangeField", page), "text", "37.5")
        compare(find("swingRangeField", page).opacity, 1)

        const atl = open("menuATL", "programPage")
        tick(atl, ["totalTime", "videoLength", "photos"], [])
        verify(find("photosField", atl).opacity < 1)
    }

    // A cycle beyond what the mount's millisecond field holds is refused with the field and
    // its limit; nothing of it reaches the mount.
    function test_programTheMountCannotHoldIsRefused() {
        const page = open("menuAP", "programPage")
        const exposureBefore = test_sim.memoryU32(0x2C)
        enter(page, "exposure", "100000000")
        mouseClick(find("headerButton", page))
        const refusal = "Frame period must be from 0 to 2147483.647 s for the mount to hold it."
        tryVerify(() => toasted(refusal), 5000)
        compare(test_sim.memoryU32(0x2C), exposureBefore)
        compare(test_sim.memoryByte(0x00), 0)
        enter(page, "exposure", "120")
    }

    function test_reminder_data() {
        return [{
                    "tag": "29 days after closing it",
                    "days": 29,
                    "shown": false
                }, {
                    "tag": "30 days after closing it",
                    "days": 30,
                    "shown": true
                }, {
                    "tag": "cancelled with Escape",
                    "days": 30,
                    "shown": true,
                    "cancel": true
                }, {
                    "tag": "unlimited photos",
                    "days": 30,
                    "unlimited": true,
                    "shown": false
                }]
    }
    function test_reminder(data) {
        const page = open("menuAP", "programPage")
        setInput(page, "photos", !data.unlimited)
        page.mayHaveModeDial = true
        const closedAt = Date.UTC(2026, 0, 1)
        inj_kvStore.saveBool("remindPhotoNumber", false)
        inj_kvStore.saveDouble("remindPhotoNumber.ts", closedAt)
        const reminder = find("photoNumberReminder", page)
        reminder.clock = () => closedAt + data.days * tc.dayMs
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
        waitForMode(1)
    }

    function test_trackingRateFromProfile_data() {
        return [{
                    "tag": "half sidereal",
                    "degPerSec": 0.0020890373082582985,
                    "entry": 3
                }, {
                    "tag": "unknown rate",
                    "degPerSec": 0.001,
                    "entry": 5
                }]
    }
    function test_trackingRateFromProfile(data) {
        const page = open("menuAP", "programPage")
        page.profile.trackingRateDegPerSec = data.degPerSec
        compare(find("rateBox", page).currentIndex, data.entry)
        compare(find("customRate", page).visible, data.entry === 5)
    }
}
