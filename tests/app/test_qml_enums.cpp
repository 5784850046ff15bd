// The enumerations as QML code sees them through the compiled-in modules.

#include "QmlSnippet.h"

#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(JexAstroBasePlugin)
Q_IMPORT_QML_PLUGIN(TavoPlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonPlugin)
Q_IMPORT_QML_PLUGIN(JexQtCommonBasePlugin)

class TestQmlEnums : public QObject {
    Q_OBJECT
private slots:
    void valuesAsQmlSeesThem_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("expected");
        // One value of each enumeration shows it is registered under its name; the numbers
        // that are stored or sent, and the Wi-Fi limits, are tested where they are used (a
        // limit here is only seen to be a number).
        const std::pair<const char*, int> rows[] = {
            {"WifiSec.WPA2_PSK", 3},
            {"WifiMode.Both", 3},
            {"CmdRetType.Other", 4},
            {"ConnectableState.Disconnecting", 6},
            {"ConnectionType.Serial", 2},
            {"DualModeChoice.UseAZ", 2},
            {"LocationSensorState.NoSignalForNow", 5},
            {"TAVOMode.ATL", 4},
            {"WifiSettingsLimit.STA_fixedIP_MaxLen > 0", 1},
        };
        for (const auto& [expression, expected] : rows)
            QTest::newRow(expression) << QString::fromLatin1(expression) << expected;
    }

    void valuesAsQmlSeesThem() {
        QFETCH(QString, expression);
        QFETCH(int, expected);
        JEX::Test::QmlSnippet qml;
        auto object =
            qml.make("import JexAstroBase\nimport Tavo", "property var value: " + expression);
        QVERIFY(object);
        const QVariant value = object->property("value");
        QVERIFY2(value.isValid() && !value.isNull(), qPrintable(expression + " is undefined"));
        QCOMPARE(value.toInt(), expected);
    }
};

QTEST_MAIN(TestQmlEnums)
#include "test_qml_enums.moc"
