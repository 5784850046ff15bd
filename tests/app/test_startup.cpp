// Starts the real console under the offscreen platform.

#include "FileLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

    static int run(const QStringList& args, QByteArray* errors = nullptr) {
        QProcess console;
        console.setProgram(QStringLiteral(VELMORA_CONSOLE));
        console.setArguments(args);
        console.start();
        if (!console.waitForFinished(120000)) {
            console.kill();
            console.waitForFinished();
            return -1000;
        }
        if (errors)
            *errors = console.readAllStandardError();
        return console.exitStatus() == QProcess::NormalExit ? console.exitCode() : -2000;
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
        QByteArray errors;
        QCOMPARE(run({"--quit-when-shown", "--demo"}, &errors), 0);
        QVERIFY2(!errors.contains("QQmlApplicationEngine failed") && !errors.contains("qrc:/") &&
                     !errors.contains("qml:"),
                 errors.constData());
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
        QByteArray errors;
        QCOMPARE(run({"--quit-when-shown", "--demo"}, &errors), 1);
        QVERIFY2(errors.contains("Velmora Console is already running with the data folder " +
                                 dir.toUtf8()) &&
                     !errors.contains("Error") && !errors.contains("qml:"),
                 errors.constData());
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
        QCOMPARE(run({"--quit-when-shown", "--main-qml", writeQml(dir, qml)}), 255);
    }

    // For checking layouts: every text of the scene doubled, placeholders left unfilled.
    void doubleLengthDoublesTheTexts() {
        QTemporaryDir dir;
        const QString probe = writeQml(dir, "import QtQml\nQtObject { Component.onCompleted: "
                                            "console.warn(qsTranslate(\"MainMenu\", \"Settings\"), "
                                            "qsTr(\"%1 min\")) }\n");
        QByteArray errors;
        QCOMPARE(run({"--quit-when-shown", "--double-length", "--main-qml", probe}, &errors), 0);
        QVERIFY2(errors.contains("[Settings Settings] [%1 min _1 min]"), errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
