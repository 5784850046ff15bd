#include "PlatformUrl.h"

#include <QDesktopServices>

#include <utility>

namespace JEX {

PlatformUrl::~PlatformUrl() {
    for (const auto& [scheme, handler] : handlers_)
        QDesktopServices::unsetUrlHandler(QString::fromStdString(scheme));
}

void PlatformUrl::registerUrlHandler(const std::string& scheme, UrlHandler handler) {
    handlers_[scheme] = std::move(handler);
    QDesktopServices::setUrlHandler(QString::fromStdString(scheme), this, "dispatchUrl");
}

void PlatformUrl::unregisterUrlHandler(const std::string& scheme) {
    handlers_.erase(scheme);
    QDesktopServices::unsetUrlHandler(QString::fromStdString(scheme));
}

void PlatformUrl::openUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

void PlatformUrl::dispatchUrl(const QUrl& url) {
    const auto it = handlers_.find(url.scheme().toStdString());
    if (it == handlers_.end() || !it->second)
        return;
    // A copy: the handler may unregister its own scheme.
    const UrlHandler handler = it->second;
    handler(url.toString().toStdString());
}

} // namespace JEX
