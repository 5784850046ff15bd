#pragma once
// The read side of the connection for QML and the pages: is a mount connected, which one,
// and is a program running on it.

#include "ITAVO.h"

#include <QObject>
#include <QVariant>

namespace JEX {

class ITAVOConnector : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected NOTIFY tavoChanged)
    Q_PROPERTY(JEX::ITAVO* tavo READ tavo NOTIFY tavoChanged)
    // The task state's running flag, or undefined until it can be told.
    Q_PROPERTY(QVariant isRunningTask READ isRunningTask NOTIFY tavoStatusChanged)
public:
    using QObject::QObject;

    // True exactly when tavo is not null.
    virtual bool connected() const = 0;
    virtual ITAVO* tavo() const = 0;
    // Lets go of the mount object without closing the link or announcing a session outcome.
    Q_INVOKABLE virtual void interruptionDisconnect() = 0;
    virtual QVariant isRunningTask() const = 0;

signals:
    void tavoChanged();
    void tavoStatusChanged();
    // The mount object was let go by interruptionDisconnect: the link was cut on purpose
    // (new Wi-Fi settings), not closed by the user.
    void interrupted();
};

} // namespace JEX
