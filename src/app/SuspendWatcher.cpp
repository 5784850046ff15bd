#include "SuspendWatcher.h"

#include "Log.h"

#include <QDBusConnection>

namespace JEX {

SuspendWatcher::SuspendWatcher(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::systemBus();
    listening_ = bus.isConnected() &&
                 bus.connect(QStringLiteral("org.freedesktop.login1"),
                             QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("org.freedesktop.login1.Manager"),
                             QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    if (!listening_)
        log("SuspendWatcher: no system bus, a suspend is not seen");
}

void SuspendWatcher::prepareForSleep(bool start) {
    if (start)
        emit suspending();
}

} // namespace JEX
