// The INDI driver's device against the simulated mount on loopback UDP, through the connection
// objects the driver builds: the pointing from a sync, what a lost link does to a motion or a
// pulse and what the mount gets when it is back, a mount busy with its own program, and the
// longitudes INDI speaks.

#include "AstroCalc.h"
#include "AstroMath.h"
#include "Location.h"
#include "ManualClock.h"
#include "MountStack.h"
#include "Reconnector.h"
#include "TrackerDevice.h"
#include "UdpServer.h"
#include "Wire.h"

#include <QTest>

using namespace JEX;
using Direction = TrackerDevice::Direction;

namespace {

// 1500000 ticks/s × 86164.0905 s / 2073600 steps = 62329.35: the sidereal step period; the
// period of twice that rate is 31164.67, of 1.5 times 41552.90, of half 124658.70.
constexpr uint32_t kSiderealPeriod = 62329;

} // namespace

class TestTrackerDevice : public QObject {
    Q_OBJECT

    std::shared_ptr<Sim::MotorController> sim;
    std::unique_ptr<Sim::UdpServer> server;
    std::shared_ptr<Location> location;
    std::unique_ptr<MountStack> stack;
    std::unique_ptr<Reconnector> reconnector;
    std::unique_ptr<TrackerDevice> device;
    QStringList events;

    QStringList takeEvents() {
        for (const TrackerDevice::Event& e : device->takeEvents())
            if (e.kind != TrackerDevice::Event::Kind::MountChanged)
                events << QString::fromStdString(e.message);
        return events;
    }
    // Axis 1's commands that change what it does, as sent without their CR.
    QStringList axisWrites() const {
        QStringList out;
        for (const Sim::Exchange& e : sim->transcript()->entries()) {
            const QString r = QString::fromLatin1(Test::qbytes(e.request)).chopped(1);
            if (r.size() >= 3 && QString("GHIJKMS").contains(r[1]) && r[2] == '1')
                out << r;
        }
        return out;
    }
    void place(double latitudeDeg) {
        CLocation here;
        here.latitudeRad = latitudeDeg * kPi / 180;
        location->setLocation(here);
    }
    bool axisAt(uint32_t period) const {
        return sim->axis(0).running && sim->axis(0).periodTicks == period;
    }

private slots:
    void init() {
        Sim::SimConfig config;
        config.identity = *Sim::presetIdentity("3.10-08");
        sim = std::make_shared<Sim::MotorController>(config);
        server = std::make_unique<Sim::UdpServer>(sim);
        std::string error;
        QVERIFY2(server->start("127.0.0.1", 0, &error), error.c_str());
        location = std::make_shared<Location>(nullptr);
        place(35);
        auto settings = std::make_shared<ConnectionSettings>(nullptr, [] { return QStringList(); });
        settings->setType(ConnectionType_::E::UDP);
        settings->setSearchIP(false);
        settings->setFixedIP("127.0.0.1");
        stack = std::make_unique<MountStack>(
            MountStack::D{settings, location, std::make_shared<CRealClock>(), server->port()});
        const MountStack& m = *stack;
        const Reconnector::Timing quick{300, 200, 100, 400};
        reconnector = std::make_unique<Reconnector>(Reconnector::D{
            m.connectable, m.connector, m.container, m.conversers, m.taskState, {}, quick});
        // The sky stands still: the pointing moves only with the axis.
        auto sky = std::make_shared<AstroCalc>(
            location,
            std::make_shared<AstroClock>(std::make_shared<Test::ManualClock>(1'700'000'000'000)));
        device = std::make_unique<TrackerDevice>(
            TrackerDevice::D{stack->container, stack->taskState, location, sky, {}});
        events.clear();
        // The longitudes need no mount.
        if (QByteArray(QTest::currentTestFunction()) == "longitudes")
            return;
        stack->connectable->startSession();
        QTRY_VERIFY_WITH_TIMEOUT(stack->container->get(), 30000);
    }
    void cleanup() {
        device.reset();
        reconnector.reset();
        stack.reset();
        server.reset();
    }

    void pointingFollowsTheAxisFromTheSync_data() {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("turnSteps"); // NaN: no sync
        QTest::addColumn<double>("raHours");
        QTest::addColumn<double>("decDeg");
        QTest::newRow("north, no sync: the pole") << 35.0 << qQNaN() << 0.0 << 90.0;
        QTest::newRow("south, no sync: the pole") << -33.0 << qQNaN() << 0.0 << -90.0;
        // Synced at 6 h +30°: 86400 steps forward are 15° = 1 h, 172800 back 2 h.
        QTest::newRow("forward 15°") << 35.0 << 86400.0 << 5.0 << 30.0;
        QTest::newRow("back 30°") << 35.0 << -172800.0 << 8.0 << 30.0;
    }
    void pointingFollowsTheAxisFromTheSync() {
        QFETCH(double, latitudeDeg);
        QFETCH(double, turnSteps);
        QFETCH(double, raHours);
        QFETCH(double, decDeg);
        place(latitudeDeg);
        const auto putAxisAt = [this](double steps) {
            sim->setAxisPosition(0, steps);
            QCOMPARE(stack->container->get()->readAxis1().result().type, CmdRetType::Ok);
        };
        if (!qIsNaN(turnSteps)) {
            putAxisAt(1000);
            QVERIFY(device->sync(6 * kPi / 12, 30 * kPi / 180).ok);
            putAxisAt(1000 + turnSteps);
            QCOMPARE(device->pointing().raRad * 12 / kPi, raHours);
        }
        QCOMPARE(device->pointing().decRad * 180 / kPi, decDeg);
    }

