// Starts the real console under the offscreen platform.

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
    void loadsMainAndQuitsCleanly() {
        QByteArray errors;
        QCOMPARE(run({"--quit-when-shown"}, &errors), 0);
        QVERIFY2(!errors.contains("QQmlApplicationEngine failed"), errors.constData());
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
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
