import QtQuick
import QtQuick.Controls
import QtTest

// The four program pages on the demo mount: the solver's numbers on screen, a refused
// combination, running and stopping a program with its progress, saved profiles, the
// photo-number reminder and the tracking-rate list.
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

        page = open("menuAP")
        mouseClick(find("headerButton", page))
        tryVerify(function () {
            return test_sim.memoryByte(0x00) === 0
        }, 10000)
        tryCompare(find("headerButton", page), "text", "Run", 10000)
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
        compare(test_profileStore.savedNames(4), ["Milky Way"])
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
            compare(test_sim.memoryByte(0x00), 0) // the run waits for the reminder
            reminder.close()
            tryVerify(function () {
                return inj_kvStore.loadDouble("remindPhotoNumber.ts", 0) === closedAt + 30 * tc.dayMs
            })
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
