// The task manager's resource rule and the axis tasks, with real threads and a scripted axis.

#include "AxisTasks.h"
#include "MountTaskManager.h"

#include <QTest>

#include <condition_variable>
#include <future>
#include <string>
#include <vector>

using namespace JEX;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Records events from any thread and lets a test wait for one.
class Events {
public:
    void add(std::string e) {
        {
            std::lock_guard lock(mutex_);
            list_.push_back(std::move(e));
        }
        changed_.notify_all();
    }
    bool waitFor(const std::string& e, std::chrono::milliseconds bound = 5s) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(
            lock, bound, [&] { return std::find(list_.begin(), list_.end(), e) != list_.end(); });
    }
    void clear() {
        std::lock_guard lock(mutex_);
        list_.clear();
    }
    std::vector<std::string> all() const {
        std::lock_guard lock(mutex_);
        return list_;
    }
    int count(const std::string& e) const {
        std::lock_guard lock(mutex_);
        return int(std::count(list_.begin(), list_.end(), e));
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> list_;
};

// A gate a task's work blocks on until the test opens it.
class Gate {
public:
    void open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        cv_.notify_all();
    }
    void pass() {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [&] { return open_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool open_ = false;
};

// An axis whose rate and stop commands answer from a script.
class ScriptedAxis : public IMountAxis {
public:
    std::function<CmdRetType(uint32_t, double)> onSetRate = [](uint32_t, double) {
        return CmdRetType::Ok;
    };
    std::function<CmdRetType(uint32_t)> onStop = [](uint32_t) { return CmdRetType::Ok; };
    std::function<CmdRetType(uint32_t)> onRead = [](uint32_t) { return CmdRetType::Ok; };
    std::atomic<int> setRateCalls{0};
    std::atomic<int> requestedRateCalls{0};
    std::atomic<int> readCalls{0};
    MountAxisTimeContainer positions;

    CmdRetType prepare() override { return CmdRetType::Ok; }
    Nullable<double> requestedRate(uint32_t) const override { return {}; }
    void setRequestedRate(uint32_t, double) override { ++requestedRateCalls; }
    Nullable<bool> lastDirection(uint32_t) const override { return {}; }
    CmdResp<double> readPosition(uint32_t axis) override {
        ++readCalls;
        const CmdRetType t = onRead(axis);
        return t == CmdRetType::Ok ? CmdResp<double>(0.0) : CmdResp<double>(t);
    }
    CmdResp<std::pair<double, double>> readPositions() override { return CmdRetType::Other; }
    AxisPosition lastPosition(uint32_t axis) const override { return positions.get(axis); }
    CmdRetType setPosition(uint32_t, double) override { return CmdRetType::Ok; }
    std::pair<double, double> positionRange(uint32_t) const override { return {}; }
    CmdResp<uint32_t> readMotion(uint32_t) override { return 0u; }
    uint32_t motion(uint32_t) const override { return 0; }
    CmdRetType setRate(uint32_t axis, double rate) override {
        ++setRateCalls;
        return onSetRate(axis, rate);
    }
    CmdRetType gotoAngle(uint32_t, double) override { return CmdRetType::Ok; }
    CmdRetType stop(uint32_t axis) override { return onStop(axis); }
    bool isExtended() const override { return false; }
    CmdRetType setRateExtended(uint32_t, double) override { return CmdRetType::Ok; }
    bool caps1Bit2() const override { return false; }
    CmdResp<LimitPosition> readLimitPosition(uint32_t) override { return CmdRetType::Other; }
    CmdRetType sendW8(uint32_t) override { return CmdRetType::Ok; }
};

// A task that claims resources and runs until its gate opens, whatever its token says.
class GatedTask : public IMountTask {
public:
    GatedTask(std::set<MountResource> resources, std::shared_ptr<Events> events, std::string name)
        : resources_(std::move(resources)), events_(events), name_(std::move(name)) {}
    uint32_t tag() const override { return fourCC("gate"); }
    std::set<MountResource> resources() const override { return resources_; }
    CmdRet run() override {
        events_->add(name_ + " runs");
        gate.pass();
        events_->add(name_ + " returns");
        return CmdRetType::Ok;
    }
    Gate gate;

private:
    std::set<MountResource> resources_;
    std::shared_ptr<Events> events_;
    std::string name_;
};

class FixedClock : public IClock {
public:
    std::atomic<int64_t> now{1'000'000};
    int64_t nowMs() const override { return now.load(); }
};

} // namespace

