#pragma once
// The desktop's URL opening through Qt's desktop services.

#include "IPlatformUrl.h"

#include <string>
#include <unordered_map>

namespace JEX {

class PlatformUrl : public IPlatformUrl {
    Q_OBJECT
public:
    using IPlatformUrl::IPlatformUrl;
    // Gives every scheme still registered back to the platform.
    ~PlatformUrl() override;

    void registerUrlHandler(const std::string& scheme, UrlHandler handler) override;
    void unregisterUrlHandler(const std::string& scheme) override;
    void openUrl(const std::string& url) override;
    void dispatchUrl(const QUrl& url) override;

private:
    std::unordered_map<std::string, UrlHandler> handlers_;
};

} // namespace JEX
