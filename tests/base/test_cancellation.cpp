// Cancellation tokens and waits, with real threads.

#include "Cancellation.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using namespace JEX;
using namespace std::chrono_literals;
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

    void cancelEndsAWaitAtOnce() {
        auto token = std::make_shared<ControlledCancellable>();
        Clock::time_point cancelledAt;
        std::thread canceller([&] {
            std::this_thread::sleep_for(300ms);
            cancelledAt = Clock::now();
            token->cancel();
        });
        const auto start = Clock::now();
        const bool cancelled = token->wait(1200);
        const auto returnedAt = Clock::now();
        canceller.join();
        QVERIFY(cancelled);
        const auto lateMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(returnedAt - cancelledAt).count();
        // A few milliseconds, generously bounded for sanitizer builds on a busy machine.
        QVERIFY2(lateMs < 100, QByteArray::number(lateMs));
        QVERIFY(msSince(start) < 1200);
    }

    void uncancelledWaitRunsItsTimeAcrossChunks() {
        ControlledCancellable token;
        const auto start = Clock::now();
        QCOMPARE(token.wait(1200), false);
        QVERIFY2(msSince(start) >= 1200, QByteArray::number(msSince(start)));
    }

    void callbackRunsOnceOutsideTheLock() {
        auto token = std::make_shared<ControlledCancellable>();
        int calls = 0;
        // The callback may use the token: it runs after the lock is released.
        token->onCancel([&] {
            ++calls;
            QVERIFY(token->isCancelled());
            QCOMPARE(token->wait(5), true);
        });
        token->cancel();
        token->cancel();
        QCOMPARE(calls, 1);

        int late = 0;
        token->onCancel([&] { ++late; });
        token->cancel();
        QCOMPARE(late, 0);
    }

    void replacedCallbackIsNeverCalled() {
        ControlledCancellable token;
        int first = 0, second = 0;
        token.onCancel([&] { ++first; });
        token.onCancel([&] { ++second; });
        token.cancel();
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);
    }

    void manyWaitersAllWake() {
        auto token = std::make_shared<ControlledCancellable>();
        std::vector<std::future<bool>> waiters;
        for (int i = 0; i < 4; ++i)
            waiters.push_back(
                std::async(std::launch::async, [token] { return token->wait(5000); }));
        token->cancel();
        for (auto& w : waiters)
            QVERIFY(w.get());
    }

    void nullAndSleepWaitablesSleepAndReportNoCancel() {
        NullCancellable never;
        never.onCancel([] { QFAIL("a null token never cancels"); });
        const auto start = Clock::now();
        QCOMPARE(never.wait(30), false);
        QVERIFY(msSince(start) >= 30);
        QVERIFY(!never.isCancelled());
        SleepWaitable sleeper;
        QCOMPARE(sleeper.wait(0), false);
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
        std::shared_ptr<ICancellable> seen;
        bool seenCancelled = true;
        std::thread other([&] {
            seen = context->current();
            seenCancelled = context->isCancelled();
        });
        other.join();
        QCOMPARE(seen, std::shared_ptr<ICancellable>(fallback));
        QVERIFY(!seenCancelled);

        context->setCurrent(nullptr);
        QCOMPARE(context->current(), std::shared_ptr<ICancellable>(fallback));
        QVERIFY(!context->isCancelled());
    }

    void twoContextsKeepSeparateSlots() {
        auto a = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        auto b = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        auto token = std::make_shared<ControlledCancellable>();
        token->cancel();
        a->setCurrent(token);
        QVERIFY(a->isCancelled());
        QVERIFY(!b->isCancelled());
        a->setCurrent(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestCancellation)
#include "test_cancellation.moc"
