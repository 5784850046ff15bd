import QtQuick
import QtTest

// The language of the running window: the settings page's language row switches the window's
// texts at once and back, and the help document follows the language.
PageCase {
    id: tc
    name: "Language"
    connectFirst: false
    property var savedLocation: null

    function choose(page, code) {
        const box = find("languageBox", page)
        const index = box.entries.findIndex(e => e.languageCode === code)
        verify(index >= 0, "no row for " + code)
        box.currentIndex = index
        box.activated(index)
    }

    function cleanup() {
        if (savedLocation !== null)
            inj_location.setLocation(savedLocation)
        savedLocation = null
    }

    // The catalogue's texts, on the pages already shown, without a restart. Japanese is not
    // offered on the settings page; the language is set as a saved choice would set it, and the
    // language row still names it.
    function test_menuFollowsTheLanguage_data() {
        return [{
                "tag": "de",
                "fromRow": true,
                "menu": "Polaruhr",
                "settingsTitle": "Einstellungen",
                "coordinates": "′O",
                "languageName": "Deutsch",
                "footer": "Nicht verbunden"
            }, {
                "tag": "ja",
                "fromRow": false,
                "menu": "極軸時計",
                "settingsTitle": "設定",
                "coordinates": "北緯",
                "languageName": "日本語",
                "footer": "未接続"
            }]
    }
    function test_menuFollowsTheLanguage(data) {
        // Somewhere north, so that the coordinates carry a hemisphere's letter.
        savedLocation = inj_location.location()
        const loc = inj_location.location()
        loc.latitudeRad = 0.8
        loc.longitudeRad = -0.2
        inj_location.setLocation(loc)
        const page = open("menuSettings", "settingsPage")
        if (data.fromRow)
            choose(page, data.tag)
        else
            inj_languageManager.language = data.tag
        compare(inj_languageManager.language, data.tag)
        compare(find("pageHeader", page).title, data.settingsTitle)
        compare(find("menuPolar").text, data.menu)
        // The product's name stays as it is.
        compare(find("pageHeader", find("mainMenu")).title, "Velmora Console")
        compare(window.title, "Velmora Console")
        compare(find("connectionButton").text, data.footer)
        verify(find("locationButton", page).text.indexOf(data.coordinates) >= 0,
               find("locationButton", page).text)
        compare(find("languageBox", page).displayText, data.languageName)

        choose(page, "en")
        compare(find("menuPolar").text, "Polar Clock Utility")
        compare(find("pageHeader", page).title, "Settings")
        compare(find("connectionButton").text, "Not Connected")
    }

    // German has a document of its own, shown in the console itself; "Browser" hands it to
    // the desktop.
    function test_helpOpensInTheLanguage() {
        const page = open("menuSettings", "settingsPage")
        choose(page, "de")
        find("helpButton", page).clicked()
        const help = stack().currentItem
        compare(help.objectName, "helpPage")
        verify(find("helpText", help).text.indexOf("Velmora Konsole") >= 0)
        // A link of the contents moves the view to its section.
        find("helpText", help).linkActivated("#polar")
        verify(find("helpView", help).contentY > 0)
        find("headerButton", help).clicked()
        tryVerify(() => test_openedUrls.last.endsWith("/help/de/connect-help.html"), 5000,
                  test_openedUrls.last)
        stack().pop()
        choose(page, "en")
    }
}
