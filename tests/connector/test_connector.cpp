// The connector's pieces (mount and converser containers, the link time-out indicator) and
// the connection dialog's model, with a scripted helper and the simulated controller.

#include "ConnectedObjContainer.h"
#include "ConnectionSettings.h"
#include "ConverserTimeoutForwarder.h"
#include "EventLog.h"
#include "LaunchSession.h"
#include "LinkHealth.h"
#include "MemoryKVStore.h"
#include "MountRig.h"
#include "Reconnector.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOFactory.h"
#include "WifiForm.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

using namespace JEX;
using JEX::Test::EventLog;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using JEX::Test::reads;
using JEX::Test::writes;
using JEX::Test::writeU32;
using State = ConnectableState_::E;
using Status = IConnectableHelper::Status;

namespace {

// The mount factory as the object graph wires it, with a count of the mount objects it made
// and that went.
class CountingFactory : public ITAVOFactory {
public:
    explicit CountingFactory(std::shared_ptr<ITAVOTaskState> taskState) {
        auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        inner_ = std::make_shared<TAVOFactory>(
            std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(), std::move(taskState),
            std::make_shared<TAVOSettings>(std::make_shared<Test::MemoryKVStore>()), tc, tc,
            std::make_shared<Location>(nullptr));
    }
    std::shared_ptr<ITAVO> create(std::shared_ptr<IJexConverser> converser,
                                  std::shared_ptr<IJexDevice> device) override {
        std::shared_ptr<ITAVO> tavo = inner_->create(std::move(converser), std::move(device));
        made.fetch_add(1);
        QObject::connect(
            tavo.get(), &QObject::destroyed, tavo.get(), [gone = gone_] { gone->fetch_add(1); },
            Qt::DirectConnection);
        return tavo;
    }
    int destroyed() const { return gone_->load(); }

    std::atomic<int> made{0};

private:
    std::shared_ptr<TAVOFactory> inner_;
    std::shared_ptr<std::atomic<int>> gone_ = std::make_shared<std::atomic<int>>(0);
};

// A converser that only says whether it timed out.
class StubConverser : public IConverser {
public:
    CmdResp<Bytes> converse(const Bytes&) override { return CmdRetType::Timeout; }
    CmdResp<Bytes> converseOnce(const Bytes&) override { return CmdRetType::Timeout; }
    bool isTimedOut() const override { return false; }
    uint32_t averageResponseMs() const override { return 0; }
};

// A helper the test drives: it records what the model asks of it and reports what the test
// tells it to; links are handed over on a thread of their own, as the real helpers do.
class ScriptedHelper : public IConnectableHelper {
public:
    QVariant devicesList() const override { return list; }
    void startConnect() override { ++starts; }
    void selectDevice(int index) override { selected.push_back(index); }
    void setDeviceFilter(DeviceFilter f) override { filter = std::move(f); }
    void setOnConnected(OnConnected callback) override { onConnected = std::move(callback); }
    void reopen(const std::string& endpoint) override {
        reopened.push_back(QString::fromStdString(endpoint));
        if (onReopen)
            onReopen();
    }

    void report(int kind, const std::string& detail = {}) { statusList(Status{kind, detail}); }
    std::jthread openLink(const JexConverserEtal& link) {
        return std::jthread([callback = onConnected, link] {
            if (callback)
                callback(link);
        });
    }

    // The model asks for all of these on the test's thread.
    QVariant list;
    int starts = 0;
    QList<int> selected;
    DeviceFilter filter;
    OnConnected onConnected;
    QStringList reopened;
    std::function<void()> onReopen;
};

// What was written to the mount: parameter-memory writes in full, and the axis commands that
// set something by their letter and axis.
QStringList writesIn(const QStringList& traffic) {
    QStringList out;
    for (const QString& t : traffic.filter(QRegularExpression("^(w |:[EFGHIJKLMSW])")))
        out << (t.startsWith("w ") ? t : t.left(3));
    return out;
}

QString stateName(State s) {
    return QString::fromLatin1(QMetaEnum::fromType<State>().valueToKey(int(s)));
}

// What the model announces, in order, on whichever thread it announces it.
void record(IConnectable* model, const std::shared_ptr<EventLog>& log) {
    const auto on = [&](auto signal, std::function<QString()> text) {
        QObject::connect(
            model, signal, model, [log, text] { log->add(text()); }, Qt::DirectConnection);
    };
    on(&IConnectable::sessionStarted, [] { return QString("started"); });
    on(&IConnectable::sessionDone, [] { return QString("done"); });
    on(&IConnectable::devicesListChanged, [] { return QString("devices"); });
    on(&IConnectable::statusChanged, [model] {
        const QString detail = model->statusDetailText();
        return stateName(model->state()) + (detail.isEmpty() ? "" : ":" + detail);
    });
}

// Holds the link's next request until the test adds "model gone" to the log returned.
std::shared_ptr<EventLog> holdNextRequest(MountRig& rig) {
    auto hold = std::make_shared<EventLog>();
    rig.raw->onRequest([hold, first = std::make_shared<std::atomic<bool>>(true)] {
        if (first->exchange(false)) {
            hold->add("held");
            hold->waitFor("model gone");
        }
    });
    return hold;
}

} // namespace

