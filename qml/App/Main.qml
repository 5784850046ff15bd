import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import JexQtCommonBase
import JexQtCommon
import Tavo
import JexAstroBase

// The console's window: the page stack with the main menu at its root, the log pane, the
// footer, the connection dialog, toasts and day or night colours.
ApplicationWindow {
    id: window
    objectName: "mainWindow"
    // The name is translated: read again when the language changes.
    title: {
        inj_languageManager.language
        return inj_appVersion.appName
    }
    visible: true

    Material.theme: inj_nightManager.theme
    Material.accent: inj_nightManager.accent
    Material.background: inj_nightManager.background
    Material.foreground: inj_nightManager.foreground
    Material.primary: inj_nightManager.primary
    // Controls that draw their text from the palette follow the same colours.
    palette.text: inj_nightManager.foreground
    palette.buttonText: inj_nightManager.foreground
    palette.windowText: inj_nightManager.foreground

    // True once a game pad has been used: the controls it acts on show a frame from then on.
    property bool padInUse: false

    Component.onCompleted: {
        const r = inj_windowRect.loadRect(Qt.rect(40, 40, 320, 640))
        x = r.x
        y = r.y
        width = r.width
        height = r.height
    }
    onClosing: inj_windowRect.saveRect(Qt.rect(x, y, width, height))

    NightManager {
        id: inj_nightManager
        objectName: "nightManager"
        window: window
    }
    LocationUpdater {
        id: inj_locationUpdater
        toaster: inj_toaster
    }

    footer: MainFooter {
        nightManager: inj_nightManager
        toaster: inj_toaster
        onProgressRequested: progressDialog.open()
    }

    StackView {
        id: inj_stackView
        objectName: "stackView"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: inj_logView.top
        focus: true
        initialItem: MainMenu {}
        // No transitions: a sliding page would flash white at night.
        pushEnter: null
        pushExit: null
        popEnter: null
        popExit: null
        replaceEnter: null
        replaceExit: null

        Keys.onBackPressed: function (event) {
            if (depth > 1)
                pop()
            event.accepted = true
        }
        Keys.onEscapePressed: function (event) {
            if (depth > 1)
                pop()
            event.accepted = true
        }
    }

    // Under the pages, which make room for it while it shows.
    LogPane {
        id: inj_logView
        nightManager: inj_nightManager
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: visible ? Math.round(parent.height * 0.4) : 0
    }

    // The game pad: the page in front handles what it knows (padKey returns true), and B goes
    // back a page anywhere. It acts only while this window has the focus.
    HandleController {
        id: inj_handleController
        objectName: "handleController"
        active: window.active
        onHandleControllerChanged: function (key, action, value) {
            window.padInUse = true
            const page = inj_stackView.currentItem
            if (page && typeof page.padKey === "function" && page.padKey(key, action, value))
                return
            if (key === HandleController.GAMEPAD_B && action === HandleController.DOWN
                    && inj_stackView.depth > 1)
                inj_stackView.pop()
        }
    }

    PopupConnect {
        id: popupConnect
    }

    Outcomes {
        id: inj_outcomes
        toaster: inj_toaster
    }

    TaskProgressDialog {
        id: progressDialog
        parent: Overlay.overlay
    }

    ToastManager {
        id: inj_toaster
        objectName: "toaster"
        parent: Overlay.overlay
    }
}
