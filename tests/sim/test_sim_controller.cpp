// The simulated controller in-process: its command set as scripts of requests and their exact
// replies, fault injection, and its scaled clock.

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

class TestSimController : public QObject {
    Q_OBJECT

    std::shared_ptr<ManualClock> clock_;
    std::shared_ptr<MotorController> controller_;

    // A preset name, then any of "axes=1", "keep-wifi", "stuck-busy", "program-busy=S",
    // "faults=SPEC".
    void make(const QString& setup) {
        const QStringList words = setup.split(' ');
        SimConfig config;
        config.identity = *presetIdentity(words[0].toStdString());
        for (const QString& word : words.mid(1)) {
            if (word == "axes=1")
                config.identity.axisCount = 1;
            else if (word == "keep-wifi")
                config.behaviour.honourWifiOff = false;
            else if (word == "stuck-busy")
                config.faults.busyStuck = true;
            else if (word.startsWith("program-busy="))
                config.behaviour.programBusySec = word.mid(13).toDouble();
            else if (word.startsWith("faults="))
                QVERIFY(!applyFaultSpec(word.mid(7).toStdString(), config.faults, config.seed));
        }
        clock_ = std::make_shared<ManualClock>();
        controller_ = std::make_shared<MotorController>(config, clock_);
    }

    Response send(const QByteArray& request, Channel channel = Channel::Wifi) {
        return InProcessEndpoint(controller_, channel)(bytes(request));
    }
    // An exchange; false with a message when the reply is not the expected one.
    bool expect(const QByteArray& request, const QByteArray& reply, Channel channel, QString* why) {
        const Response response = send(request, channel);
        const QByteArray got = response.reply ? qbytes(*response.reply) : QByteArray("<none>");
        if (got == reply)
            return true;
        *why = QString("%1 -> %2, expected %3").arg(show(request), show(got), show(reply));
        return false;
    }

    // One step of a script:
    //   e1=030A08     ":e1\r" is answered "=030A08\r"; "e3!3" with "!3\r"; "e1" with nothing
    //   *e1=030A08    the same over Wi-Fi (otherwise over the serial line)
    //   'junk:e1\r=.. the request as written, with \r and \0, without ':' and CR added
    //   +2.5          the controller's clock moves on 2.5 s
    //   @190=41A5     bytes written from address 0x190 on, each selected with C and set with N
    //   @10?#5        the 32-bit number 5 read from 0x10 with C and n; "=#N" writes one
    //   pos1:225000   the first axis stands at 225000 steps (read directly)
    //   limit1:-10    the first axis's limit position is set to -10 steps (directly)
    bool step(QString text, QString* why) {
        const Channel channel = text.startsWith('*') ? Channel::Wifi : Channel::Serial;
        if (channel == Channel::Wifi)
            text.remove(0, 1);
        if (text.startsWith('+')) {
            clock_->advanceSec(text.mid(1).toDouble());
            return true;
        }
        if (text.startsWith('@')) {
            const qsizetype op = text.indexOf(QRegularExpression("[=?]"));
            const unsigned address = text.mid(1, op - 1).toUInt(nullptr, 16);
            const QString value = text.mid(op + 1);
            QByteArray data;
            if (value.startsWith('#')) {
                const uint32_t n = value.mid(1).toUInt();
                for (int i = 0; i < 4; ++i)
                    data += char(n >> (8 * i));
            } else {
                data = QByteArray::fromHex(value.toLatin1());
            }
            for (qsizetype i = 0; i < data.size(); ++i) {
                const unsigned at = address + unsigned(i);
                const QByteArray hex = QByteArray(1, data[i]).toHex().toUpper();
                if (!expect(QString::asprintf(":C1%02X%02X\r", at & 0xFF, at >> 8).toLatin1(),
                            "=\r", channel, why) ||
                    !(text[op] == '=' ? expect(":N1" + hex + "\r", "=\r", channel, why)
                                      : expect(":n1\r", "=" + hex + "\r", channel, why)))
                    return false;
            }
            return true;
        }
        if (!text.startsWith('\'') && text.contains(':')) {
            const int axis = text.section(':', 0, 0).right(1).toInt() - 1;
            const qlonglong steps = text.section(':', 1).toLongLong();
            if (text.startsWith("limit")) {
                controller_->setLimitSteps(axis, steps);
                return true;
            }
            const double at = controller_->axis(axis).positionSteps;
            *why = QString("axis at %1 steps").arg(at);
            return at == double(steps);
        }
        const qsizetype marker = text.indexOf(QRegularExpression("[=!]"));
        const QByteArray reply =
            marker < 0 ? QByteArray("<none>") : text.mid(marker).toLatin1() + "\r";
        QByteArray request = text.left(marker < 0 ? text.size() : marker).toLatin1();
        if (request.startsWith('\''))
            request = request.mid(1).replace("\\r", "\r").replace("\\0", QByteArray(1, '\0'));
        else
            request = ":" + request + "\r";
        return expect(request, reply, channel, why);
    }

private slots:
    void init() { make("3.10-08"); }

