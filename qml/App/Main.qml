import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import JexQtCommonBase
import JexQtCommon
import Tavo
import JexAstroBase

// The console's window: the page stack with the main menu at its root (beside it in a wide
// window, its list), the log pane, the status strip, the connection dialog, toasts and day or
// night colours.
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
    // Full screen is not a size to come back to: the window's own size stays saved.
    onClosing: {
        if (visibility !== Window.FullScreen)
            inj_windowRect.saveRect(Qt.rect(x, y, width, height))
    }

    // Full screen hides the desktop's bars, which would light up at night.
    function toggleFullScreen() {
        visibility = visibility === Window.FullScreen ? Window.Windowed : Window.FullScreen
    }
    Shortcut {
        sequence: "F11"
        onActivated: window.toggleFullScreen()
    }

    // At night the window's content and the layer of popups and dialogs above it pass through
    // a filter that leaves nothing but red: no control, state or drawing can let green or blue
    // through. A layer draws only its item's own bounds, hence one for each.
    component RedOnly: QtObject {
        required property Item item
        readonly property Binding layerOn: Binding {
            target: item ? item.layer : null
            property: "enabled"
            value: inj_nightManager.night
        }
        readonly property Binding layerEffect: Binding {
            target: item ? item.layer : null
            property: "effect"
            value: redOnly
        }
    }
    RedOnly {
        item: window.contentItem
    }
    RedOnly {
        item: window.Overlay.overlay
    }
    Binding {
        target: typeof inj_nightPointer !== "undefined" ? inj_nightPointer : null
        property: "red"
        value: inj_nightManager.night
    }
    Component {
        id: redOnly
        ShaderEffect {
            fragmentShader: "qrc:/qt/qml/App/shaders/redonly.frag.qsb"
        }
    }

    NightManager {
        id: inj_nightManager
        objectName: "nightManager"
        window: window
    }
    LocationUpdater {
        id: inj_locationUpdater
        toaster: inj_toaster
    }

    // From about 720 pixels wide the main menu becomes a list beside the page, and forms keep
    // a bounded width; below, one column as on a phone.
    readonly property bool wide: width >= 720

    // The pages, the log pane and the status strip in one item, so that night's filter
    // covers them all.
    FocusScope {
        id: body
        anchors.fill: parent
        focus: true

        // Escape goes back a page from anywhere in the window, and so does Backspace where no
        // text field takes it.
        function back(event) {
            if (inj_stackView.depth > 1)
                inj_stackView.pop()
            event.accepted = true
        }
        Keys.onEscapePressed: function (event) {
            back(event)
        }
        Keys.onBackPressed: function (event) {
            back(event)
        }
        Keys.onPressed: function (event) {
            if (event.key === Qt.Key_Backspace && event.modifiers === Qt.NoModifier)
                back(event)
        }

        NavList {
            id: navList
            visible: window.wide
            menu: inj_stackView.depth > 0 ? inj_stackView.get(0) : null
            current: menu ? menu.currentKey : ""
            width: visible ? Math.min(320, Math.round(window.width * 0.3)) : 0
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.bottom: statusStrip.top
        }
        Rectangle {
            visible: window.wide
            width: 1
            anchors.top: parent.top
            anchors.bottom: statusStrip.top
            anchors.left: navList.right
            color: window.Material.foreground
            opacity: 0.2
        }

        StackView {
            id: inj_stackView
            objectName: "stackView"
            anchors.top: parent.top
            anchors.left: navList.right
            anchors.leftMargin: window.wide ? 1 : 0
            anchors.right: parent.right
            anchors.bottom: inj_logView.top
            focus: true
            initialItem: MainMenu {
                wide: window.wide
            }
            // No transitions: a sliding page would flash white at night.
            pushEnter: null
            pushExit: null
            popEnter: null
            popExit: null
            replaceEnter: null
            replaceExit: null
        }

        // Under the pages, which make room for it while it shows.
        LogPane {
            id: inj_logView
            nightManager: inj_nightManager
            anchors.left: inj_stackView.left
            anchors.right: parent.right
            anchors.bottom: statusStrip.top
            height: visible ? Math.round(parent.height * 0.4) : 0
        }

        MainFooter {
            id: statusStrip
            nightManager: inj_nightManager
            toaster: inj_toaster
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            onProgressRequested: progressDialog.open()
        }
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

    FocusRing {
        target: window.activeFocusItem
        ringColor: inj_nightManager.focusRing
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
