#include "QtKVStore.h"

#include "FileLock.h"
#include "Log.h"
#include "QtFileUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace JEX {
namespace {

QString keyString(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString storePath(const QString& fileName, const std::shared_ptr<IFileUtil>& fileUtil) {
    if (fileName.isEmpty() || !fileUtil)
        return {};
    const QString dir = QString::fromStdString(fileUtil->dataDirPath());
    return QFileInfo(dir + QLatin1Char('/') + fileName).absoluteFilePath();
}

// A copy that shares no data with the original, nested arrays and objects included.
QJsonObject deepCopy(const QJsonObject& object) {
    return QJsonDocument::fromJson(QJsonDocument(object).toJson(QJsonDocument::Compact)).object();
}

} // namespace

QtKVStore::QtKVStore(const QString& fileName, std::shared_ptr<IFileUtil> fileUtil)
    : fileName_(fileName), fileUtil_(std::move(fileUtil)),
      filePath_(storePath(fileName_, fileUtil_)) {
    load();
}

void QtKVStore::load() {
    if (filePath_.isEmpty())
        return;
    QJsonObject object;
    switch (readFile(object)) {
    case FileState::Object:
        data_ = object;
        break;
    case FileState::Unreadable:
        // Set aside before the first save would replace it.
        unreadable_ = true;
        break;
    case FileState::Missing:
        break;
    }
}

QtKVStore::FileState QtKVStore::readFile(QJsonObject& object) const {
    const QFileInfo info(filePath_);
    if (!info.exists())
        return FileState::Missing;
    QFile file(filePath_);
    // A file that cannot be opened (no permission, a sudo run's root-owned copy) still holds
    // the user's settings: it is never written over.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return info.isDir() ? FileState::Missing : FileState::Unreadable;
    if (file.size() == 0)
        return FileState::Missing;
    // Anything but a JSON object (binary, an array, a huge file) is unreadable.
    if (file.size() > kMaxFileBytes)
        return FileState::Unreadable;
    // Read what the file holds (and a byte more, should it grow meanwhile): reading up to the
    // limit would first allocate the whole limit.
    const QByteArray bytes = file.read(std::min(file.size(), kMaxFileBytes) + 1);
    if (bytes.size() > kMaxFileBytes)
        return FileState::Unreadable;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return FileState::Unreadable;
    object = document.object();
    return FileState::Object;
}

bool QtKVStore::setAsideUnreadableLocked() {
    if (!unreadable_)
        return true;
    // A fresh name each time: an earlier copy kept aside is never replaced.
    const QByteArray from = QFile::encodeName(filePath_);
    QString aside;
    int error = EEXIST;
    for (int n = 0; n < kMaxAsideCopies && error == EEXIST; ++n) {
        aside = filePath_ + QStringLiteral(".unreadable") +
                (n == 0 ? QString() : QStringLiteral(".%1").arg(n));
        const QByteArray to = QFile::encodeName(aside);
        error =
            ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0
                ? 0
                : errno;
        // A file system without the no-replace rename: look first, then rename.
        if (error == EINVAL || error == ENOSYS) {
            if (QFileInfo::exists(aside))
                error = EEXIST;
            else
                error = std::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
        }
    }
    // The file is gone (the user removed it after the warning): nothing is left to protect.
    if (error == ENOENT) {
        unreadable_ = false;
        return true;
    }
    if (error != 0) {
        char reason[128];
        log("Warning: cannot keep unreadable settings file as %s: %s; changes are kept in "
            "memory only",
            qUtf8Printable(aside), strerror_r(error, reason, sizeof reason));
        return false;
    }
    unreadable_ = false;
    log("Warning: unreadable settings file kept as %s", qUtf8Printable(aside));
    return true;
}

void QtKVStore::saveLocked() {
    if (filePath_.isEmpty())
        return;
    const QString dir = QFileInfo(filePath_).absolutePath();
    QtFileUtil::makePrivateDir(dir);
    // Every program of ours that writes the file holds the folder's lock from reading the file
    // to replacing it.
    const FileLock lock(dir, FileLock::Wait::Yes);
    if (!lock.held() && !lockWarned_) {
        lockWarned_ = true;
        char reason[128];
        log("Warning: cannot lock settings folder %s: %s", qUtf8Printable(dir),
            strerror_r(lock.error(), reason, sizeof reason));
    }
    if (!replacedAll_) {
        QJsonObject current;
        const FileState state = readFile(current);
        if (state == FileState::Unreadable)
            unreadable_ = true;
        if (state == FileState::Object) {
            unreadable_ = false;
            for (const QString& key : std::as_const(changed_)) {
                const auto it = data_.constFind(key);
                if (it == data_.constEnd())
                    current.remove(key);
                else
                    current.insert(key, it.value());
            }
            data_ = current;
        }
    }
    // What could not be read is never written over: without a copy aside, nothing is saved.
    if (!setAsideUnreadableLocked())
        return;
    // QSaveFile writes a temporary file and renames it over the old one, so a crash or power
    // loss mid-save leaves either the previous or the new settings, never a truncated file.
    const bool created = !QFileInfo::exists(filePath_);
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) {
        log("Warning: cannot open output file: %s", qUtf8Printable(filePath_));
        return;
    }
    // The file holds the observing site and the mount's address: a new one is the user's only.
    if (created)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = QJsonDocument(data_).toJson(QJsonDocument::Indented);
    // commit() does not notice a write that fails while it flushes its buffer (disk full,
    // size limit) and would put the truncated file in place; flush and check first.
    errno = 0;
    const bool written =
        file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    const int writeErrno = errno;
    if (!written) {
        file.cancelWriting();
        char reason[128];
        log("Warning: cannot write output file: %s: %s", qUtf8Printable(filePath_),
            strerror_r(writeErrno, reason, sizeof reason));
    } else if (!file.commit()) {
        log("Warning: cannot write output file: %s: %s", qUtf8Printable(filePath_),
            qUtf8Printable(file.errorString()));
    } else {
        changed_.clear();
        replacedAll_ = false;
    }
}

