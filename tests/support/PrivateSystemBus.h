#pragma once
// A message bus of the test's own standing in for the system bus: made before anything
// connects to the system bus, it takes DBUS_SYSTEM_BUS_ADDRESS, and it announces what logind
// would announce. Nothing reaches the machine's own buses.

#include "Spawn.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace JEX::Test {

class PrivateSystemBus : public QObject {
    Q_OBJECT
public:
    PrivateSystemBus() {
        if (daemon_.start(
                {"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address"}))
            address_ = QString::fromUtf8(daemon_.readLine(30000).trimmed());
        if (!address_.isEmpty())
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
    }
    // The daemon is killed after this, as the child goes.
    ~PrivateSystemBus() override { QDBusConnection::disconnectFromBus(QStringLiteral("login1")); }

    bool isValid() const { return !address_.isEmpty(); }

    // logind's word that the system is about to sleep; false when it could not be sent.
    Q_INVOKABLE bool prepareForSleep() {
        QDBusConnection bus = QDBusConnection::connectToBus(address_, QStringLiteral("login1"));
        if (!bus.isConnected())
            return false;
        bus.registerService(QStringLiteral("org.freedesktop.login1"));
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        signal << true;
        return bus.send(signal);
    }

private:
    Child daemon_;
    QString address_;
};

} // namespace JEX::Test
