import QtQuick
import Tavo

// What a page asked of the mount and the user must hear about even after leaving the page:
// the window keeps this object, so its handlers outlive every page. A page's own handlers
// (its busy marks) are tied to the page and dropped with it.
QtObject {
    id: root
    property var toaster: null

    // A command's failure, said whichever page is in front.
    function toastFailure(future) {
        CmdRetPromise.get(future, root).then(function () {}, function (error) {
            root.toaster.show(qsTranslate("mount", error))
        })
    }
    // New Wi-Fi settings: said, and the link the change cuts is closed.
    function wifiApplied(future) {
        CmdRetPromise.get(future, root).then(function () {
            root.toaster.show(qsTr("Done"))
            inj_iConnector.interruptionDisconnect()
        }, function (error) {
            root.toaster.show(qsTranslate("mount", error))
        })
    }
}
