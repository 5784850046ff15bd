// The location sensor: how fixes become readings, how positioning errors become states, and
// switching a real (simulated NMEA) source on and off.

#include "LogCapture.h"
#include "QtLocationSensor.h"

#include <QBuffer>
#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

using namespace JEX;
using State = LocationSensorState_::E;

Q_DECLARE_METATYPE(JEX::LocationSensorState_::E)

namespace {

QByteArray nmeaSentence(const QByteArray& body) {
    quint8 sum = 0;
    for (char c : body)
        sum ^= static_cast<quint8>(c);
    return "$" + body + "*" + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// Two fixes one second apart at 48°07.038′ N 10° E: the first with an altitude of 545.4 m,
// the second without one.
QByteArray twoFixes() {
    return nmeaSentence("GPRMC,120000.00,A,4807.0380,N,01000.0000,E,0.0,0.0,060326,,,A") +
           nmeaSentence("GPGGA,120000.00,4807.0380,N,01000.0000,E,1,08,0.9,545.4,M,46.9,M,,") +
           nmeaSentence("GPRMC,120001.00,A,4807.0380,N,01000.0000,E,0.0,0.0,060326,,,A");
}

QGeoPositionInfo fix(double latitudeDeg, double longitudeDeg, double altitude) {
    return QGeoPositionInfo(QGeoCoordinate(latitudeDeg, longitudeDeg, altitude),
                            QDateTime::currentDateTimeUtc());
}

QString describe(const std::optional<LocationSensorReading>& r) {
    if (!r)
        return QStringLiteral("no reading");
    return QStringLiteral("{long %1, lat %2, alt %3}")
        .arg(r->longitudeRad, 0, 'g', 17)
        .arg(r->latitudeRad, 0, 'g', 17)
        .arg(r->altitudeMeter, 0, 'g', 17);
}

} // namespace

class TestLocationSensor : public QObject {
    Q_OBJECT

    std::unique_ptr<QtLocationSensor> sensor_;
    std::unique_ptr<QSignalSpy> changed_;
    QPointer<QGeoPositionInfoSource> lastSource_;
    int sourcesMade_ = 0;

    // A sensor whose position source replays NMEA sentences, as a receiver would send them.
    void makeNmeaSensor(QByteArray sentences) {
        sensor_ = std::make_unique<QtLocationSensor>([this, sentences] {
            auto source =
                std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
            auto* device = new QBuffer(source.get());
            device->setData(sentences);
            device->open(QIODevice::ReadOnly);
            source->setDevice(device);
            lastSource_ = source.get();
            ++sourcesMade_;
            return std::unique_ptr<QGeoPositionInfoSource>(std::move(source));
        });
        changed_ = std::make_unique<QSignalSpy>(sensor_.get(), &ILocationSensor::changed);
    }

    // The sensor's private part, reached the way the position source reaches it.
    QObject* privatePart() const {
        return sensor_->findChild<QObject*>(QStringLiteral("D"), Qt::FindDirectChildrenOnly);
    }
    void deliver(const QGeoPositionInfo& info) {
        QVERIFY(QMetaObject::invokeMethod(privatePart(), "positionUpdated",
                                          Q_ARG(QGeoPositionInfo, info)));
    }
    void deliverError(QGeoPositionInfoSource::Error error) {
        QVERIFY(QMetaObject::invokeMethod(privatePart(), "error",
                                          Q_ARG(QGeoPositionInfoSource::Error, error)));
    }

private slots:
    void init() {
        lastSource_.clear();
        sourcesMade_ = 0;
        sensor_ = std::make_unique<QtLocationSensor>([] { return nullptr; });
        changed_ = std::make_unique<QSignalSpy>(sensor_.get(), &ILocationSensor::changed);
    }

    void cleanup() {
        changed_.reset();
        sensor_.reset();
    }

    void startsInactiveWithoutSignal() {
        QVERIFY(!sensor_->active());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
        QVERIFY(!sensor_->reading());
        QVERIFY(!sensor_->property("reading").isValid());
        QCOMPARE(sensor_->property("state").value<State>(), State::NoSignalForNow);
    }

