// Numbers as people type them in the console's languages, and a field's model: its text
// replaced only when the user is not typing, in step with the program's value or saying why
// not, and a page's fields gathered.

#include "NumberEntry.h"

#include <QSignalSpy>
#include <QTest>

using namespace JEX;

class TestNumberEntry : public QObject {
    Q_OBJECT

private slots:
    // Expected: the value, or "refused". Fields are 0 to 1e9 unless a row says otherwise.
    void typedNumbers_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* language, const QString& text, bool integer,
                            const char* expected) {
            QTest::addRow("%s '%s'%s", language, qPrintable(text), integer ? " whole" : "")
                << QString(language) << text << integer << QString(expected);
        };
        row("en", "2.5", false, "2.5");
        row("en", "1,000", true, "refused");
        row("en", "1.000", true, "1");
        row("en", " 7 ", true, "7");
        row("en", "1e3", false, "refused");
        row("en", ".5", false, "0.5");
        row("en", "1.2.3", false, "refused");
        row("de", "2,5", false, "2.5");
        row("de", "2.5", false, "2.5");
        row("de", "1,000", true, "1");
        // A point before three digits, but no thousand could be written so.
        row("de", "0.125", false, "0.125");
        row("de", "1234.567", false, "1234.567");
        row("de", "12.345", false, "refused");
        row("fr", "2,5", false, "2.5");
        row("fr", QString("1") + QChar(0x202F) + "000", true, "refused");
        row("fr", QString("1") + QChar(0x00A0) + "000", true, "refused");
        row("ja", "2.5", false, "2.5");
    }
    void typedNumbers() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(bool, integer);
        QFETCH(QString, expected);
        const NumberReading r = NumberEntry::read(text, QLocale(language), integer, 0, 1e9);
        if (expected == "refused") {
            QVERIFY2(!r.ok, qPrintable(QString::number(r.value)));
            QVERIFY(!r.problem.isEmpty());
        } else {
            QVERIFY2(r.ok, qPrintable(r.problem));
            QCOMPARE(r.value, expected.toDouble());
        }
    }

    // Why a text is refused, so that the page can say it.
    void reasons_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const auto row = [](const char* name, const char* language, const char* text,
                            const char* problem) {
            QTest::newRow(name) << QString(language) << QString(text) << QString(problem);
        };
        row("empty", "en", "", "Enter a number");
        row("comma in English", "en", "2,5",
            "Use \".\" for decimals, without thousands separators");
        row("space in French", "fr", "1 000",
            "Use \",\" for decimals, without thousands separators");
        row("thousand in German", "de", "1.000",
            "Ambiguous: the point may separate thousands; write the decimals with \",\"");
        row("sign", "en", "-3", "Cannot be negative");
        row("fraction", "en", "2.5", "Whole numbers only");
        row("above", "de", "2000", "At most 1000");
        row("letters", "en", "12a", "Not a number");
    }
    void reasons() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QCOMPARE(NumberEntry::read(text, QLocale(language), true, 0, 1000).problem, problem);
    }

    // Written back with the language's separator, never as an exponent.
    void formats_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<QString>("text");
        QTest::newRow("en") << "en" << 2.5 << false << "2.5";
        QTest::newRow("de") << "de" << 2.5 << false << "2,5";
        QTest::newRow("whole") << "de" << 1000.0 << false << "1000";
        QTest::newRow("six decimals") << "en" << 1.0 / 3 << false << "0.333333";
        QTest::newRow("sidereal deg/s") << "fr" << 0.004178074616516597 << false << "0,004178";
        QTest::newRow("tiny") << "en" << 1e-7 << false << "0.0000001";
        QTest::newRow("count") << "en" << 375.0 << true << "375";
        QTest::newRow("nearly 0.3") << "en" << 0.1 + 0.2 << false << "0.3";
    }
    void formats() {
        QFETCH(QString, language);
        QFETCH(double, value);
        QFETCH(bool, integer);
        QFETCH(QString, text);
        QCOMPARE(NumberEntry::format(value, QLocale(language), integer), text);
    }

    // Hours said in hours and minutes (the field shows up to six decimals).
    void durations_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("text");
        QTest::newRow("2 h 22 min") << 2.366667 << "2 h 22 min";
        QTest::newRow("a whole hour") << 1.0 << "1 h 0 min";
        QTest::newRow("just under an hour") << 0.99999 << "1 h 0 min";
        QTest::newRow("25 min 30 s") << 0.425 << "25 min 30 s";
        QTest::newRow("40 s") << 40.0 / 3600 << "40 s";
        QTest::newRow("nothing") << 0.0 << "";
    }
    void durations() {
        QFETCH(double, hours);
        QFETCH(QString, text);
        QCOMPARE(NumberEntry::duration(hours), text);
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

QTEST_GUILESS_MAIN(TestNumberEntry)
#include "test_number_entry.moc"
