// Entry of the console: registers the compiled-in modules, builds the object graph,
// publishes it to the QML scene and runs the event loop.

#include "CmdRet.h"
#include "QmlFutureTypes.h"

#include <QCommandLineParser>
#include <QFuture>
#include <QGuiApplication>
#include <QIcon>
#include <QList>
#include <QQmlApplicationEngine>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(TavoPlugin)
Q_IMPORT_QML_PLUGIN(JexAstroBasePlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonPlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonBasePlugin)
Q_IMPORT_QML_PLUGIN(QuickFuturePlugin)
Q_IMPORT_QML_PLUGIN(QuickPromisePlugin)

namespace {

void registerMetaTypes() {
    qRegisterMetaType<JEX::CmdRet>();
    qRegisterMetaType<QFuture<JEX::CmdRet>>();
}
Q_CONSTRUCTOR_FUNCTION(registerMetaTypes)

// The composition root: creates every long-lived object, hands each its collaborators,
// and publishes the ones QML uses. Each published object is appended to keepAlive, which
// outlives the engine.
void dependencyInjectToQml(QQmlApplicationEngine& engine,
                           QList<std::shared_ptr<QObject>>& keepAlive) {
    Q_UNUSED(engine);
    Q_UNUSED(keepAlive);
}

} // namespace

int main(int argc, char* argv[]) {
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    QIcon::setThemeName(QStringLiteral("app"));
    JEX::registerQmlFutureTypes();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velmora Console"));
    parser.addHelpOption();
    const QCommandLineOption quitWhenShown(
        QStringLiteral("quit-when-shown"),
        QStringLiteral("Quit as soon as the main window has been created (start-up check)."));
    const QCommandLineOption mainQml(
        QStringLiteral("main-qml"),
        QStringLiteral("Load this root component instead of the built-in one (diagnostics)."),
        QStringLiteral("url"));
    parser.addOption(quitWhenShown);
    parser.addOption(mainQml);
    parser.process(*app);

    QList<std::shared_ptr<QObject>> keepAlive;
    auto engine = std::make_unique<QQmlApplicationEngine>();
    // Qt 6.4 does not yet search the resource tree's module folder by default.
    engine->addImportPath(QStringLiteral("qrc:/qt/qml"));

    dependencyInjectToQml(*engine, keepAlive);

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

    const QUrl root = parser.isSet(mainQml) ? QUrl::fromUserInput(parser.value(mainQml))
                                            : QUrl(QStringLiteral("qrc:/qt/qml/App/Main.qml"));
    engine->load(root);

    const int result = app->exec();

    // QML goes first so that no binding can reach a native object while it is destroyed.
    engine.reset();
    keepAlive.clear();
    app.reset();
    return result;
}
