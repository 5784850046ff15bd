// The parameter solver: what a sequence of inputs determines, which inputs it refuses, and
// that a refused input leaves everything as it was.

#include "CParamsSolver.h"

#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>

using namespace JEX;

namespace {

// "name=value" known with that value, "name=?" not known.
QString mismatch(const CParamsSolver& s, const QString& expectation) {
    const QString name = expectation.section('=', 0, 0);
    const QString want = expectation.section('=', 1);
    const std::string key = name.toStdString();
    if (!s.param(key))
        return "no parameter " + name;
    if (want == "?")
        return s.known(key) ? QString("%1 is known as %2").arg(name).arg(s.value(key)) : QString();
    if (!s.known(key))
        return name + " is not known";
    const double expected = want.toDouble();
    if (std::abs(s.value(key) - expected) > 1e-9 * std::max(1.0, std::abs(expected)))
        return QString("%1 is %2, expected %3").arg(name).arg(s.value(key), 0, 'g', 17).arg(want);
    return {};
}

} // namespace

class TestParamsSolver : public QObject {
    Q_OBJECT

private slots:
    void inputsDetermineTheRest_data() {
        QTest::addColumn<QStringList>("inputs"); // applied in order
        QTest::addColumn<QString>("accepted");   // one digit per input
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("count from time and period, then video length")
            << QStringList{"T_Total=3600", "T_Cycle=10", "Fps=30"} << "111"
            << QStringList{"N_Cycles=360", "T_Video=12"};
        QTest::newRow("one photo over a time span divides by zero")
            << QStringList{"N_Cycles=1", "T_Total=100"} << "10"
            << QStringList{"N_Cycles=1", "T_Total=?", "T_Cycle=?"};
        // 3600 / (360 - 1): the period between 360 photos spans 359 gaps.
        QTest::newRow("period already determined")
            << QStringList{"T_Total=3600", "N_Cycles=360", "T_Cycle=10"} << "110"
            << QStringList{"T_Cycle=10.027855153203342"};
        QTest::newRow("no motion gives no count")
            << QStringList{"A_Total=0", "A_Cycle=0"} << "11" << QStringList{"N_Cycles=?"};
        QTest::newRow("count 0.4 becomes 1")
            << QStringList{"T_Total=4", "T_Cycle=10"} << "11" << QStringList{"N_Cycles=1"};
        QTest::newRow("count 2.5 becomes 3")
            << QStringList{"T_Total=25", "T_Cycle=10"} << "11" << QStringList{"N_Cycles=3"};
        QTest::newRow("period 0.3 becomes 1")
            << QStringList{"T_Total=0.6", "N_Cycles=3"} << "11" << QStringList{"T_Cycle=1"};
        QTest::newRow("swings stay fractional") << QStringList{"A_Total=100", "A_Range=30"} << "11"
                                                << QStringList{"N_Swings=3.3333333333333335"};
        QTest::newRow("a chain of relations")
            << QStringList{"Fps=25", "T_Video=10", "T_Cycle=20"} << "111"
            << QStringList{"N_Cycles=250", "T_Total=5000"};
        QTest::newRow("speed and period give the angles")
            << QStringList{"T_Total=3600", "T_Cycle=30", "V_Total=0.01"} << "111"
            << QStringList{"N_Cycles=120", "A_Total=36", "A_Cycle=0.30252100840336132"};
        QTest::newRow("range 0 over no swings")
            << QStringList{"N_Swings=0", "A_Range=0"} << "11" << QStringList{"A_Total=0"};
        QTest::newRow("a range over no swings divides by zero")
            << QStringList{"A_Total=10", "N_Swings=0"} << "10" << QStringList{"A_Range=?"};
        QTest::newRow("unknown name, case matters")
            << QStringList{"t_total=5", "Speed=1"} << "00" << QStringList{"T_Total=?"};
        QTest::newRow("not a number") << QStringList{"T_Total=nan", "T_Cycle=inf"} << "00"
                                      << QStringList{"T_Total=?", "T_Cycle=?"};
    }
    void inputsDetermineTheRest() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, accepted);
        QFETCH(QStringList, expected);
        CParamsSolver s;
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            const std::string name = inputs[i].section('=', 0, 0).toStdString();
            const QString text = inputs[i].section('=', 1);
            const double value = text == "nan"   ? std::numeric_limits<double>::quiet_NaN()
                                 : text == "inf" ? std::numeric_limits<double>::infinity()
                                                 : text.toDouble();
            QVERIFY2(s.setInput(name, value) == (accepted[i] == '1'), qPrintable(inputs[i]));
        }
        for (const QString& e : expected) {
            const QString m = mismatch(s, e);
            QVERIFY2(m.isEmpty(), qPrintable(m));
        }
    }

    // Every value and flag, also those of quantities the refused input never reached.
    void refusedInputChangesNothing() {
        CParamsSolver s;
        QVERIFY(s.setInput("N_Cycles", 1));
        QVERIFY(s.setInput("Fps", 30));
        CParamsSolver before;
        before.copyStateFrom(s);
        QVERIFY(!s.setInput("A_Total", 5));  // A_Cycle = 5 / (1 - 1)
        QVERIFY(!s.setInput("N_Cycles", 2)); // already set
        for (const char* name :
             {"T_Total", "N_Cycles", "T_Video", "A_Total", "A_Cycle", "V_Total", "V_Cycle",
              "A_Range", "N_Swings", "T_Cycle", "T_Exposure", "T_Settle", "T_Move", "Fps"}) {
            const auto* a = s.param(name);
            const auto* b = before.param(name);
            QVERIFY2(a->value == b->value && a->known == b->known && a->input == b->input, name);
        }
        QVERIFY(s.isInput("N_Cycles") && !s.isInput("T_Cycle"));
        QCOMPARE(s.value("T_Video"), 1.0 / 30);
    }
};

QTEST_GUILESS_MAIN(TestParamsSolver)
#include "test_programs_solver.moc"
