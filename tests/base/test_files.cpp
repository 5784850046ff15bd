// The settings store and the file utility: where the program's files are, and how the settings
// file is read and saved; the session's journal file.

#include "Journal.h"
#include "LogCapture.h"
#include "QmlKVStore.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <memory>
#include <thread>
#include <vector>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace JEX;

namespace {

// Root reads any file: for the length of a test, this thread checks file permissions as
// their owner would (the capabilities stay permitted and come back).
class WithoutFileOverride {
public:
    WithoutFileOverride() {
        if (geteuid() != 0)
            return;
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutFileOverride() {
        if (active_)
            syscall(SYS_capset, &header_, saved_);
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

    // The data directory does not exist yet: the first save must create it.
    std::unique_ptr<Test::SettingsFile> file_;

    QString settingsPath() const { return file_->path(); }
    std::shared_ptr<QtKVStore> openStore() { return file_->openStore(); }
    void writeFile(const QByteArray& bytes) { QVERIFY(file_->write(bytes)); }
    QByteArray readFile() const { return file_->readBytes(); }

    // Scratch files for the file utility.
    std::unique_ptr<QTemporaryDir> tempDir_;
    QtFileUtil util_{"KD208"};

    QString path(const QString& relative) const { return tempDir_->filePath(relative); }

    static void writeAt(const QString& filePath, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(filePath).absolutePath());
        QFile file(filePath);
        QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(filePath));
        file.write(bytes);
    }

    static QByteArray readAt(const QString& filePath) {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static std::string s(const QString& text) { return text.toStdString(); }

    // A journal in the folder "journal" whose lines are all written at 2026-01-10 22:14:03.
    Journal::D journalIn(std::int64_t maxBytes = Journal::kMaxBytes) const {
        return {s(path("journal")), [] { return QDateTime(QDate(2026, 1, 10), QTime(22, 14, 3)); },
                maxBytes};
    }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        tempDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(file_->isValid() && tempDir_->isValid());
        qunsetenv("XDG_DATA_HOME");
    }

    void missingFileGivesDefaultsAndFirstSetterCreatesIt() {
        auto store = openStore();
        QCOMPARE(store->filePath(), settingsPath());
        QCOMPARE(store->getString("cxn.ip", "dflt"), std::string("dflt"));
        QVERIFY(!store->contains("cxn.ip"));
        QVERIFY(store->getAll().isEmpty());
        QVERIFY2(!QFileInfo::exists(file_->dataDir()), "reading must not create anything");

        // A dotted key is one flat member; an int is a plain number.
        store->setInt("ui.winrect.x", 3);
        QCOMPARE(readFile(), QByteArray("{\n    \"ui.winrect.x\": 3\n}\n"));
    }

