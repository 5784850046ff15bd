// Fault injection in the simulated controller, in-process, and its scaled clock.

#include "InProcessEndpoint.h"
#include "Wire.h"

#include <QRegularExpression>
#include <QTest>

#include <set>
#include <thread>

using namespace JEX::Sim;
using JEX::Test::bytes;
using JEX::Test::qbytes;
using JEX::Test::show;

namespace {

// The faults f with one more switched on.
template <typename T, typename V> Faults with(T Faults::*field, V value, Faults f = {}) {
    f.*field = T(value);
    return f;
}

// One row of the fault table: each request is sent 30 times with the faults switched on; the
// replies must all match the pattern ("" for none) and at least minDistinct different replies
// (with their delays) must come.
struct FaultCase {
    Faults faults;
    Channel channel;
    const char* request;
    const char* reply;
    int minDistinct;
    int written; // the byte at 0x190 after
    const char* recorded;
    int minDelayMs = 0;
    int maxDelayMs = 0;
    int copies = 1;
};

// Which of n requests of one letter lose their reply.
std::vector<bool> lossPattern(uint64_t seed, int n, double garbage = 0) {
    SimConfig config;
    config.faults.replyLoss = 0.5;
    config.faults.garbage = garbage;
    config.seed = seed;
    MotorController controller(config, std::make_shared<ManualClock>());
    std::vector<bool> lost;
    for (int i = 0; i < n; ++i)
        lost.push_back(!controller.handle(bytes(":j1\r")).reply);
    return lost;
}

} // namespace

Q_DECLARE_METATYPE(FaultCase)

class TestSimFaults : public QObject {
    Q_OBJECT

    std::shared_ptr<MotorController> controller_;

    Response send(const QByteArray& request, Channel channel = Channel::Wifi) {
        return InProcessEndpoint(controller_, channel)(bytes(request));
    }

private slots:
    void init() {
        controller_ =
            std::make_shared<MotorController>(SimConfig{}, std::make_shared<ManualClock>());
    }

