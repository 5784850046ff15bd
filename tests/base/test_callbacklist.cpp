#include "CallbackList.h"

#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

using namespace JEX;

class TestCallbackList : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestCallbackList)
#include "test_callbacklist.moc"
