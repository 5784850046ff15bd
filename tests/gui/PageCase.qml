import QtQuick
import QtTest

// The main window on the demo mount, shown and active, connected first unless a test file
// says otherwise, with what every page test uses to find, reach and open what it drives. The
// tst_*.qml files are loaded from this folder, where they find it by name.
TestCase {
    when: windowShown
    property var window: null
    property bool connectFirst: true

    function find(name, within) {
        const found = findChild(within === undefined ? window : within, name)
        verify(found !== null, "no " + name)
        return found
    }
    function stack() {
        return find("stackView")
    }
    function home() {
        stack().pop(null)
    }
    // Waits until the button can be pressed: a click on a grey one would do nothing and
    // leave the test on the menu.
    function open(menuButton, pageName) {
        home()
        const button = find(menuButton)
        tryVerify(() => button.enabled, 30000, menuButton + " stays disabled")
        mouseClick(button)
        const page = stack().currentItem
        compare(page.objectName, pageName)
        return page
    }
    // Scrolls the page so that the item shows, as a person would before clicking it.
    function reveal(item) {
        for (let p = item.parent; p; p = p.parent) {
            if (p.flickableDirection === undefined)
                continue
            const y = item.mapToItem(p.contentItem, 0, 0).y
            if (y < p.contentY || y + item.height > p.contentY + p.height)
                p.contentY = Math.max(0, Math.min(y - 8, p.contentHeight - p.height))
            return
        }
    }
    function click(item) {
        reveal(item)
        mouseClick(item)
    }
    // Types into the field as a person would, replacing its text.
    function type(field, text) {
        mouseClick(field)
        field.selectAll()
        for (const c of text)
            keyClick(c)
    }
    function toasted(text) {
        return find("toaster").shown.indexOf(text) >= 0
    }
    function activate() {
        window.requestActivate()
        tryVerify(() => window.active, 5000)
    }
    // Connects through the footer's button or directly; the dialog opens and closes by itself.
    function connect(byButton) {
        if (byButton)
            mouseClick(find("connectionButton"))
        else
            inj_iConnectable.startSession()
        tryVerify(() => inj_iConnector.connected, 15000)
        tryCompare(find("popupConnect"), "visible", false)
    }

    // Disconnects as the dialog's Disconnect does, past its question.
    function disconnect() {
        inj_iConnectable.startNextAction()
        tryVerify(() => !inj_iConnector.connected, 15000)
        tryCompare(find("popupConnect"), "visible", false)
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/qt/qml/App/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        window.width = 320
        window.height = 640
        activate()
        inj_languageManager.language = "en"
        if (connectFirst)
            connect(false)
    }
    // A test sees only the messages shown while it runs.
    function init() {
        find("toaster").shown = []
    }
    function cleanupTestCase() {
        inj_languageManager.language = "en"
        home()
        window.destroy()
    }
}
