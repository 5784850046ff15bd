// The simulated controller's command set through the in-process endpoint: every command
// with the exact reply bytes the console decodes, and malformed requests.

#include "InProcessEndpoint.h"
#include "SimTestUtil.h"

#include <QTest>

#include <random>

using namespace JEX::Sim;
using SimTest::qbytes;
using SimTest::show;

namespace {
// A script entry "+S" moves the controller's clock on by S seconds instead of sending.
const QByteArray NoReply = "<none>";
} // namespace

class TestSimCommands : public QObject {
    Q_OBJECT

    std::shared_ptr<ManualClock> clock_;
    std::shared_ptr<MotorController> controller_;

    void make(const QString& preset, int axisCount = 2) {
        SimConfig config;
        config.identity = *presetIdentity(preset.toStdString());
        config.identity.axisCount = axisCount;
        clock_ = std::make_shared<ManualClock>();
        controller_ = std::make_shared<MotorController>(config, clock_);
    }

    QByteArray ask(const QByteArray& request) {
        // The serial channel: the Wi-Fi switch commands must not silence the script.
        const InProcessEndpoint endpoint(controller_, Channel::Serial);
        const Response response = endpoint(SimTest::bytes(request));
        return response.reply ? qbytes(*response.reply) : NoReply;
    }

    void runScript(const QByteArrayList& script) {
        QVERIFY2(script.size() % 2 == 0, "script must hold request/reply pairs");
        for (qsizetype i = 0; i < script.size(); i += 2) {
            const QByteArray& request = script[i];
            if (request.startsWith('+')) {
                clock_->advanceSec(request.mid(1).toDouble());
                continue;
            }
            const QByteArray reply = ask(request);
            QVERIFY2(reply == script[i + 1],
                     qPrintable(QString("step %1: %2 -> %3, expected %4")
                                    .arg(i / 2)
                                    .arg(show(request), show(reply), show(script[i + 1]))));
        }
    }

private slots:
    void roundTrips_data() {
        QTest::addColumn<QString>("preset");
        // Alternating request and expected reply; "+S" requests advance time by S seconds.
        QTest::addColumn<QByteArrayList>("script");

        QTest::newRow("identity 3.10-08")
            << "3.10-08"
            << QByteArrayList{":e1\r",     "=030A08\r", ":e2\r",       "=030A08\r", ":a1\r",
                              "=00A41F\r", ":a2\r",     "=00A41F\r",   ":b1\r",     "=60E316\r",
                              ":g1\r",     "=100000\r", ":q1010000\r", "=000000\r"};
        QTest::newRow("identity 3.10-0A")
            << "3.10-0A"
            << QByteArrayList{":e1\r", "=030A0A\r", ":a1\r", "=008D27\r", ":b1\r", "=80841E\r"};
        QTest::newRow("identity 3.09-08, no q, no X")
            << "3.09-08" << QByteArrayList{":e1\r",       "=030908\r", ":q1010000\r", "!0\r",
                                           ":q1000000\r", "!0\r",      ":X10002\r",   "!0\r"};
        QTest::newRow("identity 3.39-80")
            << "3.39-80"
            << QByteArrayList{":e1\r",     "=032780\r",   ":a1\r",     "=972B16\r",   ":b1\r",
                              "=0024F4\r", ":g1\r",       "=200000\r", ":q1010000\r", "=153000\r",
                              ":X10002\r", "=00162B97\r", ":X20002\r", "=00162B97\r"};
        QTest::newRow("power-on status and positions")
            << "3.10-08"
            << QByteArrayList{":f1\r",     "=100\r", ":f2\r",     "=100\r",      ":j1\r",
                              "=000080\r", ":j2\r",  "=000080\r", ":q1000000\r", "=000000\r"};
        QTest::newRow("set position with offset, initialise")
            << "3.10-08"
            << QByteArrayList{":E1341280\r", "=\r", ":j1\r", "=341280\r", ":j2\r", "=000080\r",
                              ":F1\r",       "=\r", ":f1\r", "=101\r",    ":f2\r", "=100\r"};
        QTest::newRow("extended position and limit")
            << "3.39-80"
            << QByteArrayList{":X101FFFFFFF6\r", "=\r",       ":X10003\r", "=FFFFFFF6\r",
                              ":j1\r",           "=F6FF7F\r", ":X1000B\r", "=80000000\r",
                              ":X10100000010\r", "=\r",       ":X10003\r", "=00000010\r"};
        QTest::newRow("rate forward, stop")
            << "3.10-08"
            << QByteArrayList{":G110\r", "=\r",      ":I1E80300\r", "=\r",    ":J1\r", "=\r",
                              ":f1\r",   "=110\r",   "+1",          "",       ":j1\r", "=DC0580\r",
                              ":K1\r",   "=\r",      ":f1\r",       "=100\r", "+5",    "",
                              ":j1\r",   "=DC0580\r"};
        QTest::newRow("rate backward at high speed")
            << "3.10-08"
            << QByteArrayList{":G131\r", "=\r",    ":I1DC0500\r", "=\r", ":J1\r", "=\r",
                              ":f1\r",   "=710\r", "+0.5",        "",    ":j1\r", "=C0E07F\r"};
        QTest::newRow("speed change while running")
            << "3.10-08"
            << QByteArrayList{":G110\r", "=\r",       ":I1E80300\r", "=\r",   ":J1\r", "=\r",
                              "+1",      "",          ":I1F40100\r", "=\r",   "+1",    "",
                              ":j1\r",   "=941180\r", ":f1\r",       "=110\r"};
        QTest::newRow("fast goto forward ends at target")
            << "3.10-08"
            << QByteArrayList{":G100\r", "=\r",    ":H1E80300\r", "=\r",      ":M1AC0D00\r", "=\r",
                              ":J1\r",   "=\r",    ":f1\r",       "=410\r",   "+10",         "",
                              ":f1\r",   "=400\r", ":j1\r",       "=E80380\r"};
        QTest::newRow("slow goto backward ends at target")
            << "3.10-08" << QByteArrayList{":G121\r", "=\r",    ":H1D00700\r", "=\r",      ":J1\r",
                                           "=\r",     ":f1\r",  "=210\r",      "+60",      "",
                                           ":f1\r",   "=200\r", ":j1\r",       "=30F87F\r"};
        QTest::newRow("G while moving is refused")
            << "3.10-08"
            << QByteArrayList{":G110\r", "=\r",  ":I1E80300\r", "=\r", ":J1\r",   "=\r",
                              ":G100\r", "!2\r", ":K1\r",       "=\r", ":G100\r", "=\r"};
        QTest::newRow("second axis moves on its own")
            << "3.10-08"
            << QByteArrayList{":G210\r", "=\r",    ":I2E80300\r", "=\r",       ":J2\r", "=\r",
                              "+1",      "",       ":j2\r",       "=DC0580\r", ":j1\r", "=000080\r",
                              ":f2\r",   "=110\r", ":f1\r",       "=100\r"};
        QTest::newRow("parameter memory bytes")
            << "3.10-08"
            << QByteArrayList{":C19000\r", "=\r",   ":n1\r",     "=56\r", ":C10400\r", "=\r",
                              ":n1\r",     "=16\r", ":C10500\r", "=\r",   ":n1\r",     "=03\r",
                              ":C1FF01\r", "=\r",   ":N1A5\r",   "=\r",   ":n1\r",     "=A5\r",
                              ":C10002\r", "!4\r",  ":n1\r",     "=A5\r"};
        QTest::newRow("baud, Wi-Fi and sub-command 8")
            << "3.10-08"
            << QByteArrayList{":W10D6000\r", "=\r",  ":W10D8004\r", "=\r", ":W10D0024\r", "!4\r",
                              ":W10D7B00\r", "!4\r", ":W10C0100\r", "=\r", ":W10B0100\r", "=\r",
                              ":W1080000\r", "=\r",  ":W2080000\r", "=\r", ":W1FF0000\r", "!4\r"};
    }
    void roundTrips() {
        QFETCH(QString, preset);
        QFETCH(QByteArrayList, script);
        make(preset);
        runScript(script);
    }