    // After 0x190 is selected, ":N141\r" writes 0x41 there.
    void faults_data() {
        QTest::addColumn<FaultCase>("c");
        const auto wifi = Channel::Wifi, serial = Channel::Serial;
        const char *write = ":N141\r", *firmware = ":e1\r";
        const auto row = [](const char* name, FaultCase c) { QTest::newRow(name) << c; };
        row("none", {Faults{}, wifi, write, "=\\r", 1, 0x41, ""});
        row("request loss: nothing done",
            {with(&Faults::requestLoss, 1), wifi, write, "", 1, 0, "request-loss"});
        row("reply loss: done, nothing sent",
            {with(&Faults::replyLoss, 1), wifi, write, "", 1, 0x41, "reply-loss"});
        row("rejection: refused, nothing done",
            {with(&Faults::reject, 1), wifi, write, "!0\\r", 1, 0, "reject"});
        row("garbage before the marker",
            {with(&Faults::garbage, 1), wifi, write, "[^=!\\r\\x00]+=\\r", 3, 0x41, "garbage"});
        row("bad format: one digit more",
            {with(&Faults::badFormat, 1), wifi, write, "=0\\r", 1, 0x41, "bad-format"});
        row("bad format: one digit fewer or more", {with(&Faults::badFormat, 1), wifi, firmware,
                                                    "=030A0\\r|=030A080\\r", 2, 0, "bad-format"});
        row("NUL noise on the serial line",
            {with(&Faults::nulCount, 10, with(&Faults::nulNoise, 1)), serial, firmware,
             "\\x00{10}=030A08\\r", 1, 0, "nul-noise"});
        row("no NUL noise over Wi-Fi",
            {with(&Faults::nulNoise, 1), wifi, firmware, "=030A08\\r", 1, 0, ""});
        row("duplicate",
            {with(&Faults::duplicate, 1), wifi, write, "=\\r", 1, 0x41, "duplicate", 0, 0, 2});
        row("fixed delay",
            {with(&Faults::fixedDelayMs, 150), wifi, write, "=\\r", 1, 0x41, "delay", 150, 150});
        row("random delay",
            {with(&Faults::randomDelayMs, 40), wifi, write, "=\\r", 10, 0x41, "delay", 0, 40});
        row("late reply", {with(&Faults::lateDelayMs, 450, with(&Faults::late, 1)), wifi, write,
                           "=\\r", 1, 0x41, "late", 450, 450});
        row("silent: nothing done",
            {with(&Faults::silent, true), serial, write, "", 1, 0, "silent"});
        row("silent after the first request",
            {with(&Faults::silentAfter, 1), wifi, write, "", 1, 0, "silent"});
        row("limited to other letters", {with(&Faults::letters, "j", with(&Faults::replyLoss, 1)),
                                         wifi, write, "=\\r", 1, 0x41, ""});
    }
    void faults() {
        QFETCH(FaultCase, c);
        QCOMPARE(qbytes(*send(":C19001\r").reply), QByteArray("=\r"));
        controller_->setFaults(c.faults);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(c.reply));
        std::set<std::pair<QByteArray, int64_t>> distinct;
        for (int i = 0; i < 30; ++i) {
            const Response response = send(c.request, c.channel);
            const QByteArray got = response.reply ? qbytes(*response.reply) : QByteArray();
            QVERIFY2(pattern.match(QString::fromLatin1(got)).hasMatch(), qPrintable(show(got)));
            QVERIFY2(response.delay.count() >= c.minDelayMs &&
                         response.delay.count() <= c.maxDelayMs,
                     qPrintable(QString::number(response.delay.count())));
            QCOMPARE(response.copies, c.copies);
            distinct.insert({got, response.delay.count()});
        }
        QVERIFY2(int(distinct.size()) >= c.minDistinct,
                 qPrintable(QString::number(distinct.size())));
        QCOMPARE(int(controller_->memoryByte(0x190)), c.written);
        const auto last = controller_->transcript()->last();
        QCOMPARE(last->faults.empty(), *c.recorded == 0);
        if (*c.recorded)
            QVERIFY2(last->hasFault(c.recorded), c.recorded);
    }

    // The same seed loses the same requests, another seed others, and switching another
    // fault on does not move the losses to other requests.
    void seedFixesWhichRequestsAreHit() {
        const auto a = lossPattern(7, 200);
        QVERIFY(a == lossPattern(7, 200));
        QVERIFY(a != lossPattern(8, 200));
        QVERIFY(a == lossPattern(7, 200, 0.5));
        const auto lost = std::count(a.begin(), a.end(), true);
        QVERIFY2(lost > 60 && lost < 140, qPrintable(QString("%1 of 200 lost").arg(lost)));

        controller_->setFaults(with(&Faults::replyLoss, 0.5));
        controller_->reseed(7);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(!send(":j1\r").reply, bool(a[i]));
    }

    // Several threads at once, with faults drawing from the shared generator and a reader
    // poking at the state: every exchange is recorded once.
    void concurrentRequests() {
        controller_->setFaults(with(&Faults::replyLoss, 0.3,
                                    with(&Faults::garbage, 0.3, with(&Faults::duplicate, 0.3))));
        auto scaled =
            std::make_shared<MotorController>(SimConfig{}, std::make_shared<ScaledClock>(50.0));
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < 4; ++t)
                threads.emplace_back([t, controller = controller_, scaled] {
                    for (int i = 0; i < 300; ++i) {
                        controller->handle(bytes(t % 2 ? ":j1\r" : ":C19001\r"));
                        controller->handle(bytes(i % 2 ? ":N141\r" : ":N100\r"));
                        scaled->handle(bytes(i % 50 ? ":j1\r" : ":J1\r"));
                    }
                });
            threads.emplace_back([controller = controller_] {
                for (int i = 0; i < 300; ++i) {
                    controller->memoryByte(0x190);
                    controller->axis(0);
                    controller->setFaults(controller->faults());
                }
            });
        }
        QCOMPARE(controller_->transcript()->size(), size_t(2400));
        QCOMPARE(scaled->transcript()->size(), size_t(1200));
    }

    // The scaled clock runs its factor faster than the steady clock: bracketed by readings of
    // the steady clock before and after each of its own, the controller time passed lies
    // between factor times the inner and factor times the outer real interval.
    void timeScale() {
        using Steady = std::chrono::steady_clock;
        const auto seconds = [](Steady::duration d) {
            return std::chrono::duration<double>(d).count();
        };
        ScaledClock clock(1000.0);
        const auto a = Steady::now();
        const double s0 = clock.nowSec();
        const auto b = Steady::now();
        QTRY_VERIFY_WITH_TIMEOUT(clock.nowSec() - s0 > 20, 10000);
        const auto c = Steady::now();
        const double s1 = clock.nowSec();
        const auto d = Steady::now();
        QVERIFY(s1 - s0 >= 1000 * seconds(c - b) - 1e-6);
        QVERIFY(s1 - s0 <= 1000 * seconds(d - a) + 1e-6);

        // A new rate applies from now on; controller time already passed stays.
        clock.setScale(1e-9);
        const double kept = clock.nowSec();
        QVERIFY(kept >= s1);
        QVERIFY(clock.nowSec() - kept < 1e-3);
    }
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "test_sim_faults.moc"
