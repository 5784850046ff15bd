// Loading "Settings.txt" with any contents: the store gives typed values or defaults without
// failing, a file it could read saves to a file that loads to the same values, and a file it
// could not read is kept, byte for byte, beside the new one.

#include "FuzzSupport.h"
#include "IFileUtil.h"
#include "QtKVStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <memory>

using namespace JEX;

namespace {

class TempDataDir : public IFileUtil {
public:
    std::string dataDirPath() const override { return dir_.path().toStdString(); }
    std::string tempDirPath() const override { return dataDirPath(); }
    std::string appDirPath() const override { return dataDirPath(); }
    std::string resourceDirPath() const override { return dataDirPath(); }
    void prepare() override {}
    std::string appFileUrl(const std::string& p) const override { return p; }
    std::string appFilePath(const std::string& p) const override { return p; }
    bool urlExists(const std::string&) const override { return false; }
    bool copyDir(const std::string&, const std::string&, bool) const override { return false; }

    QString path(const QString& name) const { return dir_.filePath(name); }
    void clear() const {
        QDir dir(dir_.path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
    }

private:
    // Every save syncs the file to disk; in memory (tmpfs) that costs nothing.
    static QString base() {
        return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
                                                         : QDir::tempPath() + "/fuzz-XXXXXX";
    }
    QTemporaryDir dir_{base()};
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto files = std::make_shared<TempDataDir>();
    files->clear();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(files->path("Settings.txt"));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(input) == input.size(),
                   "cannot write the settings file");
    }

    QtKVStore first(QStringLiteral("Settings.txt"), files);
    const QJsonObject loaded = first.getAll();
    for (auto it = loaded.begin(); it != loaded.end(); ++it) {
        const std::string key = it.key().toStdString();
        (void)first.getString(key, "d");
        (void)first.getInt(key, -1);
        (void)first.getDouble(key, -1.5);
        (void)first.getBool(key, true);
    }
    first.setString("fuzz.touched", "yes");

    QtKVStore second(QStringLiteral("Settings.txt"), files);
    QJsonObject expected = loaded;
    expected.insert("fuzz.touched", "yes");
    FUZZ_CHECK(second.getAll() == expected, "saved store loads differently:\n%s\n%s",
               QJsonDocument(expected).toJson().constData(),
               QJsonDocument(second.getAll()).toJson().constData());

    if (!input.isEmpty() && !QJsonDocument::fromJson(input).isObject())
        FUZZ_CHECK(readAll(files->path("Settings.txt.unreadable")) == input,
                   "unreadable settings file not kept byte for byte");
    return 0;
}
