import QtQml
import "promise.js" as Q

// A promise written as a QML element: it is fulfilled when resolveWhen becomes true (or a
// promise it is bound to is fulfilled) and rejected when rejectWhen becomes true.
QtObject {
    id: root

    property var resolveWhen
    property var rejectWhen
    readonly property bool isSettled: d.settled

    signal fulfilled(var value)
    signal rejected(var reason)

    function resolve(value) { d.promise.resolve(value) }
    function reject(reason) { d.promise.reject(reason) }
    function then(onFulfilled, onRejected) { return d.promise.then(onFulfilled, onRejected) }

    function check() {
        if (rejectWhen === true)
            reject(rejectWhen)
        else if (resolveWhen === true || Q.isThenable(resolveWhen))
            resolve(resolveWhen)
    }

    onResolveWhenChanged: check()
    onRejectWhenChanged: check()
    Component.onCompleted: {
        d.promise.then(function(value) { d.settled = true; root.fulfilled(value) },
                       function(reason) { d.settled = true; root.rejected(reason) })
        check()
    }

    property QtObject d: QtObject {
        property var promise: Q.promise()
        property bool settled: false
    }
}
