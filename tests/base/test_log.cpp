#include "Log.h"

#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace JEX;

// Redirects standard error into a temporary file for as long as it lives.
class StderrCapture {
public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    QByteArray text() {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
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

    void longLinesAreCutAt4999Characters() {
        std::string seen;
        const int id = addSink([&](const char* line) { seen = line; });
        const std::string text(6000, 'z');
        log("%s", text.c_str());
        removeSink(id);
        QCOMPARE(seen.size(), size_t(4999));
        QCOMPARE(seen, text.substr(0, 4999));
    }

    void formatsLikePrintfWithoutTrailingNewline() {
        std::string seen;
        const int id = addSink([&](const char* line) { seen = line; });
        log("%s: sendto() failed: error %d", "write", 101);
        removeSink(id);
        QCOMPARE(seen, std::string("write: sendto() failed: error 101"));
    }

    void everyLineReachesStandardErrorWithNewline() {
        StderrCapture capture;
        log("no sink here %d", 7);
        const std::string cut(6000, 'q');
        log("%s", cut.c_str());
        const QByteArray text = capture.text();
        QCOMPARE(text, QByteArray("no sink here 7\n") + QByteArray(4999, 'q') + "\n");
    }

    void sinksMayComeAndGoWhileOtherThreadsLog() {
        StderrCapture quiet;
        std::atomic<bool> stop{false};
        std::atomic<int> calls{0};
        std::vector<std::thread> loggers;
        for (int t = 0; t < 3; ++t)
            loggers.emplace_back([&] {
                while (!stop)
                    log("worker line");
            });
        for (int i = 0; i < 200; ++i) {
            const int id = addSink([&](const char*) { calls.fetch_add(1); });
            log("main line");
            removeSink(id);
        }
        stop = true;
        for (auto& t : loggers)
            t.join();
        QVERIFY(calls.load() >= 200);
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "test_log.moc"
