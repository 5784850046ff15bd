#pragma once
// A message bus of the test's own standing in for the system bus: made before anything
// connects to the system bus, it takes DBUS_SYSTEM_BUS_ADDRESS, and it announces what logind
// would announce. Nothing reaches the machine's own buses.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>

namespace JEX::Test {

class PrivateSystemBus : public QObject {
    Q_OBJECT
public:
    PrivateSystemBus() {
        daemon_.setProgram(QStringLiteral("dbus-daemon"));
        daemon_.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                              QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        daemon_.start();
        if (!daemon_.waitForReadyRead(30000))
            return;
        address_ = QString::fromUtf8(daemon_.readLine().trimmed());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8());
    }
    ~PrivateSystemBus() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("login1"));
        daemon_.kill();
        daemon_.waitForFinished();
    }

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
    QProcess daemon_;
    QString address_;
};

} // namespace JEX::Test
