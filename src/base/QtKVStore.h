#pragma once
// The settings store kept as one JSON object in memory and rewritten to its file, atomically,
// after every change. Each save reads the file again under a lock on its folder and writes
// back what it holds with this store's changed keys, so that other programs writing the same
// file lose nothing. Safe to call from several threads.

#include "IFileUtil.h"
#include "IKVStore.h"

#include <QJsonObject>
#include <QSet>
#include <QString>

#include <memory>
#include <mutex>

namespace JEX {

class QtKVStore : public IKVStore {
public:
    // Loads the file fileName in the file utility's data directory. An empty file name, or no
    // file utility, keeps the store in memory only.
    QtKVStore(const QString& fileName, std::shared_ptr<IFileUtil> fileUtil);

    QJsonObject getAll() const override;
    void setAll(const QJsonObject& all) override;

    std::string getString(std::string_view key, const std::string& defaultValue) const override;
    bool getBool(std::string_view key, bool defaultValue) const override;
    int32_t getInt(std::string_view key, int32_t defaultValue) const override;
    double getDouble(std::string_view key, double defaultValue) const override;

    void setString(std::string_view key, const std::string& value) override;
    void setBool(std::string_view key, bool value) override;
    void setInt(std::string_view key, int32_t value) override;
    void setDouble(std::string_view key, double value) override;

    bool contains(std::string_view key) const override;
    void remove(std::string_view key) override;

    // The absolute path of the settings file; empty when the store is in memory only.
    QString filePath() const { return filePath_; }

    // Files larger than this are not read: no settings file comes near it.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // Unreadable files are kept as "<file>.unreadable", then ".unreadable.1", ... up to this
    // many; beyond that the store keeps its changes in memory and leaves the file alone.
    static constexpr int kMaxAsideCopies = 100;

private:
    enum class FileState { Missing, Object, Unreadable };

    template <typename F> auto read(std::string_view key, F&& convert) const;
    void set(std::string_view key, const QJsonValue& value);
    void load();
    FileState readFile(QJsonObject& object) const;
    void saveLocked();
    bool setAsideUnreadableLocked();

    const QString fileName_;
    const std::shared_ptr<IFileUtil> fileUtil_;
    const QString filePath_;
    mutable std::mutex mutex_;
    QJsonObject data_;
    // Keys set or removed here since the last save that landed; all of them after setAll.
    QSet<QString> changed_;
    bool replacedAll_ = false;
    // The file held something that could not be read (or could not be opened): it is renamed aside
    // to a fresh
    // "<file>.unreadable[.N]" before the first save, so that what it held is never overwritten.
    bool unreadable_ = false;
    bool lockWarned_ = false;
};

} // namespace JEX