    // Fault texts: what they set, or why they are refused (and then nothing changes).
    void faultSpecs_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* spec, const char* result) {
            QTest::newRow(spec) << QString(spec) << QString(result);
        };
        row("loss=0.2", "0.2 0.2 0 0 silent -1 for 0 seed 1");
        row("reply-loss=1,delay=250ms,seed=7", "0 1 250 0 silent -1 for 0 seed 7");
        row("late=0.05,silence=60s@30s", "0 0 0 0.05 silent 30 for 60 seed 1");
        row("silence=5", "0 0 0 0 silent 0 for 5 seed 1");
        row("loss=1.5", "not understood: 'loss=1.5'");
        row("loss=0.2,fog=1", "not understood: 'fog=1'");
        row("delay=-3", "not understood: 'delay=-3'");
        row("silence=1m@2s", "not understood: 'silence=1m@2s'");
        row("", "not understood: ''");
    }
    void faultSpecs() {
        QFETCH(QString, spec);
        QFETCH(QString, result);
        Faults f;
        uint64_t seed = 1;
        const auto error = applyFaultSpec(spec.toStdString(), f, seed);
        const QString got = error ? QString::fromStdString(*error)
                                  : QString("%1 %2 %3 %4 silent %5 for %6 seed %7")
                                        .arg(f.requestLoss)
                                        .arg(f.replyLoss)
                                        .arg(f.fixedDelayMs)
                                        .arg(f.late)
                                        .arg(f.silentFromSec.value_or(-1))
                                        .arg(f.silentForSec)
                                        .arg(seed);
        QCOMPARE(got, result);
        if (error)
            QCOMPARE(seed, uint64_t(1));
    }

    void scripts_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("script");
        const auto row = [](const char* name, const char* setup, const QString& script) {
            QTest::newRow(name) << QString(setup) << script;
        };
        row("identity 3.10-08", "3.10-08",
            "e1=030A08 e2=030A08 a1=00A41F a2=00A41F b1=60E316 g1=100000 q1010000=000000");
        row("identity 3.09-08, no q, no X", "3.09-08", "e1=030908 q1010000!0 q1000000!0 X10002!0");
        row("identity 3.39-80", "3.39-80",
            "e1=032780 a1=972B16 b1=0024F4 g1=200000 q1010000=153000 X10002=00162B97 "
            "X20002=00162B97");
        row("one axis only", "3.10-08 axes=1", "e2!3 f2!3 e1=030A08");
        row("a silent spell", "3.10-08 faults=silence=60s@30s,delay=0",
            "e1=030A08 +29.9 e1=030A08 +0.1 e1 +59.9 e1 +0.1 e1=030A08");
        row("power-on status and positions", "3.10-08",
            "f1=100 f2=100 j1=000080 j2=000080 q1000000=000000");
        row("set position with offset, initialise", "3.10-08",
            "E1341280= j1=341280 j2=000080 F1= f1=101 f2=100");
        row("extended positions", "3.39-80",
            "X101FFFFFFF6= X10003=FFFFFFF6 j1=F6FF7F X10100000010= X10003=00000010");
        // The limit saturates at each format's ends: "at the limit" (largest) and "no limit"
        // (smallest, also at power-on).
        row("limit positions", "3.39-80",
            "q1000000=000000 X1000B=80000000 limit1:1000 q1000000=E80380 X1000B=000003E8 "
            "limit1:-10 q1000000=F6FF7F X1000B=FFFFFFF6 limit1:8388612 q1000000=FFFFFF "
            "X1000B=00800004 limit1:1099511627776 q1000000=FFFFFF X1000B=7FFFFFFF X2000B=80000000");
        // Period 0x03E8 at 1500000 Hz: 1500 steps/s; 0x05DC at 16x: 16000 steps/s.
        row("rate forward, stop", "3.10-08",
            "G110= I1E80300= J1= f1=110 +1 j1=DC0580 K1= f1=100 +5 j1=DC0580");
        row("rate backward at high speed", "3.10-08", "G131= I1DC0500= J1= f1=710 +0.5 j1=C0E07F");
        row("speed change while running", "3.10-08",
            "G110= I1E80300= J1= +1 I1F40100= +1 j1=941180 f1=110");
        // 3 deg/s fast, 0.5 deg/s slow, 5760 steps per degree.
        row("fast goto forward ends at its target", "3.10-08",
            "G100= H1E80300= M1AC0D00= J1= f1=410 +10 f1=400 j1=E80380");
        row("slow goto backward ends at its target", "3.10-08",
            "G121= H1D00700= J1= f1=210 +60 f1=200 j1=30F87F");
        row("G while moving is refused", "3.10-08", "G110= I1E80300= J1= G100!2 K1= G100=");
        row("second axis moves on its own", "3.10-08",
            "G210= I2E80300= J2= +1 j2=DC0580 j1=000080 f2=110 f1=100");
        // Battery 7.90 V at 0x04, USB 5.05 V at 0x1C, Wi-Fi mode 2, the name at 0x90.
        row("parameter memory", "3.10-08",
            "@04?1603 @1C?F901 @88?02 @90?56656C6D6F72612D53696D00 C1FF01= N1A5= n1=A5 "
            "C10002!4 n1=A5");
        row("baud, Wi-Fi and sub-command 8", "3.10-08",
            "W10D6000= W10D8004= W10D0024!4 W10D7B00!4 W10C0100= W10B0100= W1080000= "
            "W2080000= W1FF0000!4");
        row("Wi-Fi switch silences only Wi-Fi", "3.10-08",
            "*W10C0100= *e1 e1=030A08 W10B0100= *e1=030A08");
        row("kept Wi-Fi answers after switch-off", "3.10-08 keep-wifi", "*W10C0100= *e1=030A08");
        row("malformed commands", "3.10-08",
            "e3!3 j0!3 e!1 ':\\r!0 z1!0 E1zz0000!3 E1ab0000!3 E112!1 e1x!1 N1!1 C1GG00!3 "
            "q1020000!4 G1X0!3 G1000!1 X10002!0 ':e\\0\\r!3 E1" +
                QString(100, '0') + "!1");
        row("framing", "3.10-08",
            "':e1 'e1\\r 'hello ' 'junk:e1\\r=030A08 ':e1\\r:z1\\r=030A08 ':z1:e1\\r=030A08");

        // Programs: stride 1000 at 1500000 Hz runs at 1500 steps/s; 0x30 is the period,
        // 0x34 the photo count to take, 0x20 the requested mode, 0x00 the running one.
        const QString program = "@30=#30000 @24=#1000 ";
        row("program counts photos and ends (period in ms from 3.10)", "3.10-08",
            program + "@34=#10 @20=01 @00?01 @10?#0 f1=110 +29.999 @10?#0 +0.001 @10?#1 "
                      "+120 @10?#5 pos1:225000 @00?01 +150 @10?#10 @00?00 f1=100 j1=D0DD86 "
                      "+100 pos1:450000 J1=");
        row("program period in seconds before 3.10", "3.09-08",
            "@30=#30 @24=#1000 @34=#10 @20=01 +29.999 @10?#0 +0.001 @10?#1 +270 @10?#10 "
            "@00?00 pos1:450000");
        row("backward program", "3.10-08", program + "@28=01 @20=04 +10 pos1:-15000 f1=310");
        row("regular time-lapse steps after each photo", "3.10-08",
            program + "@34=#5 @44=#500 @20=02 +29 pos1:0 f1=100 +62 @10?#3 pos1:1500 +1000 "
                      "@00?00 pos1:2500");
        // One degree of swing is 5760 steps: the axis turns back after 3.84 s.
        row("swinging folds the travel", "3.10-08",
            program + "@38=01 @3C=#1 @20=03 +3 pos1:4500 f1=110 +2 pos1:4020 f1=310");
        row("writing 0 stops the program", "3.10-08",
            "E1640080= " + program +
                "@20=01 +65 @20=00 @00?00 @20?00 @10?#2 pos1:97600 +60 pos1:97600");
        row("motion commands wait for the program", "3.10-08",
            program + "@20=01 J1!2 K1!2 G110!2 E1000080!2 I1E80300!2 j1=000080 G210=");
        // 3000 steps/s by hand for 2 s, then the program's 1500 steps/s for 10 s.
        row("a program takes over from manual motion", "3.10-08",
            "G110= I1F40100= J1= +2 " + program + "@34=#1 @20=01 +10 pos1:21000");
        row("a program can switch the Wi-Fi off", "3.10-08",
            program + "@48=01 @20=01 *e1 e1=030A08");
        row("an unknown mode starts nothing", "3.10-08", "@20=09 @00?00 +1 @20?00");
        row("busy bytes clear after their time", "3.10-08",
            "@20=01 @20?01 +0.19 @20?01 +0.02 @20?00 @80=01 @80?01 +0.29 @80?01 +0.02 @80?00");
        row("busy time is configurable", "3.10-08 program-busy=2",
            "@20=01 +1.9 @20?01 +0.2 @20?00");
        row("stuck busy bytes never clear", "3.10-08 stuck-busy",
            "@20=01 @80=01 +3600 @20?01 @80?01");
        row("command bytes keep the value written", "3.10-08",
            "@60=01 @60?01 @6C=01 @184=#900 @180=01 @184?#900 @6C?01");
    }
    void scripts() {
        QFETCH(QString, setup);
        QFETCH(QString, script);
        make(setup);
        const QStringList steps = script.split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QString why;
            QVERIFY2(step(steps[i], &why),
                     qPrintable(QString("step %1 (%2): %3").arg(i).arg(steps[i], why)));
        }
    }

    // After 0x190 is selected, ":N141\r" writes 0x41 there.
    void faults_data() {
        QTest::addColumn<FaultCase>("c");
        const auto wifi = Channel::Wifi, serial = Channel::Serial;
        const char *write = ":N141\r", *firmware = ":e1\r";
        const auto row = [](const char* name, FaultCase c) { QTest::newRow(name) << c; };
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

QTEST_GUILESS_MAIN(TestSimController)
#include "test_sim_controller.moc"
