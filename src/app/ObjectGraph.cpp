#include "ObjectGraph.h"

#include "AppVersion.h"
#include "AstroCalc.h"
#include "Cancellation.h"
#include "ConnectableHelper.h"
#include "ConnectedObjContainer.h"
#include "ConnectionSettings.h"
#include "ConverserTimeoutForwarder.h"
#include "DemoMount.h"
#include "DeviceFactories.h"
#include "EnterActivates.h"
#include "HelpFile.h"
#include "IAstroClock.h"
#include "IClock.h"
#include "Journal.h"
#include "LanguageManager.h"
#include "LaunchSession.h"
#include "LinkHealth.h"
#include "Location.h"
#include "LogPaneModel.h"
#include "ManualSlew.h"
#include "NightPointer.h"
#include "PlatformUrl.h"
#include "PolarScopeInfo.h"
#include "PolarScopePaintedItem.h"
#include "ProgramPlanner.h"
#include "QAstroFormat.h"
#include "QAstroRate.h"
#include "QTAVOHelper.h"
#include "QmlKVStore.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "QtLocationSensor.h"
#include "QtUDPBroadcaster.h"
#include "Reconnector.h"
#include "SerialConnectableHelper.h"
#include "SuspendWatcher.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOContainer.h"
#include "TAVOFactory.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"
#include "TaskEstimator.h"
#include "TaskProfileList.h"
#include "ToastManagerUIStub.h"
#include "TryConnectSession.h"
#include "UDPConnectableHelper.h"
#include "WindowRect.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

#include <atomic>

