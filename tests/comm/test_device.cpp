// The device command set against the simulated controller and a scripted link.

#include "IJexDevice.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "MountRig.h"
#include "SLConverser.h"
#include "ScriptedRawConverser.h"

#include <QTest>

#include <cmath>

using namespace JEX;
using JEX::Test::MountRig;

Q_DECLARE_METATYPE(JEX::AxisStatus)

namespace {

Sim::Identity identity(uint8_t major, uint8_t minor, uint8_t board,
                       std::string_view base = "3.10-08") {
    Sim::Identity id = *Sim::presetIdentity(base);
    id.firmwareMajor = major;
    id.firmwareMinor = minor;
    id.boardId = board;
    return id;
}

std::string breach(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "no exception";
}

} // namespace

class TestDevice : public QObject {
    Q_OBJECT
private slots:
    void firmwareReplies_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("extended");
        for (const auto& [preset, text, extended] :
             {std::tuple{"3.39-80", "3.39.80", true}, std::tuple{"3.10-08", "3.10.08", false},
              std::tuple{"3.10-0A", "3.10.0A", false}, std::tuple{"3.09-08", "3.9.08", false}})
            QTest::newRow(preset) << QString(preset) << QString(text) << extended;
    }
    void firmwareReplies() {
        QFETCH(QString, preset);
        QFETCH(QString, text);
        QFETCH(bool, extended);
        MountRig stack(preset.toStdString());
        const auto fw = stack.device->readFirmware(0);
        QCOMPARE(fw.type, CmdRetType::Ok);
        QCOMPARE(QString::fromStdString(fw.get().text()), text);
        QCOMPARE(stack.device->supportsExtendedCommands(), extended);
        // Cached: a second read sends nothing.
        stack.device->readFirmware(0);
        QCOMPARE(stack.sim->transcript()->size(), size_t(1));
    }

    void malformedReplies_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("firmware, five digits") << 'e' << QByteArray("=03278\r");
        QTest::newRow("firmware, seven digits") << 'e' << QByteArray("=0327800\r");
        QTest::newRow("firmware, lower case") << 'e' << QByteArray("=0327a0\r");
        QTest::newRow("status, four bytes") << 'f' << QByteArray("=11\r");
        QTest::newRow("extended status, short") << 'q' << QByteArray("=00000\r");
        QTest::newRow("extended status, not hex") << 'q' << QByteArray("=00G000\r");
    }
    void malformedReplies() {
        QFETCH(char, letter);
        QFETCH(QByteArray, reply);
        auto raw = std::make_shared<Test::ScriptedRawConverser>();
        raw->replyOk(reply.toStdString());
        JexDevice device(std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw)));
        const CmdRetType type = letter == 'e'   ? device.readFirmware(0).type
                                : letter == 'f' ? device.readAxisStatus(0).type
                                                : device.readExtendedStatus().type;
        QCOMPARE(type, CmdRetType::Other);
        // Nothing was cached from the bad reply.
        QCOMPARE(breach([&] {
                     letter == 'e'   ? void(device.firmware(0))
                     : letter == 'f' ? void(device.axisStatus(0))
                                     : void(device.extendedStatus());
                 }),
                 std::string("Read null Nullable"));
    }

    void axisStatusBits_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<AxisStatus>("status"); // motion, forward, high speed, uninitialised
        const auto row = [](const char* name, const char* reply, AxisStatus status) {
            QTest::newRow(name) << QByteArray(reply) << status;
        };
        row("stopped, not initialised", "=100\r", {0, true, false, true});
        row("rate forward", "=111\r", {1, true, false, false});
        row("goto backward", "=211\r", {2, false, false, false});
        row("rate backward fast", "=711\r", {1, false, true, false});
        row("goto fast", "=411\r", {2, true, true, false});
        row("extra characters", "=101999\r", {0, true, false, false});
    }
    void axisStatusBits() {
        QFETCH(QByteArray, reply);
        QFETCH(AxisStatus, status);
        auto raw = std::make_shared<Test::ScriptedRawConverser>();
        raw->replyOk(reply.toStdString());
        JexDevice device(std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw)));
        const auto read = device.readAxisStatus(1);
        QCOMPARE(read.type, CmdRetType::Ok);
        QVERIFY(read.get() == status);
        QVERIFY(device.axisStatus(1) == status);
        QCOMPARE(Test::qbytes(raw->requests().at(0)), QByteArray(":f2\r"));
    }

    void extendedStatusDigits() {
        Sim::Identity id = *Sim::presetIdentity("3.10-08");
        id.extendedStatus = 0x2D5000; // digits 2, D, 5
        MountRig stack(id);
        int raised = 0;
        stack.device->extendedStatusList.append([&](bool v) {
            QCOMPARE(v, false);
            ++raised;
        });
        const auto status = stack.device->readExtendedStatus();
        QCOMPARE(status.type, CmdRetType::Ok);
        QCOMPARE(status.get(), (ExtendedStatus{true, false, true, true, true, false, true}));
        QCOMPARE(stack.device->extendedPair(), (ExtendedPair{false, true}));
        QCOMPARE(raised, 1);
        QCOMPARE(stack.requests(), QList<QByteArray>{":q1010000\r"});
        stack.device->readExtendedStatus();
        QCOMPARE(stack.sim->transcript()->size(), size_t(1));
    }

    void rejectedExtendedStatusMeansNoCapabilities() {
        MountRig stack("3.09-08");
        const auto status = stack.device->readExtendedStatus();
        QCOMPARE(status.type, CmdRetType::Ok);
        QCOMPARE(status.get(), ExtendedStatus{});
        QCOMPARE(stack.device->extendedPair(), ExtendedPair{});
        stack.device->readExtendedStatus();
        QCOMPARE(stack.requests(), QList<QByteArray>{":q1010000\r"});
    }

    void initSendsExactlyItsCommands_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("singleAxis");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::newRow("classic, one axis")
            << "3.10-08" << true << QList<QByteArray>{":e1\r", ":a1\r", ":f1\r", ":b1\r"};
        QTest::newRow("classic, two axes")
            << "3.10-08" << false
            << QList<QByteArray>{":e1\r", ":a1\r", ":f1\r", ":e2\r", ":a2\r", ":f2\r", ":b1\r"};
        QTest::newRow("extended, one axis")
            << "3.39-80" << true << QList<QByteArray>{":e1\r", ":X10002\r", ":f1\r", ":b1\r"};
    }
    void initSendsExactlyItsCommands() {
        QFETCH(QString, preset);
        QFETCH(bool, singleAxis);
        QFETCH(QList<QByteArray>, requests);
        MountRig stack(preset.toStdString());
        QCOMPARE(stack.device->init(singleAxis, 1), CmdRetType::Ok);
        QVERIFY(stack.device->isInitialised());
        QCOMPARE(stack.requests(), requests);
        QCOMPARE(stack.device->init(singleAxis, 1), CmdRetType::Ok);
        QCOMPARE(stack.requests(), requests);
    }

    void initUsesACachedFirmware() {
        MountRig stack;
        stack.device->readFirmware(0);
        stack.clearTranscript();
        QCOMPARE(stack.device->init(true, 1), CmdRetType::Ok);
        QCOMPARE(stack.requests(), (QList<QByteArray>{":a1\r", ":f1\r", ":b1\r"}));
    }

    void initStopsAtTheFirstFailure() {
        MountRig stack;
        Sim::Faults faults;
        faults.reject = 1.0;
        faults.letters = "b";
        stack.sim->setFaults(faults);
        QCOMPARE(stack.device->init(true, 1), CmdRetType::Nak);
        QVERIFY(!stack.device->isInitialised());
    }

    void stepsPerRevolutionPaths_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("board");
        QTest::addColumn<QByteArray>("stepsRequest");
        QTest::addColumn<qlonglong>("quarterTurn"); // steps per revolution / 4, rounded
        // The simulated controller reports 2073600 steps (a quarter is 518400).
        const auto row = [](const char* name, int major, int minor, int board, const char* request,
                            qlonglong quarterTurn) {
            QTest::newRow(name) << major << minor << board << QByteArray(request) << quarterTurn;
        };
        row("3.38 board 80 replaced by 1452951", 3, 38, 0x80, ":a1\r", 363238);
        row("3.38 board 82 replaced by 2118424", 3, 38, 0x82, ":a1\r", 529606);
        row("3.38 board 08 as read", 3, 38, 0x08, ":a1\r", 518400);
        row("3.39 board 80 not replaced", 3, 39, 0x80, ":X10002\r", 518400);
        row("4.0 board 82 extended", 4, 0, 0x82, ":X10002\r", 518400);
    }
    void stepsPerRevolutionPaths() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, board);
        QFETCH(QByteArray, stepsRequest);
        QFETCH(qlonglong, quarterTurn);
        MountRig stack(identity(uint8_t(major), uint8_t(minor), uint8_t(board)));
        QCOMPARE(stack.device->init(true, 0), CmdRetType::Ok);
        QCOMPARE(stack.requests().at(1), stepsRequest);
        QCOMPARE(stack.device->angleToSteps(0, kTwoPi / 4), int64_t(quarterTurn));
    }

    void conversions() {
        MountRig stack;
        QCOMPARE(stack.device->init(true, 1), CmdRetType::Ok);
        IJexDevice& d = *stack.device;
        QCOMPARE(d.angleToSteps(0, kTwoPi), int64_t(2073600));
        QCOMPARE(d.angleToSteps(0, -kTwoPi / 2073600 * 2.5), int64_t(-3)); // halves away from zero
        QCOMPARE(d.angleToStepsNearest(0, kTwoPi / 2073600 * 2.5), int64_t(3));
        QCOMPARE(d.stepsToAngle(0, 1036800), kTwoPi / 2);
        QCOMPARE(d.toControllerAngle(0, 0.25), 0.25 + 1.5707963267948966);
        QCOMPARE(d.fromControllerAngle(0, 0.25), 0.25 - 1.5707963267948966);
        QCOMPARE(d.toControllerAngle(1, 0.25), 0.25);
        QCOMPARE(d.rpsToStride(0, SIDEREALRATE), int64_t(62329));
        QCOMPARE(d.rpsToStride(0, 0.0), int64_t(0));
        QCOMPARE(breach([&] { d.rpsToStride(0, -1e-9); }),
                 std::string("rpsToStride: expected positive rps"));
        QCOMPARE(d.strideToRps(0, 0), 0.0);
        QVERIFY(std::abs(d.strideToRps(0, 62329) / SIDEREALRATE - 1) < 1e-5);

        MountRig modeZero;
        QCOMPARE(modeZero.device->init(true, 0), CmdRetType::Ok);
        QCOMPARE(modeZero.device->toControllerAngle(0, 0.25), 0.25);
    }

    void conversionsNeedAnInitialisedDevice() {
        MountRig stack;
        QCOMPARE(breach([&] { stack.device->angleToSteps(0, 1.0); }),
                 std::string("Read null Nullable"));
        QCOMPARE(breach([&] { stack.device->toControllerAngle(0, 1.0); }),
                 std::string("Read null Nullable"));
        QCOMPARE(stack.device->toControllerAngle(1, 1.0), 1.0);
        QCOMPARE(breach([&] { stack.device->boardId(); }), std::string("Read null Nullable"));
    }

    void rateResolutionAndDiagnostics() {
        MountRig classic;
        classic.device->init(true, 1);
        // Sidereal stride 62329 (1500000 Hz * 86164.09 s / 2073600 steps); one more is
        // 1 / 62330 slower.
        QVERIFY(std::abs(classic.device->rateResolution() - 1.6043638697256537e-05) < 1e-12);
        const QString text = QString::fromStdString(classic.device->rateDiagnostics());
        QVERIFY2(text.startsWith(
                     "AXIS1 stepsPerRev: 2073600\nstepTimerHz: 1500000\nstride_sidereal: 62329\n"
                     "a vs b == (a/b)-1\n  rate(stride_sidereal) vs SIDEREALRATE: "),
                 qPrintable(text));
        QVERIFY2(text.endsWith(" ppm"), qPrintable(text));

        MountRig extended("3.39-80");
        extended.device->init(true, 1);
        // 86164.09065 s over 1024 parts of each of 1452951 steps.
        QVERIFY(std::abs(extended.device->rateResolution() - 5.7912909503066945e-05) < 1e-12);
        QCOMPARE(extended.device->rateDiagnostics(), std::string());
    }

    void baudRateAndFCommands() {
        MountRig stack;
        stack.sim->setBaudRate(9600);
        QCOMPARE(stack.device->setBaudRate(0, 115200), CmdRetType::Ok);
        QCOMPARE(stack.device->sendF(0), CmdRetType::Ok);
        QCOMPARE(stack.requests(), (QList<QByteArray>{":W10D8004\r", ":F1\r"}));
        QCOMPARE(stack.sim->baudRate(), 115200u);
        QVERIFY(stack.sim->axis(0).initialised);
    }
};

QTEST_GUILESS_MAIN(TestDevice)
#include "test_device.moc"
