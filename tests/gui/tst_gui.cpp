// The real pages on the real object graph, driven by Qt Quick Test: each test file gets a
// graph of its own on the demo mount, over one data folder for the whole run, and the demo
// mount's controller as test_sim, the saved profiles as a fresh start would read them as
// test_profileStore, and a system bus of the run's own as test_bus.

#include "DemoMount.h"
#include "MotorController.h"
#include "ObjectGraph.h"
#include "PrivateSystemBus.h"
#include "ProfileStoreReader.h"
#include "QmlModules.h"
#include "SettingsFile.h"
#include "SimProbe.h"

#include <QDesktopServices>
#include <QGeoPositionInfoSource>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Stands in for the desktop's browser: a page that opens a local file (the help) is seen
// here instead of starting another program.
class OpenedUrls : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString last READ last NOTIFY opened)
public:
    QString last() const { return last_; }
public slots:
    void open(const QUrl& url) {
        last_ = url.toString();
        emit opened();
    }
signals:
    void opened();

private:
    QString last_;
};

class Setup : public QObject {
    Q_OBJECT
public:
    Setup() {
        JEX::importQmlModules();
        // No location sensor: the platform's position service is never started.
        settings_.write("{\"loc.use_sensor\": false}\n");
    }

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        auto controller = JEX::DemoConnectableHelper::makeController();
        JEX::GraphOptions options;
        options.demo = true;
        options.locationSource = [] { return std::unique_ptr<QGeoPositionInfoSource>(); };
        options.demoController = controller;
        graphs_.append(QList<std::shared_ptr<QObject>>());
        JEX::dependencyInjectToQml(*engine, graphs_.last(), options);
        auto probe = std::make_shared<JEX::Test::SimProbe>(controller);
        engine->rootContext()->setContextProperty(QStringLiteral("test_sim"), probe.get());
        graphs_.last().append(probe);
        auto reader = std::make_shared<JEX::Test::ProfileStoreReader>();
        engine->rootContext()->setContextProperty(QStringLiteral("test_profileStore"),
                                                  reader.get());
        graphs_.last().append(reader);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &openedUrls_, "open");
        engine->rootContext()->setContextProperty(QStringLiteral("test_openedUrls"), &openedUrls_);
        engine->rootContext()->setContextProperty(QStringLiteral("test_bus"), bus());
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

private:
#ifdef __SANITIZE_THREAD__
    // ThreadSanitizer cannot see the D-Bus library's own locking (its thread then makes our
    // locks look unheld): no bus in that build, and the suspend case is left to the others.
    QObject* bus() { return nullptr; }
#else
    QObject* bus() { return &bus_; }
    // Before any graph: the console's suspend watcher connects to it.
    JEX::Test::PrivateSystemBus bus_;
#endif
    OpenedUrls openedUrls_;
    JEX::Test::SettingsFile settings_;
    // One object graph per test file's engine; each outlives its engine.
    QList<QList<std::shared_ptr<QObject>>> graphs_;
};

QUICK_TEST_MAIN_WITH_SETUP(gui, Setup)

#include "tst_gui.moc"
