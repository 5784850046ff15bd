import QtQuick
import QtTest
import JexAstroBase

// The main window on the demo mount: connecting, the supply voltage, manual control, the
// polar clock and its light, the mount's settings, the Wi-Fi page, night mode, failures and
// the log pane.
PageCase {
    id: tc
    name: "Pages"

    function pad() {
        return find("handleController")
    }
    function padClick(button) {
        pad().handleGamePadEvent(0, button, HandleController.DOWN)
        pad().handleGamePadEvent(0, button, HandleController.UP)
    }
    function waitForSlew(moving) {
        tryVerify(() => (test_sim.axisSpeed() > 0) === moving, 5000,
                  moving ? "the axis is still" : "the axis still turns")
    }
    function openWifi(loaded) {
        mouseClick(find("wifiButton", open("menuSettings", "settingsPage")))
        const page = stack().currentItem
        compare(page.objectName, "wifiSettingsPage")
        if (loaded)
            tryVerify(() => page.loaded, 5000)
        return page
    }

    function cleanup() {
        test_sim.setSilent(false)
        test_sim.setRefusing(false)
        tryVerify(() => inj_iConnector.connected, 30000)
        inj_languageManager.language = "en"
        find("logPane").hidden = true
        home()
    }

    // A read the mount refuses is said, and the button comes back (one it never answers makes
    // the console reconnect); read, it shows the larger of USB (5.05 V) and battery (7.90 V),
    // with the language's decimal separator.
    function test_powerButtonReadsTheVoltage() {
        const button = find("powerButton")
        tryVerify(() => button.enabled)
        test_sim.setRefusing(true)
        mouseClick(button)
        verify(!button.enabled)
        tryVerify(() => toasted("Rejected"), 20000)
        tryVerify(() => button.enabled)

        test_sim.setRefusing(false)
        mouseClick(button)
        const voltage = find("voltageLabel")
        tryCompare(voltage, "text", "7.90V", 5000)
        tryVerify(() => toasted("Updated power level"))
        inj_languageManager.language = "de"
        compare(voltage.text, "7,90 V")
    }

    // Held, each of the page's controls slews the axis, and let go it stops; the left stick
    // only past half-way.
    function test_slewWhileHeld_data() {
        return [{
                    "tag": "the arrow, by mouse",
                    "hold": (page, down) => down ? mousePress(find("slewRight", page))
                                                 : mouseRelease(find("slewRight", page))
                }, {
                    "tag": "the arrow key",
                    "hold": (page, down) => down ? keyPress(Qt.Key_Right) : keyRelease(Qt.Key_Right)
                }, {
                    "tag": "the game pad's arrow",
                    "hold": (page, down) => pad().handleDPadEvent(
                                 0, HandleController.DPAD_RIGHT,
                                 down ? HandleController.DOWN : HandleController.UP)
                }, {
                    "tag": "the left stick past half-way",
                    "stick": -0.6
                }, {
                    "tag": "the left stick short of half-way",
                    "stick": -0.4,
                    "still": true
                }]
    }
    function test_slewWhileHeld(data) {
        const page = open("menuManual", "manualControl")
        page.forceActiveFocus()
        const hold = data.hold || ((page, down) => pad().handleJoystickEvent(
                                       0, HandleController.JOYSTICK_LEFT_X, down ? data.stick : 0))
        hold(page, true)
        if (data.still) {
            wait(0)
            compare(inj_manualSlew.direction, 0)
        } else {
            waitForSlew(true)
        }
        hold(page, false)
        waitForSlew(false)
    }

    // Whatever takes away the chance to let go of a held slew stops the axis: the release of
    // the key, wherever it lands afterwards, changes nothing.
    function test_slewEndsWhenItsReleaseIsLost_data() {
        return [{
                    "tag": "the window loses the focus",
                    "lose": function () {
                        const other = Qt.createQmlObject(
                                        "import QtQuick; Window { width: 50; height: 50; visible: true }",
                                        tc)
                        other.requestActivate()
                        tryVerify(() => !window.active, 5000)
                        other.destroy()
                        activate()
                    }
                }, {
                    "tag": "the page closes",
                    "lose": () => stack().pop()
                }, {
                    "tag": "the system suspends",
                    "needsBus": true,
                    "lose": () => verify(test_bus.prepareForSleep())
                }, {
                    "tag": "the link is lost, then back",
                    "lose": function () {
                        test_sim.setSilent(true)
                        tryVerify(() => inj_converserTimeoutForwarder.timedout, 10000)
                        tryCompare(inj_manualSlew, "direction", 0, 5000)
                        verify(test_sim.axisSpeed() > 0)
                        test_sim.setSilent(false)
                    }
                }, {
                    "tag": "the link is replaced",
                    "lose": function () {
                        inj_iConnector.interruptionDisconnect()
                        tryCompare(inj_manualSlew, "direction", 0, 5000)
                        // The console takes the same mount back by itself.
                        tryVerify(() => inj_iConnector.connected, 15000)
                    }
                }]
    }
    function test_slewEndsWhenItsReleaseIsLost(data) {
        if (data.needsBus && !test_bus)
            skip("no system bus of the test's own in this build")
        const page = open("menuManual", "manualControl")
        page.forceActiveFocus()
        keyPress(Qt.Key_Right)
        waitForSlew(true)
        data.lose()
        tryVerify(() => test_sim.axisSpeed() === 0, 10000)
        keyRelease(Qt.Key_Right)
        tryCompare(inj_manualSlew, "stopOwed", false, 5000)
    }

    // One degree on (5760 steps on this mount) shows on the next reading; Zero asks first,
    // and answered, it reads 0.
    function test_zeroAsksFirst_data() {
        return [{
                    "tag": "the Zero button",
                    "ask": page => mouseClick(find("zeroButton", page)),
                    "answer": ask => mouseClick(find("confirmAccept", ask))
                }, {
                    "tag": "the game pad's A, twice",
                    "ask": () => padClick(HandleController.GAMEPAD_A),
                    "answer": () => padClick(HandleController.GAMEPAD_A)
                }]
    }
    function test_zeroAsksFirst(data) {
        const page = open("menuManual", "manualControl")
        const angle = find("angleText", page)
        const ask = find("zeroConfirm", page)
        test_sim.setAxisPosition(test_sim.axisPosition() + 5760)
        tryVerify(() => angle.text !== "0.00°", 5000)
        data.ask(page)
        tryCompare(ask, "opened", true)
        data.answer(ask)
        tryCompare(angle, "text", "0.00°", 5000)
    }

    function test_gamePadBGoesBack() {
        open("menuManual", "manualControl")
        padClick(HandleController.GAMEPAD_B)
        compare(stack().depth, 1)
    }

    function test_polarClockListsAndLight() {
        const page = open("menuPolar", "polarScope")
        mouseClick(find("southTab", page))
        tryCompare(find("infoList", page), "count", 3)
        compare(inj_polarScopeInfo.infoList[2].field, "Octans Position")
        // Until a location is saved the page says the clock is drawn for 0° N 0° E.
        const note = find("noLocationNote", page)
        compare(note.visible, !inj_location.known)
        // The pick stays across a visit to the location page.
        mouseClick(find("headerButton", page))
        compare(stack().currentItem.objectName, "locationPage")
        mouseClick(find("headerButton", stack().currentItem))
        stack().pop()
        compare(find("hemisphereTabs", page).currentIndex, 1)
        verify(!note.visible)

        // A button for each command: the page never shows a state the mount cannot report. The
        // game pad's X sends the opposite of the last command: on, then off.
        const on = find("lightOnButton", page)
        const off = find("lightOffButton", page)
        compare(find("lightNote", page).visible, false)
        for (const [button, lit] of [[on, true], [off, false], [null, true], [null, false]]) {
            if (button)
                mouseClick(button)
            else
                padClick(HandleController.GAMEPAD_X)
            tryVerify(() => test_sim.polarLightOn() === lit && on.enabled && off.enabled, 5000,
                      (button ? button.objectName : "X") + " " + lit)
        }
    }

    function test_settingsWriteTheMountAndReadBack() {
        let page = open("menuSettings", "settingsPage")
        // This run is bound to the demo mount (--demo), whatever type is stored.
        compare(find("connectionTypeBox", page).currentText, "Demo mount")
        verify(!find("connectionTypeBox", page).enabled)
        verify(find("demoRunNote", page).visible)
        // The switch sets the console's own setting and follows it.
        const atLaunch = find("connectAtLaunchSwitch", page)
        mouseClick(atLaunch)
        verify(inj_connectSettings.connectAtLaunch)
        inj_connectSettings.connectAtLaunch = false
        verify(!atLaunch.checked)
        let box = find("finderLedRowBox", page)
        tryVerify(() => box.enabled, 5000)
        const before = box.value
        const five = box.indexOfItem(5)
        verify(five >= 0 && before !== 5)
        box.currentIndex = five
        box.activated(five)
        // The mount's value with a pending mark until the mount has the new one.
        compare(box.value, before)
        verify(find("finderLedRowPending", page).visible)
        tryVerify(() => box.value === 5, 5000)
        // Minutes go to the mount as seconds.
        compare(test_sim.memoryU32(0x188), 300)

        // A write the mount does not answer: the console takes the mount back by itself, and
        // the row shows the mount's value again. The write either ended with the mount let go
        // or, when its next exchange came after the mount's return, went through whole.
        test_sim.setSilent(true)
        box.activated(box.indexOfItem(30))
        tryVerify(() => inj_reconnector.active, 20000)
        test_sim.setSilent(false)
        tryVerify(() => inj_iConnector.connected, 30000)
        page = open("menuSettings", "settingsPage")
        box = find("finderLedRowBox", page)
        tryVerify(() => box.enabled, 5000)
        const held = test_sim.memoryU32(0x188)
        verify(held === 300 || held === 1800, held)
        compare(box.value, held / 60)
        compare(box.currentText, held / 60 + " min")
    }

    // The location page reads numbers as the program pages do: a decimal comma in German is
    // saved; in English it is refused with the reason and "Save" waits.
    function test_locationReadsTheLanguagesNumbers() {
        const saved = inj_location.location()
        inj_languageManager.language = "de"
        find("locationButton", open("menuSettings", "settingsPage")).clicked()
        const page = stack().currentItem
        compare(page.objectName, "locationPage")
        const field = find("latitudeField", page)
        const sensorSwitch = find("useSensorSwitch", page)
        inj_location.useSensor = true
        verify(sensorSwitch.checked)
        type(field, "48,137")
        // A sensor reading arriving meanwhile leaves what was typed alone.
        const elsewhere = inj_location.location()
        elsewhere.latitudeRad = -0.5
        inj_location.setLocation(elsewhere)
        compare(field.text, "48,137")
        const save = find("headerButton", page)
        verify(save.enabled)
        mouseClick(save)
        // 48.137 degrees north; the typed place is kept: the sensor no longer replaces it.
        verify(Math.abs(inj_location.latitudeRad - 0.8401491) < 1e-6, inj_location.latitudeRad)
        verify(!sensorSwitch.checked)

        inj_languageManager.language = "en"
        type(field, "48,2")
        verify(!save.enabled)
        compare(find("locationProblem", page).text,
                "Latitude: Use \".\" for decimals, without thousands separators")
        inj_location.setLocation(saved)
    }

    // The Wi-Fi page says each field's rule under it and asks before Apply, naming the
    // network to join; an over-long name (bytes, as the mount counts) is refused before
    // anything is sent.
    function test_wifiPageSaysItsRulesAndAsks() {
        const page = openWifi(true)
        const apply = find("headerButton", page)
        const ask = find("wifiConfirm", page)
        // Twenty "é" are 40 bytes in the mount's memory.
        page.form.apSsid = "é".repeat(20)
        compare(find("apSsidRule", page).text, "At most 32 bytes; this has 40")
        const writes = test_sim.requests("N")
        verify(!apply.enabled)

        page.form.apSsid = "Yota"
        mouseClick(apply)
        tryCompare(ask, "opened", true)
        verify(find("confirmText", ask).text.indexOf("“Yota”") >= 0)
        keyClick(Qt.Key_Escape)
        tryCompare(ask, "visible", false)
        verify(stack().currentItem === page, "Escape left the page")
        // A write starts by marking the page as sending, before anything reaches the mount.
        verify(!page.sending)
        compare(test_sim.requests("N"), writes)
        // Back with unsaved edits asks too.
        find("backButton", page).clicked()
        tryCompare(ask, "opened", true)
        mouseClick(find("confirmAccept", ask))
        verify(stack().currentItem !== page)
    }

    // Apply, then Back before the mount has answered: the window still says "Done" and closes
    // the link the change cuts, and nothing of the gone page runs (no QML warning).
    function test_wifiApplyOutlivesThePage() {
        failOnWarning(/.*/)
        const page = openWifi(true)
        page.form.apSsid = "Zeta"
        const apply = find("headerButton", page)
        verify(apply.enabled)
        mouseClick(apply)
        mouseClick(find("confirmAccept", find("wifiConfirm", page)))
        stack().pop()
        tryVerify(() => toasted("Done"), 10000)
        compare(test_sim.memoryByte(0x90), "Z".charCodeAt(0))
        // The link the change cut is let go, and the mount taken back under its new name.
        tryVerify(() => inj_iConnector.connected && inj_iConnector.tavo.deviceName === "Zeta",
                  15000)
    }

    // A read that fails says why and offers Retry, which reads again.
    // A read the mount refuses (one the link loses is taken up again by itself).
    function test_wifiReadFailureOffersRetry() {
        test_sim.setRefusing(true)
        const page = openWifi(false)
        verify(find("wifiReading", page).visible)
        const error = find("wifiReadError", page)
        tryCompare(error, "text", "Could not read the mount's settings: Rejected", 10000)
        verify(!page.loaded)
        test_sim.setRefusing(false)
        mouseClick(find("wifiRetry", page))
        tryVerify(() => page.loaded, 5000)
        verify(!error.visible)
    }

    function test_nightModeAutoFollowsTheClock() {
        const night = find("nightManager")
        const previous = night.setting
        night.setSetting(2)
        for (const [hour, minute, dark] of [[22, 0, true], [12, 0, false], [6, 59, true]]) {
            night.clock = () => new Date(2026, 0, 10, hour, minute, 0)
            compare(night.night, dark, hour + ":" + minute)
        }
        night.setSetting(previous)
    }

    // From 720 pixels wide the menu is a list beside the page, which opens pages and marks
    // the one in front while the menu's own buttons give way; narrower, one column again.
    function test_wideWindowListsTheMenuBeside() {
        home()
        const nav = find("navList")
        verify(!nav.visible)
        window.width = 1000
        try {
            tryVerify(() => nav.visible && findChild(nav, "nav_settings") !== null)
            verify(!find("menuSettings").visible)
            mouseClick(find("nav_settings", nav))
            compare(stack().currentItem.objectName, "settingsPage")
            verify(find("nav_settings", nav).highlighted)
            mouseClick(find("nav_polar", nav))
            compare(stack().depth, 2)
            compare(stack().currentItem.objectName, "polarScope")
            verify(find("nav_polar", nav).highlighted)
        } finally {
            window.width = 320
        }
        home()
        tryVerify(() => !nav.visible)
        verify(find("menuSettings").visible)
    }

    // The status strip names the demo mount and its link's round trip; Disconnect asks first,
    // and its other button closes it.
    function test_disconnectAsksFirst() {
        verify(inj_iConnector.connected)
        const button = find("connectionButton")
        // The demo, and how its link is doing.
        compare(button.text, "Demo")
        tryVerify(() => /^\d+ ms$/.test(find("linkState").text), 5000, find("linkState").text)
        mouseClick(button)
        const popup = find("popupConnect")
        tryCompare(popup, "opened", true)
        const close = find("cancelButton", popup)
        compare(close.text, "Close")
        mouseClick(find("nextActionButton", popup))
        const ask = find("disconnectConfirm", popup)
        tryCompare(ask, "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(ask, "visible", false)
        verify(popup.visible)
        mouseClick(close)
        tryCompare(popup, "visible", false)
        verify(inj_iConnector.connected)
    }

    // The main menu shows the log pane and its own button hides it, and the choice is kept;
    // the pane has the journal's line of a connect.
    function test_logPaneFromTheMenu() {
        const pane = find("logPane")
        verify(!pane.visible)
        mouseClick(find("menuLog"))
        verify(pane.visible)
        compare(inj_kvStore.loadBool("logpane.hidden", true), false)
        inj_iConnectable.startNextAction()
        tryVerify(() => !inj_iConnector.connected, 15000)
        connect(false)
        const lines = find("logLines", pane)
        let found = ""
        for (let i = lines.count - 1; i >= 0 && found === ""; --i) {
            lines.positionViewAtIndex(i, ListView.Contain)
            const line = lines.itemAtIndex(i)
            if (line.journal && / Connected to .* at demo$/.test(line.text))
                found = line.text
        }
        verify(/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d /.test(found), "no journal line: " + found)
        mouseClick(find("logCloseButton", pane))
        verify(!pane.visible)
        compare(inj_kvStore.loadBool("logpane.hidden", false), true)
    }
}