class TestTaskManager : public QObject {
    Q_OBJECT

    std::shared_ptr<TCCancellable> context_;
    std::shared_ptr<MountTaskManager> manager_;
    std::shared_ptr<ScriptedAxis> axis_;
    std::shared_ptr<TAVOMountTaskFactory> factory_;
    std::shared_ptr<Events> events_ = std::make_shared<Events>();

    // The callbacks own the event log: a task thread may still be inside one when the test
    // that waited for it has ended.
    IMountTaskManager::OnStart started(const std::string& name) {
        return [events = events_, name] { events->add(name + " start"); };
    }
    IMountTaskManager::OnDone done(const std::string& name) {
        return [events = events_, name](CmdRet r) {
            events->add(name + " done " + std::to_string(int(r.type)));
        };
    }

private slots:
    void init() {
        context_ = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        manager_ = std::make_shared<MountTaskManager>(context_);
        axis_ = std::make_shared<ScriptedAxis>();
        factory_ = std::make_shared<TAVOMountTaskFactory>(context_, axis_);
        events_->clear();
    }
    void cleanup() { manager_.reset(); }

    void stopWaitsForTheCancelledSlewToReturn() {
        Gate release;
        axis_->onSetRate = [&](uint32_t, double) {
            events_->add("setRate");
            release.pass();
            return CmdRetType::Nak;
        };
        manager_->addTask(factory_->createSlewTask(0, 0.01), started("slew"), done("slew"));
        QVERIFY(events_->waitFor("setRate"));
        manager_->addTask(factory_->createStopTask(0), started("stop"), done("stop"));
        // The slew is cancelled but still inside its command: the stop must not start yet.
        QVERIFY(!events_->waitFor("stop start", 300ms));
        release.open();
        QVERIFY(events_->waitFor("stop done 0"));
        const auto all = events_->all();
        const auto slewDone = std::find(all.begin(), all.end(), "slew done 3");
        const auto stopStart = std::find(all.begin(), all.end(), "stop start");
        QVERIFY2(slewDone != all.end() && slewDone < stopStart,
                 "the slew ends with Cancel before the stop starts");
        QCOMPARE(axis_->requestedRateCalls.load(), 1);
    }

    void differentAxesRunSideBySide() {
        std::mutex m;
        std::condition_variable cv;
        int inside = 0;
        axis_->onSetRate = [&](uint32_t, double) {
            std::unique_lock lock(m);
            ++inside;
            cv.notify_all();
            // Only returns once both slews are inside their commands at the same time.
            return cv.wait_for(lock, 5s, [&] { return inside == 2; }) ? CmdRetType::Ok
                                                                      : CmdRetType::Timeout;
        };
        manager_->addTask(factory_->createSlewTask(0, 0.01), {}, done("axis0"));
        manager_->addTask(factory_->createSlewTask(1, 0.01), {}, done("axis1"));
        QVERIFY(events_->waitFor("axis0 done 0"));
        QVERIFY(events_->waitFor("axis1 done 0"));
    }

    void aFreeWaitingTaskOvertakesABlockedOne() {
        auto r0 = std::make_shared<GatedTask>(std::set<MountResource>{0}, events_, "R0");
        auto x1 = std::make_shared<GatedTask>(std::set<MountResource>{1}, events_, "X1");
        manager_->addTask(r0);
        manager_->addTask(x1);
        QVERIFY(events_->waitFor("R0 runs"));
        QVERIFY(events_->waitFor("X1 runs"));
        auto a = std::make_shared<GatedTask>(std::set<MountResource>{0}, events_, "A");
        auto b = std::make_shared<GatedTask>(std::set<MountResource>{1}, events_, "B");
        manager_->addTask(a, started("A"));
        manager_->addTask(b, started("B"));
        x1->gate.open();
        QVERIFY(events_->waitFor("B start"));
        QCOMPARE(events_->count("A start"), 0);
        r0->gate.open();
        QVERIFY(events_->waitFor("A start"));
        a->gate.open();
        b->gate.open();
    }

