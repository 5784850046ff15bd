#include "LogCapture.h"
#include "QmlKVStore.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QTest>

#include <cmath>
#include <csignal>
#include <memory>
#include <thread>
#include <vector>

#include <sys/resource.h>

using namespace JEX;

class TestKVStore : public QObject {
    Q_OBJECT

    // The data directory does not exist yet: the first save must create it.
    std::unique_ptr<Test::SettingsFile> file_;

    QString settingsPath() const { return file_->path(); }
    std::shared_ptr<QtKVStore> openStore() { return file_->openStore(); }
    void writeFile(const QByteArray& bytes) { QVERIFY(file_->write(bytes)); }
    QByteArray readFile() const { return file_->readBytes(); }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        QVERIFY(file_->isValid());
    }

    void missingFileGivesDefaultsAndFirstSetterCreatesIt() {
        auto store = openStore();
        QCOMPARE(store->filePath(), settingsPath());
        QCOMPARE(store->getString("cxn.ip", "dflt"), std::string("dflt"));
        QCOMPARE(store->getBool("b", true), true);
        QCOMPARE(store->getInt("i", -7), -7);
        QCOMPARE(store->getDouble("d", 1.25), 1.25);
        QVERIFY(!store->contains("i"));
        QVERIFY(store->getAll().isEmpty());
        QVERIFY2(!QFileInfo::exists(file_->dataDir()), "reading must not create anything");

        store->setInt("i", 5);
        QCOMPARE(readFile(), QByteArray("{\n    \"i\": 5\n}\n"));
        QCOMPARE(openStore()->getInt("i", 0), 5);
    }

    void typedReads_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("getter");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("int of 3") << QByteArray("3") << "int" << QVariant(9) << QVariant(3);
        QTest::newRow("int of 3.0") << QByteArray("3.0") << "int" << QVariant(9) << QVariant(3);
        QTest::newRow("int of 2.5") << QByteArray("2.5") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of -2.5") << QByteArray("-2.5") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of min")
            << QByteArray("-2147483648") << "int" << QVariant(9) << QVariant(int(-2147483648LL));
        QTest::newRow("int of max+1")
            << QByteArray("2147483648") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of 1e300") << QByteArray("1e300") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of \"3\"") << QByteArray("\"3\"") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of true") << QByteArray("true") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("int of null") << QByteArray("null") << "int" << QVariant(9) << QVariant(9);
        QTest::newRow("bool of true")
            << QByteArray("true") << "bool" << QVariant(false) << QVariant(true);
        QTest::newRow("bool of \"true\"")
            << QByteArray("\"true\"") << "bool" << QVariant(false) << QVariant(false);
        QTest::newRow("bool of 1")
            << QByteArray("1") << "bool" << QVariant(false) << QVariant(false);
        QTest::newRow("string of text") << QByteArray("\"Z\\u00fcrich\"") << "string"
                                        << QVariant("d") << QVariant(QStringLiteral("Zürich"));
        QTest::newRow("string of 5")
            << QByteArray("5") << "string" << QVariant("d") << QVariant("d");
        QTest::newRow("string of array")
            << QByteArray("[\"a\"]") << "string" << QVariant("d") << QVariant("d");
        QTest::newRow("double of 3")
            << QByteArray("3") << "double" << QVariant(0.5) << QVariant(3.0);
        QTest::newRow("double of -2.5e-3")
            << QByteArray("-2.5e-3") << "double" << QVariant(0.5) << QVariant(-0.0025);
        QTest::newRow("double of \"1.5\"")
            << QByteArray("\"1.5\"") << "double" << QVariant(0.5) << QVariant(0.5);
        QTest::newRow("double of object")
            << QByteArray("{\"x\": 1}") << "double" << QVariant(0.5) << QVariant(0.5);
    }

    void typedReads() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, getter);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, expected);
        writeFile("{\"other\": 1, \"k\": " + stored + "}");
        auto store = openStore();
        QVERIFY(store->contains("k"));
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

    void fileIsIndentedWithSortedFlatKeys() {
        auto store = openStore();
        store->setBool("ui.winrect.x", true);
        store->setString("lang_code", "de");
        store->setDouble("loc.long", -0.25);
        store->setInt("b", -3);
        QCOMPARE(readFile(), QByteArray("{\n"
                                        "    \"b\": -3,\n"
                                        "    \"lang_code\": \"de\",\n"
                                        "    \"loc.long\": -0.25,\n"
                                        "    \"ui.winrect.x\": true\n"
                                        "}\n"));
    }

    void setIntWritesPlainNumberThatReadsAsDouble() {
        auto store = openStore();
        store->setInt("n", 3);
        QVERIFY2(readFile().contains("\"n\": 3\n"), readFile().constData());
        QCOMPARE(store->getDouble("n", 0.5), 3.0);
        auto reopened = openStore();
        QCOMPARE(reopened->getInt("n", 0), 3);
        QCOMPARE(reopened->getDouble("n", 0.5), 3.0);
    }

    void everyChangeIsSavedBeforeReturning() {
        auto store = openStore();
        store->setString("s", "a\"b\\c");
        QCOMPARE(openStore()->getString("s", ""), std::string("a\"b\\c"));
        store->setBool("s", false);
        QCOMPARE(openStore()->getBool("s", true), false);
        store->setDouble("s", 1e-9);
        QCOMPARE(openStore()->getDouble("s", 0), 1e-9);
        store->remove("s");
        QVERIFY(!openStore()->contains("s"));
    }

    void removeOfMissingKeyStillRewrites() {
        // Compact text: a rewrite shows as the indented form.
        writeFile("{\"a\":1}");
        auto store = openStore();
        store->remove("missing");
        QCOMPARE(readFile(), QByteArray("{\n    \"a\": 1\n}\n"));
    }

    void containsCountsEveryType() {
        writeFile("{\"n\": null, \"o\": {}, \"a\": [], \"s\": \"\"}");
        auto store = openStore();
        for (const char* key : {"n", "o", "a", "s"})
            QVERIFY2(store->contains(key), key);
        QVERIFY(!store->contains("N"));
        QVERIFY(!store->contains(""));
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
        QCOMPARE(QJsonDocument::fromJson(readFile()).object(), all);
        QCOMPARE(openStore()->getAll(), all);
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
        QTest::newRow("number") << QByteArray("42");
        QTest::newRow("string") << QByteArray("\"{}\"");
        QTest::newRow("truncated") << QByteArray("{\n    \"a\": 1,\n    \"b\": ");
        QTest::newRow("trailing comma") << QByteArray("{\"a\": 1,}");
        QTest::newRow("two objects") << QByteArray("{\"a\": 1}{\"b\": 2}");
        QTest::newRow("deep nesting") << QByteArray(100000, '[');
        QTest::newRow("deep valid")
            << ("{\"a\": " + QByteArray(5000, '[') + QByteArray(5000, ']') + "}");
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
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content);
        QVERIFY(capture.lines().contains("Warning: unreadable settings file kept as " + aside));
        store->setBool("b", false); // set aside once only
        QCOMPARE(capture.lines().count(), 1);
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

    void dataDirectoryThatCannotBeCreatedLogsWarning() {
        writeFile("{\"a\": 1}");
        file_->setDataDir(settingsPath() + QStringLiteral("/below-a-file"));
        auto store = openStore();
        Test::LogCapture capture;
        store->setInt("i", 4);
        QVERIFY2(capture.contains("Warning: cannot open output file: " + settingsPath()),
                 qPrintable(capture.lines().join('\n')));
        QCOMPARE(store->getInt("i", 0), 4);
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
        store->setAll({{"shared.text", "t"}});
        constexpr int kThreads = 4;
        constexpr int kWrites = 25;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([store, t] {
                const std::string key = "thread." + std::to_string(t);
                for (int i = 1; i <= kWrites; ++i) {
                    store->setInt(key, i);
                    (void)store->getInt(key, 0);
                    (void)store->getString("shared.text", "");
                    (void)store->contains("shared.list");
                    QJsonObject all = store->getAll();
                    all.insert("shared.text", QString::fromStdString(key));
                    all.insert("shared.list", QJsonArray{i, key.c_str()});
                    (void)all.value("shared.list").toArray().size();
                }
            });
        }
        for (auto& thread : threads)
            thread.join();
        const QJsonObject saved = QJsonDocument::fromJson(readFile()).object();
        QCOMPARE(saved.size(), kThreads + 1);
        for (int t = 0; t < kThreads; ++t)
            QCOMPARE(saved.value(QStringLiteral("thread.%1").arg(t)).toInt(), kWrites);
    }

    void qmlFaceForwardsWithUtf8() {
        auto store = openStore();
        QmlKVStore qml(store);
        qml.saveString(QStringLiteral("loc.name"), QStringLiteral("Zürich ✓"));
        QCOMPARE(store->getString("loc.name", ""), std::string("Z\xc3\xbcrich \xe2\x9c\x93"));
        QCOMPARE(qml.loadString(QStringLiteral("loc.name"), QString()), QStringLiteral("Zürich ✓"));
        qml.saveBool(QStringLiteral("logpane.hidden"), true);
        qml.saveInt(QStringLiteral("remindPhotoNumber"), 12);
        qml.saveDouble(QStringLiteral("remindPhotoNumber.ts"), 1.5e12);
        QCOMPARE(qml.loadBool(QStringLiteral("logpane.hidden"), false), true);
        QCOMPARE(qml.loadInt(QStringLiteral("remindPhotoNumber"), 0), 12);
        QCOMPARE(qml.loadDouble(QStringLiteral("remindPhotoNumber.ts"), 0), 1.5e12);
        QCOMPARE(qml.loadInt(QStringLiteral("logpane.hidden"), -1), -1);
        QCOMPARE(qml.loadString(QStringLiteral("missing"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(openStore()->getInt("remindPhotoNumber", 0), 12);
    }

    void qmlFaceOffersTheEightInvokables() {
        const QStringList expected{"loadString(QString,QString)", "loadBool(QString,bool)",
                                   "loadInt(QString,int)",        "loadDouble(QString,double)",
                                   "saveString(QString,QString)", "saveBool(QString,bool)",
                                   "saveInt(QString,int)",        "saveDouble(QString,double)"};
        const QMetaObject& meta = QmlKVStore::staticMetaObject;
        QStringList actual;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            actual << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(actual, expected);
        QCOMPARE(meta.propertyCount(), meta.propertyOffset());

        QmlKVStore qml(openStore());
        QVERIFY(QMetaObject::invokeMethod(&qml, "saveInt", Q_ARG(QString, "k"), Q_ARG(int, 8)));
        int value = 0;
        QVERIFY(QMetaObject::invokeMethod(&qml, "loadInt", Q_RETURN_ARG(int, value),
                                          Q_ARG(QString, "k"), Q_ARG(int, 0)));
        QCOMPARE(value, 8);
    }
};

QTEST_GUILESS_MAIN(TestKVStore)
#include "test_kvstore.moc"
