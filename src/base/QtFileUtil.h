#pragma once
// The desktop file utility: settings live beside the executable when that directory is
// writable, otherwise in the user's data directory under the application's folder name.

#include "IFileUtil.h"

#include <string>

namespace JEX {

class QtFileUtil : public IFileUtil {
public:
    explicit QtFileUtil(std::string folderName);

    std::string dataDirPath() const override;
    std::string tempDirPath() const override;
    std::string appDirPath() const override;
    std::string resourceDirPath() const override;
    void prepare() override;
    std::string appFileUrl(const std::string& relativePath) const override;
    std::string appFilePath(const std::string& relativePath) const override;
    bool urlExists(const std::string& urlOrPath) const override;
    bool copyDir(const std::string& source, const std::string& destination,
                 bool overwrite) const override;

    // The data directory for an executable in exeDir: VELMORA_DATA_DIR when set, exeDir when
    // it is a writable directory, else $XDG_DATA_HOME/<folderName> (~/.local/share/<folderName>).
    static std::string chooseDataDir(const std::string& exeDir, const std::string& folderName);

private:
    std::string folderName_;
};

} // namespace JEX
