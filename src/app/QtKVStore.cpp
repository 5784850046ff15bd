#include "QtKVStore.h"

#include "Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <cstring>

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

} // namespace

QtKVStore::QtKVStore(const QString& fileName, std::shared_ptr<IFileUtil> fileUtil)
    : fileName_(fileName), fileUtil_(std::move(fileUtil)),
      filePath_(storePath(fileName_, fileUtil_)) {
    load();
}

void QtKVStore::load() {
    if (filePath_.isEmpty())
        return;
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return;
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return;
    // Anything but a JSON object (empty, binary, an array) leaves the store empty.
    data_ = QJsonDocument::fromJson(bytes).object();
}

void QtKVStore::saveLocked() {
    if (filePath_.isEmpty())
        return;
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    // QSaveFile writes a temporary file and renames it over the old one, so a crash or power
    // loss mid-save leaves either the previous or the new settings, never a truncated file.
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly)) {
        log("Warning: cannot open output file: %s", qUtf8Printable(filePath_));
        return;
    }
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
    }
}

QJsonValue QtKVStore::value(std::string_view key) const {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    return data_.value(k);
}

void QtKVStore::set(std::string_view key, const QJsonValue& value) {
    const QString k = keyString(key);
    std::lock_guard lock(mutex_);
    data_.insert(k, value);
    saveLocked();
}

QJsonObject QtKVStore::getAll() const {
    std::lock_guard lock(mutex_);
    return data_;
}

void QtKVStore::setAll(const QJsonObject& all) {
    std::lock_guard lock(mutex_);
    data_ = all;
    saveLocked();
}

std::string QtKVStore::getString(std::string_view key, const std::string& defaultValue) const {
    const QJsonValue v = value(key);
    return v.isString() ? v.toString().toStdString() : defaultValue;
}

bool QtKVStore::getBool(std::string_view key, bool defaultValue) const {
    const QJsonValue v = value(key);
    return v.isBool() ? v.toBool() : defaultValue;
}

int32_t QtKVStore::getInt(std::string_view key, int32_t defaultValue) const {
    const QJsonValue v = value(key);
    if (!v.isDouble())
        return defaultValue;
    // A fraction or a number beyond 32 bits is not an integer setting.
    const double d = v.toDouble();
    if (!(d >= -2147483648.0 && d <= 2147483647.0) || std::trunc(d) != d)
        return defaultValue;
    return v.toInt(defaultValue);
}

double QtKVStore::getDouble(std::string_view key, double defaultValue) const {
    const QJsonValue v = value(key);
    return v.isDouble() ? v.toDouble() : defaultValue;
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
    saveLocked();
}

} // namespace JEX
