// The task manager's resource rule and the axis tasks, with real threads and a scripted axis.
// Workers record what they do in one event log and wait in it for the test's "release".

#include "AxisTasks.h"
#include "EventLog.h"
#include "ManualClock.h"
#include "MountTaskManager.h"

#include <QTest>

#include <chrono>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::EventLog;

namespace {

// An axis whose rate, stop and read commands log themselves on the task's thread and answer
// as the test says (Ok unless told otherwise); stopping records a requested rate of 0.
class ScriptedAxis : public IMountAxis {
public:
    explicit ScriptedAxis(std::shared_ptr<EventLog> log) : log_(std::move(log)) {}

    std::function<CmdRetType(const QString&)> answer = [](const QString&) {
        return CmdRetType::Ok;
    };
    MountAxisTimeContainer positions;

    CmdRetType prepare() override { return CmdRetType::Ok; }
    Nullable<double> requestedRate(uint32_t) const override { return {}; }
    void setRequestedRate(uint32_t, double) override { log_->add("rate recorded"); }
    Nullable<bool> lastDirection(uint32_t) const override { return {}; }
    CmdResp<double> readPosition(uint32_t) override {
        const CmdRetType t = command("read");
        return t == CmdRetType::Ok ? CmdResp<double>(0.0) : CmdResp<double>(t);
    }
    CmdResp<std::pair<double, double>> readPositions() override { return CmdRetType::Other; }
    AxisPosition lastPosition(uint32_t axis) const override { return positions.get(axis); }
    CmdRetType setPosition(uint32_t, double) override { return CmdRetType::Ok; }
    std::pair<double, double> positionRange(uint32_t) const override { return {}; }
    CmdResp<uint32_t> readMotion(uint32_t) override { return 0u; }
    uint32_t motion(uint32_t) const override { return 0; }
    CmdRetType setRate(uint32_t axis, double rate) override {
        return command(QString("setRate %1 %2").arg(axis).arg(rate));
    }
    CmdRetType gotoAngle(uint32_t, double) override { return CmdRetType::Ok; }
    CmdRetType stop(uint32_t axis) override { return command(QString("stop %1").arg(axis)); }
    bool isExtended() const override { return false; }
    CmdRetType setRateExtended(uint32_t, double) override { return CmdRetType::Ok; }
    bool caps1Bit2() const override { return false; }
    CmdResp<LimitPosition> readLimitPosition(uint32_t) override { return CmdRetType::Other; }
    CmdRetType sendW8(uint32_t) override { return CmdRetType::Ok; }

private:
    CmdRetType command(const QString& what) {
        log_->add(what);
        return answer(what);
    }
    std::shared_ptr<EventLog> log_;
};

// A task that claims resources and runs until the test adds "open <name>", whatever its
// token says; its end is logged when the last holder lets it go.
class GatedTask : public IMountTask {
public:
    GatedTask(std::set<MountResource> resources, std::shared_ptr<EventLog> log, QString name)
        : resources_(std::move(resources)), log_(std::move(log)), name_(std::move(name)) {}
    ~GatedTask() override { log_->add(name_ + " gone"); }
    uint32_t tag() const override { return fourCC("gate"); }
    std::set<MountResource> resources() const override { return resources_; }
    CmdRet run() override {
        log_->add(name_ + " runs");
        log_->waitFor("open " + name_);
        return CmdRetType::Ok;
    }

private:
    std::set<MountResource> resources_;
    std::shared_ptr<EventLog> log_;
    QString name_;
};

} // namespace

class TestTaskManager : public QObject {
    Q_OBJECT

    std::shared_ptr<TCCancellable> context_;
    std::shared_ptr<MountTaskManager> manager_;
    std::shared_ptr<EventLog> log_;
    std::shared_ptr<ScriptedAxis> axis_;
    std::shared_ptr<TAVOMountTaskFactory> factory_;
    std::shared_ptr<Test::ManualClock> clock_;

    // The callbacks own the log: a task thread may still be inside one when the test that
    // waited for it has ended.
    IMountTaskManager::OnStart started(const QString& name) {
        return [log = log_, name] { log->add(name + " start"); };
    }
    IMountTaskManager::OnDone done(const QString& name) {
        return [log = log_, name](CmdRet r) {
            log->add(name + " done " + QString::number(int(r.type)));
        };
    }
    // "slew" (0.5), "slew2" (-0.25) or "stop" on axis 1.
    std::shared_ptr<ICanceller> add(const QString& name) {
        auto task = name == "stop" ? factory_->createStopTask(0)
                                   : factory_->createSlewTask(0, name == "slew" ? 0.5 : -0.25);
        return manager_->addTask(task, started(name), done(name));
    }
    std::shared_ptr<GatedTask> gated(std::set<MountResource> resources, const QString& name) {
        return std::make_shared<GatedTask>(std::move(resources), log_, name);
    }
    std::shared_ptr<PeriodicPositionReadTask> positionRead() {
        return std::make_shared<PeriodicPositionReadTask>(context_, clock_, axis_, true);
    }

private slots:
    void init() {
        context_ = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        manager_ = std::make_shared<MountTaskManager>(context_);
        log_ = std::make_shared<EventLog>();
        axis_ = std::make_shared<ScriptedAxis>(log_);
        factory_ = std::make_shared<TAVOMountTaskFactory>(context_, axis_);
        clock_ = std::make_shared<Test::ManualClock>(1'000'000);
    }
    void cleanup() { manager_.reset(); }

