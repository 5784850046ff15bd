// The enumerations as QML code sees them through the compiled-in modules.

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>

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
        const std::pair<const char*, int> rows[] = {
            {"WifiSec.Open", 0},
            {"WifiSec.WPA_PSK", 2},
            {"WifiSec.WPA2_PSK", 3},
            {"WifiSec.WPA_WPA2_PSK", 4},
            {"WifiMode.STA", 1},
            {"WifiMode.AP", 2},
            {"WifiMode.Both", 3},
            {"CmdRetType.Ok", 0},
            {"CmdRetType.Nak", 1},
            {"CmdRetType.Timeout", 2},
            {"CmdRetType.Cancel", 3},
            {"CmdRetType.Other", 4},
            {"ConnectableState.NotShown", 0},
            {"ConnectableState.SearchListPopulated", 2},
            {"ConnectableState.Disconnecting", 6},
            {"ConnectionType.UDP", 0},
            {"ConnectionType.Emulator", 1},
            {"ConnectionType.Serial", 2},
            {"ConnectionType.BLE", 3},
            {"DualModeChoice.PromptMode", 0},
            {"DualModeChoice.UseAZ", 2},
            {"LocationSensorState.NoSensor", 0},
            {"LocationSensorState.NoSignalForNow", 5},
            {"TAVOMode.Manual", 0},
            {"TAVOMode.AP", 1},
            {"TAVOMode.Reg", 2},
            {"TAVOMode.Long", 3},
            {"TAVOMode.ATL", 4},
            {"WifiSettingsLimit.AP_SSID_MaxLen", 32},
            {"WifiSettingsLimit.AP_pass_MaxLen", 63},
            {"WifiSettingsLimit.STA_SSID_MaxLen", 32},
            {"WifiSettingsLimit.STA_pass_MaxLen", 63},
            {"WifiSettingsLimit.STA_fixedIP_MaxLen", 15},
        };
        for (const auto& [expression, expected] : rows)
            QTest::newRow(expression) << QString::fromLatin1(expression) << expected;
    }

    void valuesAsQmlSeesThem() {
        QFETCH(QString, expression);
        QFETCH(int, expected);
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQml\nimport JexAstroBase\nimport Tavo\n"
                                         "QtObject { property var value: %1 }")
                              .arg(expression)
                              .toUtf8(),
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        const QVariant value = object->property("value");
        QVERIFY2(value.isValid() && !value.isNull(), qPrintable(expression + " is undefined"));
        QCOMPARE(value.toInt(), expected);
    }
};

QTEST_MAIN(TestQmlEnums)
#include "test_qml_enums.moc"