    void badInput_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("third axis") << QByteArray(":e3\r") << QByteArray("!3\r");
        QTest::newRow("axis zero") << QByteArray(":j0\r") << QByteArray("!3\r");
        QTest::newRow("no axis") << QByteArray(":e\r") << QByteArray("!1\r");
        QTest::newRow("nothing but framing") << QByteArray(":\r") << QByteArray("!0\r");
        QTest::newRow("unknown letter") << QByteArray(":z1\r") << QByteArray("!0\r");
        QTest::newRow("non-hex digits") << QByteArray(":E1zz0000\r") << QByteArray("!3\r");
        QTest::newRow("lower-case hex") << QByteArray(":E1ab0000\r") << QByteArray("!3\r");
        QTest::newRow("short data") << QByteArray(":E112\r") << QByteArray("!1\r");
        QTest::newRow("data where none belongs") << QByteArray(":e1x\r") << QByteArray("!1\r");
        QTest::newRow("N without data") << QByteArray(":N1\r") << QByteArray("!1\r");
        QTest::newRow("C with bad digits") << QByteArray(":C1GG00\r") << QByteArray("!3\r");
        QTest::newRow("q with another value") << QByteArray(":q1020000\r") << QByteArray("!4\r");
        QTest::newRow("bad mode character") << QByteArray(":G1X0\r") << QByteArray("!3\r");
        QTest::newRow("three mode characters") << QByteArray(":G1000\r") << QByteArray("!1\r");
        QTest::newRow("X before 3.39") << QByteArray(":X10002\r") << QByteArray("!0\r");
        QTest::newRow("NUL as axis") << QByteArray(":e\0\r", 4) << QByteArray("!3\r");
        QTest::newRow("over-long") << ":E1" + QByteArray(100, '0') + "\r" << QByteArray("!1\r");
        QTest::newRow("no CR") << QByteArray(":e1") << NoReply;
        QTest::newRow("no colon") << QByteArray("e1\r") << NoReply;
        QTest::newRow("plain garbage") << QByteArray("hello") << NoReply;
        QTest::newRow("empty") << QByteArray() << NoReply;
        QTest::newRow("noise before the frame")
            << QByteArray("junk:e1\r") << QByteArray("=030A08\r");
        QTest::newRow("only the first frame counts")
            << QByteArray(":e1\r:z1\r") << QByteArray("=030A08\r");
        QTest::newRow("a later colon restarts the frame")
            << QByteArray(":z1:e1\r") << QByteArray("=030A08\r");
    }
    void badInput() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        make("3.10-08");
        QCOMPARE(ask(request), reply);
    }

    // The limit position saturates at each wire format's ends, which the console reads as
    // "at the limit" (largest) and "no limit" (smallest).
    void limitPosition_data() {
        QTest::addColumn<qlonglong>("steps");
        QTest::addColumn<QByteArray>("classic");
        QTest::addColumn<QByteArray>("extended");
        QTest::newRow("power-on: none")
            << qlonglong(INT32_MIN) << QByteArray("=000000\r") << QByteArray("=80000000\r");
        QTest::newRow("1000 steps")
            << 1000LL << QByteArray("=E80380\r") << QByteArray("=000003E8\r");
        QTest::newRow("-10 steps") << -10LL << QByteArray("=F6FF7F\r") << QByteArray("=FFFFFFF6\r");
        QTest::newRow("beyond 24 bits")
            << 0x800004LL << QByteArray("=FFFFFF\r") << QByteArray("=00800004\r");
        QTest::newRow("beyond 32 bits")
            << (1LL << 40) << QByteArray("=FFFFFF\r") << QByteArray("=7FFFFFFF\r");
    }
    void limitPosition() {
        QFETCH(qlonglong, steps);
        QFETCH(QByteArray, classic);
        QFETCH(QByteArray, extended);
        make("3.39-80");
        controller_->setLimitSteps(0, steps);
        QCOMPARE(ask(":q1000000\r"), classic);
        QCOMPARE(ask(":X1000B\r"), extended);
        QCOMPARE(ask(":X2000B\r"), QByteArray("=80000000\r"));
    }

    void missingSecondAxisIsRefused() {
        make("3.10-08", 1);
        QCOMPARE(ask(":e2\r"), QByteArray("!3\r"));
        QCOMPARE(ask(":f2\r"), QByteArray("!3\r"));
        QCOMPARE(ask(":e1\r"), QByteArray("=030A08\r"));
    }

    // 'n' replies are exactly four bytes at every address and carry the byte held there.
    void everyAddressReadsFourBytes() {
        make("3.10-08");
        const auto memory = controller_->memory();
        for (unsigned address = 0; address < MemorySize; ++address) {
            const QByteArray select =
                QString::asprintf(":C1%02X%02X\r", address & 0xFF, address >> 8).toLatin1();
            QCOMPARE(ask(select), QByteArray("=\r"));
            const QByteArray reply = ask(":n1\r");
            const QByteArray expected = QString::asprintf("=%02X\r", memory[address]).toLatin1();
            QVERIFY2(reply == expected, qPrintable(QString("address 0x%1: %2, expected %3")
                                                       .arg(address, 0, 16)
                                                       .arg(show(reply), show(expected))));
        }
    }

    // Random bytes, weighted towards the protocol's own characters, never crash the
    // controller and never get anything but nothing or one framed reply.
    void randomRequestsNeverBreakIt() {
        make("3.39-80");
        std::mt19937 rng(20240611);
        static const char chars[] = ":\r=!0123456789ABCDEFabcdefgjqnCEFGHIJKMNWX\0\xff \n";
        const QByteArray alphabet(chars, sizeof chars - 1);
        for (int i = 0; i < 20000; ++i) {
            const int length = int(rng() % (i % 100 == 0 ? 3000 : 40));
            QByteArray request;
            for (int k = 0; k < length; ++k)
                request += rng() % 4 == 0 ? char(rng() % 256) : alphabet[rng() % alphabet.size()];
            if (rng() % 2)
                request += '\r';
            const QByteArray reply = ask(request);
            if (reply == NoReply)
                continue;
            const bool framed = reply.size() >= 2 && (reply[0] == '=' || reply[0] == '!') &&
                                reply.endsWith('\r') && reply.count('\r') == 1;
            QVERIFY2(framed, qPrintable(show(request) + " -> " + show(reply)));
        }
        // Clear a program the noise may have started, then ask as the console would.
        QCOMPARE(ask(":C12000\r"), QByteArray("=\r"));
        QCOMPARE(ask(":N100\r"), QByteArray("=\r"));
        QCOMPARE(ask(":e1\r"), QByteArray("=032780\r"));
    }
};

QTEST_GUILESS_MAIN(TestSimCommands)
#include "test_sim_commands.moc"
