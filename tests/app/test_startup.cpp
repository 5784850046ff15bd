// Starts the real console under the offscreen platform.

#include "FileLock.h"
#include "Spawn.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using JEX::Test::Run;

class TestStartup : public QObject {
    Q_OBJECT

    static Run run(const QStringList& args) {
        return JEX::Test::run(QStringList{VELMORA_CONSOLE} + args, {}, 120000);
    }
    static QString writeQml(const QTemporaryDir& dir, const QByteArray& text) {
        QFile file(dir.filePath("Main.qml"));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qWarning("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    void initTestCase() {
        // The console's data folder for these runs: no location sensor is started.
        const QString dir = qEnvironmentVariable("VELMORA_DATA_DIR");
        QVERIFY(!dir.isEmpty() && QDir().mkpath(dir));
        QFile settings(dir + "/Settings.txt");
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("{\"loc.use_sensor\": false}\n");
    }

    // The whole window on the demo mount comes up without a single QML warning.
    void loadsMainAndQuitsCleanly() {
        const Run r = run({"--quit-when-shown", "--demo"});
        QVERIFY2(r.exitCode == 0 && !r.err.contains("QQmlApplicationEngine failed") &&
                     !r.err.contains("qrc:/") && !r.err.contains("qml:"),
                 qPrintable(r.describe()));
    }

    // A second console on the same data folder says so and ends; the first one's settings
    // stay as they are.
    void secondConsoleOnOneFolderIsRefused() {
        const QString dir = qEnvironmentVariable("VELMORA_DATA_DIR");
        const JEX::FileLock first(dir + "/velmora-console.lock", JEX::FileLock::Wait::No);
        QVERIFY(first.held());
        QFile settings(dir + "/Settings.txt");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray before = settings.readAll();
        const Run r = run({"--quit-when-shown", "--demo"});
        QVERIFY2(
            r.exitCode == 1 &&
                r.err.contains("Velmora Console is already running with the data folder " + dir) &&
                !r.err.contains("Error") && !r.err.contains("qml:"),
            qPrintable(r.describe()));
        settings.seek(0);
        QCOMPARE(settings.readAll(), before);
    }

    // A main file that does not load ends the console with -1, 255 as the shell sees it.
    void brokenMainExitsWithMinusOne_data() {
        QTest::addColumn<QByteArray>("qml");
        QTest::newRow("unknown property")
            << QByteArray("import QtQuick\nItem { noSuchProperty: 1 }\n");
        QTest::newRow("unknown module") << QByteArray("import NoSuchVelmoraModule\nItem {}\n");
    }
    void brokenMainExitsWithMinusOne() {
        QFETCH(QByteArray, qml);
        QTemporaryDir dir;
        QCOMPARE(run({"--quit-when-shown", "--main-qml", writeQml(dir, qml)}).exitCode, 255);
    }

    // For checking layouts: every text of the scene doubled, placeholders left unfilled.
    void doubleLengthDoublesTheTexts() {
        QTemporaryDir dir;
        const QString probe = writeQml(dir, "import QtQml\nQtObject { Component.onCompleted: "
                                            "console.warn(qsTranslate(\"MainMenu\", \"Settings\"), "
                                            "qsTr(\"%1 min\")) }\n");
        const Run r = run({"--quit-when-shown", "--double-length", "--main-qml", probe});
        QVERIFY2(r.exitCode == 0 && r.err.contains("[Settings Settings] [%1 min _1 min]"),
                 qPrintable(r.describe()));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