    // A first task on axis 1 holds in its command; the test adds the others (and cancels the
    // first where asked), sees nothing more happen, releases the command and reads the log.
    // 3 is Cancel. In its command the first task's token is the thread's current one.
    void stopSequences_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("then");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("stop waits for the cancelled slew to return")
            << "slew" << int(CmdRetType::Nak) << QStringList{"stop"}
            << QStringList{"slew start", "setRate 0 0.5", "release",       "slew done 3",
                           "stop start", "stop 0",        "rate recorded", "stop done 0"};
        QTest::newRow("the newest request supersedes a waiting stop")
            << "slew" << int(CmdRetType::Ok) << QStringList{"stop", "slew2"}
            << QStringList{"slew start",  "setRate 0 0.5",   "release",     "slew done 0",
                           "slew2 start", "setRate 0 -0.25", "slew2 done 0"};
        QTest::newRow("cancelled stop records no rate")
            << "stop" << int(CmdRetType::Timeout) << QStringList{"cancel"}
            << QStringList{"stop start", "stop 0", "release", "stop done 3"};
    }
    void stopSequences() {
        QFETCH(QString, first);
        QFETCH(int, answer);
        QFETCH(QStringList, then);
        QFETCH(QStringList, expected);
        auto seen = std::make_shared<std::shared_ptr<ICancellable>>();
        axis_->answer = [log = log_, answer, seen, context = context_,
                         calls = std::make_shared<std::atomic<int>>(0)](const QString&) {
            if (calls->fetch_add(1) != 0)
                return CmdRetType::Ok;
            *seen = context->current();
            log->waitFor("release");
            return CmdRetType(answer);
        };
        const std::shared_ptr<ICanceller> canceller = add(first);
        QVERIFY(log_->waitForCount(2));
        for (const QString& next : then) {
            if (next == "cancel")
                canceller->cancel();
            else
                add(next);
        }
        // Whatever wrongly starts while the first command holds gets this long to show.
        QVERIFY2(!log_->waitForCount(3, {}, 100ms), qPrintable(log_->all().join(", ")));
        log_->add("release");
        log_->waitForCount(expected.size());
        QCOMPARE(log_->all(), expected);
        const QString last = then.back() == "cancel" ? first : then.back();
        QCOMPARE(manager_->lastTag(0), last == "stop" ? kTagStop : kTagSlew);
        QCOMPARE(*seen, std::dynamic_pointer_cast<ICancellable>(canceller));
        QVERIFY(!context_->isCancelled()); // this thread still sees the default
    }

    void differentAxesRunSideBySide() {
        // Each slew returns only once both are inside their commands at the same time.
        axis_->answer = [log = log_](const QString&) {
            return log->waitFor("setRate 0 0.5") && log->waitFor("setRate 1 0.5")
                       ? CmdRetType::Ok
                       : CmdRetType::Timeout;
        };
        manager_->addTask(factory_->createSlewTask(0, 0.5), {}, done("axis 1"));
        manager_->addTask(factory_->createSlewTask(1, 0.5), {}, done("axis 2"));
        QVERIFY(log_->waitFor("axis 1 done 0") && log_->waitFor("axis 2 done 0"));
    }

    void aFreeWaitingTaskOvertakesABlockedOne() {
        manager_->addTask(gated({0}, "R0"));
        manager_->addTask(gated({1}, "X1"));
        QVERIFY(log_->waitFor("R0 runs") && log_->waitFor("X1 runs"));
        manager_->addTask(gated({0}, "A"), started("A"));
        manager_->addTask(gated({1}, "B"), started("B"));
        log_->add("open X1");
        QVERIFY(log_->waitFor("B start"));
        QCOMPARE(log_->count("A start"), 0);
        log_->add("open R0");
        QVERIFY(log_->waitFor("A start"));
        log_->add("open A");
        log_->add("open B");
    }

    void cancelAllDropsWaitingTasksWithoutCallbacks() {
        manager_->addTask(gated({0}, "R"), {}, done("R"));
        QVERIFY(log_->waitFor("R runs"));
        manager_->addTask(gated({0}, "W"), started("W"), done("W"));
        manager_->cancelAll();
        QCOMPARE(log_->count("W gone"), 1); // dropped at once, never to start
        log_->add("open R");
        QVERIFY(log_->waitFor("R gone"));
        QCOMPARE(log_->count("W start") + log_->count("W done 0") + log_->count("W runs"), 0);
    }

    // The position read's tag is cleared when it ends; another task's tag stays.
    void thePositionReadClearsItsOwnTag() {
        axis_->answer = [axis = axis_.get(), clock = clock_](const QString&) {
            axis->positions.set(0, {0.0, clock->nowMs()});
            return CmdRetType::Ok;
        };
        auto canceller = manager_->addTask(positionRead(), {}, done("read"));
        manager_->addTask(factory_->createStopTask(1), {}, done("stop1"));
        QCOMPARE(manager_->lastTag(3), kTagRead);
        QVERIFY(log_->waitFor("stop1 done 0"));
        canceller->cancel();
        QVERIFY(log_->waitFor("read done 3"));
        QTRY_COMPARE_WITH_TIMEOUT(manager_->lastTag(3), 0u, 30000);
        QCOMPARE(manager_->lastTag(1), kTagStop);
        QCOMPARE(manager_->lastTag(0), 0u); // the read holds no axis
    }

    void valuesOfTheRunningTask() {
        QVERIFY(!manager_->kvLoad(0, 7).has_value());
        manager_->kvSave(0, 7, 42); // nobody runs: dropped
        auto task = gated({0, 1}, "T");
        manager_->addTask(task);
        QVERIFY(log_->waitFor("T runs"));
        manager_->kvSave(1, 7, 42);
        QCOMPARE(std::any_cast<int>(manager_->kvLoad(0, 7)), 42);
        QCOMPARE(std::any_cast<int>(task->kvLoad(7)), 42);
        QVERIFY(!manager_->kvLoad(3, 7).has_value());
        log_->add("open T");
    }

    void refusedSlewRetriesEvery200ms() {
        axis_->answer = [log = log_](const QString& what) {
            return log->count(what) <= 3 ? CmdRetType::Nak : CmdRetType::Ok;
        };
        const auto start = std::chrono::steady_clock::now();
        add("slew");
        QVERIFY(log_->waitFor("slew done 0"));
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        QCOMPARE(log_->count("setRate 0 0.5"), 4);
        QVERIFY2(ms >= 595ms, qPrintable(QString::number(ms.count()))); // three pauses at least
    }

    void periodicReadWaitsForTheNextDueReading() {
        const int64_t now = clock_->nowMs();
        PeriodicPositionReadTask one(context_, clock_, axis_, true);
        axis_->positions.set(0, {0.0, now - 120});
        QCOMPARE(one.nextWaitMs(), int64_t(380));
        axis_->positions.set(0, {0.0, now - 600});
        QCOMPARE(one.nextWaitMs(), int64_t(0));
        axis_->positions.set(0, {0.0, now + 10000});
        QCOMPARE(one.nextWaitMs(), int64_t(500));
        PeriodicPositionReadTask two(context_, clock_, axis_, false);
        axis_->positions.set(0, {0.0, now - 100});
        axis_->positions.set(1, {0.0, now - 300});
        QCOMPARE(two.nextWaitMs(), int64_t(200));
    }

    // A failed read pauses 500 ms before the next; a good one is stored with the clock's
    // time, and the next follows only once the clock has moved on by 500 ms.
    void periodicReadPausesAfterAFailureAndReadsWhenDue() {
        auto at = std::make_shared<std::vector<std::chrono::steady_clock::time_point>>();
        axis_->answer = [axis = axis_.get(), clock = clock_, log = log_, at](const QString&) {
            at->push_back(std::chrono::steady_clock::now());
            if (at->size() == 1)
                return CmdRetType::Nak;
            axis->positions.set(0, {0.0, clock->nowMs()});
            log->add("stored");
            return CmdRetType::Ok;
        };
        auto canceller = manager_->addTask(positionRead(), {}, done("read"));
        QVERIFY(log_->waitFor("stored")); // the clock moves only after the reading has its time
        clock_->advanceMs(500);
        QVERIFY(log_->waitForCount(3, "read"));
        canceller->cancel();
        QVERIFY(log_->waitFor("read done 3"));
        QCOMPARE(log_->count("read"), 3);
        const auto pause =
            std::chrono::duration_cast<std::chrono::milliseconds>((*at)[1] - (*at)[0]);
        QVERIFY2(pause >= 490ms, qPrintable(QString::number(pause.count())));
    }

    void managerGoneWhileATaskRuns() {
        manager_->changedList.append([log = log_] { log->add("changed"); });
        manager_->addTask(gated({0}, "T"), {}, done("T"));
        QVERIFY(log_->waitFor("T runs"));
        manager_.reset();
        const int before = log_->count("changed");
        log_->add("open T");
        QVERIFY(log_->waitFor("T gone")); // the task's thread has ended
        QCOMPARE(log_->count("changed"), before);
    }
};

QTEST_GUILESS_MAIN(TestTaskManager)
#include "test_taskmanager.moc"