    void fixConversion_data() {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("longitudeDeg");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<double>("longitudeRad");
        QTest::addColumn<double>("latitudeRad");
        QTest::addColumn<double>("altitudeMeter");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("10° East is negative")
            << 0.0 << 10.0 << 12.0 << -0.17453292519943295 << 0.0 << 12.0;
        QTest::newRow("10° West is positive")
            << 0.0 << -10.0 << 0.0 << 0.17453292519943295 << 0.0 << 0.0;
        QTest::newRow("southern latitude")
            << -33.8568 << 151.2153 << 58.0 << -2.639204864390982 << -0.5909126341892161 << 58.0;
        QTest::newRow("no altitude")
            << 48.0 << 11.5 << nan << -0.20071286397934787 << 0.8377580409572781 << 0.0;
        QTest::newRow("below sea level")
            << 31.5 << -35.5 << -430.0 << 0.619591884457987 << 0.5497787143782138 << -430.0;
    }

    void fixConversion() {
        QFETCH(double, latitudeDeg);
        QFETCH(double, longitudeDeg);
        QFETCH(double, altitude);
        QFETCH(double, longitudeRad);
        QFETCH(double, latitudeRad);
        QFETCH(double, altitudeMeter);
        deliver(fix(latitudeDeg, longitudeDeg, altitude));
        const auto reading = sensor_->reading();
        QVERIFY(reading);
        const QString message = QStringLiteral("fix (%1°, %2°, %3 m) gave %4")
                                    .arg(latitudeDeg)
                                    .arg(longitudeDeg)
                                    .arg(altitude)
                                    .arg(describe(reading));
        QVERIFY2(std::abs(reading->longitudeRad - longitudeRad) <= 1e-15, qPrintable(message));
        QVERIFY2(std::abs(reading->latitudeRad - latitudeRad) <= 1e-15, qPrintable(message));
        QVERIFY2(reading->altitudeMeter == altitudeMeter, qPrintable(message));
        QCOMPARE(sensor_->state(), State::HasSignal);
        QCOMPARE(changed_->count(), 1);
        const QVariant asQmlSeesIt = sensor_->property("reading");
        QVERIFY(asQmlSeesIt.canConvert<LocationSensorReading>());
        QCOMPARE(asQmlSeesIt.value<LocationSensorReading>(), *reading);
    }

    void fixWithoutCoordinateIsIgnored() {
        deliver(fix(12.0, 10.0, 5.0));
        changed_->clear();
        Test::LogCapture log;
        deliver(QGeoPositionInfo(QGeoCoordinate(), QDateTime::currentDateTimeUtc()));
        deliver(fix(std::numeric_limits<double>::quiet_NaN(), 3.0, 0.0));
        QCOMPARE(changed_->count(), 0);
        QVERIFY2(std::abs(sensor_->reading()->longitudeRad + 0.17453292519943295) < 1e-15,
                 qPrintable(describe(sensor_->reading())));
        QVERIFY(log.contains("Location sensor: ignoring a fix without a valid coordinate"));
    }

    void errorToState_data() {
        QTest::addColumn<State>("before");
        QTest::addColumn<int>("error");
        QTest::addColumn<State>("after");
        const auto row = [](const char* name, State before, int error, State after) {
            QTest::newRow(name) << before << error << after;
        };
        row("access error", State::HasSignal, QGeoPositionInfoSource::AccessError,
            State::NoPermission);
        row("closed error", State::HasSignal, QGeoPositionInfoSource::ClosedError, State::NoSensor);
        row("unknown source error", State::HasSignal, QGeoPositionInfoSource::UnknownSourceError,
            State::NoSignalAlways);
        row("no error", State::HasSignal, QGeoPositionInfoSource::NoError, State::HasSignal);
        row("update time-out", State::HasSignal, QGeoPositionInfoSource::UpdateTimeoutError,
            State::NoSignalForNow);
        row("code the enumeration does not name", State::HasSignal, 5, State::NoSignalAlways);
        row("time-out while already without signal", State::NoSignalForNow,
            QGeoPositionInfoSource::UpdateTimeoutError, State::NoSignalForNow);
        row("no error without signal", State::NoSignalForNow, QGeoPositionInfoSource::NoError,
            State::NoSignalForNow);
    }

    void errorToState() {
        QFETCH(State, before);
        QFETCH(int, error);
        QFETCH(State, after);
        if (before == State::HasSignal)
            deliver(fix(47.0, 8.0, 400.0));
        QCOMPARE(sensor_->state(), before);
        const auto readingBefore = sensor_->reading();
        changed_->clear();

        deliverError(static_cast<QGeoPositionInfoSource::Error>(error));
        QCOMPARE(sensor_->state(), after);
        // changed only when the state really changes; the reading survives every error.
        QCOMPARE(changed_->count(), after == before ? 0 : 1);
        QCOMPARE(sensor_->reading(), readingBefore);

        deliverError(static_cast<QGeoPositionInfoSource::Error>(error));
        QCOMPARE(changed_->count(), after == before ? 0 : 1);
    }