    void newestRequestSupersedesWaitingOnes() {
        Gate release;
        std::atomic<int> calls{0};
        axis_->onSetRate = [&](uint32_t, double) {
            if (calls.fetch_add(1) == 0) {
                events_->add("first slew inside");
                release.pass();
            }
            return CmdRetType::Ok;
        };
        manager_->addTask(factory_->createSlewTask(0, 0.01), {}, done("slew1"));
        QVERIFY(events_->waitFor("first slew inside"));
        manager_->addTask(factory_->createStopTask(0), started("stop"), done("stop"));
        manager_->addTask(factory_->createSlewTask(0, -0.02), started("slew2"), done("slew2"));
        release.open();
        QVERIFY(events_->waitFor("slew2 done 0"));
        QCOMPARE(events_->count("stop start"), 0);
        QCOMPARE(events_->count("stop done 0") + events_->count("stop done 3"), 0);
        QCOMPARE(manager_->lastTag(0), kTagSlew);
    }

    void cancelAllDropsWaitingTasksWithoutCallbacks() {
        auto running = std::make_shared<GatedTask>(std::set<MountResource>{0}, events_, "R");
        manager_->addTask(running, {}, done("R"));
        QVERIFY(events_->waitFor("R runs"));
        manager_->addTask(std::make_shared<GatedTask>(std::set<MountResource>{0}, events_, "W"),
                          started("W"), done("W"));
        manager_->cancelAll();
        running->gate.open();
        QVERIFY(events_->waitFor("R done 0"));
        // Give a wrongly started W every chance to show itself.
        QVERIFY(!events_->waitFor("W start", 300ms));
        QCOMPARE(events_->count("W runs"), 0);
    }

    void tagsFollowTheNewestTaskAndThePositionReadClearsItsOwn() {
        auto clock = std::make_shared<FixedClock>();
        axis_->onRead = [&](uint32_t) {
            axis_->positions.set(0, {0.0, clock->now.load()});
            return CmdRetType::Ok;
        };
        auto read = std::make_shared<PeriodicPositionReadTask>(context_, clock, axis_, true);
        auto canceller = manager_->addTask(read, {}, done("read"));
        manager_->addTask(factory_->createStopTask(1), {}, done("stop1"));
        QCOMPARE(manager_->lastTag(3), kTagRead);
        QVERIFY(events_->waitFor("stop1 done 0"));
        canceller->cancel();
        QVERIFY(events_->waitFor("read done 3"));
        QTRY_COMPARE_WITH_TIMEOUT(manager_->lastTag(3), 0u, 5000);
        QCOMPARE(manager_->lastTag(1), kTagStop);
        QCOMPARE(manager_->lastTag(0), 0u);
        QCOMPARE(manager_->lastTags().size(), size_t(2));
    }

    void valuesOfTheRunningTask() {
        QVERIFY(!manager_->kvLoad(0, 7).has_value());
        manager_->kvSave(0, 7, 42); // nobody runs: dropped
        auto task = std::make_shared<GatedTask>(std::set<MountResource>{0, 1}, events_, "T");
        manager_->addTask(task);
        QVERIFY(events_->waitFor("T runs"));
        manager_->kvSave(1, 7, 42);
        QCOMPARE(std::any_cast<int>(manager_->kvLoad(0, 7)), 42);
        QCOMPARE(std::any_cast<int>(task->kvLoad(7)), 42);
        QVERIFY(!manager_->kvLoad(3, 7).has_value());
        task->gate.open();
    }

    void refusedSlewRetriesEvery200ms() {
        std::atomic<int> refusals{3};
        axis_->onSetRate = [&](uint32_t, double) {
            return refusals.fetch_sub(1) > 0 ? CmdRetType::Nak : CmdRetType::Ok;
        };
        const auto start = Clock::now();
        manager_->addTask(factory_->createSlewTask(0, 0.01), {}, done("slew"));
        QVERIFY(events_->waitFor("slew done 0"));
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        QCOMPARE(axis_->setRateCalls.load(), 4);
        QVERIFY2(ms >= 595, QByteArray::number(ms));
    }