// Qt counts the owners of shared JSON data inside its own library, where ThreadSanitizer
// cannot see the ordering; so nothing that leaves the lock shares data with data_, and
// everything read from it is converted before the lock is released.
template <typename F> auto QtKVStore::read(std::string_view key, F&& convert) const {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    return convert(data_.value(k));
}

void QtKVStore::set(std::string_view key, const QJsonValue& value) {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    data_.insert(k, value);
    changed_.insert(k);
    saveLocked();
}

QJsonObject QtKVStore::getAll() const {
    std::lock_guard lock(mutex_);
    return deepCopy(data_);
}

void QtKVStore::setAll(const QJsonObject& all) {
    QJsonObject copy = deepCopy(all);
    std::lock_guard lock(mutex_);
    data_.swap(copy);
    replacedAll_ = true;
    saveLocked();
}

std::string QtKVStore::getString(std::string_view key, const std::string& defaultValue) const {
    return read(key, [&](const QJsonValue& v) {
        return v.isString() ? v.toString().toStdString() : defaultValue;
    });
}

bool QtKVStore::getBool(std::string_view key, bool defaultValue) const {
    return read(key, [&](const QJsonValue& v) { return v.isBool() ? v.toBool() : defaultValue; });
}

int32_t QtKVStore::getInt(std::string_view key, int32_t defaultValue) const {
    return read(key, [&](const QJsonValue& v) -> int32_t {
        if (!v.isDouble())
            return defaultValue;
        // A fraction or a number beyond 32 bits is not an integer setting.
        const double d = v.toDouble();
        if (!(d >= -2147483648.0 && d <= 2147483647.0) || std::trunc(d) != d)
            return defaultValue;
        return v.toInt(defaultValue);
    });
}

double QtKVStore::getDouble(std::string_view key, double defaultValue) const {
    return read(key,
                [&](const QJsonValue& v) { return v.isDouble() ? v.toDouble() : defaultValue; });
}

void QtKVStore::setString(std::string_view key, const std::string& value) {
    set(key, QJsonValue(QString::fromStdString(value)));
}

void QtKVStore::setBool(std::string_view key, bool value) {
    set(key, QJsonValue(value));
}

void QtKVStore::setInt(std::string_view key, int32_t value) {
    set(key, QJsonValue(static_cast<int>(value)));
}

void QtKVStore::setDouble(std::string_view key, double value) {
    // JSON has no NaN or infinity; the file would hold null, so memory holds null too and a
    // later read gives its default now as after a restart.
    set(key, std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null));
}

bool QtKVStore::contains(std::string_view key) const {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    return data_.contains(k);
}

void QtKVStore::remove(std::string_view key) {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    data_.remove(k);
    changed_.insert(k);
    saveLocked();
}

} // namespace JEX
