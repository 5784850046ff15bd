// The bottom library's pieces that every thread calls into: the program log and its sinks,
// callback lists, and cancellation tokens and waits, with real threads.

#include "CallbackList.h"
#include "Cancellation.h"
#include "Log.h"

#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace JEX;
using Clock = std::chrono::steady_clock;

namespace {

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Standard error goes to a temporary file until text() or the end of this object.
struct StderrCapture {
    QTemporaryFile file;
    int saved = -1;
    StderrCapture() {
        file.open();
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        dup2(file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { text(); }
    QByteArray text() {
        std::fflush(stderr);
        if (saved >= 0 && dup2(saved, STDERR_FILENO) >= 0 && close(saved) == 0)
            saved = -1;
        file.seek(0);
        return file.readAll();
    }
};

} // namespace

class TestBase : public QObject {
    Q_OBJECT
private slots:
    // Runs first: ids count from 0 in a fresh process.
    void sinkIdsCountUpAndAreNeverReused() {
        std::vector<std::string> order;
        const int a = addSink([&](const char*) { order.push_back("a"); });
        const int b = addSink([&](const char*) { order.push_back("b"); });
        QCOMPARE(a, 0);
        QCOMPARE(b, 1);
        log("x");
        QCOMPARE(order, (std::vector<std::string>{"a", "b"}));

        removeSink(a);
        removeSink(4711); // never returned: ignored
        const int c = addSink([&](const char*) { order.push_back("c"); });
        QCOMPARE(c, 2);
        order.clear();
        log("y");
        QCOMPARE(order, (std::vector<std::string>{"b", "c"}));
        removeSink(b);
        removeSink(c);
    }

    // Sinks get the line without a newline; standard error gets it with one, sink or not.
    void oneLine_data() {
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("printf format") << QByteArray("write") << QByteArray("write: error 101");
        QTest::newRow("cut at 4999") << QByteArray(6000, 'z') << QByteArray(4999, 'z');
    }

    void oneLine() {
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, line);
        std::string seen;
        const int id = addSink([&](const char* text) { seen = text; });
        StderrCapture capture;
        log("%s: error %d", argument.constData(), 101);
        removeSink(id);
        log("%s: error %d", argument.constData(), 101);
        QCOMPARE(capture.text(), line + "\n" + line + "\n");
        QCOMPARE(QByteArray::fromStdString(seen), line);
    }

    // After removeSink returns the sink is never called again, while other threads log: an
    // object may remove its sink in its destructor and go.
    void removedSinkIsNeverCalledAgain() {
        StderrCapture quiet; // thousands of worker lines
        std::atomic<bool> stop{false};
        std::atomic<int> calls{0}, callsAfterRemoval{0};
        {
            std::vector<std::jthread> loggers;
            for (int t = 0; t < 3; ++t)
                loggers.emplace_back([&] {
                    while (!stop)
                        log("worker line");
                });
            for (int i = 0; i < 200; ++i) {
                auto removed = std::make_shared<std::atomic<bool>>(false);
                const int id = addSink([&, removed](const char*) {
                    calls.fetch_add(1);
                    if (removed->load())
                        callsAfterRemoval.fetch_add(1);
                    // A slow sink: calls are still under way when it is removed.
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                });
                log("main line");
                removeSink(id);
                removed->store(true);
            }
            stop = true;
        }
        QVERIFY(calls.load() >= 200);
        QCOMPARE(callsAfterRemoval.load(), 0);
    }

    void callsInAppendOrderWithArguments() {
        CallbackList<void(int, bool)> list;
        std::vector<int> seen;
        list.append([&](int v, bool) { seen.push_back(v); });
        list.append([&](int v, bool b) { seen.push_back(b ? v * 10 : -v); });
        list(3, true);
        QCOMPARE(seen, (std::vector<int>{3, 30}));
    }

