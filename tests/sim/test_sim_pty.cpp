// The simulated controller behind a pseudo-terminal: it answers only at its own baud rate,
// switches rate after acknowledging the baud command, and treats the line as a serial
// controller does.

#include "PtyServer.h"
#include "SimTestUtil.h"

#include <QTest>

using namespace JEX::Sim;
using SimTest::SerialClient;
using SimTest::show;

namespace {
constexpr int WaitMs = 3000;
} // namespace

class TestSimPty : public QObject {
    Q_OBJECT

    std::shared_ptr<MotorController> controller_;
    std::unique_ptr<PtyServer> server_;
    std::unique_ptr<SerialClient> line_;

    // Waits until the controller has handled n requests in all.
    bool handled(size_t n) {
        return controller_->transcript()->waitForSize(n, std::chrono::milliseconds(WaitMs));
    }

private slots:
    void init() {
        SimConfig config;
        config.identity.baudRate = 9600;
        controller_ = std::make_shared<MotorController>(config);
        server_ = std::make_unique<PtyServer>(controller_);
        std::string error;
        QVERIFY2(server_->start(&error), error.c_str());
        line_ = std::make_unique<SerialClient>(server_->slavePath());
        QVERIFY2(line_->isOpen(), server_->slavePath().c_str());
    }
    void cleanup() {
        line_.reset();
        server_.reset();
    }

    void answersOnlyAtItsSpeed() {
        QVERIFY(line_->setSpeed(B115200));
        QVERIFY(line_->write(":e1\r"));
        QVERIFY(handled(1));
        QCOMPARE(controller_->transcript()->last()->note, std::string("wrong-baud"));
        QCOMPARE(line_->drain(50), QByteArray());

        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":e1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=030A08\r"));
    }

    void baudCommandSwitchesAfterItsReply() {
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":W10D8004\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=\r"));
        QCOMPARE(controller_->baudRate(), 115200u);

        QVERIFY(line_->write(":e1\r"));
        QVERIFY(handled(2));
        QCOMPARE(controller_->transcript()->last()->note, std::string("wrong-baud"));
        QCOMPARE(line_->drain(50), QByteArray());

        QVERIFY(line_->setSpeed(B115200));
        QVERIFY(line_->write(":e1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=030A08\r"));
    }

    void refusedBaudKeepsTheRate() {
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":W10D0024\r")); // 921600, above this controller's limit
        QCOMPARE(line_->readReply(WaitMs), QByteArray("!4\r"));
        QCOMPARE(controller_->baudRate(), 9600u);
        QVERIFY(line_->write(":j1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=000080\r"));
    }

    void lineNoiseAndLongLines() {
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(QByteArray("\x55\xAA noise\r\n", 10)));
        QVERIFY(line_->write(":E1" + QByteArray(200, '0') + "\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("!1\r"));
        // A ':' starts afresh, whatever came before it on the line.
        QVERIFY(line_->write(":e1garbage:f1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=100\r"));
        // Noise without a frame never reached the controller.
        QCOMPARE(controller_->transcript()->size(), size_t(2));
    }

    void requestSplitAcrossWrites() {
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":e"));
        QVERIFY(line_->write("1"));
        QVERIFY(line_->write("\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=030A08\r"));
    }

    void nulNoiseOnTheLine() {
        Faults faults;
        faults.nulNoise = 1;
        faults.nulCount = 4;
        controller_->setFaults(faults);
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":e1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray(4, '\0') + "=030A08\r");
    }

    void lateReplyOnTheLine() {
        Faults faults;
        faults.late = 1;
        faults.lateDelayMs = 300;
        controller_->setFaults(faults);
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":e1\r"));
        QCOMPARE(line_->readReply(200), QByteArray());
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=030A08\r"));
    }

    void reopenedTerminalStillAnswers() {
        QVERIFY(line_->setSpeed(B9600));
        line_ = std::make_unique<SerialClient>(server_->slavePath());
        QVERIFY(line_->isOpen());
        QVERIFY(line_->setSpeed(B9600));
        QVERIFY(line_->write(":e1\r"));
        QCOMPARE(line_->readReply(WaitMs), QByteArray("=030A08\r"));
    }
};

QTEST_GUILESS_MAIN(TestSimPty)
#include "test_sim_pty.moc"
