.pragma library
.import QuickFuture 1.0 as QuickFuture
.import QuickPromise 1.0 as QuickPromise
.import JexAstroBase 1.0 as JexAstroBase

// Mount commands as promises. get(future) takes the future of a command's CmdRet (or of a
// map with "type" and "value") and is fulfilled with the value (the CmdRet itself when the
// command has none) when the mount accepted the command; otherwise it is rejected with the
// CmdRet's message, which says what the failure left the mount in, or else the text of the
// result. The texts stay untranslated here: a page translates them in the
// context "mount" when it shows them.

function text(type) {
    var CmdRetType = JexAstroBase.CmdRetType;
    switch (type) {
    case CmdRetType.Ok:
        return QT_TRANSLATE_NOOP("mount", "Successful");
    case CmdRetType.Nak:
        return QT_TRANSLATE_NOOP("mount", "Rejected");
    case CmdRetType.Timeout:
        return QT_TRANSLATE_NOOP("mount", "Communication error");
    case CmdRetType.Cancel:
        return QT_TRANSLATE_NOOP("mount", "Canceled");
    default:
        return QT_TRANSLATE_NOOP("mount", "Unknown error");
    }
}

function rejected(reason) {
    var promise = QuickPromise.Q.promise();
    promise.reject(reason);
    return promise;
}

// With an owner (a page), nothing is called once the owner has gone.
function get(future, owner) {
    var promise = QuickFuture.Future.promise(future, owner === undefined ? null : owner);
    // Not a future the bridge knows (it has said so): no command result will come.
    if (!promise)
        return rejected(text(JexAstroBase.CmdRetType.Other));
    return promise.then(function(ret) {
        var type = ret === undefined || ret === null ? undefined : Number(ret.type);
        if (type !== JexAstroBase.CmdRetType.Ok)
            throw ret.message ? ret.message : text(type);
        return ret.value !== undefined ? ret.value : ret;
    }, function() {
        // The future itself was cancelled, or its job failed without a result.
        throw text(JexAstroBase.CmdRetType.Cancel);
    });
}
