// Cancellation tokens and waits, with real threads.

#include "Cancellation.h"

#include <QTest>

#include <chrono>
#include <future>
#include <latch>
#include <thread>

using namespace JEX;
using Clock = std::chrono::steady_clock;

namespace {
long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}
} // namespace

class TestCancellation : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestCancellation)
#include "test_cancellation.moc"
