// Angle, time and coordinate texts and the named tracking rates, from hand-worked examples.
// Numbers as people type them in the console's languages, and a field's model: its text
// replaced only when the user is not typing, in step with the program's value or saying why
// not, and a page's fields gathered.

#include "NumberEntry.h"
#include "QAstroFormat.h"
#include "QAstroRate.h"

#include <QSignalSpy>
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

        // A field's number, written back with the language's separator, never as an exponent.
        const auto number = [](const char* language, bool integer) -> Format {
            return [=](const QAstroFormat&, double v) {
                return NumberEntry::format(v, QLocale(language), integer).toStdString();
            };
        };
        const Format en = number("en", false);
        row("number en", en, 2.5, "2.5");
        row("number de", number("de", false), 2.5, "2,5");
        row("whole number", number("de", false), 1000.0, "1000");
        row("six decimals", en, 1.0 / 3, "0.333333");
        row("sidereal deg/s", number("fr", false), 0.004178074616516597, "0,004178");
        row("tiny", en, 1e-7, "0.0000001");
        row("count", number("en", true), 375.0, "375");
        row("nearly 0.3", en, 0.1 + 0.2, "0.3");
        // Hours said in hours and minutes (the field shows up to six decimals).
        const Format hours = [](const QAstroFormat&, double h) {
            return NumberEntry::duration(h).toStdString();
        };
        row("2 h 22 min", hours, 2.366667, "2 h 22 min");
        row("a whole hour", hours, 1.0, "1 h 0 min");
        row("just under an hour", hours, 0.99999, "1 h 0 min");
        row("25 min 30 s", hours, 0.425, "25 min 30 s");
        row("40 s", hours, 40.0 / 3600, "40 s");
        row("no hours", hours, 0.0, "");
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

    // A text typed into a field of 0 to 10000: the value, or why it is refused, so that the
    // page can say it.
    void typedNumbers_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<QVariant>("expected"); // a double, or the problem as a string
        const auto row = [](const char* language, const QString& text, bool integer,
                            const QVariant& expected) {
            QTest::addRow("%s '%s'%s", language, qPrintable(text), integer ? " whole" : "")
                << QString(language) << text << integer << expected;
        };
        const QString pointOnly = "Use \".\" for decimals, without thousands separators";
        const QString commaOnly = "Use \",\" for decimals, without thousands separators";
        const QString ambiguous =
            "Ambiguous: the point may separate thousands; write the decimals with \",\"";
        row("en", "2.5", false, 2.5);
        row("en", "1,000", true, pointOnly);
        row("en", "1.000", true, 1.0);
        row("en", " 7 ", true, 7.0);
        row("en", "1e3", false, "Not a number");
        row("en", ".5", false, 0.5);
        row("en", "1.2.3", false, pointOnly);
        row("en", "", false, "Enter a number");
        row("en", "-3", true, "Cannot be negative");
        row("en", "2.5", true, "Whole numbers only");
        row("de", "2,5", false, 2.5);
        row("de", "2.5", false, 2.5);
        row("de", "1,000", true, 1.0);
        row("de", "1.000", true, ambiguous);
        // A point before three digits, but no thousand could be written so.
        row("de", "0.125", false, 0.125);
        row("de", "1234.567", false, 1234.567);
        row("de", "12.345", false, ambiguous);
        row("de", "20000", true, "At most 10000");
        row("fr", "2,5", false, 2.5);
        row("fr", "1 000", true, commaOnly);
        row("fr", QString("1") + QChar(0x202F) + "000", true, commaOnly);
        row("fr", QString("1") + QChar(0x00A0) + "000", true, commaOnly);
        row("ja", "2.5", false, 2.5);
    }
    void typedNumbers() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(bool, integer);
        QFETCH(QVariant, expected);
        const NumberReading r = NumberEntry::read(text, QLocale(language), integer, 0, 10000);
        if (expected.typeId() == QMetaType::QString) {
            QVERIFY2(!r.ok, qPrintable(QString::number(r.value)));
            QCOMPARE(r.problem, expected.toString());
        } else {
            QVERIFY2(r.ok, qPrintable(r.problem));
            QCOMPARE(r.value, expected.toDouble());
        }
    }

    void fieldFollowsTheProgramButNotUnderTheCursor() {
        NumberEntry e;
        e.setLanguage("de");
        QSignalSpy edited(&e, &NumberEntry::edited);
        e.setValue(1.5);
        QCOMPARE(e.text(), QString("1,5"));

        e.setEditing(true);
        e.edit("2,5");
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toDouble(), 2.5);
        // The profile takes it; the text stays as typed.
        e.setValue(2.5);
        QCOMPARE(e.text(), QString("2,5"));
        QVERIFY(e.inStep());

        // A calculated field typed into: the program keeps its value; the text stays, out of
        // step, saying what the program uses, also after the user leaves it.
        e.edit("7");
        e.setValue(2.5);
        QVERIFY(!e.inStep());
        QCOMPARE(e.problem(), QString("Not used: the program uses 2,5"));
        e.setEditing(false);
        QCOMPARE(e.text(), QString("7"));
        // A new value from elsewhere replaces it.
        e.setValue(3);
        QCOMPARE(e.text(), QString("3"));
        QVERIFY(e.inStep());

        // The language changes: a text that said the value says it again.
        e.setValue(0.25);
        e.setLanguage("en");
        QCOMPARE(e.text(), QString("0.25"));
        e.setUnused(true);
        QVERIFY(!e.inStep());
        QCOMPARE(e.problem(), QString("Not used: the other ticked values determine it"));
    }

    void groupSaysWhichFieldAndWhy() {
        NumberEntryGroup group;
        QSignalSpy changed(&group, &NumberEntryGroup::changed);
        NumberEntry a;
        NumberEntry b;
        a.setLabel("Exposure (sec)");
        b.setLabel("Photos");
        a.setGroup(&group);
        b.setGroup(&group);
        QVERIFY(group.allInStep());
        b.edit("1,000");
        QVERIFY(!group.allInStep());
        QCOMPARE(group.problem(),
                 QString("Photos: Use \".\" for decimals, without thousands separators"));
        // A hidden field does not count.
        b.setActive(false);
        QVERIFY(group.allInStep());
        QCOMPARE(group.problem(), QString());
        b.setActive(true);
        {
            NumberEntry gone;
            gone.setGroup(&group);
            gone.edit("x");
        }
        b.edit("12");
        b.setValue(12);
        QVERIFY(group.allInStep());
        QVERIFY(changed.count() > 0);
    }
};

QTEST_MAIN(TestAstroFormat)
#include "test_astro_format.moc"
