// The connection dialog's model: its state machine and texts, the mount-model filter, the
// helper's reports, a link turned into the mount object (and a connect the mount refuses),
// the disconnect thread, and the model going away while those threads still run.

#include "ConnectedObjContainer.h"
#include "ConnectorRig.h"
#include "ConverserTimeoutForwarder.h"
#include "MountRig.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <thread>

using namespace JEX;
using JEX::Test::CountingFactory;
using JEX::Test::memoryTraffic;
using JEX::Test::MountRig;
using State = ConnectableState_::E;
using Status = IConnectableHelper::Status;

namespace {

// A helper the test drives: it records what the model asks of it and reports what the test
// tells it to; links are handed over on a thread of their own, as the real helpers do.
class ScriptedHelper : public IConnectableHelper {
public:
    QVariant devicesList() const override { return list; }
    void startConnect() override { starts.fetch_add(1); }
    void selectDevice(int index) override { selected.push_back(index); }
    void setDeviceFilter(DeviceFilter f) override {
        std::lock_guard lock(mutex_);
        filter_ = std::move(f);
    }
    void setOnConnected(OnConnected callback) override {
        std::lock_guard lock(mutex_);
        onConnected_ = std::move(callback);
    }

    DeviceFilter filter() const {
        std::lock_guard lock(mutex_);
        return filter_;
    }
    void report(int kind, const std::string& detail = {}) { statusList(Status{kind, detail}); }
    std::thread openLink(const JexConverserEtal& link) {
        OnConnected callback;
        {
            std::lock_guard lock(mutex_);
            callback = onConnected_;
        }
        return std::thread([callback, link] {
            if (callback)
                callback(link);
        });
    }

    QVariant list;
    std::atomic<int> starts{0};
    QList<int> selected;

private:
    mutable std::mutex mutex_;
    DeviceFilter filter_;
    OnConnected onConnected_;
};

QString stateName(State s) {
    return QString::fromLatin1(QMetaEnum::fromType<State>().valueToKey(int(s)));
}

// What the model announced, in order, recorded on whichever thread announced it.
class Recorder {
public:
    void attach(IConnectable* model) {
        auto add = [this](const QString& e) {
            std::lock_guard lock(mutex_);
            events_.push_back(e);
        };
        QObject::connect(
            model, &IConnectable::sessionStarted, model, [add] { add("started"); },
            Qt::DirectConnection);
        QObject::connect(
            model, &IConnectable::sessionDone, model, [add] { add("done"); }, Qt::DirectConnection);
        QObject::connect(
            model, &IConnectable::statusChanged, model,
            [add, model] {
                const QString detail = model->statusDetailText();
                add(stateName(model->state()) + (detail.isEmpty() ? "" : ":" + detail));
            },
            Qt::DirectConnection);
        QObject::connect(
            model, &IConnectable::devicesListChanged, model, [add] { add("devices"); },
            Qt::DirectConnection);
    }
    QStringList events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

private:
    mutable std::mutex mutex_;
    QStringList events_;
};

// Calls that the session's done-callback received.
struct Outcomes {
    std::mutex mutex;
    QList<bool> calls;
    SessionRequest request() {
        return SessionRequest{[this](bool connected) {
                                  std::lock_guard lock(mutex);
                                  calls.push_back(connected);
                              },
                              QVariant(7)};
    }
    QList<bool> list() {
        std::lock_guard lock(mutex);
        return calls;
    }
};

} // namespace

