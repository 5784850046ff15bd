// The serialising converser: response times, the timed-out flag, logging, one at a time.

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
        sl_ = std::make_shared<SLConverser>(raw_, false, [raw = raw_.get()] { return raw->now(); });
    }

    void averageStartsAt150AndFollowsTheLastThree() {
        QCOMPARE(sl_->averageResponseMs(), 150u);
        raw_->replyOk("=\r");
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(sl_->averageResponseMs(), 100u); // (0 + 150 + 150 + 1) / 3
        for (const auto took : {40ms, 40ms, 40ms}) {
            raw_->replyOk("=\r", took);
            sl_->converse(bytes(":e1\r"));
        }
        QCOMPARE(sl_->averageResponseMs(), 40u); // (40 + 40 + 40 + 1) / 3
        for (const auto took : {41ms, 41ms}) {
            raw_->replyOk("=\r", took);
            sl_->converse(bytes(":e1\r"));
        }
        // (40 + 41 + 41 + 1) / 3: the mean 40.7 rounds to 41
        QCOMPARE(sl_->averageResponseMs(), 41u);
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

    void exchangeLoggingWhenSwitchedOn() {
        JEX::Test::LogCapture logLines;
        raw_->replyOk("junk=010203\r");
        // The reply goes up unchanged.
        QCOMPARE(sl_->converse(bytes(":e1\r")).value.value(), bytes("junk=010203\r"));
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
        raw_->holdFor(2ms);
        for (int i = 0; i < 40; ++i)
            raw_->replyOk("=\r");
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < 4; ++t)
                threads.emplace_back([this] {
                    for (int i = 0; i < 10; ++i)
                        sl_->converse(bytes(":j1\r"));
                });
        }
        QCOMPARE(raw_->requests().size(), size_t(40));
        QVERIFY(!raw_->overlapped());
    }
};

QTEST_GUILESS_MAIN(TestSLConverser)
#include "test_slconverser.moc"
