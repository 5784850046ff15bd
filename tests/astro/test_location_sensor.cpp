// The location sensor on a position source the test drives: how fixes become readings, how
// positioning errors become states, switching the source on and off, and the console's
// background location update reading it.

#include "Location.h"
#include "LogCapture.h"
#include "MemoryKVStore.h"
#include "QtLocationSensor.h"

#include <QGeoPositionInfoSource>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace JEX;
using State = LocationSensorState_::E;

Q_DECLARE_METATYPE(JEX::LocationSensorState_::E)

namespace {

// Counts starts and stops; fixes and errors are its signals, emitted by the test.
class FakeSource : public QGeoPositionInfoSource {
public:
    FakeSource() : QGeoPositionInfoSource(nullptr) {}
    int started = 0;
    int stopped = 0;
    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override {
        return AllPositioningMethods;
    }
    int minimumUpdateInterval() const override { return 0; }
    Error error() const override { return NoError; }
    void startUpdates() override { ++started; }
    void stopUpdates() override { ++stopped; }
    void requestUpdate(int) override {}
};

QGeoPositionInfo fix(double latitudeDeg, double longitudeDeg, double altitude) {
    return QGeoPositionInfo(QGeoCoordinate(latitudeDeg, longitudeDeg, altitude),
                            QDateTime::currentDateTimeUtc());
}

} // namespace

class TestLocationSensor : public QObject {
    Q_OBJECT

    std::unique_ptr<QtLocationSensor> sensor_;
    std::unique_ptr<QSignalSpy> changed_;
    QPointer<FakeSource> source_;
    int sourcesMade_ = 0;
    bool noSource_ = false;

    // Switches the sensor on and forgets the change that announced it.
    void switchOn() {
        sensor_->setActive(true);
        QVERIFY(sensor_->active() && source_);
        changed_->clear();
    }
    void deliver(const QGeoPositionInfo& info) { emit source_->positionUpdated(info); }

private slots:
    void init() {
        sourcesMade_ = 0;
        noSource_ = false;
        sensor_ =
            std::make_unique<QtLocationSensor>([this]() -> std::unique_ptr<QGeoPositionInfoSource> {
                if (noSource_)
                    return nullptr;
                auto source = std::make_unique<FakeSource>();
                source_ = source.get();
                ++sourcesMade_;
                return source;
            });
        changed_ = std::make_unique<QSignalSpy>(sensor_.get(), &ILocationSensor::changed);
    }

    void cleanup() {
        changed_.reset();
        sensor_.reset();
    }

    void fixConversion_data() {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("longitudeDeg");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<double>("longitudeRad"); // degrees × π / 180, west positive
        QTest::addColumn<double>("latitudeRad");
        QTest::addColumn<double>("altitudeMeter");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("10° East is negative")
            << 0.0 << 10.0 << 12.0 << -0.17453292519943295 << 0.0 << 12.0;
        QTest::newRow("southern latitude")
            << -33.8568 << 151.2153 << 58.0 << -2.639204864390982 << -0.5909126341892161 << 58.0;
        QTest::newRow("no altitude")
            << 48.0 << 11.5 << nan << -0.20071286397934787 << 0.8377580409572781 << 0.0;
    }

    void fixConversion() {
        QFETCH(double, latitudeDeg);
        QFETCH(double, longitudeDeg);
        QFETCH(double, altitude);
        QFETCH(double, longitudeRad);
        QFETCH(double, latitudeRad);
        QFETCH(double, altitudeMeter);
        switchOn();
        deliver(fix(latitudeDeg, longitudeDeg, altitude));
        const auto reading = sensor_->reading();
        QVERIFY(reading);
        QCOMPARE(reading->longitudeRad, longitudeRad);
        QCOMPARE(reading->latitudeRad, latitudeRad);
        QCOMPARE(reading->altitudeMeter, altitudeMeter);
        QCOMPARE(sensor_->state(), State::HasSignal);
        QCOMPARE(changed_->count(), 1);
        QCOMPARE(sensor_->property("reading").value<LocationSensorReading>(), *reading);
    }

    void fixWithoutCoordinateIsIgnored() {
        switchOn();
        deliver(fix(12.0, 10.0, 5.0));
        changed_->clear();
        Test::LogCapture log;
        deliver(QGeoPositionInfo(QGeoCoordinate(), QDateTime::currentDateTimeUtc()));
        deliver(fix(std::numeric_limits<double>::quiet_NaN(), 3.0, 0.0));
        QCOMPARE(changed_->count(), 0);
        QCOMPARE(sensor_->reading()->longitudeRad, -0.17453292519943295);
        QVERIFY(log.contains("Location sensor: ignoring a fix without a valid coordinate"));
    }

    void errorToState_data() {
        QTest::addColumn<State>("before");
        QTest::addColumn<int>("error");
        QTest::addColumn<State>("after");
        const auto row = [](const char* name, State before, int error, State after) {
            QTest::newRow(name) << before << error << after;
        };
        using S = QGeoPositionInfoSource;
        row("access error", State::HasSignal, S::AccessError, State::NoPermission);
        row("closed error", State::HasSignal, S::ClosedError, State::NoSensor);
        row("unknown source error", State::HasSignal, S::UnknownSourceError, State::NoSignalAlways);
        row("no error", State::HasSignal, S::NoError, State::HasSignal);
        row("update time-out", State::HasSignal, S::UpdateTimeoutError, State::NoSignalForNow);
        row("code the enumeration does not name", State::HasSignal, 5, State::NoSignalAlways);
        row("time-out while already without signal", State::NoSignalForNow, S::UpdateTimeoutError,
            State::NoSignalForNow);
    }

