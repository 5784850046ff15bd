#pragma once
// The help document beside the executable, in the user's language where one exists.

#include "IFileUtil.h"
#include "IHelpFile.h"
#include "ILanguageManager.h"
#include "IPlatformUrl.h"

#include <functional>
#include <memory>
#include <string>

namespace JEX {

// The URL text of the help document for a language code.
using HelpPathFunction =
    std::function<std::string(const IFileUtil& fileUtil, const std::string& languageCode)>;

// "help/<code>/connect-help.html" beside the executable when that file exists, else the
// English one (whose existence is not checked).
std::string connectHelpPath(const IFileUtil& fileUtil, const std::string& languageCode);

class HelpFile : public IHelpFile {
    Q_OBJECT
public:
    HelpFile(std::shared_ptr<IFileUtil> fileUtil, std::shared_ptr<ILanguageManager> languageManager,
             std::shared_ptr<IPlatformUrl> platformUrl, HelpPathFunction helpPath);

    QUrl helpUrl() const override;
    void openInExternalApp() override;
    QString document(bool night) const override;

private:
    std::string path() const;

    std::shared_ptr<IFileUtil> fileUtil_;
    std::shared_ptr<ILanguageManager> languageManager_;
    std::shared_ptr<IPlatformUrl> platformUrl_;
    HelpPathFunction helpPath_;
};

} // namespace JEX
