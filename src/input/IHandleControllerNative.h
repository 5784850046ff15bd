#pragma once
// The native side of the hand controller: polls the game pads on a thread of its own and
// reports their buttons, triggers and sticks as events. The signals are emitted on the
// polling thread; the operations are called on the thread that owns the object.

#include <QList>
#include <QObject>

namespace JEX {

class IHandleControllerNative : public QObject {
    Q_OBJECT
public:
    // User indexes (0 to 3) of the pads seen connected, in the order they were first seen.
    virtual QList<int> connectedPads() const = 0;
    // Starts polling; when the platform library cannot be used, logs it and stays inert.
    virtual void start() = 0;
    // Ends polling and waits for the polling thread to finish.
    virtual void stop() = 0;

signals:
    // key is a HandleController::HandleControllerKey; value 1 pressed, 0 released.
    void triggerHandleDPadEvent(int id, int key, int value);
    void triggerHandleGamePadEvent(int id, int key, int value);
    // value is the stick position on its axis, -1 to 1.
    void triggerHandleJoystickEvent(int id, int key, double value);
};

} // namespace JEX
