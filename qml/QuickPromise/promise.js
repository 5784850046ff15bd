.pragma library

// Promises for QML code, known to pages as Q:
//   var p = Q.promise();          pending; p.resolve(value) or p.reject(reason) settles it once
//   p.then(onFulfilled, onRejected)  a new promise for what the handler returns or throws
//   Q.all([p1, p2, value])        fulfilled with every value in list order, or rejected with
//                                 the first rejection
// Handlers never run inside the call that settles a promise or attaches them: they run in
// order, after control has returned to the event loop.

var queue = [];
var flushPending = false;

function flush() {
    // Handlers queued while flushing run in this same turn, after those already waiting.
    for (var i = 0; i < queue.length; ++i) {
        try {
            queue[i]();
        } catch (e) {
            console.warn("QuickPromise:", e);
        }
    }
    queue = [];
    flushPending = false;
}

function later(job) {
    queue.push(job);
    if (!flushPending) {
        flushPending = true;
        Qt.callLater(flush);
    }
}

function isThenable(value) {
    return value !== null && (typeof value === "object" || typeof value === "function")
            && typeof value.then === "function";
}

function QuickPromise() {
    this.isSettled = false;
    this.isFulfilled = false;
    this.isRejected = false;
    this.value = undefined;
    this._locked = false; // resolved with a thenable whose outcome it follows
    this._handlers = [];
}

QuickPromise.prototype.resolve = function(value) {
    if (this.isSettled || this._locked)
        return;
    if (value === this) {
        this._settle(false, new TypeError("A promise cannot be resolved with itself"));
        return;
    }
    var self = this;
    var then;
    try {
        then = isThenable(value) ? value.then : null;
    } catch (e) {
        this._settle(false, e);
        return;
    }
    if (!then) {
        this._settle(true, value);
        return;
    }
    this._locked = true;
    var called = false;
    try {
        then.call(value, function(v) {
            if (called)
                return;
            called = true;
            self._locked = false;
            self.resolve(v);
        }, function(r) {
            if (called)
                return;
            called = true;
            self._settle(false, r);
        });
    } catch (e) {
        if (!called) {
            called = true;
            this._settle(false, e);
        }
    }
};

QuickPromise.prototype.reject = function(reason) {
    if (!this.isSettled && !this._locked)
        this._settle(false, reason);
};

QuickPromise.prototype.then = function(onFulfilled, onRejected) {
    var next = new QuickPromise();
    this._handlers.push({ onFulfilled: onFulfilled, onRejected: onRejected, next: next });
    if (this.isSettled)
        this._dispatch();
    return next;
};

QuickPromise.prototype._settle = function(fulfilled, value) {
    this._locked = false;
    this.isSettled = true;
    this.isFulfilled = fulfilled;
    this.isRejected = !fulfilled;
    this.value = value;
    this._dispatch();
};

QuickPromise.prototype._dispatch = function() {
    var handlers = this._handlers;
    this._handlers = [];
    var self = this;
    handlers.forEach(function(h) {
        later(function() {
            var handler = self.isFulfilled ? h.onFulfilled : h.onRejected;
            if (typeof handler !== "function") {
                if (self.isFulfilled)
                    h.next.resolve(self.value);
                else
                    h.next.reject(self.value);
                return;
            }
            try {
                h.next.resolve(handler(self.value));
            } catch (e) {
                h.next.reject(e);
            }
        });
    });
};

function promise() {
    return new QuickPromise();
}

function all(list) {
    var result = new QuickPromise();
    var values = new Array(list.length);
    var remaining = list.length;
    if (remaining === 0)
        result.resolve(values);
    list.forEach(function(item, index) {
        var p = new QuickPromise();
        p.resolve(item);
        p.then(function(value) {
            values[index] = value;
            if (--remaining === 0)
                result.resolve(values);
        }, function(reason) {
            result.reject(reason);
        });
    });
    return result;
}