    void errorToState() {
        QFETCH(State, before);
        QFETCH(int, error);
        QFETCH(State, after);
        switchOn();
        if (before == State::HasSignal)
            deliver(fix(47.0, 8.0, 400.0));
        QCOMPARE(sensor_->state(), before);
        const auto readingBefore = sensor_->reading();
        changed_->clear();

        // changed only when the state really changes; the reading survives every error.
        for (int i = 0; i < 2; ++i) {
            emit source_->errorOccurred(static_cast<QGeoPositionInfoSource::Error>(error));
            QCOMPARE(sensor_->state(), after);
            QCOMPARE(changed_->count(), after == before ? 0 : 1);
            QCOMPARE(sensor_->reading(), readingBefore);
        }
    }

    void withoutSourceTheSensorStaysInactive() {
        noSource_ = true;
        Test::LogCapture log;
        sensor_->setProperty("active", true);
        QVERIFY(!sensor_->active());
        QCOMPARE(changed_->count(), 1);
        QCOMPARE(sensor_->property("state").value<State>(), State::NoSignalForNow);
        QVERIFY(!sensor_->property("reading").isValid());
        QVERIFY(log.contains("Location sensor: no position source on this system"));
        // Still inactive: switching off again does nothing.
        sensor_->setActive(false);
        QCOMPARE(changed_->count(), 1);
    }

    void sourceDeliversFixesUntilSwitchedOff() {
        sensor_->setActive(true);
        QCOMPARE(changed_->count(), 1);
        QCOMPARE(source_->started, 1);
        sensor_->setActive(true);
        QCOMPARE(sourcesMade_, 1);
        QCOMPARE(changed_->count(), 1);
        deliver(fix(48.1173, 10.0, 545.4));
        QCOMPARE(changed_->count(), 2);

        QPointer<FakeSource> first = source_;
        sensor_->setActive(false);
        QVERIFY(!sensor_->active());
        QVERIFY(!sensor_->reading());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
        QCOMPARE(changed_->count(), 3);
        QCOMPARE(first->stopped, 1);
        // A fix that was already on its way reaches nobody.
        deliver(fix(1.0, 1.0, 1.0));
        QCOMPARE(changed_->count(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 30000);

        // Switching on again makes a fresh source.
        switchOn();
        QCOMPARE(sourcesMade_, 2);
        QCOMPARE(source_->started, 1);
    }

    // The background location update (the QML the console runs): one fix into the observer's
    // location, then the sensor is switched off from inside the handler of that fix while the
    // source is still emitting; at start only when the setting lets the sensor be used.
    void updaterTakesOneFix_data() {
        QTest::addColumn<bool>("useSensor");
        QTest::addColumn<bool>("asked");
        QTest::newRow("at start, sensor allowed") << true << false;
        QTest::newRow("at start, sensor not allowed") << false << false;
        QTest::newRow("asked now, sensor not allowed") << false << true;
    }

    void updaterTakesOneFix() {
        QFETCH(bool, useSensor);
        QFETCH(bool, asked);
        Location location(std::make_shared<Test::MemoryKVStore>());
        location.setLocation(CLocation{0.1, 0.2, true, 100.0, -3.5});
        location.setUseSensor(useSensor);
        QQmlEngine engine;
        engine.rootContext()->setContextProperty("inj_location", &location);
        engine.rootContext()->setContextProperty("inj_locationSensor", sensor_.get());
        QQmlComponent toaster(&engine);
        toaster.setData(
            "import QtQml\nQtObject { property string shown; function show(t) { shown = t } }",
            QUrl());
        const std::unique_ptr<QObject> toasts(toaster.create());
        QQmlComponent updaterType(&engine, QUrl::fromLocalFile(QFINDTESTDATA(
                                               "../../qml/JexQtCommon/LocationUpdater.qml")));
        const std::unique_ptr<QObject> updater(updaterType.createWithInitialProperties(
            {{"toaster", QVariant::fromValue(toasts.get())}}));
        QVERIFY2(toasts && updater, qPrintable(updaterType.errorString()));
        QSignalSpy locationChanged(&location, &ILocation::locationChanged_q);

        QMetaObject::invokeMethod(updater.get(), "updateOnce", Q_ARG(QVariant, asked));
        const bool takes = useSensor || asked;
        QCOMPARE(sensor_->active(), takes);
        if (!takes)
            return;
        QPointer<FakeSource> source = source_;
        // Sydney, east of Greenwich: the sensor gives it west positive, negative.
        deliver(fix(-33.8568, 151.2153, 58.0));
        QCOMPARE(locationChanged.count(), 1);
        QCOMPARE(location.longitudeRad(), -2.639204864390982);
        QCOMPARE(location.latitudeRad(), -0.5909126341892161);
        QCOMPARE(location.altitudeMeter(), 58.0);
        // A place from the sensor is a real one; the air is left as it was.
        QVERIFY(!location.mockLatitude());
        QCOMPARE(location.temperatureCelsius(), -3.5);
        QCOMPARE(toasts->property("shown").toString(), QStringLiteral("Location Updated"));
        QCOMPARE(location.useSensor(), useSensor);
        QVERIFY(!sensor_->active());
        QVERIFY(!sensor_->reading());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
        QTRY_VERIFY_WITH_TIMEOUT(source.isNull(), 30000);
    }

    void destroyingAnActiveSensorReleasesTheSource() {
        switchOn();
        changed_.reset();
        int changes = 0;
        connect(sensor_.get(), &ILocationSensor::changed, this, [&] { ++changes; });
        sensor_.reset();
        QVERIFY(source_.isNull());
        QCOMPARE(changes, 0);
    }
};

QTEST_GUILESS_MAIN(TestLocationSensor)
#include "test_location_sensor.moc"
