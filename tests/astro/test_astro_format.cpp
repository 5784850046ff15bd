// Angle, time and coordinate texts and the named tracking rates, from hand-worked examples.

#include "QAstroFormat.h"
#include "QAstroRate.h"

#include <QTest>

#include <functional>
#include <numbers>

using namespace JEX;

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kSiderealRps = 7.292115845221407e-5;
constexpr double kSolarRps = 7.27220521664304e-5;
constexpr double kLunarRps = 7.023457754504344e-5;
} // namespace

using Format = std::function<std::string(const QAstroFormat&, double)>;
Q_DECLARE_METATYPE(Format)

class TestAstroFormat : public QObject {
    Q_OBJECT

private slots:
    void texts_data() {
        QTest::addColumn<Format>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, Format f, double value, const char* expected) {
            QTest::newRow(name) << f << value << QString::fromUtf8(expected);
        };
        const Format lon00 = &QAstroFormat::longitude_00;
        const Format lon000 = &QAstroFormat::longitude_000;
        const Format lat00 = &QAstroFormat::latitude_00;
        const Format lat000 = &QAstroFormat::latitude_000;
        const Format clock = &QAstroFormat::clockTime12;
        const Format reticle = &QAstroFormat::reticleClock;
        const Format altitude = [](const QAstroFormat& f, double v) { return f.azAlt({0.0, v}); };
        // 2.1031 rad = 120.4996°: the minutes 29.98 round to 30.
        row("longitude east", lon00, -2.1031, "120°30′E");
        // 0.5 rad = 28.647890°: 28°, 38.8734′, 52.40″.
        row("longitude west, seconds", lon000, 0.5, "28°38′52″W");
        row("latitude south, seconds", lat000, -0.5, "28°38′52″S");
        row("latitude zero has no letter", lat00, 0.0, "0°00′");
        row("latitude 45° north", lat00, kPi / 4, "45°00′N");
        // 10° less 0.2″: 9°, 59′, 59.8″ rounds to 60″ and carries into the degrees.
        row("seconds carry into degrees", lat000, (10.0 - 0.2 / 3600.0) * kPi / 180.0,
            "10°00′00″N");
        row("13.5 h", clock, 13.5, "01:30 PM");
        row("0.25 h", clock, 0.25, "12:15 AM");
        row("noon", clock, 12.0, "12:00 PM");
        row("one day later", clock, 24.0 + 1.0, "01:00 AM");
        // 23:59:58 rounds to the next midnight, not to noon.
        row("minutes carry into midnight", clock, 23.0 + 59.97 / 60.0, "12:00 AM");
        row("reticle at the top", reticle, 0.0, "12:00");
        row("reticle at π", reticle, kPi, "06:00");
        row("reticle below zero", reticle, -kPi / 2, "09:00");
        row("reticle after a turn and a half", reticle, 3 * kPi, "06:00");
        // A hair short of a whole turn rounds up to the top, not to 11:60 or 00:00.
        row("reticle just short of a turn", reticle, 2 * kPi - 1e-6, "12:00");
        row("reticle one minute past one", reticle, (1 + 1.0 / 60) * kPi / 6, "01:01");
        row("duration", &QAstroFormat::sec_hms, 3725.0, "1:02:05");
        row("degrees and minutes", &QAstroFormat::rad_deg00, -0.5, "28°38′");
        // Azimuth 225° is south-west; the altitude in the signed form.
        row(
            "true horizontal pair",
            [](const QAstroFormat& f, double v) {
                return f.stagedCoord({CoordStage::TrueHorizontal, {v, -kPi / 360.0}});
            },
            1.25 * kPi, "225°00′00″SW -0°30′00″");
        // Exactly zero has neither sign: a space holds its place.
        row("zero altitude", altitude, 0.0, "0°00′00″N  0°00′00″");
    }

    void texts() {
        QFETCH(Format, format);
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QAstroFormat f(nullptr, nullptr);
        QCOMPARE(QString::fromStdString(format(f, value)), expected);
    }

    void rateOfNamedRate_data() {
        QTest::addColumn<QVariantMap>("rate");
        QTest::addColumn<double>("rps");
        QTest::newRow("solar") << QVariantMap{{"rate", "solar"}, {"multiple", 1}} << kSolarRps;
        QTest::newRow("lunar") << QVariantMap{{"rate", "lunar"}, {"multiple", 1}} << kLunarRps;
        QTest::newRow("empty name is sidereal")
            << QVariantMap{{"rate", ""}, {"multiple", 2}} << 2 * kSiderealRps;
        QTest::newRow("unknown name is sidereal")
            << QVariantMap{{"rate", "stellar"}, {"multiple", 0.5}} << 0.5 * kSiderealRps;
    }

    void rateOfNamedRate() {
        QFETCH(QVariantMap, rate);
        QFETCH(double, rps);
        QCOMPARE(QAstroRate().astroRateXToRps(rate), rps);
    }

    void namedRateOfRate_data() {
        QTest::addColumn<double>("rps");
        QTest::addColumn<QString>("name"); // empty: no named rate
        QTest::addColumn<double>("multiple");
        QTest::newRow("zero") << 0.0 << "sidereal" << 0.0;
        QTest::newRow("near zero") << 1e-9 << "" << 0.0;
        QTest::newRow("solar, not sidereal") << kSolarRps << "solar" << 1.0;
        QTest::newRow("lunar") << kLunarRps << "lunar" << 1.0;
        QTest::newRow("half sidereal") << 3.646057922610703e-05 << "sidereal" << 0.5;
        QTest::newRow("0.09 % off") << 7.298678749482106e-05 << "sidereal" << 1.0;
        QTest::newRow("0.11 % off") << 7.300137172651151e-05 << "" << 0.0;
        // 0.27 % below 45 × sidereal.
        QTest::newRow("45 × solar") << 0.0032724923474893677 << "solar" << 45.0;
        QTest::newRow("backwards") << -kSiderealRps << "" << 0.0;
    }

    void namedRateOfRate() {
        QFETCH(double, rps);
        QFETCH(QString, name);
        QFETCH(double, multiple);
        const QVariant v = QAstroRate().rpsToAstroRateX(rps);
        if (name.isEmpty()) {
            QVERIFY2(!v.isValid(), qPrintable(QVariant(v.toMap()).toString()));
            return;
        }
        QCOMPARE(v.toMap(), (QVariantMap{{"rate", name}, {"multiple", multiple}}));
    }
};

QTEST_MAIN(TestAstroFormat)
#include "test_astro_format.moc"
