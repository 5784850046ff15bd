// Loading "Settings.txt" with any contents: the store gives typed values or defaults without
// failing, a file it could read saves to a file that loads to the same values, and a file it
// could not read is kept, byte for byte, beside the new one.

#include "FuzzSupport.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <memory>

using namespace JEX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every save syncs the file to disk; in memory (tmpfs) that costs nothing.
    static const QTemporaryDir dir(QDir("/dev/shm").exists()
                                       ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
                                       : QDir::tempPath() + "/fuzz-XXXXXX");
    // The console's own file utility, with its data directory there.
    static const auto files = [] {
        qputenv("VELMORA_DATA_DIR", dir.path().toUtf8());
        return std::make_shared<QtFileUtil>("fuzz");
    }();
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    const QByteArray input = Fuzz::qbytes(data, size);
    {
        QFile file(dir.filePath("Settings.txt"));
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

    QFile kept(dir.filePath("Settings.txt.unreadable"));
    if (!input.isEmpty() && !QJsonDocument::fromJson(input).isObject())
        FUZZ_CHECK(kept.open(QIODevice::ReadOnly) && kept.readAll() == input,
                   "unreadable settings file not kept byte for byte");
    return 0;
}
