import QtQml
import "promise.js" as Q

// A pause as a promise: promise() starts the timer when it is idle and returns a promise
// fulfilled the next time it fires.
Timer {
    id: timer

    property var pending: []

    function promise() {
        var p = Q.promise()
        pending.push(p)
        if (!running)
            start()
        return p
    }

    onTriggered: {
        var due = pending
        pending = []
        due.forEach(function(p) { p.resolve() })
    }
}
