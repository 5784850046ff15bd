// The observer's location on a real settings file: defaults, loading, saving and the
// notifications that the astronomy side and QML rely on.

#include "Location.h"
#include "LogCapture.h"
#include "MemoryKVStore.h"
#include "SettingsFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

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

namespace {
CLocation place(double longitude, double latitude, bool mock, double altitude, double temperature) {
    return CLocation{longitude, latitude, mock, altitude, temperature};
}
} // namespace

class TestLocation : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::SettingsFile> file_;

    std::shared_ptr<QtKVStore> openStore() { return file_->openStore(); }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        QVERIFY(file_->isValid());
    }

    // Each key of the wrong JSON type falls back to its own default; the others still load.
    void load_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<CLocation>("expected");
        // Whether a usable location was stored (the polar clock warns until one is).
        QTest::addColumn<bool>("known");
        QTest::newRow("no file") << QByteArray() << place(0, 0, false, 0, 10) << false;
        QTest::newRow("all five") << QByteArray(R"({"loc.long": -2.1031, "loc.lat": -0.6,
            "loc.mock_lat": true, "loc.alt": 1200.5, "loc.temp_cel": -4, "other": 1})")
                                  << place(-2.1031, -0.6, true, 1200.5, -4.0) << true;
        QTest::newRow("latitude as text") << QByteArray(R"({"loc.long": 0.25, "loc.lat": "0.5"})")
                                          << place(0.25, 0, false, 0, 10) << false;
        QTest::newRow("mock flag as a number") << QByteArray(R"({"loc.mock_lat": 1, "loc.alt": 7})")
                                               << place(0, 0, false, 7, 10) << false;
        QTest::newRow("null and array")
            << QByteArray(R"({"loc.temp_cel": null, "loc.long": [1], "loc.lat": 0.1})")
            << place(0, 0.1, false, 0, 10) << true;
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

    void setLocationSavesFiveKeysAndNotifiesOnce() {
        Location location(openStore());
        std::vector<bool> callbacks;
        int signalsBeforeCallback = -1;
        QSignalSpy spy(&location, &ILocation::locationChanged_q);
        location.locationChangedList.append([&](bool flag) {
            callbacks.push_back(flag);
            signalsBeforeCallback = static_cast<int>(spy.count());
        });

        // Only the longitude differs from the defaults; all five keys are still written.
        location.setLocation(place(-0.17453292519943295, 0.0, false, 0.0, 10.0));
        QVERIFY(location.known());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(callbacks, std::vector<bool>{false});
        QCOMPARE(signalsBeforeCallback, 0);
        QCOMPARE(file_->readObject(), (QJsonObject{{"loc.long", -0.17453292519943295},
                                                   {"loc.lat", 0.0},
                                                   {"loc.mock_lat", false},
                                                   {"loc.alt", 0.0},
                                                   {"loc.temp_cel", 10.0}}));

        const CLocation south = place(1.25, -0.785, true, 812.0, -3.5);
        location.setLocation(south);
        QCOMPARE(spy.count(), 2);
        // A later run reads back exactly what was saved, bit for bit.
        QCOMPARE(Location(openStore()).location(), south);
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
        location.setLocation(place(0.3, latitude, false, 0, 10));
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

    // An empty or garbled entry on the location page arrives as NaN; it must neither reach
    // the sky calculations nor the settings file.
    void nonFiniteFieldsKeepTheirValues() {
        Location location(openStore());
        location.setLocation(place(0.5, 0.6, false, 100.0, 12.0));
        QSignalSpy spy(&location, &ILocation::locationChanged_q);
        Test::LogCapture log;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        location.setLocation(place(nan, 0.7, true, inf, -inf));
        QCOMPARE(location.location(), place(0.5, 0.7, true, 100.0, 12.0));
        QCOMPARE(spy.count(), 1);
        QVERIFY2(log.contains("Location: ignoring non-finite longitude"),
                 qPrintable(log.lines().join('\n')));
        QCOMPARE(Location(openStore()).location(), place(0.5, 0.7, true, 100.0, 12.0));
    }
};

QTEST_GUILESS_MAIN(TestLocation)
#include "test_location.moc"