    void typedReads_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("getter");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char* stored, const char* getter, QVariant d, QVariant e) {
            QTest::addRow("%s of %s", getter, stored)
                << QByteArray(stored) << QString(getter) << d << e;
        };
        row("3", "int", 9, 3);
        row("3.0", "int", 9, 3);
        row("2.5", "int", 9, 9);
        row("-2147483648", "int", 9, int(-2147483648LL));
        row("2147483648", "int", 9, 9);
        row("4294967296", "int", 9, 9); // wrapped to 32 bits it would read 0
        row("1e300", "int", 9, 9);
        row("\"3\"", "int", 9, 9);
        row("true", "int", 9, 9);
        row("null", "int", 9, 9);
        row("true", "bool", false, true);
        row("\"true\"", "bool", false, false);
        row("1", "bool", true, true);
        row("\"Z\\u00fcrich\"", "string", "d", QStringLiteral("Zürich"));
        row("5", "string", "d", "d");
        row("[\"a\"]", "string", "d", "d");
        row("3", "double", 0.5, 3.0);
        row("-2.5e-3", "double", 0.5, -0.0025);
        row("\"1.5\"", "double", 0.5, 0.5);
        row("{\"x\": 1}", "double", 0.5, 0.5);
    }

    void typedReads() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, getter);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, expected);
        writeFile("{\"other\": 1, \"k\": " + stored + "}");
        auto store = openStore();
        // Present whatever its type; names are compared exactly.
        QVERIFY(store->contains("k") && !store->contains("K") && !store->contains(""));
        QVariant actual;
        if (getter == "int")
            actual = store->getInt("k", defaultValue.toInt());
        else if (getter == "bool")
            actual = store->getBool("k", defaultValue.toBool());
        else if (getter == "string")
            actual = QString::fromStdString(
                store->getString("k", defaultValue.toString().toStdString()));
        else
            actual = store->getDouble("k", defaultValue.toDouble());
        QVERIFY2(actual == expected, qPrintable(QStringLiteral("stored %1: got %2, want %3")
                                                    .arg(QString::fromUtf8(stored),
                                                         actual.toString(), expected.toString())));
    }

    void everyChangeIsSavedBeforeReturning() {
        // Compact text: a rewrite shows as the indented form, even removing a missing key.
        writeFile("{\"a\":1}");
        auto store = openStore();
        store->remove("missing");
        QCOMPARE(readFile(), QByteArray("{\n    \"a\": 1\n}\n"));
        store->setString("s", "a\"b\\c");
        QCOMPARE(openStore()->getString("s", ""), std::string("a\"b\\c"));
        store->setBool("s", false);
        QCOMPARE(openStore()->getBool("s", true), false);
        store->setDouble("s", 1e-9);
        QCOMPARE(openStore()->getDouble("s", 0), 1e-9);
    }

    void setAllKeepsMembersOfAnyType() {
        auto store = openStore();
        store->setInt("old", 1);
        QJsonObject all;
        all.insert("profiles.ap", QJsonArray{QJsonObject{{"name", "M31"}, {"exp", 30}}, 2});
        all.insert("x", QJsonValue::Null);
        store->setAll(all);
        QCOMPARE(store->getAll(), all);
        QVERIFY(!store->contains("old"));
        QCOMPARE(file_->readObject(), all);
    }

    void nonFiniteDoubleIsStoredAsNull() {
        auto store = openStore();
        store->setDouble("d", std::nan(""));
        QVERIFY(store->contains("d"));
        QCOMPARE(store->getDouble("d", 4.5), 4.5);
        QCOMPARE(readFile(), QByteArray("{\n    \"d\": null\n}\n"));
        store->setDouble("d", INFINITY);
        QCOMPARE(openStore()->getDouble("d", 4.5), 4.5);
    }

    void unreadableFileGivesEmptyStoreAndFirstChangeWritesOnlyNewMembers_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe{\x01\"a\":1}", 10);
        QTest::newRow("array") << QByteArray("[{\"a\": 1}]");
        QTest::newRow("truncated") << QByteArray("{\n    \"a\": 1,\n    \"b\": ");
        QTest::newRow("deep nesting") << QByteArray(100000, '[');
    }

    void unreadableFileGivesEmptyStoreAndFirstChangeWritesOnlyNewMembers() {
        QFETCH(QByteArray, content);
        writeFile(content);
        auto store = openStore();
        QVERIFY(store->getAll().isEmpty());
        QCOMPARE(store->getInt("a", 7), 7);
        QCOMPARE(readFile(), content); // reading alone never changes the file

        Test::LogCapture capture;
        store->setBool("b", true);
        QCOMPARE(readFile(), QByteArray("{\n    \"b\": true\n}\n"));

        // What could not be read is kept beside the new file, not overwritten.
        const QString aside = settingsPath() + ".unreadable";
        if (content.isEmpty()) {
            QVERIFY(!QFileInfo::exists(aside));
            return;
        }
        QCOMPARE(readAt(aside), content);
        QVERIFY(capture.lines().contains("Warning: unreadable settings file kept as " + aside));
        store->setBool("b", false); // set aside once only
        QCOMPARE(capture.lines().count(), 1);
    }

    // An earlier copy kept aside is never replaced; when no copy can be kept, the unreadable
    // file is left byte for byte and changes stay in memory.
    void unreadableFileIsNeverLost() {
        const QString aside = settingsPath() + ".unreadable";
        writeFile("[1]");
        writeAt(aside, "earlier copy");
        Test::LogCapture capture;
        openStore()->setInt("i", 1);
        QVERIFY(capture.contains("Warning: unreadable settings file kept as " + aside + ".1"));
        QCOMPARE(readAt(aside), QByteArray("earlier copy"));

        for (int n = 2; n < QtKVStore::kMaxAsideCopies; ++n)
            writeAt(aside + "." + QString::number(n), {});
        writeFile("[2]");
        auto store = openStore();
        store->setInt("i", 2);
        QCOMPARE(readFile(), QByteArray("[2]"));
        QCOMPARE(store->getInt("i", 0), 2);
        QVERIFY2(!capture.lines().filter("cannot keep unreadable settings file").isEmpty(),
                 qPrintable(capture.lines().join('\n')));
    }

    void hugeFilesAreNotRead() {
        writeFile({});
        {
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(QtKVStore::kMaxFileBytes + 1)); // sparse: costs no disk
        }
        auto store = openStore();
        QVERIFY(store->getAll().isEmpty());
        QCOMPARE(QFileInfo(settingsPath()).size(), QtKVStore::kMaxFileBytes + 1);
        store->setInt("i", 1);
        QCOMPARE(QFileInfo(settingsPath() + ".unreadable").size(), QtKVStore::kMaxFileBytes + 1);

        // Large but sane files are read.
        QJsonObject big;
        for (int i = 0; i < 5000; ++i)
            big.insert(QStringLiteral("key.%1").arg(i), QString(40, QLatin1Char('v')));
        writeFile(QJsonDocument(big).toJson());
        QCOMPARE(openStore()->getAll().size(), 5000);
    }

    // Another program writing the same file between two saves loses nothing: each save keeps
    // what the file holds and changes only its own keys.
    void writersOfOneFileKeepEachOthersKeys() {
        writeFile("{\"kept\": 1, \"gone\": 2}");
        auto console = openStore();
        auto tool = openStore();
        console->setString("profiles", "M31");
        tool->setBool("night", true);
        tool->remove("gone");
        console->setInt("kept", 3);
        QCOMPARE(file_->readObject(),
                 QJsonObject({{"kept", 3}, {"profiles", "M31"}, {"night", true}}));
        QCOMPARE(tool->getString("profiles", ""), std::string("M31"));
    }

    // The unreadable file is gone before the first save (the user removed it after the
    // warning): nothing is left to protect, so saving goes on.
    void removedUnreadableFileLetsSavingGoOn() {
        writeFile("[1]");
        auto store = openStore();
        QVERIFY(QFile::remove(settingsPath()));
        store->setInt("i", 1);
        QCOMPARE(file_->readObject(), QJsonObject({{"i", 1}}));
    }

    // A settings file the user cannot open (mode 0000, root's copy after a sudo run) still
    // holds every profile: it is kept aside, never written over.
    void fileThatCannotBeOpenedIsKeptAside() {
        const QByteArray saved = "{\"profiles\": [\"M31\"]}";
        writeFile(saved);
        QVERIFY(QFile::setPermissions(settingsPath(), {}));
        {
            const WithoutFileOverride asUser;
            auto store = openStore();
            store->setInt("i", 1);
        }
        QFile kept(settingsPath() + ".unreadable");
        QVERIFY(kept.setPermissions(QFileDevice::ReadOwner) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), saved);
        QCOMPARE(file_->readObject(), QJsonObject({{"i", 1}}));
    }

    // The file holds the observing site and the mount's address: a folder and file the store
    // creates are the user's only; modes the user chose stay.
    void createdFolderAndFileArePrivate() {
        openStore()->setInt("i", 1);
        QCOMPARE(QFileInfo(file_->dataDir()).permissions() & 0x0777,
                 QFileDevice::Permissions(0x0700));
        QCOMPARE(QFileInfo(settingsPath()).permissions() & 0x0777,
                 QFileDevice::Permissions(0x0600));

        const auto shared = QFileDevice::Permissions(0x0644);
        QVERIFY(QFile::setPermissions(settingsPath(), shared | QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(file_->dataDir(), QFileDevice::Permissions(0x0755)));
        openStore()->setInt("i", 2);
        QCOMPARE(QFileInfo(file_->dataDir()).permissions() & 0x0777,
                 QFileDevice::Permissions(0x0755));
        QCOMPARE(QFileInfo(settingsPath()).permissions() & 0x0777, shared);
    }

    void unwritableFileLogsWarningAndKeepsValueInMemory() {
        // A directory where the file should be cannot be replaced, even by root.
        QVERIFY(QDir().mkpath(settingsPath()));
        auto store = openStore();
        Test::LogCapture capture;
        store->setInt("i", 4);
        store->setString("s", "kept");
        const QString warning = "Warning: cannot open output file: " + settingsPath();
        QVERIFY2(capture.lines().count(warning) == 2, qPrintable(capture.lines().join('\n')));
        QCOMPARE(store->getInt("i", 0), 4);
        QCOMPARE(store->getString("s", ""), std::string("kept"));
    }

    void failedWriteKeepsThePreviousFile() {
        writeFile("{\"a\": 1}");
        auto store = openStore();
        Test::LogCapture capture;
        {
            // A file size limit binds root too: the save opens but cannot write its data.
            struct rlimit saved {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = saved;
            small.rlim_cur = 16;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            store->setString("a", std::string(1000, 'x'));
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        }
        const QString prefix = "Warning: cannot write output file: " + settingsPath() + ": ";
        QVERIFY2(capture.lines().size() == 1 && capture.lines().at(0).startsWith(prefix),
                 qPrintable(capture.lines().join('\n')));
        QCOMPARE(readFile(), QByteArray("{\"a\": 1}"));
        QCOMPARE(QDir(file_->dataDir()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Settings.txt"});
        QCOMPARE(store->getString("a", "").size(), size_t(1000));
    }

    void emptyFileNameKeepsStoreInMemory() {
        QtKVStore store(QString(), std::make_shared<QtFileUtil>("KD208"));
        QVERIFY(store.filePath().isEmpty());
        store.setInt("i", 1);
        QCOMPARE(store.getInt("i", 0), 1);
        QVERIFY(!QFileInfo::exists(file_->dataDir()));

        QtKVStore noUtil(QStringLiteral("Settings.txt"), nullptr);
        noUtil.setBool("b", true);
        QCOMPARE(noUtil.getBool("b", false), true);
    }

    void concurrentWritersLeaveEveryLastValue() {
        auto store = openStore();
        constexpr int kThreads = 4;
        constexpr int kWrites = 25;
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < kThreads; ++t)
                threads.emplace_back([store, t] {
                    const std::string key = "thread." + std::to_string(t);
                    for (int i = 1; i <= kWrites; ++i) {
                        store->setInt(key, i);
                        (void)store->getAll();
                        (void)store->contains("thread.0");
                    }
                });
        }
        const QJsonObject saved = file_->readObject();
        QCOMPARE(saved.size(), kThreads);
        for (int t = 0; t < kThreads; ++t)
            QCOMPARE(saved.value(QStringLiteral("thread.%1").arg(t)).toInt(), kWrites);
    }

    // QML's strings reach the file as UTF-8 and come back whole.
    void qmlFaceForwardsWithUtf8() {
        auto store = openStore();
        QmlKVStore qml(store);
        qml.saveString(QStringLiteral("loc.name"), QStringLiteral("Zürich ✓"));
        QCOMPARE(store->getString("loc.name", ""), std::string("Z\xc3\xbcrich \xe2\x9c\x93"));
        QCOMPARE(qml.loadString(QStringLiteral("loc.name"), QString()), QStringLiteral("Zürich ✓"));
    }

    // Each line is 27 bytes: two fit under 60, the third starts a new file; the file before
    // is the one old file. The next start offers the last lines of both, oldest first.
    void journalLinesAreStampedRotatedAndReadAtStart() {
        Journal journal(journalIn(60));
        std::vector<std::string> heard;
        journal.addedList.append([&](const std::string& line) { heard.push_back(line); });
        Test::LogCapture capture;
        for (const char* line : {"line 1", "line 2", "line 3", "line\n4", "line 5"})
            journal.add(line);
        QCOMPARE(readAt(path("journal/journal.txt")), QByteArray("2026-01-10 22:14:03 line 5\n"));
        QCOMPARE(readAt(path("journal/journal.txt.1")),
                 QByteArray("2026-01-10 22:14:03 line 3\n2026-01-10 22:14:03 line 4\n"));
        QCOMPARE(QDir(path("journal")).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(heard.back(), std::string("2026-01-10 22:14:03 line 5"));
        QCOMPARE(capture.lines(),
                 QStringList(
                     {"Journal: 2026-01-10 22:14:03 line 1", "Journal: 2026-01-10 22:14:03 line 2",
                      "Journal: 2026-01-10 22:14:03 line 3", "Journal: 2026-01-10 22:14:03 line 4",
                      "Journal: 2026-01-10 22:14:03 line 5"}));

        const std::vector<std::string> earlier{"2026-01-10 22:14:03 line 3",
                                               "2026-01-10 22:14:03 line 4",
                                               "2026-01-10 22:14:03 line 5"};
        QCOMPARE(Journal(journalIn()).earlierLines(), earlier);
    }

    // A file of anything: bytes that are no text and control characters are replaced, and a
    // long line is cut at 1000 characters.
    void journalReadsAnyFileWithoutHarm() {
        writeAt(path("journal/journal.txt"),
                QByteArray("\x00\xff\xfe abc\n", 8) + QByteArray(2000, 'y') + "\n\n");
        const std::vector<std::string> earlier{"\uFFFD\uFFFD\uFFFD abc", std::string(1000, 'y')};
        QCOMPARE(Journal(journalIn()).earlierLines(), earlier);
    }

    // A folder it may not write to, or a disk that takes only part of a line: one warning,
    // no part of a line in the file, and the lines still reach the log and the listeners.
    void journalThatCannotWriteSaysSoOnce_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << true << "Permission denied";
        QTest::newRow("file size limit") << false << "File too large";
    }
    void journalThatCannotWriteSaysSoOnce() {
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, reason);
        QVERIFY(QDir().mkpath(path("journal")));
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(path("journal"),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        Journal journal(journalIn());
        int heard = 0;
        journal.addedList.append([&](const std::string&) { ++heard; });
        Test::LogCapture capture;
        {
            const WithoutFileOverride asOwner;
            struct rlimit saved {};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = saved;
            small.rlim_cur = readOnlyFolder ? saved.rlim_cur : 16;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            journal.add("a");
            journal.add("b");
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        }
        QFile::setPermissions(path("journal"), QFileDevice::Permissions(0x0700));
        QCOMPARE(capture.lines(),
                 QStringList({"Warning: cannot write journal file: " + path("journal/journal.txt") +
                                  ": " + reason,
                              "Journal: 2026-01-10 22:14:03 a", "Journal: 2026-01-10 22:14:03 b"}));
        QCOMPARE(heard, 2);
        QCOMPARE(readAt(path("journal/journal.txt")),
                 QByteArray(readOnlyFolder ? "<missing>" : ""));
    }

    // The override wins and is made absolute; without it a test program sits in the build
    // tree, a writable executable directory.
    void dataDirPath() {
        QCOMPARE(QString::fromStdString(util_.dataDirPath()), file_->dataDir());
        qputenv("VELMORA_DATA_DIR", "relative/dir");
        QCOMPARE(QString::fromStdString(util_.dataDirPath()),
                 QDir::current().absoluteFilePath("relative/dir"));
        qunsetenv("VELMORA_DATA_DIR");
        QCOMPARE(QString::fromStdString(util_.dataDirPath()),
                 QCoreApplication::applicationDirPath());
    }

    void dataDirRules_data() {
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<QByteArray>("xdgDataHome");
        QTest::addColumn<QString>("expected"); // "@" stands for the temporary directory

        QTest::newRow("writable executable dir") << "@/bin" << QByteArray() << "@/bin";
        QTest::newRow("writable dir wins over XDG") << "@/bin" << QByteArray("@/xdg") << "@/bin";
        QTest::newRow("missing executable dir")
            << "@/gone" << QByteArray("@/xdg") << "@/xdg/velmora-console";
        QTest::newRow("executable path is a file")
            << "@/file" << QByteArray("@/xdg") << "@/xdg/velmora-console";
        QTest::newRow("no XDG_DATA_HOME")
            << "@/gone" << QByteArray() << "@/home/.local/share/velmora-console";
        QTest::newRow("relative XDG_DATA_HOME is ignored")
            << "@/gone" << QByteArray("rel/xdg") << "@/home/.local/share/velmora-console";
        QTest::newRow("writable bin of an installed prefix")
            << "@/prefix/bin" << QByteArray("@/xdg") << "@/xdg/velmora-console";
        QTest::newRow("/usr/bin, whoever may write there")
            << "/usr/bin" << QByteArray("@/xdg") << "@/xdg/velmora-console";
    }

    void dataDirRules() {
        QFETCH(QString, exeDir);
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QString, expected);
        const QString root = tempDir_->path();
        QVERIFY(QDir().mkpath(path("bin")));
        QVERIFY(QDir().mkpath(path("prefix/bin")));
        QVERIFY(QDir().mkpath(path("prefix/share/velmora-console")));
        writeAt(path("file"), "x");
        qunsetenv("VELMORA_DATA_DIR");
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", path("home").toUtf8());
        if (xdgDataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdgDataHome.replace("@", root.toUtf8()));
        const std::string chosen = QtFileUtil::chooseDataDir(s(exeDir.replace("@", root)));
        qputenv("HOME", savedHome);
        QCOMPARE(QString::fromStdString(chosen), expected.replace("@", root));
        QVERIFY2(!QFileInfo::exists(path("xdg/velmora-console")) &&
                     !QFileInfo::exists(path("home")),
                 "choosing the directory must not create it");
    }

    // A build tree's documents lie beside the executable; their url escapes what would
    // otherwise read as a fragment or a query.
    void appFileUrlIsBesideTheExecutableAndEscaped() {
        QCOMPARE(QString::fromStdString(util_.appFileUrl("help/a #1?.html")),
                 "file://" + QCoreApplication::applicationDirPath() + "/help/a%20%231%3F.html");
    }

    // An installed program finds its documents in its prefix's share folder when its own
    // folder has none; a build tree keeps them beside the executable.
    void locateAppFile_data() {
        QTest::addColumn<QStringList>("present"); // files made below the temporary directory
        QTest::addColumn<QString>("expected");

        const QString rel = "help/de/connect-help.html";
        const QString beside = "prefix/bin/" + rel;
        const QString shared = "prefix/share/velmora-console/" + rel;
        QTest::newRow("beside the executable") << QStringList{beside} << beside;
        QTest::newRow("only in the share folder") << QStringList{shared} << shared;
        QTest::newRow("in both, beside wins") << QStringList{beside, shared} << beside;
        QTest::newRow("nowhere: beside") << QStringList{} << beside;
        QTest::newRow("another program's share folder")
            << QStringList{"prefix/share/other/" + rel} << beside;
    }

    void locateAppFile() {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QVERIFY(QDir().mkpath(path("prefix/bin")));
        for (const QString& file : present)
            writeAt(path(file), "x");
        QCOMPARE(QString::fromStdString(
                     QtFileUtil::locateAppFile(s(path("prefix/bin")), "help/de/connect-help.html")),
                 path(expected));
    }

    void urlExists_data() {
        QTest::addColumn<QString>("text"); // "@" stands for the temporary directory
        QTest::addColumn<bool>("exists");

        QTest::newRow("android asset, never looked at")
            << "file:///android_asset/nothing/here.html" << true;
        QTest::newRow("file url of a file") << "file://@/present.txt" << true;
        QTest::newRow("file url of a directory") << "file://@" << true;
        QTest::newRow("file url of a missing file") << "file://@/absent.txt" << false;
        // "#", "?" and "%" are part of the name: the url escapes them.
        QTest::newRow("file url of an odd name") << "file://@/odd%20%23%3F%25.txt" << true;
        QTest::newRow("plain path") << "@/present.txt" << true;
        QTest::newRow("plain missing path") << "@/absent.txt" << false;
        QTest::newRow("qrc url") << "qrc:/fileutil/fileutil_probe.txt" << true;
        QTest::newRow("qrc url, missing") << "qrc:/fileutil/absent.txt" << false;
        QTest::newRow("resource path") << ":/fileutil/fileutil_probe.txt" << true;
        QTest::newRow("prefixes are case-sensitive") << "QRC:/fileutil/fileutil_probe.txt" << false;
        QTest::newRow("File url is a path") << "FILE://@/present.txt" << false;
        QTest::newRow("one slash is a path") << "file:@/present.txt" << false;
        QTest::newRow("empty") << "" << false;
    }

    void urlExists() {
        QFETCH(QString, text);
        QFETCH(bool, exists);
        writeAt(path("present.txt"), "x");
        writeAt(path("odd #?%.txt"), "x");
        text.replace("@", tempDir_->path());
        QVERIFY2(util_.urlExists(s(text)) == exists, qPrintable(text));
    }

    void copyDirCopiesTheWholeTree() {
        writeAt(path("src/a.txt"), "A");
        writeAt(path("src/.hidden"), "H");
        writeAt(path("src/sub/deeper/c.txt"), "C");
        QVERIFY(QDir().mkpath(path("src/empty")));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readAt(path("dst/a.txt")), QByteArray("A"));
        QCOMPARE(readAt(path("dst/.hidden")), QByteArray("H"));
        QCOMPARE(readAt(path("dst/sub/deeper/c.txt")), QByteArray("C"));
        QVERIFY(QFileInfo(path("dst/empty")).isDir());

        // An existing file is replaced only when asked to.
        writeAt(path("src/a.txt"), "new");
        QVERIFY(!util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readAt(path("dst/a.txt")), QByteArray("A"));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), true));
        QCOMPARE(readAt(path("dst/a.txt")), QByteArray("new"));
    }

    void copyDirFailures() {
        writeAt(path("src/a.txt"), "A");
        QVERIFY2(!util_.copyDir(s(path("absent")), s(path("dst1")), true),
                 "a missing source is not a successful copy");
        QVERIFY2(!util_.copyDir(s(path("src")), s(path("no/such/parent/dst")), true),
                 "the destination is created one level only");
        QVERIFY2(!util_.copyDir(s(path("src")), s(path("src/inner")), true),
                 "a destination inside the source");
        QVERIFY(!QFileInfo::exists(path("src/inner")));
        writeAt(path("blocker"), "x");
        QVERIFY(!util_.copyDir(s(path("src")), s(path("blocker")), true));
    }

    void copyDirDoesNotFollowDirectoryLinksForever() {
        writeAt(path("src/a.txt"), "A");
        QVERIFY(QFile::link(path("src"), path("src/loop")));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readAt(path("dst/a.txt")), QByteArray("A"));
        QVERIFY(QFileInfo(path("dst/loop")).isSymLink());
        QCOMPARE(QFileInfo(path("dst/loop")).symLinkTarget(), path("src"));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
