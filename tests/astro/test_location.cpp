// The observer's location on a real settings file: defaults, loading, saving and the
// notifications that the astronomy side and QML rely on. The location sensor on a position
// source the test drives: how fixes become readings, how positioning errors become states,
// switching the source on and off, and the console's background location update reading it.

#include "Location.h"
#include "LogCapture.h"
#include "MemoryKVStore.h"
#include "QtLocationSensor.h"
#include "SettingsFile.h"

#include <QFile>
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
#include <vector>

namespace JEX {
// How QCOMPARE prints a location.
char* toString(const CLocation& l) {
    return qstrdup(qPrintable(QStringLiteral("{long %1, lat %2, mock %3, alt %4, temp %5}")
                                  .arg(l.longitudeRad, 0, 'g', 17)
                                  .arg(l.latitudeRad, 0, 'g', 17)
                                  .arg(l.mockLatitude)
                                  .arg(l.altitudeMeter, 0, 'g', 17)
                                  .arg(l.temperatureCelsius, 0, 'g', 17)));
}
} // namespace JEX

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

class TestLocation : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::SettingsFile> file_;
    std::unique_ptr<QtLocationSensor> sensor_;
    std::unique_ptr<QSignalSpy> changed_;
    QPointer<FakeSource> source_;
    int sourcesMade_ = 0;
    bool noSource_ = false;

    std::shared_ptr<QtKVStore> openStore() { return file_->openStore(); }

    // Switches the sensor on and forgets the change that announced it.
    void switchOn() {
        sensor_->setActive(true);
        QVERIFY(sensor_->active() && source_);
        changed_->clear();
    }
    void deliver(const QGeoPositionInfo& info) { emit source_->positionUpdated(info); }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        QVERIFY(file_->isValid());
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

    // Each key of the wrong JSON type falls back to its own default; the others still load.
    void load_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<CLocation>("expected");
        // Whether a usable location was stored (the polar clock warns until one is).
        QTest::addColumn<bool>("known");
        QTest::newRow("no file") << QByteArray() << CLocation{0, 0, false, 0, 10} << false;
        QTest::newRow("all five") << QByteArray(R"({"loc.long": -2.1031, "loc.lat": -0.6,
            "loc.mock_lat": true, "loc.alt": 1200.5, "loc.temp_cel": -4, "other": 1})")
                                  << CLocation{-2.1031, -0.6, true, 1200.5, -4.0} << true;
        QTest::newRow("latitude as text") << QByteArray(R"({"loc.long": 0.25, "loc.lat": "0.5"})")
                                          << CLocation{0.25, 0, false, 0, 10} << false;
        QTest::newRow("mock flag as a number") << QByteArray(R"({"loc.mock_lat": 1, "loc.alt": 7})")
                                               << CLocation{0, 0, false, 7, 10} << false;
        QTest::newRow("null and array")
            << QByteArray(R"({"loc.temp_cel": null, "loc.long": [1], "loc.lat": 0.1})")
            << CLocation{0, 0.1, false, 0, 10} << true;
    }

    void load() {
        QFETCH(QByteArray, file);
        QFETCH(CLocation, expected);
        QFETCH(bool, known);
        if (!file.isNull())
            QVERIFY(file_->write(file));
        Location l(openStore());
        QCOMPARE(l.location(), expected);
        QCOMPARE(l.known(), known);
        QVERIFY2(QFile::exists(file_->path()) == !file.isNull(), "loading must not write the file");
    }

    void setLocationSavesAndNotifiesOnce() {
        Location location(openStore());
        std::vector<bool> callbacks;
        int signalsBeforeCallback = -1;
        QSignalSpy spy(&location, &ILocation::locationChanged_q);
        location.locationChangedList.append([&](bool flag) {
            callbacks.push_back(flag);
            signalsBeforeCallback = static_cast<int>(spy.count());
        });

        // Only the longitude differs from the defaults; all five keys are still written.
        location.setLocation(CLocation{-0.17453292519943295, 0.0, false, 0.0, 10.0});
        QVERIFY(location.known());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(callbacks, std::vector<bool>{false});
        QCOMPARE(signalsBeforeCallback, 0);
        QCOMPARE(file_->readObject(), (QJsonObject{{"loc.long", -0.17453292519943295},
                                                   {"loc.lat", 0.0},
                                                   {"loc.mock_lat", false},
                                                   {"loc.alt", 0.0},
                                                   {"loc.temp_cel", 10.0}}));

        const CLocation south{1.25, -0.785, true, 812.0, -3.5};
        location.setLocation(south);
        QCOMPARE(spy.count(), 2);
        // A later run reads back exactly what was saved, bit for bit.
        QCOMPARE(Location(openStore()).location(), south);

        // An empty or garbled entry on the location page arrives as NaN; it must neither reach
        // the sky calculations nor the settings file.
        Test::LogCapture log;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        location.setLocation(CLocation{nan, 0.7, false, inf, -inf});
        const CLocation kept{1.25, 0.7, false, 812.0, -3.5};
        QCOMPARE(location.location(), kept);
        QCOMPARE(spy.count(), 3);
        QVERIFY2(log.contains("Location: ignoring non-finite longitude"),
                 qPrintable(log.lines().join('\n')));
        QCOMPARE(Location(openStore()).location(), kept);
    }

    void hemisphere_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<bool>("northern");
        QTest::newRow("equator") << 0.0 << true;
        QTest::newRow("negative zero") << -0.0 << true;
        QTest::newRow("just south") << -1e-12 << false;
    }

    void hemisphere() {
        QFETCH(double, latitude);
        QFETCH(bool, northern);
        Location location(nullptr);
        location.setLocation(CLocation{0.3, latitude, false, 0, 10});
        QCOMPARE(location.isNorthernHemisphere(), northern);
    }

    // The location page's form: degrees east positive with a hemisphere each, stored west
    // positive in radians (a sign slip would mirror the polar clock). Radians worked by hand
    // as degrees x 0.0174532925.
    void typedDegrees_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<bool>("south");
        QTest::addColumn<double>("lon");
        QTest::addColumn<bool>("west");
        QTest::addColumn<double>("alt");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<double>("latRad");
        QTest::addColumn<double>("lonRad");
        QTest::newRow("Munich, N E")
            << 48.137 << false << 11.575 << false << 519.0 << true << 0.8401491 << -0.2020219;
        QTest::newRow("Sydney, S E")
            << 33.87 << true << 151.21 << false << 58.0 << true << -0.5911430 << -2.6391124;
        QTest::newRow("Boulder, N W")
            << 40.0 << false << 105.0 << true << 1655.0 << true << 0.6981317 << 1.8325957;
        QTest::newRow("latitude 91") << 91.0 << false << 0.0 << false << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("negative longitude")
            << 10.0 << false << -1.0 << false << 0.0 << false << 0.0 << 0.0;
        QTest::newRow("altitude not a number")
            << 10.0 << false << 1.0 << false << std::numeric_limits<double>::quiet_NaN() << false
            << 0.0 << 0.0;
    }
    void typedDegrees() {
        QFETCH(double, lat);
        QFETCH(bool, south);
        QFETCH(double, lon);
        QFETCH(bool, west);
        QFETCH(double, alt);
        QFETCH(bool, stored);
        QFETCH(double, latRad);
        QFETCH(double, lonRad);
        auto store = std::make_shared<Test::MemoryKVStore>();
        Location location(store);
        QCOMPARE(location.setDegrees(lat, south, lon, west, alt), stored);
        // A typed location is kept: the sensor no longer replaces it at start.
        QCOMPARE(store->contains("loc.use_sensor"), stored);
        QCOMPARE(location.useSensor(), !stored);
        QCOMPARE(location.known(), stored);
        if (!stored)
            return;
        QVERIFY2(std::abs(location.latitudeRad() - latRad) < 1e-7,
                 qPrintable(QString::number(location.latitudeRad(), 'f', 8)));
        QVERIFY2(std::abs(location.longitudeRad() - lonRad) < 1e-7,
                 qPrintable(QString::number(location.longitudeRad(), 'f', 8)));
        const QVariantMap back = location.degrees();
        QVERIFY(std::abs(back["latitudeDeg"].toDouble() - lat) < 1e-9);
        QCOMPARE(back["south"].toBool(), south);
        QVERIFY(std::abs(back["longitudeDeg"].toDouble() - lon) < 1e-9);
        QCOMPARE(back["west"].toBool(), west);
        QCOMPARE(back["altitudeMeter"].toDouble(), alt);
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

        // A fix without a usable coordinate leaves the reading as it was.
        Test::LogCapture log;
        deliver(QGeoPositionInfo(QGeoCoordinate(), QDateTime::currentDateTimeUtc()));
        deliver(fix(std::numeric_limits<double>::quiet_NaN(), 3.0, 0.0));
        QCOMPARE(changed_->count(), 1);
        QCOMPARE(sensor_->reading(), reading);
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
        // Sydney, east of Greenwich: the sensor gives it west positive, negative. A place from
        // the sensor is a real one; the air is left as it was.
        deliver(fix(-33.8568, 151.2153, 58.0));
        QCOMPARE(locationChanged.count(), 1);
        QCOMPARE(location.location(),
                 (CLocation{-2.639204864390982, -0.5909126341892161, false, 58.0, -3.5}));
        QCOMPARE(toasts->property("shown").toString(), QStringLiteral("Location Updated"));
        QCOMPARE(location.useSensor(), useSensor);
        QVERIFY(!sensor_->active());
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

QTEST_GUILESS_MAIN(TestLocation)
#include "test_location.moc"
