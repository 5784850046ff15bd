// The compiled-in icon theme "app" the scene relies on: every icon at each scale it is
// drawn at.

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>
#include <QTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void iconsAtTheirScales_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("scaled");
        QTest::newRow("arrow_down") << "arrow_down" << false;
        QTest::newRow("arrow_up") << "arrow_up" << false;
        for (const char* name : {"back", "close x", "menu", "refresh", "search"})
            QTest::newRow(name) << name << true;
    }
    void iconsAtTheirScales() {
        QFETCH(QString, name);
        QFETCH(bool, scaled);
        for (int scale : {1, 2, 3}) {
            const QString dir = scale == 1 ? "20x20" : QString("20x20@%1").arg(scale);
            const QImage image(QString(":/icons/app/%1/%2.png").arg(dir, name));
            QCOMPARE(!image.isNull(), scale == 1 || scaled);
            if (!image.isNull()) {
                QCOMPARE(image.size(), QSize(20 * scale, 20 * scale));
                QVERIFY2(image.pixelColor(10 * scale, 10 * scale).isValid(), qPrintable(name));
            }
        }
        QIcon::setThemeName("app");
        QVERIFY(QIcon::hasThemeIcon(name));
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
