// The mount axis against the simulated controller, asserting the exact commands on the wire.

#include "JexMountAxis.h"
#include "Location.h"
#include "ManualClock.h"
#include "MemoryKVStore.h"
#include "MountRig.h"

#include <QTest>

#include <cmath>

using namespace JEX;
using JEX::Test::MountRig;
using Requests = QList<QByteArray>;

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;
constexpr double kNone = -1e9; // no rate set before the one under test

class FixedFineAdjustment : public IPerMountDataBasic {
public:
    explicit FixedFineAdjustment(double factor) : factor_(factor) {}
    double speedFineAdjustmentFactor() const override { return factor_; }

private:
    double factor_;
};

} // namespace

class TestAxis : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> stack_;
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::shared_ptr<MountAxisTimeContainer> positions_;
    std::shared_ptr<ControlledCancellable> token_;
    std::shared_ptr<JexMountAxis> axis_;

    void connect(const Sim::Identity& identity, double fine = 1.0, bool singleAxis = true,
                 Sim::Behaviour behaviour = {}) {
        stack_ = std::make_unique<MountRig>(identity, behaviour);
        QCOMPARE(stack_->device->init(singleAxis, 1), CmdRetType::Ok);
        axis_ = std::make_shared<JexMountAxis>(stack_->converser, stack_->device, token_, clock_,
                                               positions_, location_,
                                               std::make_shared<FixedFineAdjustment>(fine));
        QCOMPARE(axis_->prepare(), CmdRetType::Ok);
        stack_->clearTranscript();
    }
    void connect(std::string_view preset = "3.10-08") { connect(*Sim::presetIdentity(preset)); }
    Requests sent() {
        const auto requests = stack_->requests();
        stack_->clearTranscript();
        return requests;
    }

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>(1'700'000'000'000);
        location_ = std::make_shared<Location>(std::make_shared<Test::MemoryKVStore>());
        positions_ = std::make_shared<MountAxisTimeContainer>();
        token_ = std::make_shared<ControlledCancellable>();
    }

    void prepareNeedsAnInitialisedDevice() {
        MountRig stack;
        JexMountAxis axis(stack.converser, stack.device, token_, clock_, positions_, location_,
                          std::make_shared<NullPerMountData>());
        QCOMPARE(axis.prepare(), CmdRetType::Other);
        stack.device->init(true, 1);
        QCOMPARE(axis.prepare(), CmdRetType::Ok);
        QVERIFY(!axis.isExtended());
    }

    // Sidereal on 3.10-08: 1500000 Hz * 86164.09 s / 2073600 steps = stride 62329 (0xF379),
    // 24.0657 steps/s; on 3.39-80 (1452951 steps) it is 16.8626 steps/s.
    void rates_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<uint>("timerHz"); // 0: the preset's
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("fine");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("rate");
        QTest::addColumn<Requests>("requests");
        QTest::addColumn<double>("stepsPerSec"); // signed speed of the simulated axis then
        QTest::addColumn<int>("direction");      // lastDirection: 1 forward, 0 backward

        const double sidereal = SIDEREALRATE;
        const auto row = [](const char* name, double before, double rate, Requests requests,
                            double stepsPerSec, int direction, QString preset = "3.10-08",
                            uint timerHz = 0, double latitude = 0.6, double fine = 1.0) {
            QTest::newRow(name) << preset << timerHz << latitude << fine << before << rate
                                << requests << stepsPerSec << direction;
        };
        row("sidereal", kNone, sidereal, {":f1\r", ":G110\r", ":g1\r", ":I179F300\r", ":J1\r"},
            24.0657, 1);
        // 4 deg/s is held to 3.4 deg/s, 3.4 * 5760 steps per degree = 19584 steps/s.
        row("4 deg/s runs at 3.4", kNone, 4 * kDeg,
            {":f1\r", ":G130\r", ":g1\r", ":I1C90400\r", ":J1\r"}, 19584, 1);
        row("same direction changes speed on the fly", sidereal, 2 * sidereal, {":I1BD7900\r"},
            48.1314, 1);
        row("reversing stops first", sidereal, -sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G111\r", ":I179F300\r", ":J1\r"}, -24.0657, 0);
        row("fast rates never change on the fly", 2 * kDeg, 3 * kDeg,
            {":f1\r", ":K1\r", ":f1\r", ":G130\r", ":I16D0500\r", ":J1\r"}, 17280, 1);
        row("from a fast rate to a slow one stops first", 2 * kDeg, sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G110\r", ":I179F300\r", ":J1\r"}, 24.0657, 1);
        // A rate at or below sidereal / 1000 only stops: it counts as 0, so the next rate in the
        // same direction starts the axis again.
        row("zero threshold only stops", kNone, 7.292115845221407e-08, {":K1\r"}, 0, -1);
        row("zero threshold backward", kNone, -7.292115845221407e-08, {":K1\r"}, 0, -1);
        row("a rate that only stopped is started again", 7.0e-08, sidereal,
            {":f1\r", ":G110\r", ":g1\r", ":I179F300\r", ":J1\r"}, 24.0657, 1);
        // 1e-7 rad/s needs 1500000 * 2 pi / (2073600 * 1e-7) = 45.4 million ticks a step, more
        // than three bytes hold: the slowest period 0xFFFFFF, 1500000 / 16777215 steps/s.
        row("slower than the slowest period", kNone, 1.0e-07,
            {":f1\r", ":G110\r", ":g1\r", ":I1FFFFFF\r", ":J1\r"}, 0.0894070, 1);
        row("zero only stops", sidereal, 0.0, {":K1\r"}, 0, 1);
        row("southern sky mirrors the direction character", kNone, sidereal,
            {":f1\r", ":G112\r", ":g1\r", ":I179F300\r", ":J1\r"}, 24.0657, 1, "3.10-08", 0, -0.6);
        row("southern sky backward", sidereal, -sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G113\r", ":I179F300\r", ":J1\r"}, -24.0657, 0, "3.10-08",
            0, -0.6);
        // At 5000 Hz and 16x, -10 deg/s (57600 steps/s) would need a period below 2: raised to 6.
        row("short periods are raised to 6", kNone, -10 * kDeg,
            {":f1\r", ":G131\r", ":g1\r", ":I1060000\r", ":J1\r"}, -13333.3, 0, "3.10-08", 5000);
        // 0.001 rad/s is period 0x11C1 at factor 1; held to 1.5 and 0.5, 0x0BD6 and 0x2382.
        row("fine adjustment 2 is used as 1.5", kNone, 0.001,
            {":f1\r", ":G110\r", ":g1\r", ":I1D60B00\r", ":J1\r"}, 495.05, 1, "3.10-08", 0, 0.6,
            2.0);
        row("fine adjustment 0.1 is used as 0.5", kNone, 0.001,
            {":f1\r", ":G110\r", ":g1\r", ":I1822300\r", ":J1\r"}, 165.02, 1, "3.10-08", 0, 0.6,
            0.1);
        row("newer firmware moves with the classic commands", kNone, sidereal,
            {":f1\r", ":G110\r", ":g1\r", ":I16D7A0E\r", ":J1\r"}, 16.8626, 1, "3.39-80");
    }
    void rates() {
        QFETCH(QString, preset);
        QFETCH(uint, timerHz);
        QFETCH(double, latitude);
        QFETCH(double, fine);
        QFETCH(double, before);
        QFETCH(double, rate);
        QFETCH(Requests, requests);
        QFETCH(double, stepsPerSec);
        QFETCH(int, direction);
        CLocation where = location_->location();
        where.latitudeRad = latitude;
        location_->setLocation(where);
        Sim::Identity identity = *Sim::presetIdentity(preset.toStdString());
        if (timerHz)
            identity.timerHz = timerHz;
        connect(identity, fine);
        if (before != kNone) {
            QCOMPARE(axis_->setRate(0, before), CmdRetType::Ok);
            sent();
        }
        QCOMPARE(axis_->setRate(0, rate), CmdRetType::Ok);
        QCOMPARE(sent(), requests);
        const double speed = stack_->sim->axis(0).stepsPerSec;
        QVERIFY2(stepsPerSec == 0 ? speed == 0 : std::abs(speed / stepsPerSec - 1) < 1e-3,
                 qPrintable(QString::number(speed)));
        QCOMPARE(axis_->lastDirection(0).hasValue(), direction >= 0);
        if (direction >= 0)
            QCOMPARE(axis_->lastDirection(0).value(), direction == 1);
    }

    void failedRateForgetsTheCommandedRate() {
        connect();
        axis_->setRate(0, SIDEREALRATE);
        stack_->sim->setSilent(true);
        QCOMPARE(axis_->setRate(0, 2 * SIDEREALRATE), CmdRetType::Timeout);
        QCOMPARE(axis_->lastDirection(0).value(), true); // same sign as before: kept
        stack_->sim->setSilent(false);
        sent();
        // Without a known commanded rate the axis is stopped and started again.
        QCOMPARE(axis_->setRate(0, 2 * SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(), (Requests{":f1\r", ":K1\r", ":f1\r", ":G110\r", ":I1BD7900\r", ":J1\r"}));
    }

    // One step is 2 pi / 2073600; 5 deg is 28800 steps (0x7080), the goto parameter 0x0DAC.
    void gotos_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<Requests>("requests");
        QTest::newRow("less than half a step: only the read")
            << 0.4 * 360 / 2073600 << Requests{":f1\r", ":j1\r"};
        QTest::newRow("5 degrees forward")
            << 5.0 << Requests{":f1\r", ":j1\r", ":G100\r", ":H1807000\r", ":M1AC0D00\r", ":J1\r"};
    }
    void gotos() {
        QFETCH(double, degrees);
        QFETCH(Requests, requests);
        connect();
        const double here = axis_->readPosition(0).get();
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + degrees * kDeg), CmdRetType::Ok);
        QCOMPARE(sent(), requests);
        QVERIFY(!axis_->requestedRate(0).hasValue());
        QCOMPARE(axis_->lastDirection(0).value(), true);
    }

    // A goto while the axis moves stops it, waits for it to stand, then goes from there.
    void gotoWhileMovingStopsFirst() {
        connect();
        const double here = axis_->readPosition(0).get();
        QCOMPARE(axis_->gotoAngle(0, here + 60 * kDeg), CmdRetType::Ok); // 20 s at 3 deg/s
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + 4 * kDeg), CmdRetType::Ok);
        const Requests requests = sent();
        QCOMPARE(requests.size(), 8);
        QCOMPARE(requests.mid(0, 5), (Requests{":f1\r", ":K1\r", ":f1\r", ":j1\r", ":G100\r"}));
        QCOMPARE(requests.mid(6), (Requests{":M1AC0D00\r", ":J1\r"}));
    }

    void stopAndWaitHonoursCancellation() {
        Sim::Behaviour slowStop;
        slowStop.stopSec = 3600;
        connect(*Sim::presetIdentity("3.10-08"), 1.0, true, slowStop);
        QCOMPARE(axis_->setRate(0, SIDEREALRATE), CmdRetType::Ok);
        stack_->clearTranscript();
        std::jthread canceller([this] {
            // Cancels once the axis has been told to stop and is being watched.
            stack_->sim->transcript()->waitForSize(3, std::chrono::seconds(30));
            token_->cancel();
        });
        QCOMPARE(axis_->setRate(0, -SIDEREALRATE), CmdRetType::Cancel);
        QVERIFY(!axis_->lastDirection(0).hasValue());
    }

    // 518400 steps, a quarter turn, is angle 0 in mount mode 1.
    void positionsAreAnglesWithTheirReadingTime() {
        connect();
        int changes = 0;
        positions_->changedList.append([&] { ++changes; });
        stack_->sim->setAxisPosition(0, 518400);
        clock_->setMs(1'700'000'000'123);
        const auto angle = axis_->readPosition(0);
        QCOMPARE(angle.type, CmdRetType::Ok);
        QVERIFY(std::abs(angle.get()) < 1e-12);
        QCOMPARE(axis_->lastPosition(0).timeMs, int64_t(1'700'000'000'123));
        QCOMPARE(changes, 1);
        QCOMPARE(sent(), Requests{":j1\r"});

        QCOMPARE(axis_->setPosition(0, 0.0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":E100E987\r"});
        QCOMPARE(stack_->sim->axis(0).positionSteps, 518400.0);
        QCOMPARE(changes, 2);

        // 0x7FFFFF steps * 2 pi / 2073600 - pi / 2, and the same for -0x800000.
        const auto range = axis_->positionRange(0);
        QVERIFY(std::abs(range.first - 23.847400167275232) < 1e-9);
        QVERIFY(std::abs(range.second - -26.988995850950538) < 1e-9);
    }

    void readPositionsReadsBothAxes() {
        connect(*Sim::presetIdentity("3.10-08"), 1.0, false);
        stack_->sim->setAxisPosition(1, -2073600 / 8);
        const auto both = axis_->readPositions();
        QCOMPARE(both.type, CmdRetType::Ok);
        QCOMPARE(both.get().second, -kTwoPi / 8);
        QCOMPARE(sent(), (Requests{":j1\r", ":j2\r"}));
    }

    void extendedPositions() {
        connect("3.39-80");
        QVERIFY(axis_->isExtended());
        QCOMPARE(axis_->readPosition(0).type, CmdRetType::Ok);
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4), CmdRetType::Ok); // controller step 0
        QCOMPARE(sent(), (Requests{":X10003\r", ":X10100000000\r"}));
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4 - kTwoPi / 1452951 * 10), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":X101FFFFFFF6\r"});
        QCOMPARE(stack_->sim->axis(0).positionSteps, -10.0);
        QCOMPARE(axis_->stop(0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":K1\r"});
    }

    void limitPositions_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<qlonglong>("steps");
        QTest::addColumn<int>("expect"); // 0 angle, 1 at the largest, 2 at the smallest
        QTest::addColumn<double>("angle");
        // 1000 * 2 pi / 2073600 - pi / 2, and -5000 * 2 pi / 1452951 - pi / 2.
        QTest::newRow("classic inside") << "3.10-08" << 1000ll << 0 << -1.567766241287962;
        QTest::newRow("classic largest") << "3.10-08" << 0x7FFFFFll << 1 << 0.0;
        QTest::newRow("classic smallest") << "3.10-08" << -0x800000ll << 2 << 0.0;
        QTest::newRow("extended inside") << "3.39-80" << -5000ll << 0 << -1.5924184782204422;
        QTest::newRow("extended largest") << "3.39-80" << 2147483647ll << 1 << 0.0;
        QTest::newRow("extended smallest") << "3.39-80" << -2147483648ll << 2 << 0.0;
    }
    void limitPositions() {
        QFETCH(QString, preset);
        QFETCH(qlonglong, steps);
        QFETCH(int, expect);
        QFETCH(double, angle);
        connect(preset.toStdString());
        stack_->sim->setLimitSteps(0, steps);
        const auto limit = axis_->readLimitPosition(0);
        QCOMPARE(limit.type, CmdRetType::Ok);
        QCOMPARE(limit.get().angle.hasValue(), expect == 0);
        QCOMPARE(limit.get().atLimit.hasValue(), expect != 0);
        if (expect == 0)
            QVERIFY(std::abs(limit.get().angle.value() - angle) < 1e-12);
        else
            QCOMPARE(limit.get().atLimit.value(), expect == 1);
        QCOMPARE(sent(), Requests{preset == "3.10-08" ? ":q1000000\r" : ":X1000B\r"});
    }

    void requestedRateIsOnlyRecorded() {
        connect();
        axis_->setRequestedRate(0, -0.01);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        axis_->setRequestedRate(0, 0.0);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        QVERIFY(sent().isEmpty());
        QCOMPARE(axis_->sendW8(0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":W1080000\r"});
    }
};

QTEST_GUILESS_MAIN(TestAxis)
#include "test_axis.moc"
