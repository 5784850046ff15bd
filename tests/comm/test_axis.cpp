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

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

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
    std::shared_ptr<JexMountAxis> axis_;

    void connect(const Sim::Identity& identity, std::shared_ptr<IPerMountDataBasic> fine = nullptr,
                 bool singleAxis = true) {
        stack_ = std::make_unique<MountRig>(identity);
        QCOMPARE(stack_->device->init(singleAxis, 1), CmdRetType::Ok);
        axis_ = std::make_shared<JexMountAxis>(
            stack_->converser, stack_->device, std::make_shared<ControlledCancellable>(), clock_,
            positions_, location_, fine ? fine : std::make_shared<NullPerMountData>());
        QCOMPARE(axis_->prepare(), CmdRetType::Ok);
        stack_->clearTranscript();
    }
    void connect(std::string_view preset = "3.10-08") { connect(*Sim::presetIdentity(preset)); }
    QList<QByteArray> sent() {
        const auto requests = stack_->requests();
        stack_->clearTranscript();
        return requests;
    }
    void setLatitude(double rad) {
        CLocation where = location_->location();
        where.latitudeRad = rad;
        location_->setLocation(where);
    }

private slots:
    void init() {
        clock_ = std::make_shared<Test::ManualClock>(1'700'000'000'000);
        location_ = std::make_shared<Location>(std::make_shared<Test::MemoryKVStore>());
        positions_ = std::make_shared<MountAxisTimeContainer>();
    }

    void prepareNeedsAnInitialisedDevice() {
        MountRig stack;
        JexMountAxis axis(stack.converser, stack.device, std::make_shared<NullCancellable>(),
                          clock_, positions_, location_, std::make_shared<NullPerMountData>());
        QCOMPARE(axis.prepare(), CmdRetType::Other);
        stack.device->init(true, 1);
        QCOMPARE(axis.prepare(), CmdRetType::Ok);
        QVERIFY(!axis.isExtended());
    }

    void fourDegreesPerSecondRunsAt3_4() {
        connect();
        QCOMPARE(axis_->setRate(0, 4 * kDeg), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":G130\r", ":g1\r", ":I1C90400\r", ":J1\r"}));
        const double stepsPerSec = stack_->sim->axis(0).stepsPerSec;
        const double expected = 3.4 / 360 * 2073600;
        QVERIFY2(std::abs(stepsPerSec / expected - 1) < 1e-3,
                 qPrintable(QString::number(stepsPerSec)));
        QCOMPARE(axis_->lastDirection(0).value(), true);
    }

    void rateAtOrBelowTheZeroThresholdOnlyStops() {
        connect();
        QCOMPARE(axis_->setRate(0, 7.292115845221407e-08), CmdRetType::Ok);
        QCOMPARE(axis_->setRate(0, -7.292115845221407e-08), CmdRetType::Ok);
        QCOMPARE(axis_->setRate(0, 0.0), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":K1\r", ":K1\r", ":K1\r"}));
    }

    void sameDirectionChangesSpeedOnTheFly() {
        connect();
        QCOMPARE(axis_->setRate(0, SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":G110\r", ":g1\r", ":I179F300\r", ":J1\r"}));
        QCOMPARE(axis_->setRate(0, 2 * SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(), QList<QByteArray>{":I1BD7900\r"});
        QVERIFY(stack_->sim->axis(0).running);
    }

    void reversingStopsFirst() {
        connect();
        axis_->setRate(0, SIDEREALRATE);
        sent();
        QCOMPARE(axis_->setRate(0, -SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(),
                 (QList<QByteArray>{":f1\r", ":K1\r", ":f1\r", ":G111\r", ":I179F300\r", ":J1\r"}));
        QVERIFY(stack_->sim->axis(0).backward);
        QCOMPARE(axis_->lastDirection(0).value(), false);
    }

    void fastRatesNeverChangeOnTheFly() {
        connect();
        axis_->setRate(0, 2 * kDeg);
        sent();
        QCOMPARE(axis_->setRate(0, 3 * kDeg), CmdRetType::Ok);
        const auto requests = sent();
        QVERIFY2(requests.contains(":K1\r") && requests.last() == ":J1\r",
                 requests.join(' ').constData());
    }

    void southernSkyMirrorsTheDirectionCharacter() {
        setLatitude(-0.6);
        connect();
        axis_->setRate(0, SIDEREALRATE);
        QCOMPARE(sent().at(1), QByteArray(":G112\r"));
        axis_->setRate(0, -SIDEREALRATE);
        QCOMPARE(sent().at(3), QByteArray(":G113\r"));
    }

    void shortStepPeriodsAreRaisedTo6() {
        Sim::Identity slowTimer = *Sim::presetIdentity("3.10-08");
        slowTimer.timerHz = 5000;
        connect(slowTimer);
        QCOMPARE(axis_->setRate(0, -10 * kDeg), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":G131\r", ":g1\r", ":I1060000\r", ":J1\r"}));
    }

    void fineAdjustmentIsLimited_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QByteArray>("period");
        QTest::newRow("2 is used as 1.5") << 2.0 << QByteArray(":I1D60B00\r");
        QTest::newRow("0.1 is used as 0.5") << 0.1 << QByteArray(":I1822300\r");
        QTest::newRow("1 as is") << 1.0 << QByteArray(":I1C11100\r");
    }
    void fineAdjustmentIsLimited() {
        QFETCH(double, factor);
        QFETCH(QByteArray, period);
        connect(*Sim::presetIdentity("3.10-08"), std::make_shared<FixedFineAdjustment>(factor));
        QCOMPARE(axis_->setRate(0, 0.001), CmdRetType::Ok);
        QCOMPARE(sent().at(3), period);
    }

    void gotoShorterThanHalfAStepSendsNothingAfterTheRead() {
        connect();
        const double here = axis_->readPosition(0).get();
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + 0.4 * kTwoPi / 2073600), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":j1\r"}));
    }

    void gotoSendsItsTravel() {
        connect();
        const double here = axis_->readPosition(0).get();
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + 5 * kDeg), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":j1\r", ":G100\r", ":H1807000\r",
                                            ":M1AC0D00\r", ":J1\r"}));
        QCOMPARE(axis_->gotoAngle(0, here + 4 * kDeg), CmdRetType::Ok);
        // Still moving: stop and wait first, then a new goto from where the axis stands.
        const auto requests = sent();
        QVERIFY2(requests.mid(0, 2) == (QList<QByteArray>{":f1\r", ":K1\r"}),
                 requests.join(' ').constData());
        QVERIFY2(requests.last() == ":J1\r" && requests.contains(":M1AC0D00\r"),
                 requests.join(' ').constData());
        QVERIFY(!axis_->requestedRate(0).hasValue());
        QCOMPARE(axis_->lastDirection(0).value(), true);
    }

    void positionsAreAnglesWithTheirReadingTime() {
        connect();
        int changes = 0;
        positions_->changedList.append([&] { ++changes; });
        stack_->sim->setAxisPosition(0, 518400); // a quarter turn: angle 0 in mount mode 1
        clock_->setMs(1'700'000'000'123);
        const auto angle = axis_->readPosition(0);
        QCOMPARE(angle.type, CmdRetType::Ok);
        QVERIFY(std::abs(angle.get()) < 1e-12);
        QCOMPARE(axis_->lastPosition(0).timeMs, int64_t(1'700'000'000'123));
        QCOMPARE(changes, 1);
        QCOMPARE(sent(), QList<QByteArray>{":j1\r"});

        QCOMPARE(axis_->setPosition(0, 0.0), CmdRetType::Ok);
        QCOMPARE(sent(), QList<QByteArray>{":E100E987\r"});
        QCOMPARE(stack_->sim->axis(0).positionSteps, 518400.0);
        QCOMPARE(changes, 2);

        const auto range = axis_->positionRange(0);
        QCOMPARE(range.first,
                 stack_->device->fromControllerAngle(0, stack_->device->stepsToAngle(0, 0x7FFFFF)));
        QCOMPARE(range.second, stack_->device->fromControllerAngle(
                                   0, stack_->device->stepsToAngle(0, -0x800000)));
    }

    void readPositionsReadsBothAxes() {
        connect(*Sim::presetIdentity("3.10-08"), nullptr, false);
        stack_->sim->setAxisPosition(1, -2073600 / 8);
        const auto both = axis_->readPositions();
        QCOMPARE(both.type, CmdRetType::Ok);
        QCOMPARE(both.get().second, -kTwoPi / 8);
        QCOMPARE(sent(), (QList<QByteArray>{":j1\r", ":j2\r"}));
    }

    void newerFirmwareMovesWithTheClassicCommands() {
        connect("3.39-80");
        QVERIFY(axis_->isExtended());
        QCOMPARE(axis_->setRate(0, SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":f1\r", ":G110\r", ":g1\r", ":I16D7A0E\r", ":J1\r"}));
        QVERIFY(stack_->sim->axis(0).running);
        QCOMPARE(axis_->stop(0), CmdRetType::Ok);
        QCOMPARE(sent(), QList<QByteArray>{":K1\r"});
        QCOMPARE(axis_->readPosition(0).type, CmdRetType::Ok);
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4), CmdRetType::Ok); // controller step 0
        QCOMPARE(sent(), (QList<QByteArray>{":X10003\r", ":X10100000000\r"}));
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4 - kTwoPi / 1452951 * 10), CmdRetType::Ok);
        QCOMPARE(sent(), QList<QByteArray>{":X101FFFFFFF6\r"});
        QCOMPARE(stack_->sim->axis(0).positionSteps, -10.0);
    }

    void limitPositions_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<qlonglong>("steps");
        QTest::addColumn<int>("expect"); // 0 angle, 1 at the largest, 2 at the smallest
        QTest::newRow("classic inside") << "3.10-08" << 1000ll << 0;
        QTest::newRow("classic largest") << "3.10-08" << 0x7FFFFFll << 1;
        QTest::newRow("classic smallest") << "3.10-08" << -0x800000ll << 2;
        QTest::newRow("extended inside") << "3.39-80" << -5000ll << 0;
        QTest::newRow("extended largest") << "3.39-80" << 2147483647ll << 1;
        QTest::newRow("extended smallest") << "3.39-80" << -2147483648ll << 2;
    }
    void limitPositions() {
        QFETCH(QString, preset);
        QFETCH(qlonglong, steps);
        QFETCH(int, expect);
        connect(preset.toStdString());
        stack_->sim->setLimitSteps(0, steps);
        const auto limit = axis_->readLimitPosition(0);
        QCOMPARE(limit.type, CmdRetType::Ok);
        QCOMPARE(limit.get().angle.hasValue(), expect == 0);
        QCOMPARE(limit.get().atLimit.hasValue(), expect != 0);
        if (expect == 0)
            QCOMPARE(limit.get().angle.value(),
                     stack_->device->fromControllerAngle(
                         0, stack_->device->stepsToAngle(0, int32_t(steps))));
        else
            QCOMPARE(limit.get().atLimit.value(), expect == 1);
        QCOMPARE(sent(), QList<QByteArray>{preset == "3.10-08" ? ":q1000000\r" : ":X1000B\r"});
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
        QCOMPARE(sent(),
                 (QList<QByteArray>{":f1\r", ":K1\r", ":f1\r", ":G110\r", ":I1BD7900\r", ":J1\r"}));
    }

    void stopAndWaitHonoursCancellation() {
        Sim::Behaviour slowStop;
        slowStop.stopSec = 3600;
        stack_ = std::make_unique<MountRig>(*Sim::presetIdentity("3.10-08"), slowStop);
        stack_->device->init(true, 1);
        auto token = std::make_shared<ControlledCancellable>();
        axis_ = std::make_shared<JexMountAxis>(stack_->converser, stack_->device, token, clock_,
                                               positions_, location_,
                                               std::make_shared<NullPerMountData>());
        axis_->prepare();
        QCOMPARE(axis_->setRate(0, SIDEREALRATE), CmdRetType::Ok);
        std::thread canceller([token] {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            token->cancel();
        });
        QCOMPARE(axis_->setRate(0, -SIDEREALRATE), CmdRetType::Cancel);
        canceller.join();
        QVERIFY(!axis_->lastDirection(0).hasValue());
    }

    void requestedRateIsOnlyRecorded() {
        connect();
        axis_->setRequestedRate(0, -0.01);
        QCOMPARE(axis_->requestedRate(0).value(), -0.01);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        axis_->setRequestedRate(0, 0.0);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        QVERIFY(sent().isEmpty());
        QCOMPARE(axis_->sendW8(0), CmdRetType::Ok);
        QCOMPARE(sent(), QList<QByteArray>{":W1080000\r"});
    }
};

QTEST_GUILESS_MAIN(TestAxis)
#include "test_axis.moc"
