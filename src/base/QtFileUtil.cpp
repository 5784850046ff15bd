#include "QtFileUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include <sys/stat.h>

#include <unistd.h>

namespace JEX {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

bool isWritableDir(const QString& path) {
    // access() also sees read-only mounts, which permission bits do not show.
    const QByteArray native = QFile::encodeName(path);
    return QFileInfo(path).isDir() && ::access(native.constData(), W_OK) == 0;
}

// The folder of an installed program's documents, relative to its executable's directory.
QString installedShareDir(const QString& exeDir) {
    return QDir::cleanPath(exeDir + QStringLiteral("/../share/") +
                           QLatin1String(QtFileUtil::kDataFolderName));
}

QString executableDir() {
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

// True when path is dir itself or lies somewhere below it.
bool isInside(const QString& path, const QString& dir) {
    const QString cleanPath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString cleanDir = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    return cleanPath == cleanDir || cleanPath.startsWith(cleanDir + QLatin1Char('/'));
}

bool copyTree(const QString& source, const QString& destination, bool overwrite) {
    QDir dest(destination);
    if (!dest.exists() && !QDir().mkdir(destination))
        return false;
    const QFileInfoList entries = QDir(source).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString target = dest.filePath(entry.fileName());
        if (entry.isSymLink() && entry.isDir()) {
            // A linked directory is linked again rather than descended: a link back up the
            // tree would otherwise copy without end.
            if (!QFile::link(entry.symLinkTarget(), target))
                return false;
        } else if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target, overwrite))
                return false;
        } else {
            if (overwrite && QFileInfo::exists(target))
                QFile::remove(target);
            if (!QFile::copy(entry.filePath(), target))
                return false;
        }
    }
    return true;
}

} // namespace

QtFileUtil::QtFileUtil(std::string folderName) : folderName_(std::move(folderName)) {}

std::string QtFileUtil::chooseDataDir(const std::string& exeDir) {
    const QString overridden = qEnvironmentVariable("VELMORA_DATA_DIR");
    if (!overridden.isEmpty())
        return QDir(overridden).absolutePath().toStdString();

    const QString exe = QDir(q(exeDir)).absolutePath();
    if (!exeDir.empty() && isWritableDir(exe) && !isInstalledDir(exeDir))
        return exe.toStdString();

    // An installed program's directory is read-only for users, and one that root may write to
    // (/usr/bin) belongs to the package manager: settings go to the user's data folder.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QLatin1Char('/') + QLatin1String(kDataFolderName)).toStdString();
}

bool QtFileUtil::isInstalledDir(const std::string& exeDir) {
    if (exeDir.empty())
        return false;
    static constexpr const char* kSystemDirs[] = {
        "/bin",       "/sbin",          "/usr/bin",        "/usr/sbin",
        "/usr/games", "/usr/local/bin", "/usr/local/sbin", "/usr/local/games"};
    const QString exe = QDir::cleanPath(QDir(q(exeDir)).absolutePath());
    for (const char* dir : kSystemDirs)
        if (exe == QLatin1String(dir))
            return true;
    return QFileInfo(installedShareDir(exe)).isDir();
}

std::string QtFileUtil::locateAppFile(const std::string& exeDir, const std::string& relativePath) {
    const QString beside = QDir(q(exeDir)).filePath(q(relativePath));
    if (QFileInfo::exists(beside))
        return beside.toStdString();
    const QString shared =
        QDir(installedShareDir(QDir(q(exeDir)).absolutePath())).filePath(q(relativePath));
    return (QFileInfo::exists(shared) ? shared : beside).toStdString();
}

std::string QtFileUtil::dataDirPath() const {
    return chooseDataDir(executableDir().toStdString());
}

std::string QtFileUtil::tempDirPath() const {
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation).toStdString();
}

std::string QtFileUtil::appDirPath() const {
    return executableDir().toStdString();
}

std::string QtFileUtil::resourceDirPath() const {
    return appDirPath();
}

void QtFileUtil::prepare() {}

std::string QtFileUtil::appFileUrl(const std::string& relativePath) const {
    // Encoded: a path with '#', '?' or '%' names that file, not another.
    return QUrl::fromLocalFile(q(appFilePath(relativePath)))
        .toString(QUrl::FullyEncoded)
        .toStdString();
}

std::string QtFileUtil::appFilePath(const std::string& relativePath) const {
    return locateAppFile(executableDir().toStdString(), relativePath);
}

bool QtFileUtil::urlExists(const std::string& urlOrPath) const {
    const QString text = q(urlOrPath);
    if (text.startsWith(QStringLiteral("file:///android_asset/")))
        return true;
    if (text.startsWith(QStringLiteral("file://")))
        return QFileInfo::exists(QUrl(text).toLocalFile());
    if (text.startsWith(QStringLiteral("qrc:/")))
        return QFileInfo::exists(QStringLiteral(":/") + text.mid(5));
    return !text.isEmpty() && QFileInfo::exists(text);
}

bool QtFileUtil::makePrivateDir(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QDir().mkpath(QFileInfo(clean).absolutePath());
    ::mkdir(QFile::encodeName(clean).constData(), 0700);
    return QFileInfo(clean).isDir();
}

bool QtFileUtil::copyDir(const std::string& source, const std::string& destination,
                         bool overwrite) const {
    const QString src = q(source);
    const QString dst = q(destination);
    // A missing source is a failed copy, and a destination inside the source would grow
    // while it is being copied.
    if (src.isEmpty() || dst.isEmpty() || !QFileInfo(src).isDir() || isInside(dst, src))
        return false;
    return copyTree(src, dst, overwrite);
}

} // namespace JEX
