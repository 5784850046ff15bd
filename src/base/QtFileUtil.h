#pragma once
// The desktop file utility: settings live beside the executable when that directory is a
// writable build tree or portable folder, otherwise in the user's data directory
// ($XDG_DATA_HOME/velmora-console). An installed program never writes beside itself, and
// finds its documents in its prefix's share/velmora-console.

#include "IFileUtil.h"

#include <QString>

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

    // Where desktop users and packagers look for a program's data on Linux.
    static constexpr const char* kDataFolderName = "velmora-console";

    // The data directory for an executable in exeDir: VELMORA_DATA_DIR when set, exeDir when
    // it is a writable directory of a build tree or portable use, else
    // $XDG_DATA_HOME/velmora-console (~/.local/share/velmora-console). Every program of the
    // project shares it, whatever folder name it was made with.
    static std::string chooseDataDir(const std::string& exeDir);

    // True when exeDir is an installed program's directory: a system program directory
    // (/usr/bin and the like), or one whose prefix holds share/velmora-console.
    static bool isInstalledDir(const std::string& exeDir);

    // The path of a file that ships with the program: beside the executable in exeDir when it
    // is there, else in the prefix's share/velmora-console when it is there, else beside the
    // executable (which need not exist).
    static std::string locateAppFile(const std::string& exeDir, const std::string& relativePath);

    const std::string& folderName() const { return folderName_; }

    // Creates the folder path with its parents; a folder it creates itself is private to the
    // user (0700), one that exists keeps the mode it has. False when path is no folder after.
    static bool makePrivateDir(const QString& path);

private:
    // The name the program's data folder goes by elsewhere; kept, but it names no path here.
    std::string folderName_;
};

} // namespace JEX
