// Starts the real console under the offscreen platform.

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

    void brokenRootComponentExitsWithMinusOne() {
        QTemporaryDir dir;
        QFile broken(dir.filePath("Broken.qml"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("import QtQuick\nItem { noSuchProperty: 1 }\n");
        broken.close();
        // -1 as the shell sees it.
        QCOMPARE(run({"--quit-when-shown", "--main-qml", broken.fileName()}), 255);
    }

    void unknownModuleExitsWithMinusOne() {
        QTemporaryDir dir;
        QFile broken(dir.filePath("Missing.qml"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("import NoSuchVelmoraModule\nItem {}\n");
        broken.close();
        QCOMPARE(run({"--main-qml", broken.fileName()}), 255);
    }

    // For checking layouts: every text of the scene doubled, placeholders left unfilled.
    void doubleLengthDoublesTheTexts() {
        QTemporaryDir dir;
        QFile probe(dir.filePath("Probe.qml"));
        QVERIFY(probe.open(QIODevice::WriteOnly));
        probe.write("import QtQml\nQtObject { Component.onCompleted: console.warn("
                    "qsTranslate(\"MainMenu\", \"Settings\"), qsTr(\"%1 min\")) }\n");
        probe.close();
        QByteArray errors;
        QCOMPARE(
            run({"--quit-when-shown", "--double-length", "--main-qml", probe.fileName()}, &errors),
            0);
        QVERIFY2(errors.contains("[Settings Settings] [%1 min _1 min]"), errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
