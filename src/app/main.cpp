// Entry of the console: registers the compiled-in modules, builds the object graph,
// publishes it to the QML scene and runs the event loop.

#include "AppVersion.h"
#include "DemoMount.h"
#include "DetachedWork.h"
#include "FileLock.h"
#include "LanguageManager.h"
#include "LaunchSession.h"
#include "ManualSlew.h"
#include "ObjectGraph.h"
#include "QmlModules.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QIcon>
#include <QList>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QThreadPool>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Two consoles on one data folder would each write their own settings over the other's: the
// second says so, in a window and on standard error, and ends without touching anything.
int refuseSecondConsole(QGuiApplication& app, const QString& dataDir, bool quitWhenShown) {
    const QString text =
        QStringLiteral("Velmora Console is already running with the data folder %1. Use that "
                       "window, or close it before starting another.")
            .arg(dataDir);
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    // Read only (a store writes nothing until it is changed): at night the window is red.
    const JEX::QtKVStore settings(QStringLiteral("Settings.txt"),
                                  std::make_shared<JEX::QtFileUtil>("KD208"));
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.rootContext()->setContextProperty(QStringLiteral("refusal"), text);
    engine.rootContext()->setContextProperty(QStringLiteral("nightSetting"),
                                             settings.getInt("night_mode", 2));
    engine.rootContext()->setContextProperty(QStringLiteral("inj_kvStore"), nullptr);
    engine.loadData(R"(
        import QtQuick
        import QtQuick.Controls
        import QtQuick.Controls.Material
        import JexQtCommonBase
        ApplicationWindow {
            id: window
            visible: true
            width: 320
            height: 200
            title: "Velmora Console"
            Material.theme: colours.theme
            Material.background: colours.background
            Material.foreground: colours.foreground
            Material.accent: colours.accent
            NightManager {
                id: colours
                window: window
                setting: nightSetting
            }
            Label {
                anchors.fill: parent
                anchors.margins: 16
                text: refusal
                wrapMode: Text.Wrap
            }
            footer: DialogButtonBox {
                standardButtons: DialogButtonBox.Close
                onRejected: Qt.quit()
            }
        })");
    if (quitWhenShown || engine.rootObjects().isEmpty())
        return 1;
    app.exec();
    return 1;
}

// "program (package) version", the form help2man reads; the product name is the same in
// every language.
void printVersion() {
    std::printf("velmora-console (Velmora Console) %s\n",
                qUtf8Printable(JEX::AppVersion().string()));
}

