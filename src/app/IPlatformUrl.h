#pragma once
// Opening URLs with the platform's default application, and handing URLs of chosen schemes
// that the platform opens back to handlers of the console.

#include <QObject>
#include <QUrl>

#include <functional>
#include <string>

namespace JEX {

using UrlHandler = std::function<void(const std::string& url)>;

class IPlatformUrl : public QObject {
    Q_OBJECT
public:
    // Replaces any handler of the scheme and routes the platform's URLs of it here.
    virtual void registerUrlHandler(const std::string& scheme, UrlHandler handler) = 0;
    virtual void unregisterUrlHandler(const std::string& scheme) = 0;
    // Reports nothing when the platform cannot open the URL.
    virtual void openUrl(const std::string& url) = 0;

public slots:
    // Calls the handler of the URL's scheme with the whole URL; ignores a scheme without one.
    virtual void dispatchUrl(const QUrl& url) = 0;
};

} // namespace JEX
