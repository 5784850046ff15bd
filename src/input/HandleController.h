#pragma once
// The hand controller as QML sees it: the game pad's keys held down and every key event in
// QML terms. Bound to the window's focus through `active`: a pad acts only on the window in
// front, and losing the focus releases every key and centres every stick it held. Made by QML, it
// drives its own native side on SDL2 unless `nativeSide` is given at creation; made in C++, it
// takes its native side through the constructor.

#include "IHandleControllerNative.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlparserstatus.h>

#include <memory>

namespace JEX {

class HandleController : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    // Keys held down, in the order they went down; joystick keys never enter.
    Q_PROPERTY(QList<JEX::HandleController::HandleControllerKey> downKeys READ downKeys NOTIFY
                   downKeysChanged)
    // The native side to listen to, set once at creation; by default one on SDL2.
    Q_PROPERTY(QObject* nativeSide READ nativeSide WRITE setNativeSide)
    // False: events are dropped; turning false releases what was held. True by default.
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

public:
    enum HandleControllerKey {
        DPAD_LEFT,
        DPAD_RIGHT,
        DPAD_UP,
        DPAD_DOWN,
        GAMEPAD_X,
        GAMEPAD_Y,
        GAMEPAD_A,
        GAMEPAD_B,
        GAMEPAD_L1,
        GAMEPAD_R1,
        GAMEPAD_L2,
        GAMEPAD_R2,
        GAMEPAD_L3,
        GAMEPAD_R3,
        GAMEPAD_START,
        GAMEPAD_SELECT,
        GAMEPAD_CENTER,
        GAMEPAD_GUIDE,
        JOYSTICK_LEFT_X,
        JOYSTICK_LEFT_Y,
        JOYSTICK_RIGHT_X,
        JOYSTICK_RIGHT_Y,
        JOYSTICK_THUMB_L,
        JOYSTICK_THUMB_R,
    };
    Q_ENUM(HandleControllerKey)

    enum HandleControllerAction {
        UP = 0,
        DOWN = 1,
    };
    Q_ENUM(HandleControllerAction)

    // For QML: the native side is attached and started when the element is complete.
    explicit HandleController(QObject* parent = nullptr);
    // Attaches and starts the given native side at once.
    explicit HandleController(std::shared_ptr<IHandleControllerNative> native,
                              QObject* parent = nullptr);
    ~HandleController() override;

    QList<HandleControllerKey> downKeys() const { return downKeys_; }

    QObject* nativeSide() const { return native_; }
    // Not owned: whoever gives it keeps it alive at least as long as this element.
    void setNativeSide(QObject* native);

    bool active() const { return active_; }
    void setActive(bool active);

    void classBegin() override {}
    void componentComplete() override;

public slots:
    // value 1 presses key, 0 releases it; the device id is not used.
    void handleDPadEvent(int deviceId, JEX::HandleController::HandleControllerKey key, int value);
    void handleGamePadEvent(int deviceId, JEX::HandleController::HandleControllerKey key,
                            int value);
    void handleJoystickEvent(int deviceId, JEX::HandleController::HandleControllerKey key,
                             double value);

signals:
    void activeChanged();
    void downKeysChanged();
    void handleControllerChanged(JEX::HandleController::HandleControllerKey key,
                                 JEX::HandleController::HandleControllerAction action,
                                 double value);

private:
    void attach(IHandleControllerNative* native);
    void keyEvent(HandleControllerKey key, int value);

    std::shared_ptr<IHandleControllerNative> owned_;
    QPointer<IHandleControllerNative> native_;
    bool attached_ = false;
    QList<QMetaObject::Connection> connections_;
    QList<HandleControllerKey> downKeys_;
    // Stick axes away from the centre, with their last value.
    QHash<HandleControllerKey, double> sticks_;
    bool active_ = true;
};

} // namespace JEX