namespace JEX {
namespace {

// The journal's lines about the link that the console itself sees: a connect that came
// through, and the disconnect that ends it.
void journalTheLink(TryConnectSession& session, std::shared_ptr<TAVOContainer> container,
                    std::weak_ptr<IConnectable> connectable, std::weak_ptr<Reconnector> reconnector,
                    std::shared_ptr<Journal> journal) {
    // A failed connect is also announced as false; only one after a connect is a disconnect,
    // and a try of the reconnector's is no disconnect at all (it journals the loss itself).
    auto connected = std::make_shared<std::atomic<bool>>(false);
    session.append([=](bool now) {
        if (!now) {
            const std::shared_ptr<Reconnector> r = reconnector.lock();
            if (r && r->active())
                return;
            if (connected->exchange(false))
                journal->add(QCoreApplication::translate("Journal", "Disconnected").toStdString());
            return;
        }
        connected->store(true);
        const std::shared_ptr<ITAVO> tavo = container->get();
        const std::shared_ptr<IConnectable> dialog = connectable.lock();
        const QString name = tavo ? tavo->deviceName() : QString();
        const QString endpoint = dialog ? dialog->connectedEndpoint() : QString();
        journal->add(QCoreApplication::translate("Journal", "Connected to %1 at %2")
                         .arg(name, endpoint)
                         .toStdString());
    });
}

} // namespace

void dependencyInjectToQml(QQmlEngine& engine, QList<std::shared_ptr<QObject>>& keepAlive,
                           const GraphOptions& options) {
    QQmlContext* context = engine.rootContext();
    const auto makeClock = [&options]() -> std::shared_ptr<IClock> {
        return options.makeClock ? options.makeClock() : std::make_shared<CRealClock>();
    };
    auto publish = [&](const char* name, const std::shared_ptr<QObject>& object) {
        context->setContextProperty(QString::fromLatin1(name), object.get());
        keepAlive.append(object);
    };

    // Pages say when this run is bound to the demo mount whatever the stored type says.
    context->setContextProperty(QStringLiteral("inj_demoRun"), options.demo);
    auto astroRate = std::make_shared<QAstroRate>();
    auto tavoHelper = std::make_shared<QTAVOHelper>();
    // The folder name stays as the system knows it; on Linux the data folder is fixed.
    auto fileUtil = std::make_shared<QtFileUtil>("KD208");
    auto store = std::make_shared<QtKVStore>(QStringLiteral("Settings.txt"), fileUtil);
    auto journal = std::make_shared<Journal>(Journal::D{fileUtil->dataDirPath()});
    auto logPane = std::make_shared<LogPaneModel>(journal);
    auto tavoSettings = std::make_shared<TAVOSettings>(store);
    auto windowRect = std::make_shared<WindowRect>(store);
    publish("inj_windowRect", windowRect);
    publish("inj_nightPointer", std::make_shared<NightPointer>());
    auto session = std::make_shared<TryConnectSession>();
    auto converserContainer = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
    auto timeoutForwarder = std::make_shared<ConverserTimeoutForwarder>(converserContainer);
    auto linkHealth = std::make_shared<LinkHealth>(converserContainer);
    auto toastStub = std::make_shared<ToastManagerUIStub>();
    auto location = std::make_shared<Location>(store);
    auto connectionSettings = std::make_shared<ConnectionSettings>(store);
    auto waitable = std::make_shared<SleepWaitable>();
    auto broadcaster = std::make_shared<QtUDPBroadcaster>();
    auto cancellable = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    auto udpFactory = std::make_shared<UDPJexDeviceFactory>(connectionSettings, cancellable);
    auto udpHelper =
        std::make_shared<UDPConnectableHelper>(connectionSettings, broadcaster, udpFactory);
    auto serialFactory = std::make_shared<SerialJexDeviceFactory>(connectionSettings, cancellable);
    auto serialHelper =
        std::make_shared<SerialConnectableHelper>(connectionSettings, serialFactory);
    // The Emulator type's helper: the built-in demo mount.
    auto demoHelper = std::make_shared<DemoConnectableHelper>(connectionSettings, cancellable,
                                                              options.demoController);
    auto helper = std::make_shared<ConnectableHelper>(connectionSettings, udpHelper, demoHelper,
                                                      serialHelper, nullptr);
    if (options.demo)
        helper->forceType(ConnectionType_::E::Emulator);
    auto container = std::make_shared<TAVOContainer>();
    auto mountClock = makeClock();
    auto taskState = std::make_shared<TAVOTaskState>();
    auto factory = std::make_shared<TAVOFactory>(mountClock, waitable, taskState, tavoSettings,
                                                 cancellable, cancellable, location);
    auto connectable = std::make_shared<TAVOConnectable>(
        TAVOConnectable::D{helper, container, factory, session, converserContainer});
    auto connector = std::make_shared<TAVOConnector>(container, taskState);
    auto launchSession = std::make_shared<LaunchSession>(
        LaunchSession::D{connectionSettings, connectable, connector, options.demo});
    auto manualSlew = std::make_shared<ManualSlew>(connector, timeoutForwarder, connectionSettings);
    auto reconnector = std::make_shared<Reconnector>(
        Reconnector::D{connectable, connector, container, converserContainer, taskState,
                       [journal](const QString& line) { journal->add(line.toStdString()); },
                       options.reconnectTiming});
    journalTheLink(*session, container, connectable, reconnector, journal);
    QObject::connect(reconnector.get(), &Reconnector::notice, toastStub.get(),
                     &ToastManagerUIStub::shouldToast);
    // Nobody holds a slew through a suspend: the release would come after the wake-up.
    auto suspendWatcher = std::make_shared<SuspendWatcher>();
    QObject::connect(suspendWatcher.get(), &SuspendWatcher::suspending, manualSlew.get(),
                     &ManualSlew::release);
    auto estimator = std::make_shared<TaskEstimator>(mountClock, taskState);
    const TaskProfileLists lists = makeTaskProfileLists(store, location);
    auto languageManager = std::make_shared<LanguageManager>(store, &engine);
    auto astroFormat = std::make_shared<QAstroFormat>(languageManager, nullptr);
    publish("inj_astroFormat", astroFormat);
    auto astroSideClock = makeClock();
    auto astroClock = std::make_shared<AstroClock>(astroSideClock);
    auto astroCalc = std::make_shared<AstroCalc>(location, astroClock);
    auto polarItem = std::make_shared<PolarScopePaintedItem>(astroCalc, store);
    auto polarInfo =
        std::make_shared<PolarScopeInfo>(astroCalc, astroFormat, location, astroClock, store);
    auto qmlStore = std::make_shared<QmlKVStore>(store);
    auto platformUrl = std::make_shared<PlatformUrl>();
    auto helpFile =
        std::make_shared<HelpFile>(fileUtil, languageManager, platformUrl, connectHelpPath);
    auto locationSensor = std::make_shared<QtLocationSensor>(options.locationSource);
    auto appVersion = std::make_shared<AppVersion>();

    publish("inj_astroRate", astroRate);
    publish("inj_tavoHelper", tavoHelper);
    publish("inj_iTavoSettings", tavoSettings);
    publish("inj_connectSettings", connectionSettings);
    publish("inj_iConnectable", connectable);
    publish("inj_iConnector", connector);
    publish("inj_iTaskState", taskState);
    publish("inj_iTaskEstimator", estimator);
    publish("inj_programPlanner", std::make_shared<ProgramPlanner>(location, astroSideClock));
    publish("inj_iTaskProfileList_AP", lists.astrophotography);
    publish("inj_iTaskProfileList_ATL", lists.astroTimelapse);
    publish("inj_iTaskProfileList_Reg", lists.regularExposure);
    publish("inj_iTaskProfileList_Long", lists.longExposure);
    publish("inj_polarScopePaintedItem", polarItem);
    publish("inj_polarScopeInfo", polarInfo);
    publish("inj_kvStore", qmlStore);
    publish("inj_languageManager", languageManager);
    publish("inj_helpFile", helpFile);
    publish("inj_location", location);
    publish("inj_converserTimeoutForwarder", timeoutForwarder);
    publish("inj_toastManagerUIStub", toastStub);
    publish("inj_locationSensor", locationSensor);
    publish("inj_appVersion", appVersion);
    publish("inj_manualSlew", manualSlew);
    publish("inj_launchSession", launchSession);
    publish("inj_linkHealth", linkHealth);
    publish("inj_reconnector", reconnector);
    publish("inj_logPane", logPane);
    keepAlive.append(suspendWatcher);
    keepAlive.append(std::make_shared<EnterActivates>(QCoreApplication::instance()));
}

} // namespace JEX
