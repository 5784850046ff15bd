#include "Log.h"

#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace JEX;

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

class TestLog : public QObject {
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
};

QTEST_GUILESS_MAIN(TestLog)
#include "test_log.moc"