Q_DECLARE_METATYPE(JEX::LinkStats)

class TestConnector : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> stack;
    std::shared_ptr<ScriptedHelper> helper;
    std::shared_ptr<TAVOContainer> container;
    std::shared_ptr<TAVOTaskState> taskState;
    std::shared_ptr<CountingFactory> factory;
    std::shared_ptr<TryConnectSession> session;
    std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers;
    std::shared_ptr<TAVOConnectable> model;
    // Follows the links as in the program, told of every change.
    std::shared_ptr<ConverserTimeoutForwarder> forwarder;
    // The model's announcements, the session's outcomes and the answers to a request.
    std::shared_ptr<EventLog> events, outcomes, answers;

    SessionRequest request() {
        return SessionRequest{[a = answers](bool connected) { a->add(connected ? "yes" : "no"); },
                              QVariant(7)};
    }
    bool connectNow() {
        model->startSession();
        helper->openLink(stack->link()).join();
        return container->get() != nullptr;
    }

private slots:
    void initTestCase() { registerMountMetaTypes(); }

    void init() {
        stack = std::make_unique<MountRig>();
        helper = std::make_shared<ScriptedHelper>();
        container = std::make_shared<TAVOContainer>();
        taskState = std::make_shared<TAVOTaskState>();
        factory = std::make_shared<CountingFactory>(taskState);
        session = std::make_shared<TryConnectSession>();
        events = std::make_shared<EventLog>();
        outcomes = std::make_shared<EventLog>();
        answers = std::make_shared<EventLog>();
        session->append([o = outcomes](bool connected) { o->add(connected ? "yes" : "no"); });
        conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
        forwarder = std::make_shared<ConverserTimeoutForwarder>(conversers);
        model = std::make_shared<TAVOConnectable>(
            TAVOConnectable::D{helper, container, factory, session, conversers});
        record(model.get(), events);
    }

    void cleanup() {
        model.reset();
        container->set(nullptr);
        // Mount objects let go on other threads are deleted on this one.
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), factory->made.load(), 30000);
    }

    void mountContainerTellsOnlyOfChanges() {
        TAVOConnector connector(container, taskState);
        QSignalSpy changed(&connector, &ITAVOConnector::tavoChanged);
        std::shared_ptr<ITAVO> tavo = factory->create(stack->converser, stack->device);

        container->set(tavo);
        QCOMPARE(changed.count(), 1);
        QVERIFY(connector.connected());
        QCOMPARE(connector.tavo(), tavo.get());
        container->set(tavo);
        QCOMPARE(changed.count(), 1);

        ITAVO* raw = tavo.get();
        tavo.reset();
        QCOMPARE(connector.tavo(), raw);
        container->set(nullptr);
        QCOMPARE(changed.count(), 2);
        QVERIFY(!connector.connected());
        QCOMPARE(connector.tavo(), nullptr);
        QCOMPARE(factory->destroyed(), 1);
        container->set(nullptr);
        QCOMPARE(changed.count(), 2);
    }

    // Steps: "pA"/"pB" put converser A or B as pending, "+" and "-" fire the session with
    // true or false. Expected: pending and current after all steps ("-" for none), and how
    // often the container told its listeners.
    void converserContainerFollowsTheSession_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("link opened, building") << QString("pA") << QString("A - 0");
        QTest::newRow("connected") << QString("pA +") << QString("- A 1");
        QTest::newRow("build failed") << QString("pA -") << QString("- - 0");
        QTest::newRow("building while connected") << QString("pA + pB") << QString("B A 1");
        QTest::newRow("new link replaces the old") << QString("pA + pB +") << QString("- B 2");
        QTest::newRow("second build failed") << QString("pA + pB -") << QString("- - 2");
        QTest::newRow("disconnected") << QString("pA + -") << QString("- - 2");
        QTest::newRow("disconnected twice") << QString("pA + - -") << QString("- - 2");
        QTest::newRow("connected without a link") << QString("+") << QString("- - 0");
    }
    void converserContainerFollowsTheSession() {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        auto a = std::make_shared<StubConverser>();
        auto b = std::make_shared<StubConverser>();
        int fired = 0;
        conversers->changedList().append([&fired] { ++fired; });
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step.startsWith('p'))
                conversers->setPending(step == "pA" ? a : b);
            else
                session->fire(step == "+");
        }
        const auto name = [&](const std::shared_ptr<IConverser>& c) {
            return c == a ? QString("A") : c == b ? QString("B") : c ? QString("?") : QString("-");
        };
        QCOMPARE(QString("%1 %2 %3")
                     .arg(name(conversers->pending()), name(conversers->current()))
                     .arg(fired),
                 expected);
    }

    // The link time-out indicator after each step: "pA"/"pB" put link A or B as pending, "+"
    // and "-" fire the session, "sA"/"aA" send a request on link A that goes unanswered or is
    // answered (likewise B), "x" lets the mount object go as new Wi-Fi settings do. Expected:
    // the indicator after each step ("1" timed out), and how often it was announced.
    void timeoutIndicatorFollowsTheCurrentLink_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("announced");
        const auto row = [](const char* name, const char* steps, const char* shown, int n) {
            QTest::newRow(name) << QString(steps) << QString(shown) << n;
        };
        row("link being built", "pA sA", "0 0", 0);
        row("times out, then answers", "pA + sA aA", "0 0 1 0", 3);
        row("link let go", "pA + sA -", "0 0 1 0", 3);
        row("interruption keeps the old link's", "pA + sA x", "0 0 1 1", 2);
        row("new link after an interruption", "pA + x pB + sB", "0 0 0 0 0 1", 3);
        row("replaced link no longer counts", "pA + pB + sA", "0 0 0 0 0", 3);
    }
    void timeoutIndicatorFollowsTheCurrentLink() {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        QFETCH(int, announced);
        MountRig other;
        const auto link = [&](QChar name) -> MountRig& { return name == 'A' ? *stack : other; };
        TAVOConnector connector(container, taskState);
        container->set(factory->create(stack->converser, stack->device));
        QSignalSpy changed(forwarder.get(), &ConverserTimeoutForwarder::timedoutChanged_q);
        QStringList seen;
        for (const QString& step : steps.split(' ')) {
            if (step == "x")
                connector.interruptionDisconnect();
            else if (step.size() == 1)
                session->fire(step == "+");
            else if (step[0] == 'p')
                conversers->setPending(link(step[1]).sl);
            else {
                const bool silent = step[0] == 's';
                link(step[1]).sim->setSilent(silent);
                QCOMPARE(link(step[1]).device->readAxisStatus(0).type,
                         silent ? CmdRetType::Timeout : CmdRetType::Ok);
            }
            seen.append(forwarder->timedout() ? "1" : "0");
        }
        QCOMPARE(seen.join(' '), shown);
        QCOMPARE(changed.count(), announced);
    }

    // The converser's time-out later calls into a forwarder that is gone: only the address
    // sanitizer sees a fault here, which is what this case is for.
    void forwarderMayGoBeforeItsConverser_sanitizerChecks() {
        auto gone = std::make_unique<ConverserTimeoutForwarder>(conversers);
        conversers->setPending(stack->sl);
        session->fire(true);
        gone.reset();
        stack->sim->setSilent(true);
        QCOMPARE(stack->device->readAxisStatus(0).type, CmdRetType::Timeout);
        session->fire(false);
    }

    void runningFlagComesFromTheTaskState() {
        TAVOConnector connector(container, taskState);
        QSignalSpy status(&connector, &ITAVOConnector::tavoStatusChanged);
        QVERIFY(!connector.isRunningTask().isValid());

        taskState->setStatus(TAVOStatus{.mode = TAVOMode_::E::AP, .numberOfPictureTaken = 3});
        taskState->setReadParamSet({.paramSet = {.mode = TAVOMode_::E::AP, .N_Cycles = 10}});
        QCOMPARE(status.count(), 2);
        QCOMPARE(connector.isRunningTask(), QVariant(true));
    }

    void cancelWhileNotShownDoesNothing() {
        model->startSession(request());
        QCOMPARE(helper->starts, 1);
        model->cancelSession();
        QCOMPARE(events->all(), QStringList());
        QCOMPARE(answers->all(), QStringList());
    }

    void cancelEndsTheSessionAndAnswersTheRequest() {
        model->startSession(request());
        helper->report(Status::SearchListPopulated);
        model->cancelSession();
        QCOMPARE(events->all(),
                 QStringList({"started", "SearchListPopulated", "done", "NotShown"}));
        QCOMPARE(answers->all(), QStringList{"no"});
    }

    void requestWhileConnectedIsAnsweredAtOnce() {
        QVERIFY(connectNow());
        events->clear();
        model->startSession(request());
        QCOMPARE(answers->all(), QStringList{"yes"});
        QCOMPARE(events->all(), QStringList());
        QCOMPARE(helper->starts, 1);
    }

    // A search hands the helper the model's board rule.
    void searchFiltersWithTheBoardRule() {
        model->startNextAction(); // not connected: a search
        QCOMPARE(helper->starts, 1);
        for (int board = 0; board < 256; ++board)
            QCOMPARE(helper->filter(uint8_t(board)),
                     TAVOConnectable::acceptsMountModel(uint8_t(board)));
    }

    // The event is the state's name, with the detail after a colon; the same state reported
    // again is not announced and keeps its first detail.
    void helperReportsBecomeStates_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("stateAndText");
        QTest::addColumn<bool>("busy");
        const auto row = [](const char* name, int kind, const QString& detail, const char* state,
                            const char* text, bool busy) {
            QTest::newRow(name) << kind << detail << QStringList{state, text} << busy;
        };
        row("searching", 0, {}, "Searching", "Searching", true);
        row("list", 1, {}, "SearchListPopulated", "Search finished", false);
        row("connecting", 2, {}, "Connecting", "Connecting", true);
        row("failed, UTF-8 detail", 3, "Port ü belegt", "Failed", "Cannot Connect", false);
        row("unknown kind", 9, {}, "Searching", "Searching", true);
    }

    void helperReportsBecomeStates() {
        QFETCH(int, kind);
        QFETCH(QString, detail);
        QFETCH(QStringList, stateAndText);
        QFETCH(bool, busy);
        helper->report(kind, detail.toStdString());
        helper->report(kind, "again");
        const QString event = stateAndText[0] + (detail.isEmpty() ? "" : ":" + detail);
        QCOMPARE(events->all(), QStringList({"started", event}));
        QCOMPARE(model->statusText(), stateAndText[1]);
        QCOMPARE(model->statusDetailText(), detail);
        QCOMPARE(model->busy(), busy);
    }

    // A session at launch. Steps: "s" the helper searches, "l" it lists mounts to choose
    // from, "f" it failed, "o" a link opened and the mount was made, "u" the user pressed the
    // footer's button. The dialog opens ("started") only for a choice, a failure or the user.
    void quietSessionShowsItselfOnlyWhenNeeded_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("connects unseen") << "o" << QStringList{"Connecting", "done", "NotShown"};
        QTest::newRow("a choice") << "s l"
                                  << QStringList{"Searching", "started", "SearchListPopulated"};
        QTest::newRow("a failure")
            << "s f" << QStringList{"Searching", "started", "Failed:no reply"};
        QTest::newRow("the user asks") << "s u" << QStringList{"Searching", "started", "Searching"};
    }
    void quietSessionShowsItselfOnlyWhenNeeded() {
        QFETCH(QString, steps);
        QFETCH(QStringList, expected);
        model->startQuietSession();
        QCOMPARE(helper->starts, 1);
        for (const QString& step : steps.split(' ')) {
            if (step == "o")
                helper->openLink(stack->link()).join();
            else if (step == "u")
                model->startSession();
            else
                helper->report(step == "s"   ? 0
                               : step == "l" ? 1
                                             : 3,
                               step == "f" ? "no reply" : "");
        }
        QCOMPARE(events->all(), expected);
    }

    // The console connects at launch when asked to, or when the run is bound to the demo
    // mount; it remembers the mount it reached (not the demo of a demo run), and until it
    // has one it says how to find one.
    void launch_data() {
        QTest::addColumn<bool>("atLaunch");
        QTest::addColumn<bool>("demoRun");
        QTest::addColumn<QString>("remembered");
        QTest::newRow("not asked") << false << false << "";
        QTest::newRow("asked") << true << false << "in-process";
        QTest::newRow("demo run") << false << true << "";
    }
    void launch() {
        QFETCH(bool, atLaunch);
        QFETCH(bool, demoRun);
        QFETCH(QString, remembered);
        auto settings =
            std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
        settings->setConnectAtLaunch(atLaunch);
        auto connector = std::make_shared<TAVOConnector>(container, taskState);
        LaunchSession launch({settings, model, connector, demoRun});
        QVERIFY(!launch.hint().isEmpty() || demoRun);
        launch.start();
        const bool starts = atLaunch || demoRun;
        QCOMPARE(helper->starts, int(starts));
        if (starts)
            helper->openLink(stack->link()).join();
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(settings->lastMount()), remembered, 30000);
        QCOMPARE(launch.hint().isEmpty(), starts);
        QVERIFY(!events->all().contains("started"));
    }

    // The footer's few words for a link: none, answering, losing one request in ten or more,
    // slow, and silent; with every figure for the log.
    void linkHealthSaysHowTheLinkIs_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<LinkStats>("stats");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("level");
        QTest::newRow("no link") << false << false << LinkStats{} << "" << 0;
        QTest::newRow("answering") << true << false << LinkStats{50, 0, 52, 35, 90} << "35 ms" << 1;
        QTest::newRow("one in ten lost")
            << true << false << LinkStats{50, 1, 60, 40, 300} << "Poor link" << 2;
        QTest::newRow("slow") << true << false << LinkStats{10, 0, 10, 250, 400} << "Poor link"
                              << 2;
        QTest::newRow("silent") << true << true << LinkStats{10, 2, 16, 30, 40} << "No reply" << 3;
    }
    void linkHealthSaysHowTheLinkIs() {
        QFETCH(bool, present);
        QFETCH(bool, timedOut);
        QFETCH(LinkStats, stats);
        QFETCH(QString, summary);
        QFETCH(int, level);
        struct Measured : StubConverser {
            LinkStats stats;
            bool timedOut = false;
            bool isTimedOut() const override { return timedOut; }
            LinkStats linkStats() const override { return stats; }
        };
        auto link = std::make_shared<Measured>();
        link->stats = stats;
        link->timedOut = timedOut;
        if (present) {
            conversers->setPending(link);
            session->fire(true);
        }
        LinkHealth health(conversers);
        health.refresh();
        QCOMPARE(health.summary(), summary);
        QCOMPARE(int(health.level()), level);
        if (QTest::currentDataTag() == QByteArray("one in ten lost"))
            QCOMPARE(health.details(),
                     QString("Last 50 exchanges: 1 without a reply, 11 of 60 "
                             "requests lost; 40 ms on average, 300 ms at worst."));
    }

    void devicesComeFromTheHelper() {
        IConnectableSearchResult r{"192.168.4.1", "3.10.08"};
        helper->list = QVariantList{QVariant::fromValue(r)};
        helper->devicesListChangedList();
        QCOMPARE(events->all(), QStringList({"devices"}));
        QCOMPARE(model->devicesList(), helper->list);
        model->selectDevice(3);
        QCOMPARE(helper->selected, QList<int>({3}));
    }

    void openedLinkBecomesTheMountObject() {
        model->startSession(request());
        helper->report(Status::Connecting);
        stack->clearTranscript();
        helper->openLink(stack->link()).join();

        QCOMPARE(events->all(), QStringList({"started", "Connecting", "done", "NotShown"}));
        QCOMPARE(answers->all(), QStringList{"yes"});
        QCOMPARE(outcomes->all(), QStringList{"yes"});
        const std::shared_ptr<ITAVO> tavo = container->get();
        QVERIFY(tavo);
        QCOMPARE(tavo->thread(), QCoreApplication::instance()->thread());
        QCOMPARE(conversers->current(), std::static_pointer_cast<IConverser>(stack->sl));
        QCOMPARE(model->nextActionText(), QString("Disconnect"));
        const QStringList traffic = memoryTraffic(stack->requests());
        QVERIFY2(!traffic.isEmpty() && traffic.front() == ":e1" && traffic.back() == "w 006C=01",
                 qPrintable(traffic.join(' ')));

        // Shown again while connected, the dialog offers the disconnect.
        events->clear();
        model->startSession();
        QCOMPARE(events->all(), QStringList({"started", "Connected"}));
        QCOMPARE(model->statusText(), QString("Connected"));
        model->selectDevice(0);
        QCOMPARE(helper->selected, QList<int>());
    }

    void refusedConnectShowsTheResult() {
        model->startSession(request());
        stack->sim->setSilent(true);
        helper->openLink(stack->link()).join();

        QCOMPARE(events->all(),
                 QStringList({"started", "Connecting", "Failed:Communication error"}));
        QCOMPARE(model->statusText(), QString("Cannot Connect"));
        QCOMPARE(container->get(), nullptr);
        QCOMPARE(outcomes->all(), QStringList{"no"});
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), 1, 30000);
        QCOMPARE(answers->all(), QStringList());
        model->cancelSession();
        QCOMPARE(answers->all(), QStringList{"no"});
    }

    void disconnectMarksTheMountAndEmptiesEverything() {
        QVERIFY(connectNow());
        events->clear();
        stack->clearTranscript();
        model->startNextAction();
        QTRY_COMPARE_WITH_TIMEOUT(model->state(), State::NotShown, 30000);
        QCOMPARE(events->all(), QStringList({"started", "Disconnecting", "done", "NotShown"}));
        QCOMPARE(memoryTraffic(stack->requests()), QStringList({"w 0070=01"}));
        QCOMPARE(container->get(), nullptr);
        QCOMPARE(outcomes->all(), QStringList({"yes", "no"}));
        QCOMPARE(model->nextActionText(), QString("Connect"));
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), 1, 30000);
    }

    // A second link while the first is being made into the mount object (a double click on
    // a device row, a search started again) is dropped: one mount object, one connect.
    void secondLinkWhileOneIsBuiltIsDropped() {
        const auto hold = holdNextRequest(*stack);
        MountRig other;
        model->startSession();
        std::jthread first = helper->openLink(stack->link());
        QVERIFY(hold->waitFor("held"));
        helper->openLink(other.link()).join();
        hold->add("model gone");
        first.join();
        QCOMPARE(factory->made.load(), 1);
        QCOMPARE(conversers->current(), std::static_pointer_cast<IConverser>(stack->sl));
        QCOMPARE(other.requests(), QList<QByteArray>());
        // Connected, a further link is dropped too.
        helper->openLink(other.link()).join();
        QCOMPARE(factory->made.load(), 1);
    }

    // New Wi-Fi settings as the page applies them: the form loaded from the mount, DHCP
    // chosen, so the station's fixed address goes, and a password held as bytes that are not
    // valid UTF-8 goes back as those bytes. The mount then restarts its Wi-Fi: the console
    // lets the cut link go without a word to the mount, and takes the mount's next link.
    void wifiApplyThenTheLinkIsLetGo() {
        TAVOConnector connector(container, taskState);
        const QByteArray password("pa\xFF\xFE"
                                  "ss12");
        stack->sim->setMemoryByte(0x88, 1); // station
        stack->sim->setMemoryString(0xF0, 32, "home");
        stack->sim->setMemoryString(0x110, 64, password.toStdString());
        stack->sim->setMemoryString(0x150, 16, "10.0.0.7");
        QVERIFY(connectNow());
        ITAVO* tavo = connector.tavo();
        WifiForm form;
        form.load(tavo->readWifiSettings().result()["value"]);
        QCOMPARE(form.keptAsRead(), QStringList{"staPass"});
        QCOMPARE(form.fixedIp(), QString("10.0.0.7"));
        form.setDhcp(true);
        QVERIFY(form.edited());
        QVERIFY(form.acceptable());
        QCOMPARE(form.joinAfter(), QString("home"));
        stack->clearTranscript();
        QCOMPARE(tavo->writeWifiSettings(form.settings().value<WifiSettings>()).result().type,
                 CmdRetType::Ok);
        QCOMPARE(memoryTraffic(stack->requests()),
                 reads(0x80, 1) + writeU32(0x88, 1) + writes(0xF0, QByteArray("home", 5)) +
                     writes(0x110, password + '\0') + writes(0x150, QByteArray(1, 0)) +
                     writes(0x80, "\x01"));

        stack->clearTranscript();
        connector.interruptionDisconnect();
        QVERIFY(!connector.connected());
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), 1, 30000);
        QCOMPARE(stack->requests(), QList<QByteArray>());
        MountRig restarted;
        helper->openLink(restarted.link()).join();
        QVERIFY(connector.connected());
        QCOMPARE(conversers->current(), std::static_pointer_cast<IConverser>(restarted.sl));
    }

    // A mount object let go while its operation still talks finishes that operation before
    // the next one says a word (a select and its read are two requests: another's between
    // them reads the wrong byte), and what was queued on it meanwhile is never sent.
    void aMountLetGoFinishesBeforeTheNextTalks() {
        QVERIFY(connectNow());
        std::shared_ptr<ITAVO> old = container->get();
        const auto log = std::make_shared<EventLog>();
        stack->raw->onRequest([log, first = std::make_shared<std::atomic<bool>>(true)] {
            if (first->exchange(false)) {
                log->add("held");
                log->waitFor("release");
            }
            log->add("old");
        });
        const QFuture<CmdRet> running = old->readPowerStatus();
        QVERIFY(log->waitFor("held"));
        const QFuture<CmdRet> queued = old->readStatus();
        container->set(nullptr);
        MountRig next;
        next.raw->onRequest([log] { log->add("new"); });
        std::jthread link = helper->openLink(next.link());
        QTest::qWait(200); // a chance for the next mount object to speak out of turn
        log->add("release");
        link.join();
        QVERIFY(container->get());
        QCOMPARE(running.result().type, CmdRetType::Ok);
        QCOMPARE(queued.result().type, CmdRetType::Cancel);
        const QString seen = log->all().join(' ');
        QVERIFY2(QRegularExpression("^held release( old)+( new)+$").match(seen).hasMatch(),
                 qPrintable(seen));
    }

    // A reconnect reads who answers before it writes anything: the same mount (also under the
    // name the console gave it, or restarted with its axis to set up again) is taken back with
    // only the connect sequence's writes; another one, or none, gets nothing written.
    void reconnectTakesBackOnlyTheSameMount_data() {
        QTest::addColumn<QString>("answering");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("written");
        const auto c = int(ReconnectOutcome::Connected);
        const auto other = int(ReconnectOutcome::OtherMount);
        QTest::newRow("same mount") << "same" << c << QStringList{"w 006C=01"};
        QTest::newRow("renamed by the console") << "renamed" << c << QStringList{"w 006C=01"};
        QTest::newRow("restarted") << "restarted" << c << QStringList{":E1", ":F1", "w 006C=01"};
        QTest::newRow("another name") << "stranger" << other << QStringList();
        QTest::newRow("another firmware") << "3.09" << other << QStringList();
        QTest::newRow("silent") << "silent" << int(ReconnectOutcome::Failed) << QStringList();
    }
    void reconnectTakesBackOnlyTheSameMount() {
        QFETCH(QString, answering);
        QFETCH(int, outcome);
        QFETCH(QStringList, written);
        QVERIFY(!model->canReconnect());
        QVERIFY(connectNow());
        QVERIFY(model->canReconnect());
        const std::string name = container->get()->deviceName().toStdString();
        if (answering == "renamed") {
            WifiSettings w;
            w.mode = WifiMode_::E::AP;
            w.AP_SEC = WifiSec_::E::Open;
            w.AP_SSID = "Night";
            QCOMPARE(container->get()->writeWifiSettings(w).result().type, CmdRetType::Ok);
            QCoreApplication::processEvents();
        }
        container->set(nullptr);
        std::unique_ptr<MountRig> back;
        if (answering == "same" || answering == "renamed" || answering == "silent") {
            back = std::make_unique<MountRig>(stack->sim);
        } else {
            back = std::make_unique<MountRig>(answering == "3.09" ? "3.09" : "3.10-08");
            back->sim->setMemoryString(0x90, 32, answering == "stranger" ? "Stranger" : name);
        }
        back->sim->setSilent(answering == "silent");
        back->clearTranscript();
        events->clear();
        auto ended = std::make_shared<EventLog>();
        model->reconnect([ended](ReconnectOutcome o) { ended->add(QString::number(int(o))); });
        QCOMPARE(helper->reopened, QStringList{"in-process"});
        helper->openLink(back->link()).join();
        QCOMPARE(ended->all(), QStringList{QString::number(outcome)});
        QCOMPARE(writesIn(back->traffic()), written);
        QCOMPARE(container->get() != nullptr, outcome == int(ReconnectOutcome::Connected));
        QCOMPARE(events->all(), QStringList());
    }

    void retryWaitsDouble_data() {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("first try") << 0 << 0;
        QTest::newRow("second") << 1 << 1000;
        QTest::newRow("third") << 2 << 2000;
        QTest::newRow("sixth") << 5 << 16000;
        QTest::newRow("capped") << 6 << 30000;
        QTest::newRow("much later") << 500 << 30000;
    }
    void retryWaitsDouble() {
        QFETCH(int, attempt);
        QFETCH(int, delayMs);
        QCOMPARE(Reconnector::retryDelayMs(attempt, Reconnector::Timing{}), delayMs);
    }

    // The mount goes silent while its program runs and comes back after the program ended:
    // the link counts as lost, the mount object goes, the link is opened again until the
    // mount answers, nothing but the connection mark is written on the way, and the user
    // hears how the program ended.
    void reconnectorBringsTheSessionBack() {
        Sim::SimConfig config;
        config.identity = *Sim::presetIdentity("3.10-08");
        auto simClock = std::make_shared<Sim::ManualClock>();
        auto sim = std::make_shared<Sim::MotorController>(config, simClock);
        std::vector<std::unique_ptr<MountRig>> links;
        links.push_back(std::make_unique<MountRig>(sim));
        std::vector<std::jthread> opening;
        helper->onReopen = [&] {
            links.push_back(std::make_unique<MountRig>(sim));
            opening.push_back(helper->openLink(links.back()->link()));
        };
        auto connector = std::make_shared<TAVOConnector>(container, taskState);
        QStringList journal;
        Reconnector reconnector({model, connector, container, conversers, taskState,
                                 [&journal](const QString& line) { journal << line; },
                                 Reconnector::Timing{200, 100, 100, 400}});
        QSignalSpy notices(&reconnector, &Reconnector::notice);
        model->startSession();
        helper->openLink(links.front()->link()).join();
        TAVOParamSet program;
        program.mode = TAVOMode_::E::AP;
        program.exposureSec = 5;
        program.cycleSec = 10;
        program.N_Cycles = 3;
        QCOMPARE(container->get()->programAutoMode(program).result().type, CmdRetType::Ok);
        simClock->advanceSec(10.5);
        sim->setSilent(true);
        sim->transcript()->clear();

        QTRY_VERIFY_WITH_TIMEOUT(reconnector.active(), 30000);
        QVERIFY(!container->get());
        QVERIFY(reconnector.stateText().startsWith("Reconnecting… last heard"));
        QTRY_VERIFY_WITH_TIMEOUT(helper->reopened.size() >= 2, 30000);
        simClock->advanceSec(60);
        sim->setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(!reconnector.active(), 30000);
        for (std::jthread& t : opening)
            t.join();

        QVERIFY(container->get());
        QCOMPARE(writesIn(memoryTraffic(Test::requestsOf(*sim->transcript()))),
                 QStringList{"w 006C=01"});
        QCOMPARE(notices.size(), 1);
        const QString finished("Program finished while disconnected: 3 of 3 photos");
        QCOMPARE(notices.front().front().toString(), finished);
        QCOMPARE(journal.size(), 3);
        QCOMPARE(journal[0], QString("Connection lost (no reply); reconnecting"));
        QVERIFY(journal[1].startsWith("Reconnected after "));
        QCOMPARE(journal[2], finished);
        QCOMPARE(reconnector.stateText(), QString());
    }

    // The link is held at its first request until the model is gone: the connect ends for the
    // container and the request, and the gone model announces nothing more.
    void modelMayGoWhileAConnectRuns() {
        const auto hold = holdNextRequest(*stack);
        model->startSession(request());
        std::jthread link = helper->openLink(stack->link());
        QVERIFY(hold->waitFor("held"));
        model.reset();
        hold->add("model gone");
        link.join();
        QVERIFY(container->get());
        QCOMPARE(events->all(), QStringList({"started", "Connecting"}));
        QCOMPARE(answers->all(), QStringList{"yes"});
    }

    void modelMayGoWhileADisconnectRuns() {
        QVERIFY(connectNow());
        events->clear();
        const auto hold = holdNextRequest(*stack);
        model->startNextAction();
        QVERIFY(hold->waitFor("held"));
        model.reset();
        hold->add("model gone");
        QVERIFY(outcomes->waitForCount(2));
        QCOMPARE(outcomes->all(), QStringList({"yes", "no"}));
        QCOMPARE(container->get(), nullptr);
        QCOMPARE(events->all(), QStringList({"started", "Disconnecting"}));
        // The disconnect thread has let go of the model's state: it ends before the program
        // does (a thread Qt adopted and that outlives the program leaves its data behind).
        QTRY_COMPARE_WITH_TIMEOUT(helper.use_count(), 1L, 30000);
    }
};

QTEST_GUILESS_MAIN(TestConnector)
#include "test_connector.moc"
