// The composition root on a real QML engine: the published names and their order, the two
// real-time clocks, the built-in demo mount running a program without a socket, and a slew
// stopped before the end.

#include "DemoMount.h"
#include "DetachedWork.h"
#include "ManualClock.h"
#include "ManualSlew.h"
#include "MotorController.h"
#include "ObjectGraph.h"
#include "QmlModules.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOTaskState.h"
#include "TaskEstimator.h"

#include <QDir>
#include <QFile>
#include <QGeoPositionInfoSource>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>

using namespace JEX;

namespace {

// Sockets this process holds now.
int openSockets() {
    int n = 0;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        n += fd.symLinkTarget().contains(QLatin1String("socket:")) ||
             QFile::symLinkTarget(fd.filePath()).startsWith(QLatin1String("socket:"));
    return n;
}

template <typename T> std::shared_ptr<T> published(const QList<std::shared_ptr<QObject>>& all) {
    for (const auto& object : all)
        if (auto typed = std::dynamic_pointer_cast<T>(object))
            return typed;
    return nullptr;
}

} // namespace

class TestObjectGraph : public QObject {
    Q_OBJECT

    QTemporaryDir data_;
    std::vector<std::shared_ptr<Test::ManualClock>> clocks_;

    // On the demo mount when given its controller.
    GraphOptions options(std::shared_ptr<Sim::MotorController> demo = nullptr) {
        GraphOptions o;
        o.demo = demo != nullptr;
        o.demoController = std::move(demo);
        o.locationSource = [] { return std::unique_ptr<QGeoPositionInfoSource>(); };
        o.makeClock = [this] {
            clocks_.push_back(std::make_shared<Test::ManualClock>(1'765'000'000'000));
            return clocks_.back();
        };
        return o;
    }

private slots:
    void initTestCase() {
        importQmlModules();
        qputenv("VELMORA_DATA_DIR", data_.path().toUtf8());
        QFile settings(data_.filePath(QStringLiteral("Settings.txt")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("{\"loc.use_sensor\": false}\n");
    }
    void init() { clocks_.clear(); }

    void publishesTwentyFiveObjectsInOrder() {
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        dependencyInjectToQml(engine, keepAlive, options());
        const QStringList names =
            QStringLiteral(
                "inj_windowRect inj_astroFormat inj_astroRate inj_tavoHelper inj_iTavoSettings "
                "inj_connectSettings inj_iConnectable inj_iConnector inj_iTaskState "
                "inj_iTaskEstimator inj_iTaskProfileList_AP inj_iTaskProfileList_ATL "
                "inj_iTaskProfileList_Reg inj_iTaskProfileList_Long inj_polarScopePaintedItem "
                "inj_polarScopeInfo inj_kvStore inj_languageManager inj_helpFile inj_location "
                "inj_converserTimeoutForwarder inj_toastManagerUIStub inj_locationSensor "
                "inj_appVersion inj_manualSlew")
                .split(' ');
        // The suspend watcher is kept, not published.
        QCOMPARE(keepAlive.size(), names.size() + 1);
        for (qsizetype i = 0; i < names.size(); ++i)
            QVERIFY2(engine.rootContext()->contextProperty(names[i]).value<QObject*>() ==
                         keepAlive[i].get(),
                     qPrintable(names[i]));

        // The Android-only log sink is not published.
        QVERIFY(!engine.rootContext()->contextProperty("inj_qSignalLogSink").isValid());

        // The mount side and the astronomy side each have a real-time clock of their own.
        QCOMPARE(clocks_.size(), size_t(2));
        QVERIFY(clocks_[0] != clocks_[1]);
    }

    // With the demo mount a connect and a program start work through the whole graph, and
    // no socket is opened on the way.
    void demoMountRunsAProgram() {
        const int socketsBefore = openSockets();
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        const GraphOptions o = options(DemoConnectableHelper::makeController());
        dependencyInjectToQml(engine, keepAlive, o);
        const auto connectable = published<TAVOConnectable>(keepAlive);
        const auto connector = published<TAVOConnector>(keepAlive);
        const auto taskState = published<TAVOTaskState>(keepAlive);
        const auto estimator = published<TaskEstimator>(keepAlive);
        QVERIFY(connectable && connector && taskState && estimator);

        connectable->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(connector->connected(), 15000);
        QCOMPARE(connectable->connectedEndpoint(), QString("demo"));

        TAVOParamSet program;
        program.mode = TAVOMode_::E::AP;
        program.cycleSec = 10;
        program.N_Cycles = 100;
        program.exposureSec = 8;
        program.speedDps = 15.0 / 3600.0;
        program.effectiveCycleSec = 10;
        QCOMPARE(connector->tavo()->programAutoMode(program).result().type, CmdRetType::Ok);
        QTRY_COMPARE_WITH_TIMEOUT(taskState->isRunningTask_q(), QVariant(true), 5000);
        QCOMPARE(o.demoController->memoryByte(0x00), uint8_t(1)); // running mode: AP

        // The mount-side clock is the first one made; 25 s on, two more photos.
        const int before = estimator->estimate().value().takenPhotos;
        clocks_.front()->advanceMs(25'000);
        QCOMPARE(estimator->estimate().value().takenPhotos, before + 2);

        QCOMPARE(connector->tavo()->programManualMode().result().type, CmdRetType::Ok);
        QCOMPARE(openSockets(), socketsBefore);
    }

    // The console quits while a connect is under way: the graph goes, the connect's thread
    // finishes on what it holds, and the program can wait for it before the application
    // object goes (the sanitizers see anything touched after its end).
    void quittingMidConnectWaitsForTheThread() {
        auto controller = DemoConnectableHelper::makeController();
        Sim::Faults slow = controller->faults();
        slow.fixedDelayMs = 40;
        controller->setFaults(slow);
        {
            QQmlEngine engine;
            QList<std::shared_ptr<QObject>> keepAlive;
            dependencyInjectToQml(engine, keepAlive, options(controller));
            published<TAVOConnectable>(keepAlive)->startSession();
            QTRY_VERIFY_WITH_TIMEOUT(controller->transcript()->entries().size() > 0, 10000);
            QVERIFY(!DetachedWork::waitForAll(std::chrono::milliseconds(0)));
        }
        QVERIFY(DetachedWork::waitForAll(std::chrono::seconds(60)));
    }

    // The window closes mid-slew while another exchange is queued: the program does not end
    // before the mount has confirmed the stop (the graph's end would drop a queued one).
    void slewHeldAtTheEndIsStoppedFirst() {
        QQmlEngine engine;
        QList<std::shared_ptr<QObject>> keepAlive;
        const GraphOptions o = options(DemoConnectableHelper::makeController());
        dependencyInjectToQml(engine, keepAlive, o);
        const auto connector = published<TAVOConnector>(keepAlive);
        const auto slew = published<ManualSlew>(keepAlive);
        published<TAVOConnectable>(keepAlive)->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(connector->connected(), 15000);

        slew->hold(1);
        QTRY_VERIFY_WITH_TIMEOUT(o.demoController->axis(0).running, 5000);
        (void)connector->tavo()->readWifiSettings();
        QVERIFY(slew->stopBeforeExit());
        QVERIFY(!o.demoController->axis(0).running);
        QVERIFY(!slew->stopOwed());
    }
};

QTEST_MAIN(TestObjectGraph)
#include "test_object_graph.moc"