    void withoutSourceTheSensorStaysInactive() {
        deliverError(QGeoPositionInfoSource::ClosedError);
        changed_->clear();
        Test::LogCapture log;
        sensor_->setProperty("active", true);
        QVERIFY(!sensor_->active());
        QCOMPARE(changed_->count(), 1);
        QCOMPARE(sensor_->state(), State::NoSensor);
        QVERIFY(log.contains("Location sensor: no position source on this system"));
        // Still inactive: switching off again does nothing.
        sensor_->setActive(false);
        QCOMPARE(changed_->count(), 1);
    }

    void sourceDeliversFixesUntilSwitchedOff() {
        makeNmeaSensor(twoFixes());
        sensor_->setActive(true);
        QVERIFY(sensor_->active());
        // The replayed source may hand over its first fix while it starts.
        const qsizetype afterSwitchOn = changed_->count();
        QVERIFY(afterSwitchOn >= 1);
        sensor_->setActive(true);
        QCOMPARE(sourcesMade_, 1);
        QCOMPARE(changed_->count(), afterSwitchOn);

        QTRY_VERIFY_WITH_TIMEOUT(sensor_->reading().has_value(), 5000);
        auto reading = sensor_->reading();
        QVERIFY2(std::abs(reading->longitudeRad + 0.17453292519943295) < 1e-15 &&
                     std::abs(reading->latitudeRad - 48.1173 / 180.0 * std::numbers::pi) < 1e-12 &&
                     reading->altitudeMeter == 545.4,
                 qPrintable(describe(reading)));
        QCOMPARE(sensor_->state(), State::HasSignal);
        const qsizetype afterFirstFix = changed_->count();
        // The second fix has no altitude.
        QTRY_VERIFY_WITH_TIMEOUT(sensor_->reading()->altitudeMeter == 0.0, 5000);
        QCOMPARE(changed_->count(), afterFirstFix + 1);

        sensor_->setActive(false);
        QVERIFY(!sensor_->active());
        QVERIFY(!sensor_->reading());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
        QCOMPARE(changed_->count(), afterFirstFix + 2);
        QTRY_VERIFY_WITH_TIMEOUT(lastSource_.isNull(), 5000);

        // Switching on again makes a fresh source.
        sensor_->setActive(true);
        QCOMPARE(sourcesMade_, 2);
        QTRY_VERIFY_WITH_TIMEOUT(sensor_->reading().has_value(), 5000);
    }

    // The background location update switches the sensor off from inside the handler of
    // the first fix, while the source is still emitting.
    void switchingOffInsideTheFirstFix() {
        makeNmeaSensor(twoFixes());
        int fixes = 0;
        connect(sensor_.get(), &ILocationSensor::changed, this, [&] {
            if (sensor_->reading()) {
                ++fixes;
                sensor_->setActive(false);
            }
        });
        sensor_->setActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(lastSource_.isNull(), 5000);
        QCOMPARE(fixes, 1);
        QVERIFY(!sensor_->active());
        QVERIFY(!sensor_->reading());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
    }

    void destroyingAnActiveSensorReleasesTheSource() {
        makeNmeaSensor(twoFixes());
        sensor_->setActive(true);
        QVERIFY(!lastSource_.isNull());
        changed_.reset();
        int changes = 0;
        connect(sensor_.get(), &ILocationSensor::changed, this, [&] { ++changes; });
        sensor_.reset();
        QVERIFY(lastSource_.isNull());
        QCOMPARE(changes, 0);
    }

    // Whatever this machine offers (often a service that never answers), switching the
    // platform's source on and off never fails and leaves the sensor as it started.
    void platformSourceNeverFails() {
        sensor_ = std::make_unique<QtLocationSensor>();
        changed_ = std::make_unique<QSignalSpy>(sensor_.get(), &ILocationSensor::changed);
        sensor_->setActive(true);
        QVERIFY(changed_->count() >= 1);
        sensor_->setActive(false);
        QVERIFY(!sensor_->active());
        QVERIFY(!sensor_->reading());
        QCOMPARE(sensor_->state(), State::NoSignalForNow);
    }
};

QTEST_GUILESS_MAIN(TestLocationSensor)
#include "test_location_sensor.moc"