    void cancelledStopEndsQuicklyWithoutRecordingARate() {
        axis_->onStop = [&](uint32_t) {
            events_->add("stop refused");
            return CmdRetType::Timeout;
        };
        auto canceller = manager_->addTask(factory_->createStopTask(0), {}, done("stop"));
        QVERIFY(events_->waitFor("stop refused"));
        const auto start = Clock::now();
        canceller->cancel();
        QVERIFY(events_->waitFor("stop done 3"));
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        QVERIFY2(ms < 200, QByteArray::number(ms));
        QCOMPARE(axis_->requestedRateCalls.load(), 0);
    }

    void theTaskTokenIsTheThreadsCurrentToken() {
        std::shared_ptr<ICancellable> seen;
        Gate release;
        axis_->onSetRate = [&](uint32_t, double) {
            seen = context_->current();
            events_->add("inside");
            release.pass();
            return context_->isCancelled() ? CmdRetType::Cancel : CmdRetType::Nak;
        };
        auto canceller = manager_->addTask(factory_->createSlewTask(0, 0.01), {}, done("slew"));
        QVERIFY(events_->waitFor("inside"));
        canceller->cancel();
        release.open();
        QVERIFY(events_->waitFor("slew done 3"));
        QCOMPARE(seen, std::dynamic_pointer_cast<ICancellable>(canceller));
        QVERIFY(!context_->isCancelled()); // this thread still sees the default
    }

    void periodicReadWaitsForTheNextDueReading() {
        auto clock = std::make_shared<FixedClock>();
        PeriodicPositionReadTask one(context_, clock, axis_, true);
        axis_->positions.set(0, {0.0, clock->now - 120});
        QCOMPARE(one.nextWaitMs(), int64_t(380));
        axis_->positions.set(0, {0.0, clock->now - 600});
        QCOMPARE(one.nextWaitMs(), int64_t(0));
        axis_->positions.set(0, {0.0, clock->now + 10000});
        QCOMPARE(one.nextWaitMs(), int64_t(500));

        PeriodicPositionReadTask two(context_, clock, axis_, false);
        axis_->positions.set(0, {0.0, clock->now - 100});
        axis_->positions.set(1, {0.0, clock->now - 300});
        QCOMPARE(two.nextWaitMs(), int64_t(200));
    }

    void periodicReadPausesAfterAFailedRead() {
        auto clock = std::make_shared<FixedClock>();
        axis_->onRead = [&](uint32_t) {
            events_->add("read");
            return CmdRetType::Nak;
        };
        auto canceller = manager_->addTask(
            std::make_shared<PeriodicPositionReadTask>(context_, clock, axis_, true), {},
            done("read"));
        QVERIFY(events_->waitFor("read"));
        QTest::qWait(300);
        QCOMPARE(axis_->readCalls.load(), 1);
        canceller->cancel();
        QVERIFY(events_->waitFor("read done 3"));
    }

    void periodicReadReadsWhenDueAndIgnoresFailures() {
        auto clock = std::make_shared<FixedClock>();
        std::atomic<int> reads{0};
        axis_->onRead = [&](uint32_t) {
            const int n = ++reads;
            // The read is stored with the clock's time, as the real axis does.
            axis_->positions.set(0, {0.0, clock->now.load()});
            events_->add("read " + std::to_string(n));
            return n == 1 ? CmdRetType::Timeout : CmdRetType::Ok;
        };
        auto canceller = manager_->addTask(
            std::make_shared<PeriodicPositionReadTask>(context_, clock, axis_, true), {},
            done("read"));
        QVERIFY(events_->waitFor("read 1"));
        clock->now += 500; // due again
        QVERIFY(events_->waitFor("read 2"));
        canceller->cancel();
        QVERIFY(events_->waitFor("read done 3"));
        QCOMPARE(reads.load(), 2);
    }

    void managerGoneWhileATaskRuns() {
        auto task = std::make_shared<GatedTask>(std::set<MountResource>{0}, events_, "T");
        int changes = 0;
        manager_->changedList.append([&] { ++changes; });
        manager_->addTask(task, {}, done("T"));
        QVERIFY(events_->waitFor("T runs"));
        manager_.reset();
        const int before = changes;
        task->gate.open();
        QVERIFY(events_->waitFor("T done 0"));
        QTest::qWait(50);
        QCOMPARE(changes, before);
    }
};

QTEST_GUILESS_MAIN(TestTaskManager)
#include "test_taskmanager.moc"
