// Fault injection in the simulated controller, in-process: what each fault does to the reply
// and to the controller's state, that a seed fixes which requests a fault hits, silence,
// many threads at once, and the scaled clock.

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

Q_DECLARE_METATYPE(JEX::Sim::Faults)

namespace {

Faults fault(std::function<void(Faults&)> set) {
    Faults faults;
    set(faults);
    return faults;
}

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

class TestSimFaults : public QObject {
    Q_OBJECT

    std::shared_ptr<MotorController> controller_ =
        std::make_shared<MotorController>(SimConfig{}, std::make_shared<ManualClock>());

    Response send(const QByteArray& request, Channel channel = Channel::Wifi) {
        return InProcessEndpoint(controller_, channel)(bytes(request));
    }

private slots:
    void init() {
        controller_ =
            std::make_shared<MotorController>(SimConfig{}, std::make_shared<ManualClock>());
    }

    // After 0x190 is selected, each request is sent 30 times with the fault switched on.
    // ":N141\r" writes 0x41 there; the replies must all match the pattern ("" for none),
    // and at least minDistinct different replies (with their delays) must come.
    void faults_data() {
        QTest::addColumn<Faults>("faults");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("minDistinct");
        QTest::addColumn<int>("written"); // the byte at 0x190 after
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<int>("minDelayMs");
        QTest::addColumn<int>("maxDelayMs");
        QTest::addColumn<int>("copies");
        const int wifi = int(Channel::Wifi), serial = int(Channel::Serial);
        const QByteArray write = ":N141\r", firmware = ":e1\r";
        QTest::newRow("none") << Faults{} << wifi << write << "=\r" << 1 << 0x41 << "" << 0 << 0
                              << 1;
        QTest::newRow("request loss: nothing done")
            << fault([](Faults& f) { f.requestLoss = 1; }) << wifi << write << "" << 1 << 0
            << "request-loss" << 0 << 0 << 1;
        QTest::newRow("reply loss: done, nothing sent")
            << fault([](Faults& f) { f.replyLoss = 1; }) << wifi << write << "" << 1 << 0x41
            << "reply-loss" << 0 << 0 << 1;
        QTest::newRow("rejection: refused, nothing done")
            << fault([](Faults& f) { f.reject = 1; }) << wifi << write << "!0\r" << 1 << 0
            << "reject" << 0 << 0 << 1;
        QTest::newRow("garbage before the marker")
            << fault([](Faults& f) { f.garbage = 1; }) << wifi << write << "[^=!\\r\\x00]+=\\r" << 3
            << 0x41 << "garbage" << 0 << 0 << 1;
        QTest::newRow("bad format: one digit more")
            << fault([](Faults& f) { f.badFormat = 1; }) << wifi << write << "=0\\r" << 1 << 0x41
            << "bad-format" << 0 << 0 << 1;
        QTest::newRow("bad format: one digit fewer or more")
            << fault([](Faults& f) { f.badFormat = 1; }) << wifi << firmware
            << "=030A0\\r|=030A080\\r" << 2 << 0 << "bad-format" << 0 << 0 << 1;
        QTest::newRow("NUL noise on the serial line") << fault([](Faults& f) {
            f.nulNoise = 1;
            f.nulCount = 10;
        }) << serial << firmware << "\\x00{10}=030A08\\r"
                                                      << 1 << 0 << "nul-noise" << 0 << 0 << 1;
        QTest::newRow("no NUL noise over Wi-Fi")
            << fault([](Faults& f) { f.nulNoise = 1; }) << wifi << firmware << "=030A08\\r" << 1
            << 0 << "" << 0 << 0 << 1;
        QTest::newRow("duplicate") << fault([](Faults& f) { f.duplicate = 1; }) << wifi << write
                                   << "=\\r" << 1 << 0x41 << "duplicate" << 0 << 0 << 2;
        QTest::newRow("fixed delay") << fault([](Faults& f) { f.fixedDelayMs = 150; }) << wifi
                                     << write << "=\\r" << 1 << 0x41 << "delay" << 150 << 150 << 1;
        QTest::newRow("random delay") << fault([](Faults& f) { f.randomDelayMs = 40; }) << wifi
                                      << write << "=\\r" << 10 << 0x41 << "delay" << 0 << 40 << 1;
        QTest::newRow("late reply") << fault([](Faults& f) {
            f.late = 1;
            f.lateDelayMs = 450;
        }) << wifi << write << "=\\r"
                                    << 1 << 0x41 << "late" << 450 << 450 << 1;
        QTest::newRow("limited to other letters") << fault([](Faults& f) {
            f.replyLoss = 1;
            f.letters = "j";
        }) << wifi << write << "=\\r" << 1 << 0x41 << ""
                                                  << 0 << 0 << 1;
    }
    void faults() {
        QFETCH(Faults, faults);
        QFETCH(int, channel);
        QFETCH(QByteArray, request);
        QFETCH(QString, reply);
        QFETCH(int, minDistinct);
        QFETCH(int, written);
        QFETCH(QString, recorded);
        QFETCH(int, minDelayMs);
        QFETCH(int, maxDelayMs);
        QFETCH(int, copies);
        QCOMPARE(qbytes(*send(":C19001\r").reply), QByteArray("=\r"));
        controller_->setFaults(faults);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(reply));
        std::set<std::pair<QByteArray, int64_t>> distinct;
        for (int i = 0; i < 30; ++i) {
            const Response response = send(request, Channel(channel));
            const QByteArray got = response.reply ? qbytes(*response.reply) : QByteArray();
            QVERIFY2(pattern.match(QString::fromLatin1(got)).hasMatch(), qPrintable(show(got)));
            QVERIFY2(response.delay.count() >= minDelayMs && response.delay.count() <= maxDelayMs,
                     qPrintable(QString::number(response.delay.count())));
            QCOMPARE(response.copies, copies);
            distinct.insert({got, response.delay.count()});
        }
        QVERIFY2(int(distinct.size()) >= minDistinct, qPrintable(QString::number(distinct.size())));
        QCOMPARE(int(controller_->memoryByte(0x190)), written);
        const auto last = controller_->transcript()->last();
        QCOMPARE(last->faults.empty(), recorded.isEmpty());
        if (!recorded.isEmpty())
            QVERIFY2(last->hasFault(recorded.toStdString()), qPrintable(recorded));
    }

    void silence() {
        controller_->setSilent(true);
        QVERIFY(!send(":e1\r").reply);
        QVERIFY(!send(":e1\r", Channel::Serial).reply);
        QVERIFY(controller_->transcript()->last()->hasFault("silent"));
        controller_->setSilent(false);
        QVERIFY(send(":e1\r").reply);

        controller_->setFaults(fault([](Faults& f) { f.silentAfter = 3; })); // 3 seen so far
        QVERIFY(!send(":e1\r").reply);
        controller_->setFaults(fault([](Faults& f) { f.silentAfter = 5; }));
        QVERIFY(send(":e1\r").reply);
        QVERIFY(!send(":e1\r").reply);
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

        controller_->setFaults(fault([](Faults& f) { f.replyLoss = 0.5; }));
        controller_->reseed(7);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(!send(":j1\r").reply, bool(a[i]));
    }

    // Several threads at once, with faults drawing from the shared generator and a reader
    // poking at the state: every exchange is recorded once.
    void concurrentRequests() {
        controller_->setFaults(fault([](Faults& f) {
            f.replyLoss = 0.3;
            f.garbage = 0.3;
            f.duplicate = 0.3;
        }));
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
