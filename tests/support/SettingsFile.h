#pragma once
// "Settings.txt" in a temporary data directory that VELMORA_DATA_DIR points at, for tests
// of everything that keeps its values in the real settings file.

#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

namespace JEX::Test {

class SettingsFile {
public:
    // The data directory is below the temporary one and does not exist until the first save.
    SettingsFile() : dataDir_(temp_.filePath(QStringLiteral("data/KD208"))) {
        qputenv("VELMORA_DATA_DIR", dataDir_.toUtf8());
    }

    bool isValid() const { return temp_.isValid(); }
    QString dataDir() const { return dataDir_; }
    QString path() const { return dataDir_ + QStringLiteral("/Settings.txt"); }

    // A store on what the file holds now.
    std::shared_ptr<QtKVStore> openStore() const {
        return std::make_shared<QtKVStore>(QStringLiteral("Settings.txt"),
                                           std::make_shared<QtFileUtil>("KD208"));
    }

    bool write(const QByteArray& bytes) const {
        QDir().mkpath(dataDir_);
        QFile file(path());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }
    QByteArray readBytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QJsonObject readObject() const { return QJsonDocument::fromJson(readBytes()).object(); }

private:
    QTemporaryDir temp_;
    QString dataDir_;
};

} // namespace JEX::Test