    void lostLinkEndsMotionAndPulse_data() {
        QTest::addColumn<QString>("during");
        QTest::addColumn<uint32_t>("period");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QStringList>("writtenWhenBack");
        const QStringList tracking{":K1", ":G110", ":I179F300", ":J1"};
        QTest::newRow("held motion")
            << "motion" << 31165u << "The link was lost; the motion ended." << tracking;
        QTest::newRow("pulse") << "pulse" << 41553u << "The link was lost during the pulse."
                               << tracking;
        QTest::newRow("tracking alone: nothing owed")
            << "tracking" << kSiderealPeriod << QString() << QStringList();
    }
    void lostLinkEndsMotionAndPulse() {
        QFETCH(QString, during);
        QFETCH(uint32_t, period);
        QFETCH(QString, reported);
        QFETCH(QStringList, writtenWhenBack);
        QVERIFY(device->setTracking(true).ok);
        QTRY_VERIFY_WITH_TIMEOUT(axisAt(kSiderealPeriod), 30000);
        if (during == "motion")
            QVERIFY(device->move(Direction::West, 1).ok);
        if (during == "pulse")
            QVERIFY(device->guide(Direction::West, 600000).ok);
        QTRY_VERIFY_WITH_TIMEOUT(axisAt(period), 30000);

        sim->setSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(!stack->container->get(), 30000);
        QCOMPARE(takeEvents(), reported.isEmpty() ? QStringList() : QStringList{reported});
        QVERIFY(!device->motion() && !device->pulsing());
        sim->transcript()->clear();
        sim->setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(stack->container->get() && !reconnector->active(), 30000);
        // A rate owed goes out at once; anything else sent at the return would be on the wire
        // before two reads made after it had ended.
        QTRY_COMPARE_WITH_TIMEOUT(axisWrites(), writtenWhenBack, 30000);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(stack->container->get()->readAxis1().result().type, CmdRetType::Ok);
        QCOMPARE(axisWrites(), writtenWhenBack);
        QVERIFY(axisAt(kSiderealPeriod));
    }

    void ownProgramKeepsTheAxis() {
        TAVOParamSet program;
        program.mode = TAVOMode_::E::AP;
        program.exposureSec = 5;
        program.cycleSec = 10;
        program.N_Cycles = 100;
        QCOMPARE(stack->container->get()->programAutoMode(program).result().type, CmdRetType::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(device->programRunning(), 30000);
        sim->transcript()->clear();
        for (const TrackerDevice::Outcome& r :
             {device->setTracking(true), device->move(Direction::East, 2),
              device->guide(Direction::West, 500)})
            QCOMPARE(r.message, std::string("The mount runs one of its own programs; it keeps "
                                            "the axis until the program ends."));
        // A command sent would share the link with this read and be on the wire by its end.
        QCOMPARE(stack->container->get()->readStatus().result().type, CmdRetType::Ok);
        QCOMPARE(axisWrites(), QStringList());
    }

    // A pulse of 0 ms ends the one that runs: the axis is back at the tracking rate.
    void zeroPulseEndsThePulse() {
        QVERIFY(device->setTracking(true).ok);
        QVERIFY(device->guide(Direction::East, 600000).ok);
        QTRY_VERIFY_WITH_TIMEOUT(axisAt(124659), 30000);
        QVERIFY(device->guide(Direction::East, 0).ok);
        QTRY_VERIFY_WITH_TIMEOUT(axisAt(kSiderealPeriod), 30000);
        QCOMPARE(takeEvents(), QStringList{QString()});
    }

    void longitudes_data() {
        QTest::addColumn<double>("eastDeg");
        QTest::addColumn<double>("westRad");
        QTest::addColumn<double>("eastBackDeg");
        QTest::newRow("0") << 0.0 << 0.0 << 0.0;
        QTest::newRow("90 E") << 90.0 << -kPi / 2 << 90.0;
        QTest::newRow("180") << 180.0 << -kPi << 180.0;
        QTest::newRow("270 E = 90 W") << 270.0 << kPi / 2 << 270.0;
        QTest::newRow("359 E = 1 W") << 359.0 << kPi / 180 << 359.0;
        QTest::newRow("360 = 0") << 360.0 << 0.0 << 0.0;
    }
    void longitudes() {
        QFETCH(double, eastDeg);
        QFETCH(double, westRad);
        QFETCH(double, eastBackDeg);
        QCOMPARE(TrackerDevice::westLongitudeRad(eastDeg) + 1, westRad + 1);
        QCOMPARE(TrackerDevice::eastLongitudeDeg(westRad) + 1, eastBackDeg + 1);
    }
};

QTEST_GUILESS_MAIN(TestTrackerDevice)
#include "test_tracker_device.moc"
