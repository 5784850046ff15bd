#include "QtFileUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace JEX;

class TestFileUtil : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tempDir_;
    QtFileUtil util_{"KD208"};

    QString path(const QString& relative) const { return tempDir_->filePath(relative); }

    static void writeFile(const QString& filePath, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(filePath).absolutePath());
        QFile file(filePath);
        QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(filePath));
        file.write(bytes);
    }

    static QByteArray readFile(const QString& filePath) {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static std::string s(const QString& text) { return text.toStdString(); }

private slots:
    void init() {
        tempDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(tempDir_->isValid());
        qputenv("VELMORA_DATA_DIR", path("data").toUtf8());
        qunsetenv("XDG_DATA_HOME");
    }

    // The override wins and is made absolute; without it a test program sits in the build
    // tree, a writable executable directory.
    void dataDirPath() {
        QCOMPARE(QString::fromStdString(util_.dataDirPath()), path("data"));
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
        writeFile(path("file"), "x");
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
            writeFile(path(file), "x");
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
        writeFile(path("present.txt"), "x");
        writeFile(path("odd #?%.txt"), "x");
        text.replace("@", tempDir_->path());
        QVERIFY2(util_.urlExists(s(text)) == exists, qPrintable(text));
    }

    void copyDirCopiesTheWholeTree() {
        writeFile(path("src/a.txt"), "A");
        writeFile(path("src/.hidden"), "H");
        writeFile(path("src/sub/deeper/c.txt"), "C");
        QVERIFY(QDir().mkpath(path("src/empty")));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("A"));
        QCOMPARE(readFile(path("dst/.hidden")), QByteArray("H"));
        QCOMPARE(readFile(path("dst/sub/deeper/c.txt")), QByteArray("C"));
        QVERIFY(QFileInfo(path("dst/empty")).isDir());

        // An existing file is replaced only when asked to.
        writeFile(path("src/a.txt"), "new");
        QVERIFY(!util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("A"));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), true));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("new"));
    }

    void copyDirFailures() {
        writeFile(path("src/a.txt"), "A");
        QVERIFY2(!util_.copyDir(s(path("absent")), s(path("dst1")), true),
                 "a missing source is not a successful copy");
        QVERIFY2(!util_.copyDir(s(path("src")), s(path("no/such/parent/dst")), true),
                 "the destination is created one level only");
        QVERIFY2(!util_.copyDir(s(path("src")), s(path("src/inner")), true),
                 "a destination inside the source");
        QVERIFY(!QFileInfo::exists(path("src/inner")));
        writeFile(path("blocker"), "x");
        QVERIFY(!util_.copyDir(s(path("src")), s(path("blocker")), true));
    }

    void copyDirDoesNotFollowDirectoryLinksForever() {
        writeFile(path("src/a.txt"), "A");
        QVERIFY(QFile::link(path("src"), path("src/loop")));
        QVERIFY(util_.copyDir(s(path("src")), s(path("dst")), false));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("A"));
        QVERIFY(QFileInfo(path("dst/loop")).isSymLink());
        QCOMPARE(QFileInfo(path("dst/loop")).symLinkTarget(), path("src"));
    }
};

QTEST_GUILESS_MAIN(TestFileUtil)
#include "test_fileutil.moc"
