#include "HelpFile.h"

#include <utility>

namespace JEX {

std::string connectHelpPath(const IFileUtil& fileUtil, const std::string& languageCode) {
    const std::string fallback = fileUtil.appFileUrl("help/en/connect-help.html");
    const std::string candidate =
        fileUtil.appFileUrl("help/" + languageCode + "/connect-help.html");
    return languageCode != "en" && fileUtil.urlExists(candidate) ? candidate : fallback;
}

HelpFile::HelpFile(std::shared_ptr<IFileUtil> fileUtil,
                   std::shared_ptr<ILanguageManager> languageManager,
                   std::shared_ptr<IPlatformUrl> platformUrl, HelpPathFunction helpPath)
    : fileUtil_(std::move(fileUtil)), languageManager_(std::move(languageManager)),
      platformUrl_(std::move(platformUrl)), helpPath_(std::move(helpPath)) {
    connect(languageManager_.get(), &ILanguageManager::languageChanged_q, this,
            &IHelpFile::helpUrlChanged);
}

std::string HelpFile::path() const {
    return helpPath_(*fileUtil_, languageManager_->language());
}

QUrl HelpFile::helpUrl() const {
    return QUrl(QString::fromStdString(path()), QUrl::TolerantMode);
}

void HelpFile::openInExternalApp() {
    platformUrl_->openUrl(path());
}

} // namespace JEX
