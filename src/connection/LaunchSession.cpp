#include "LaunchSession.h"

#include <QCoreApplication>

namespace JEX {

LaunchSession::LaunchSession(D d, QObject* parent) : QObject(parent), d_(std::move(d)) {
    // The connector tells on the thread that connected; this object reads on its own.
    connect(d_.connector.get(), &ITAVOConnector::tavoChanged, this,
            &LaunchSession::connectorChanged, Qt::QueuedConnection);
}

void LaunchSession::start() {
    if (d_.demoRun || d_.settings->connectAtLaunch())
        d_.connectable->startQuietSession();
}

void LaunchSession::connectorChanged() {
    if (d_.connector->connected() && !d_.demoRun) {
        const std::string endpoint = d_.connectable->connectedEndpoint().toStdString();
        if (!endpoint.empty())
            d_.settings->setLastMount(endpoint);
    }
    emit hintChanged();
}

QString LaunchSession::hint() const {
    if (d_.demoRun || d_.connector->connected() || !d_.settings->lastMount().empty())
        return {};
    return QCoreApplication::translate(
        "mount", "No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected "
                 "below to search for it. For a serial cable or the demo mount, choose the "
                 "connection in Settings first.");
}

} // namespace JEX
