#include "HandleController.h"

#include "HandleControllerNative.h"
#include "Log.h"
#include "SdlPadSource.h"

#include <utility>

namespace JEX {

namespace {

void registerTypes() {
    qRegisterMetaType<HandleController::HandleControllerKey>(
        "HandleController::HandleControllerKey");
    qRegisterMetaType<HandleController::HandleControllerAction>(
        "HandleController::HandleControllerAction");
    qRegisterMetaType<QList<HandleController::HandleControllerKey>>(
        "QList<HandleController::HandleControllerKey>");
}

} // namespace

HandleController::HandleController(QObject* parent) : QObject(parent) {
    registerTypes();
}

HandleController::HandleController(std::shared_ptr<IHandleControllerNative> native, QObject* parent)
    : QObject(parent), owned_(std::move(native)) {
    registerTypes();
    attach(owned_.get());
}

HandleController::~HandleController() {
    if (native_)
        native_->stop();
    for (const auto& c : connections_)
        disconnect(c);
}

void HandleController::setNativeSide(QObject* native) {
    if (attached_) {
        log("HandleController: the native side is set at creation only, change ignored");
        return;
    }
    auto* n = qobject_cast<IHandleControllerNative*>(native);
    if (native && !n) {
        log("HandleController: %s is no hand-controller native side, ignored",
            native->metaObject()->className());
        return;
    }
    native_ = n;
}

void HandleController::componentComplete() {
    if (attached_)
        return;
    if (!native_) {
        owned_ = std::make_shared<HandleControllerNative>(std::make_shared<SdlPadSource>());
        native_ = owned_.get();
    }
    attach(native_);
}

void HandleController::attach(IHandleControllerNative* native) {
    attached_ = true;
    native_ = native;
    if (!native)
        return;
    // Queued: the native side reports on its polling thread, downKeys changes on ours.
    connections_ = {
        connect(
            native, &IHandleControllerNative::triggerHandleDPadEvent, this,
            [this](int id, int key, int value) {
                handleDPadEvent(id, HandleControllerKey(key), value);
            },
            Qt::QueuedConnection),
        connect(
            native, &IHandleControllerNative::triggerHandleGamePadEvent, this,
            [this](int id, int key, int value) {
                handleGamePadEvent(id, HandleControllerKey(key), value);
            },
            Qt::QueuedConnection),
        connect(
            native, &IHandleControllerNative::triggerHandleJoystickEvent, this,
            [this](int id, int key, double value) {
                handleJoystickEvent(id, HandleControllerKey(key), value);
            },
            Qt::QueuedConnection),
    };
    native->start();
}

void HandleController::handleDPadEvent(int, HandleControllerKey key, int value) {
    keyEvent(key, value);
}

void HandleController::handleGamePadEvent(int, HandleControllerKey key, int value) {
    keyEvent(key, value);
}

void HandleController::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (!active) {
        // Whatever the pad held would otherwise go on (a slew included) until the window
        // comes back and the key goes up: it is let go now.
        const QList<HandleControllerKey> held = std::exchange(downKeys_, {});
        const auto sticks = std::exchange(sticks_, {});
        for (HandleControllerKey key : held)
            emit handleControllerChanged(key, UP, 0.0);
        for (auto it = sticks.begin(); it != sticks.end(); ++it)
            emit handleControllerChanged(it.key(), UP, 0.0);
        if (!held.isEmpty() || !sticks.isEmpty())
            emit downKeysChanged();
    }
    emit activeChanged();
}

void HandleController::handleJoystickEvent(int, HandleControllerKey key, double value) {
    if (!active_)
        return;
    if (value != 0.0)
        sticks_.insert(key, value);
    else
        sticks_.remove(key);
    emit handleControllerChanged(key, UP, value);
    emit downKeysChanged();
}

void HandleController::keyEvent(HandleControllerKey key, int value) {
    if (!active_)
        return;
    if (value == DOWN) {
        if (downKeys_.contains(key))
            return;
        downKeys_.append(key);
        emit handleControllerChanged(key, DOWN, 1.0);
        emit downKeysChanged();
    } else if (value == UP) {
        if (!downKeys_.removeOne(key))
            return;
        emit handleControllerChanged(key, UP, 0.0);
        emit downKeysChanged();
    }
}

} // namespace JEX
