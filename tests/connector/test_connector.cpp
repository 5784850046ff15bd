// The connector's pieces: mount and converser containers, the link time-out indicator.

#include "ConnectedObjContainer.h"
#include "ConnectorRig.h"
#include "ConverserTimeoutForwarder.h"
#include "MountRig.h"
#include "TAVOConnector.h"

#include <QSignalSpy>
#include <QTest>

using namespace JEX;
using JEX::Test::CountingFactory;
using JEX::Test::MountRig;

namespace {

// A converser that only says whether it timed out.
class StubConverser : public IConverser {
public:
    CmdResp<Bytes> converse(const Bytes&) override { return CmdRetType::Timeout; }
    bool isTimedOut() const override { return false; }
    uint32_t averageResponseMs() const override { return 0; }
};

} // namespace

class TestConnector : public QObject {
    Q_OBJECT

    std::shared_ptr<TryConnectSession> session;
    std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers;
    std::shared_ptr<TAVOContainer> container;
    std::shared_ptr<TAVOTaskState> taskState;
    std::shared_ptr<CountingFactory> factory;
    std::unique_ptr<MountRig> stack;

private slots:
    void initTestCase() { registerMountMetaTypes(); }

    void init() {
        session = std::make_shared<TryConnectSession>();
        conversers = std::make_shared<ConnectedObjContainer_<IConverser>>(session);
        container = std::make_shared<TAVOContainer>();
        taskState = std::make_shared<TAVOTaskState>();
        factory = std::make_shared<CountingFactory>(taskState);
        stack = std::make_unique<MountRig>();
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
        QTest::newRow("none") << QString() << QString("- - 0");
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
        ConverserTimeoutForwarder forwarder(conversers);
        QSignalSpy changed(&forwarder, &ConverserTimeoutForwarder::timedoutChanged_q);
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
            seen.append(forwarder.timedout() ? "1" : "0");
        }
        QCOMPARE(seen.join(' '), shown);
        QCOMPARE(changed.count(), announced);
    }

    // The converser's time-out later calls into a forwarder that is gone: only the address
    // sanitizer sees a fault here, which is what this case is for.
    void forwarderMayGoBeforeItsConverser_sanitizerChecks() {
        auto forwarder = std::make_unique<ConverserTimeoutForwarder>(conversers);
        conversers->setPending(stack->sl);
        session->fire(true);
        forwarder.reset();
        stack->sim->setSilent(true);
        QCOMPARE(stack->device->readAxisStatus(0).type, CmdRetType::Timeout);
        session->fire(false);
    }

    void runningFlagComesFromTheTaskState() {
        TAVOConnector connector(container, taskState);
        QSignalSpy status(&connector, &ITAVOConnector::tavoStatusChanged);
        QVERIFY(!connector.isRunningTask().isValid());

        TAVOStatus s;
        s.mode = TAVOMode_::E::AP;
        s.numberOfPictureTaken = 3;
        taskState->setStatus(s);
        ReadTAVOParamSet program;
        program.paramSet.mode = TAVOMode_::E::AP;
        program.paramSet.N_Cycles = 10;
        taskState->setReadParamSet(program);
        QCOMPARE(status.count(), 2);
        QCOMPARE(connector.isRunningTask(), QVariant(true));
    }
};

QTEST_GUILESS_MAIN(TestConnector)
#include "test_connector.moc"
