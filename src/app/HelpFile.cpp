#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>

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

QString HelpFile::document(bool night) const {
    QFile file(helpUrl().toLocalFile());
    // The document is a few tens of kilobytes; anything far larger is not ours.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024)
        return {};
    QString html = QString::fromUtf8(file.readAll());
    if (!night)
        return html;
    static const QRegularExpression picture(QStringLiteral("<img\\b[^>]*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    html.remove(picture);
    // The night palette of the window: red text, dark red rules, no light fill anywhere.
    const QString nightStyle = QStringLiteral(
        "<style>body, p, li, td, th, h1, h2, h3, figcaption { color: #D82818; background: "
        "#000000; } a { color: #FF3C00; } h2, td, th { border-color: #5A1000; } .note, code, "
        "kbd { background: #1A0000; border-color: #5A1000; }</style>");
    const qsizetype head = html.indexOf(QStringLiteral("</head>"), 0, Qt::CaseInsensitive);
    html.insert(head >= 0 ? head : 0, nightStyle);
    return html;
}

} // namespace JEX
