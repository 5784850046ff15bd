// The serialising converser: response-time ring, timed-out flag and its listeners,
// exchange logging, one command on the wire at a time.

#include "LogCapture.h"
#include "SLConverser.h"
#include "ScriptedRawConverser.h"

#include <QTest>

#include <thread>
#include <vector>

using namespace JEX;
using JEX::Test::bytes;
using namespace std::chrono_literals;

class TestSLConverser : public QObject {
    Q_OBJECT

    std::shared_ptr<JEX::Test::ScriptedRawConverser> raw_;
    std::shared_ptr<SLConverser> sl_;

private slots:
    void init() {
        raw_ = std::make_shared<JEX::Test::ScriptedRawConverser>();
        sl_ = std::make_shared<SLConverser>(raw_);
    }

    void averageStartsAt150AndFollowsTheLastThree() {
        QCOMPARE(sl_->averageResponseMs(), 150u);
        raw_->replyOk("=\r");
        sl_->converse(bytes(":e1\r"));
        // One fast exchange replaces one of the three 150 ms entries: (0 + 150 + 150 + 1) / 3.
        QVERIFY2(sl_->averageResponseMs() <= 100 && sl_->averageResponseMs() >= 90,
                 QByteArray::number(sl_->averageResponseMs()));
        for (int i = 0; i < 3; ++i)
            raw_->replyOk("=\r", 40ms);
        for (int i = 0; i < 3; ++i)
            sl_->converse(bytes(":e1\r"));
        QVERIFY2(sl_->averageResponseMs() >= 40, QByteArray::number(sl_->averageResponseMs()));
    }

    void timedOutListenersFireOncePerChange() {
        std::vector<bool> seen;
        sl_->timedOutList.append([&](bool timedOut) { seen.push_back(timedOut); });
        QVERIFY(!sl_->isTimedOut());

        raw_->replyOk("=\r");
        sl_->converse(bytes(":e1\r"));
        QVERIFY(seen.empty());

        raw_->fail(CmdRetType::Timeout);
        raw_->fail(CmdRetType::Timeout);
        sl_->converse(bytes(":e1\r"));
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(seen, std::vector<bool>{true});
        QVERIFY(sl_->isTimedOut());

        // Only Timeout counts as timed out: a rejection or a cancellation clears the flag.
        raw_->fail(CmdRetType::Cancel);
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(seen, (std::vector<bool>{true, false}));
        QVERIFY(!sl_->isTimedOut());
    }

    void responseIsReturnedUnchanged() {
        raw_->replyOk("junk=1\r");
        const auto resp = sl_->converse(bytes(":e1\r"));
        QCOMPARE(resp.type, CmdRetType::Ok);
        QCOMPARE(resp.value.value(), bytes("junk=1\r"));
    }

    void exchangeLoggingWhenSwitchedOn() {
        JEX::Test::LogCapture logLines;
        raw_->replyOk("=010203\r");
        sl_->converse(bytes(":e1\r"));
        QVERIFY(logLines.lines().filter("JEXConv:").isEmpty());

        sl_->setLogExchanges(true);
        raw_->replyOk("=010203\r");
        raw_->fail(CmdRetType::Timeout);
        sl_->converse(bytes(":e1\r"));
        sl_->converse(bytes(":f1\r"));
        QCOMPARE(logLines.lines().filter("JEXConv:"),
                 (QStringList{"JEXConv: Cmd=[:e1\\r] <Successful> Resp=[=010203\\r]",
                              "JEXConv: Cmd=[:f1\\r] <Communication error> Resp=[]"}));
    }

    void oneCommandOnTheWireAtATime() {
        for (int i = 0; i < 40; ++i)
            raw_->replyOk("=\r", 2ms);
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([this] {
                for (int i = 0; i < 10; ++i)
                    sl_->converse(bytes(":j1\r"));
            });
        for (auto& t : threads)
            t.join();
        QCOMPARE(raw_->requests().size(), size_t(40));
        QVERIFY(!raw_->overlapped());
    }
};

QTEST_GUILESS_MAIN(TestSLConverser)
#include "test_slconverser.moc"