// Answers --version and --help, which need no display, before the GUI application looks for
// one (help2man makes the manual page this way). A command line that does not parse on its
// own (with Qt's own options such as -platform, or with a mistake) is left to the
// application's parser, as is --help-all, whose Qt options only the application knows.
bool answeredWithoutApplication(QCommandLineParser& parser, const QCommandLineOption& help,
                                const QCommandLineOption& version, int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!parser.parse(arguments))
        return false;
    if (parser.isSet(version)) {
        printVersion();
        return true;
    }
    if (!parser.isSet(help))
        return false;
    // Without an application object Qt cannot name the program on the usage line.
    std::fputs(qUtf8Printable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        arguments.constFirst())),
               stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora Console"));
    const QCommandLineOption help = parser.addHelpOption();
    // Not Qt's built-in one, which prints the application's name and version properties; the
    // console sets neither.
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    const QCommandLineOption quitWhenShown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Quit as soon as the main window has been created (start-up check)."));
    const QCommandLineOption mainQml(
        QStringLiteral("main-qml"),
        QStringLiteral("Load this root component instead of the built-in one (diagnostics)."),
        QStringLiteral("url"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Connect to the built-in demo mount in this run (the stored connection "
                       "type stays as it is)."));
    const QCommandLineOption firstFrame(
        QStringLiteral("report-first-frame"),
        QStringLiteral("Print the monotonic clock in milliseconds when the window's first frame "
                       "is on screen, then quit (start-up benchmark)."));
    const QCommandLineOption doubleLength(
        QStringLiteral("double-length"),
        QStringLiteral("Show every text twice as long (the double-length pseudo-translation), "
                       "to check that layouts leave room for longer languages."));
    parser.addOption(quitWhenShown);
    parser.addOption(mainQml);
    parser.addOption(demo);
    parser.addOption(firstFrame);
    const QCommandLineOption demoFaults(
        QStringLiteral("demo-faults"),
        QStringLiteral("Run on the demo mount with a poor link, to see how the console copes: "
                       "comma-separated loss=P, request-loss=P, reply-loss=P, reject=P, "
                       "late=P, garbage=P, duplicate=P (P from 0 to 1), delay=MS, "
                       "silence=60s@30s (silent for 60 s from 30 s after the start), seed=N."),
        QStringLiteral("faults"));
    parser.addOption(doubleLength);
    parser.addOption(demoFaults);
    if (answeredWithoutApplication(parser, help, version, argc, argv))
        return 0;

    JEX::importQmlModules();
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    QIcon::setThemeName(QStringLiteral("app"));
    // Desktop shells match the window to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora-console"));
    parser.process(*app);
    if (parser.isSet(version)) {
        printVersion();
        return 0;
    }
    std::shared_ptr<JEX::Sim::MotorController> faultyDemo;
    if (parser.isSet(demoFaults)) {
        std::string error;
        faultyDemo = JEX::DemoConnectableHelper::makeController(
            parser.value(demoFaults).toStdString(), &error);
        if (!faultyDemo) {
            std::fprintf(stderr, "--demo-faults: %s\n", error.c_str());
            return 2;
        }
    }

    const QString dataDir = QString::fromStdString(JEX::QtFileUtil("KD208").dataDirPath());
    JEX::QtFileUtil::makePrivateDir(dataDir);
    const JEX::FileLock instance(dataDir + QStringLiteral("/velmora-console.lock"),
                                 JEX::FileLock::Wait::No);
    if (instance.error() == EWOULDBLOCK)
        return refuseSecondConsole(*app, dataDir, parser.isSet(quitWhenShown));

    QList<std::shared_ptr<QObject>> keepAlive;
    auto engine = std::make_unique<QQmlApplicationEngine>();
    // Qt 6.4 does not yet search the resource tree's module folder by default.
    engine->addImportPath(QStringLiteral("qrc:/qt/qml"));

    JEX::GraphOptions options;
    options.demo = parser.isSet(demo) || faultyDemo;
    options.demoController = faultyDemo;
    JEX::dependencyInjectToQml(*engine, keepAlive, options);
    if (parser.isSet(doubleLength)) {
        for (const auto& object : keepAlive) {
            if (auto* languages = qobject_cast<JEX::LanguageManager*>(object.get()))
                languages->setDoubleLength(true);
        }
    }

    QObject::connect(
        engine.get(), &QQmlApplicationEngine::objectCreationFailed, app.get(),
        [] { QCoreApplication::exit(-1); }, Qt::QueuedConnection);
    if (parser.isSet(quitWhenShown)) {
        QObject::connect(
            engine.get(), &QQmlApplicationEngine::objectCreated, app.get(),
            [](QObject* object) {
                if (object)
                    QCoreApplication::quit();
            },
            Qt::QueuedConnection);
    }

    if (parser.isSet(firstFrame)) {
        QObject::connect(
            engine.get(), &QQmlApplicationEngine::objectCreated, app.get(), [](QObject* object) {
                auto* window = qobject_cast<QQuickWindow*>(object);
                if (!window)
                    return;
                QObject::connect(
                    window, &QQuickWindow::frameSwapped, window,
                    [] {
                        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                            std::chrono::steady_clock::now().time_since_epoch())
                                            .count();
                        std::printf("first-frame %lld\n", static_cast<long long>(ms));
                        std::fflush(stdout);
                        QCoreApplication::quit();
                    },
                    Qt::SingleShotConnection);
            });
    }

    const QUrl root = parser.isSet(mainQml) ? QUrl::fromUserInput(parser.value(mainQml))
                                            : QUrl(QStringLiteral("qrc:/qt/qml/App/Main.qml"));
    engine->load(root);
    // The connection the user asked to have at launch starts once the window is there.
    for (const auto& object : keepAlive) {
        if (auto* launch = qobject_cast<JEX::LaunchSession*>(object.get()))
            launch->start();
    }

    const int result = app->exec();

    // A slew held when the window closed is stopped, and confirmed, before the mount object
    // (and any stop still queued in it) goes.
    for (const auto& object : keepAlive) {
        if (auto* slew = qobject_cast<JEX::ManualSlew*>(object.get()))
            slew->stopBeforeExit();
    }

    // QML goes first so that no binding can reach a native object while it is destroyed.
    engine.reset();
    keepAlive.clear();
    // A search, connect or disconnect still running, or a mount operation in the pool (a
    // program write), holds what it uses but reads the application object: it goes only when
    // they have ended. Should one hang (a serial port that blocks), the process ends without
    // taking anything down; settings are saved already.
    const bool ended = JEX::DetachedWork::waitForAll(std::chrono::seconds(30)) &&
                       QThreadPool::globalInstance()->waitForDone(30000);
    if (!ended) {
        std::fprintf(stderr, "Background work did not end; leaving without clean-up\n");
        std::fflush(nullptr);
        std::_Exit(result);
    }
    app.reset();
    return result;
}
