#pragma once
// The connection dialog's model: one connect or disconnect session at a time, its status
// and detail lines, the found devices and the one action the dialog offers.

#include "ConnectableState.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

namespace JEX {

// How a reconnect ended.
enum class ReconnectOutcome { Connected, Failed, OtherMount };

// A session started from code: done is called with the connected flag when the session ends.
struct SessionRequest {
    std::function<void(bool connected)> done;
    QVariant value;
};

class IConnectable : public QObject {
    Q_OBJECT
    Q_PROPERTY(JEX::ConnectableState_::E state READ state NOTIFY statusChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)
    Q_PROPERTY(QString statusDetailText READ statusDetailText NOTIFY statusChanged)
    Q_PROPERTY(QVariant devicesList READ devicesList NOTIFY devicesListChanged)
    Q_PROPERTY(QString nextActionText READ nextActionText NOTIFY statusChanged)
    // The connected link's address, port or "demo"; empty when no mount is connected.
    Q_PROPERTY(QString connectedEndpoint READ connectedEndpoint NOTIFY statusChanged)
public:
    using QObject::QObject;

    virtual ConnectableState_::E state() const = 0;
    virtual bool busy() const = 0;
    virtual QString statusText() const = 0;
    virtual QString statusDetailText() const = 0;
    virtual QVariant devicesList() const = 0;
    virtual QString nextActionText() const = 0;
    virtual QString connectedEndpoint() const = 0;
    virtual void startSession(SessionRequest request) = 0;
    Q_INVOKABLE virtual void startSession() = 0;
    // A session nobody asked for in the window (the connection at launch): the dialog opens
    // only when the user must choose or hear why it failed, or asks to see it.
    virtual void startQuietSession() = 0;
    // Opens a link again to the mount connected last, without a search or the dialog, and takes
    // it back only when it is that mount (its firmware, and the name it had or was given since);
    // nothing is written to another one. done is called once, on a background thread or at once.
    virtual void reconnect(std::function<void(ReconnectOutcome)> done) = 0;
    // A mount was connected in this run, so a reconnect knows where to go.
    virtual bool canReconnect() const = 0;
    Q_INVOKABLE virtual void startNextAction() = 0;
    Q_INVOKABLE virtual void selectDevice(int deviceIndex) = 0;
    Q_INVOKABLE virtual void cancelSession() = 0;

signals:
    void statusChanged();
    void devicesListChanged();
    void sessionStarted();
    void sessionDone();
};

} // namespace JEX