    // A callback that appends to its own list must not deadlock; the new callback joins
    // from the next call on.
    void callbackMayAppendToItsOwnList() {
        CallbackList<void()> list;
        int later = 0;
        list.append([&] { list.append([&] { ++later; }); });
        list();
        QCOMPARE(later, 0);
        list();
        QCOMPARE(later, 1);
    }

    void appendWhileAnotherThreadCalls() {
        CallbackList<void()> list;
        std::atomic<int> count{0};
        std::atomic<bool> stop{false};
        {
            std::jthread caller([&] {
                while (!stop)
                    list();
            });
            for (int i = 0; i < 500; ++i)
                list.append([&] { count.fetch_add(1); });
            stop = true;
        }
        count = 0;
        list();
        QCOMPARE(count.load(), 500);
    }

    void zeroWaitIgnoresTheFlag() {
        ControlledCancellable token;
        token.cancel();
        QVERIFY(token.isCancelled());
        QCOMPARE(token.wait(0), false);
        QCOMPARE(token.wait(1), true);
    }

    // Minute-long waits on other threads end as cancelled, all of them.
    void cancelEndsPendingWaits() {
        auto token = std::make_shared<ControlledCancellable>();
        std::latch started(4);
        std::vector<std::future<bool>> waiters;
        for (int i = 0; i < 4; ++i)
            waiters.push_back(std::async(std::launch::async, [&started, token] {
                started.count_down();
                return token->wait(60000);
            }));
        started.wait();
        token->cancel();
        for (auto& w : waiters)
            QVERIFY(w.get());
    }

    void uncancelledWaitRunsItsTimeAcrossChunks() {
        ControlledCancellable token;
        const auto start = Clock::now();
        QCOMPARE(token.wait(1200), false);
        QVERIFY2(msSince(start) >= 1200, QByteArray::number(msSince(start)));
    }

    void callbackRunsOnceOutsideTheLock() {
        auto token = std::make_shared<ControlledCancellable>();
        int first = 0, calls = 0;
        token->onCancel([&] { ++first; }); // replaced uncalled
        // The callback may use the token: it runs after the lock is released.
        token->onCancel([&] {
            ++calls;
            QVERIFY(token->isCancelled());
            QCOMPARE(token->wait(5), true);
        });
        token->cancel();
        token->cancel();
        QCOMPARE(first, 0);
        QCOMPARE(calls, 1);

        int late = 0;
        token->onCancel([&] { ++late; });
        token->cancel();
        QCOMPARE(late, 0);
    }

    void nullAndSleepWaitablesSleepAndReportNoCancel() {
        NullCancellable never;
        never.onCancel([] { QFAIL("a null token never cancels"); });
        const auto start = Clock::now();
        QCOMPARE(never.wait(30), false);
        QVERIFY(msSince(start) >= 30);
        QVERIFY(!never.isCancelled());
        QCOMPARE(SleepWaitable().wait(0), false);
    }

    void threadTokensAndTheDefault() {
        auto fallback = std::make_shared<ControlledCancellable>();
        auto context = std::make_shared<TCCancellable>(fallback);
        auto mine = std::make_shared<ControlledCancellable>();
        mine->cancel();
        context->setCurrent(mine);
        QVERIFY(context->isCancelled());
        QCOMPARE(context->current(), std::shared_ptr<ICancellable>(mine));

        // Another thread has no token installed and sees the default.
        auto other = std::async(std::launch::async, [context] {
                         return std::make_pair(context->current(), context->isCancelled());
                     }).get();
        QCOMPARE(other.first, std::shared_ptr<ICancellable>(fallback));
        QVERIFY(!other.second);

        // A second context keeps a slot of its own on this thread.
        TCCancellable second(std::make_shared<NullCancellable>());
        QVERIFY(!second.isCancelled());

        context->setCurrent(nullptr);
        QCOMPARE(context->current(), std::shared_ptr<ICancellable>(fallback));
        QVERIFY(!context->isCancelled());
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"