class TestConnectable : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> stack;
    std::shared_ptr<ScriptedHelper> helper;
    std::shared_ptr<TAVOContainer> container;
    std::shared_ptr<TAVOTaskState> taskState;
    std::shared_ptr<CountingFactory> factory;
    std::shared_ptr<TryConnectSession> session;
    std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers;
    std::shared_ptr<TAVOConnectable> model;
    std::shared_ptr<ConverserTimeoutForwarder> forwarder;
    std::unique_ptr<Recorder> recorder;
    std::shared_ptr<std::atomic<int>> outcomes;
    std::shared_ptr<Outcomes> done;

    bool connectNow() {
        model->startSession();
        std::thread t = helper->openLink(stack->link());
        t.join();
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
        outcomes = std::make_shared<std::atomic<int>>(0);
        session->append([o = outcomes](bool connected) { o->fetch_add(connected ? 1 : 100); });
        conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
        forwarder = std::make_shared<ConverserTimeoutForwarder>(conversers);
        model = std::make_shared<TAVOConnectable>(
            TAVOConnectable::D{helper, container, factory, session, conversers});
        recorder = std::make_unique<Recorder>();
        recorder->attach(model.get());
        done = std::make_shared<Outcomes>();
    }

    void cleanup() {
        model.reset();
        container->set(nullptr);
        // Mount objects let go on other threads are deleted on this one.
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), factory->made.load(), 5000);
    }

    void sameStateTwiceIsAnnouncedOnce() {
        helper->report(Status::Searching);
        helper->report(Status::Searching, "ignored");
        QCOMPARE(recorder->events(), QStringList({"started", "Searching"}));
        QCOMPARE(model->statusDetailText(), QString());
    }

    void cancelWhileNotShownDoesNothing() {
        model->startSession(done->request());
        QCOMPARE(helper->starts.load(), 1);
        model->cancelSession();
        QCOMPARE(recorder->events(), QStringList());
        QCOMPARE(done->list(), QList<bool>());
    }

    void cancelEndsTheSessionAndAnswersTheRequest() {
        model->startSession(done->request());
        helper->report(Status::SearchListPopulated);
        model->cancelSession();
        QCOMPARE(recorder->events(),
                 QStringList({"started", "SearchListPopulated", "done", "NotShown"}));
        QCOMPARE(done->list(), QList<bool>({false}));
    }

    void requestWhileConnectedIsAnsweredAtOnce() {
        QVERIFY(connectNow());
        recorder->clear();
        model->startSession(done->request());
        QCOMPARE(done->list(), QList<bool>({true}));
        QCOMPARE(recorder->events(), QStringList());
        QCOMPARE(helper->starts.load(), 1);
    }

    void filterKeepsTheTwoMountModels_data() {
        QTest::addColumn<int>("boardId");
        QTest::addColumn<bool>("listed");
        QTest::newRow("0x08") << 0x08 << true;
        QTest::newRow("0x0A") << 0x0A << true;
        QTest::newRow("0x09") << 0x09 << false;
        QTest::newRow("0x00") << 0x00 << false;
        QTest::newRow("0x0B") << 0x0B << false;
        QTest::newRow("0x80") << 0x80 << false;
        QTest::newRow("0xFF") << 0xFF << false;
    }
    void filterKeepsTheTwoMountModels() {
        QFETCH(int, boardId);
        QFETCH(bool, listed);
        model->startSession();
        const IConnectableHelper::DeviceFilter filter = helper->filter();
        QVERIFY(filter);
        QCOMPARE(filter(uint8_t(boardId)), listed);
        QCOMPARE(TAVOConnectable::acceptsMountModel(uint8_t(boardId)), listed);
    }

    void helperReportsBecomeStates_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<bool>("busy");
        QTest::newRow("searching") << 0 << ""
                                   << "Searching"
                                   << "Searching" << true;
        QTest::newRow("list") << 1 << ""
                              << "SearchListPopulated"
                              << "Search finished" << false;
        QTest::newRow("connecting") << 2 << ""
                                    << "Connecting"
                                    << "Connecting" << true;
        QTest::newRow("failed") << 3 << "Cannot open serial port"
                                << "Failed:Cannot open serial port"
                                << "Cannot Connect" << false;
        QTest::newRow("failed, UTF-8 detail") << 3 << "Port ü belegt"
                                              << "Failed:Port ü belegt"
                                              << "Cannot Connect" << false;
        QTest::newRow("unknown kind") << 9 << ""
                                      << "Searching"
                                      << "Searching" << true;
        QTest::newRow("negative kind") << -1 << ""
                                       << "Searching"
                                       << "Searching" << true;
    }
    void helperReportsBecomeStates() {
        QFETCH(int, kind);
        QFETCH(QString, detail);
        QFETCH(QString, event);
        QFETCH(QString, statusText);
        QFETCH(bool, busy);
        helper->report(kind, detail.toStdString());
        QCOMPARE(recorder->events(), QStringList({"started", event}));
        QCOMPARE(model->statusText(), statusText);
        QCOMPARE(model->statusDetailText(), detail);
        QCOMPARE(model->busy(), busy);
        QCOMPARE(model->nextActionText(), QString("Connect"));
    }

    void devicesComeFromTheHelper() {
        IConnectableSearchResult r{"192.168.4.1", "3.10.08"};
        helper->list = QVariantList{QVariant::fromValue(r)};
        helper->devicesListChangedList();
        QCOMPARE(recorder->events(), QStringList({"devices"}));
        QCOMPARE(model->devicesList(), helper->list);
        model->selectDevice(3);
        QCOMPARE(helper->selected, QList<int>({3}));
    }

    void openedLinkBecomesTheMountObject() {
        TAVOConnector connector(container, taskState);
        model->startSession(done->request());
        QCOMPARE(helper->starts.load(), 1);
        helper->report(Status::Connecting);
        stack->clearTranscript();
        std::thread t = helper->openLink(stack->link());
        t.join();

        QCOMPARE(recorder->events(), QStringList({"started", "Connecting", "done", "NotShown"}));
        QCOMPARE(done->list(), QList<bool>({true}));
        QCOMPARE(outcomes->load(), 1);
        const std::shared_ptr<ITAVO> tavo = container->get();
        QVERIFY(tavo);
        QVERIFY(connector.connected());
        QCOMPARE(tavo->thread(), QCoreApplication::instance()->thread());
        QCOMPARE(conversers->current(), std::static_pointer_cast<IConverser>(stack->sl));
        QVERIFY(!forwarder->timedout());
        QCOMPARE(model->nextActionText(), QString("Disconnect"));
        const QStringList traffic = memoryTraffic(stack->requests());
        QVERIFY2(!traffic.isEmpty() && traffic.front() == ":e1" && traffic.back() == "w 006C=01",
                 qPrintable(traffic.join(' ')));

        // Shown again while connected, the dialog offers the disconnect.
        recorder->clear();
        model->startSession();
        QCOMPARE(recorder->events(), QStringList({"started", "Connected"}));
        QCOMPARE(model->statusText(), QString("Connected"));
        model->selectDevice(0);
        QCOMPARE(helper->selected, QList<int>());
    }

    void refusedConnectShowsTheResult() {
        model->startSession(done->request());
        stack->sim->setSilent(true);
        std::thread t = helper->openLink(stack->link());
        t.join();

        QCOMPARE(recorder->events(),
                 QStringList({"started", "Connecting", "Failed:Communication error"}));
        QCOMPARE(model->statusText(), QString("Cannot Connect"));
        QCOMPARE(container->get(), nullptr);
        QCOMPARE(outcomes->load(), 100);
        QCOMPARE(conversers->current(), nullptr);
        QCOMPARE(conversers->pending(), nullptr);
        QVERIFY(!forwarder->timedout());
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), 1, 5000);
        QCOMPARE(done->list(), QList<bool>());
        model->cancelSession();
        QCOMPARE(done->list(), QList<bool>({false}));
    }

    void disconnectMarksTheMountAndEmptiesEverything() {
        QVERIFY(connectNow());
        recorder->clear();
        stack->clearTranscript();
        model->startNextAction();
        QTRY_COMPARE_WITH_TIMEOUT(model->state(), State::NotShown, 5000);
        QCOMPARE(recorder->events(), QStringList({"started", "Disconnecting", "done", "NotShown"}));
        QCOMPARE(memoryTraffic(stack->requests()), QStringList({"w 0070=01"}));
        QCOMPARE(container->get(), nullptr);
        QCOMPARE(outcomes->load(), 101);
        QCOMPARE(conversers->current(), nullptr);
        QCOMPARE(model->nextActionText(), QString("Connect"));
        QTRY_COMPARE_WITH_TIMEOUT(factory->destroyed(), 1, 5000);
    }

    void nextActionSearchesWhenNotConnected() {
        model->startNextAction();
        QCOMPARE(helper->starts.load(), 1);
        QVERIFY(helper->filter());
    }

    void modelMayGoWhileAConnectRuns() {
        Sim::Faults slow;
        slow.fixedDelayMs = 10;
        stack->sim->setFaults(slow);
        model->startSession(done->request());
        std::thread t = helper->openLink(stack->link());
        QTRY_VERIFY_WITH_TIMEOUT(recorder->events().contains("Connecting"), 5000);
        model.reset();
        t.join();
        // The connect finished for the container; the gone model announced nothing more.
        QVERIFY(container->get());
        QCOMPARE(recorder->events(), QStringList({"started", "Connecting"}));
        QCOMPARE(done->list(), QList<bool>({true}));
    }

    void modelMayGoWhileADisconnectRuns() {
        QVERIFY(connectNow());
        Sim::Faults slow;
        slow.fixedDelayMs = 50;
        stack->sim->setFaults(slow);
        model->startNextAction();
        model.reset();
        QTRY_COMPARE_WITH_TIMEOUT(container->get(), nullptr, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(outcomes->load(), 101, 5000);
    }
};

QTEST_GUILESS_MAIN(TestConnectable)
#include "test_connectable.moc"
