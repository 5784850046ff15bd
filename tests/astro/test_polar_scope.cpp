// The polar clock page's text list and its reticle drawing, checked on offscreen renders at
// a fixed time and place.

#include "AstroCalc.h"
#include "Location.h"
#include "ManualClock.h"
#include "MemoryKVStore.h"
#include "PolarScopeInfo.h"
#include "PolarScopePaintedItem.h"
#include "QAstroFormat.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

using namespace JEX;

namespace {

// 2000-01-01 12:00 UTC (JD 2451545.0).
constexpr int64_t kJ2000Ms = 946728000000;

// The southern stars all at one place, so the chain collapses into one dot.
class FixedSouthernStars : public AstroCalc {
public:
    using AstroCalc::AstroCalc;
    std::vector<ReticleStar> southernStars() const override {
        return std::vector<ReticleStar>(4, ReticleStar{1.0, 0.01});
    }
};

QImage render(PolarScopePaintedItem& item) {
    item.setSize(QSizeF(968, 968));
    QImage image(968, 968, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    item.paint(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Alpha-weighted centre of the pixels within radius of near that pass the colour test.
QPointF centreOf(const QImage& image, QPointF near, double radius,
                 const std::function<bool(QRgb)>& colour) {
    double sx = 0, sy = 0, sw = 0;
    for (int y = int(near.y() - radius); y <= int(near.y() + radius); ++y)
        for (int x = int(near.x() - radius); x <= int(near.x() + radius); ++x) {
            if (std::hypot(x + 0.5 - near.x(), y + 0.5 - near.y()) > radius)
                continue;
            const QRgb p = image.pixel(x, y);
            if (!colour(p))
                continue;
            sx += (x + 0.5) * qAlpha(p);
            sy += (y + 0.5) * qAlpha(p);
            sw += qAlpha(p);
        }
    return sw > 0 ? QPointF(sx / sw, sy / sw) : QPointF(-1, -1);
}

// The marker (#FF3C14) over the reticle (#C80C0C): more green than a sixth of its red.
bool marker(QRgb p) {
    return qAlpha(p) > 0 && qRed(p) > 128 && qGreen(p) * 6 > qRed(p);
}
bool red(QRgb p) {
    return qAlpha(p) > 0 && qRed(p) > 128 && qGreen(p) < 100;
}

QString at(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
}

} // namespace

class TestPolarScope : public QObject {
    Q_OBJECT
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::shared_ptr<AstroClock> astroClock_;
    std::shared_ptr<AstroCalc> calc_;
    std::shared_ptr<Test::MemoryKVStore> store_;

    std::unique_ptr<PolarScopeInfo> info() {
        return std::make_unique<PolarScopeInfo>(calc_,
                                                std::make_shared<QAstroFormat>(nullptr, nullptr),
                                                location_, astroClock_, store_);
    }

private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void init() {
        clock_ = std::make_shared<Test::ManualClock>(kJ2000Ms);
        location_ = std::make_shared<Location>(nullptr);
        astroClock_ = std::make_shared<AstroClock>(clock_);
        calc_ = std::make_shared<AstroCalc>(location_, astroClock_);
        store_ = std::make_shared<Test::MemoryKVStore>();
    }

    void infoList_data() {
        QTest::addColumn<bool>("north");
        QTest::addColumn<QString>("starLabel");
        QTest::addColumn<QString>("starValue");
        // -1.0909 rad on the dial is 9.916 h: 09:55.
        QTest::newRow("north") << true << "Polaris Position "
                               << "09:55";
        // Sigma Octantis (RA 5.5362 rad) at local sidereal time 4.8950 rad (18.6974 h, the
        // sidereal time of J2000.0 at Greenwich): 4.8950 - 5.5362 + pi = 2.5004 rad on the
        // dial is 4.776 h: 04:47.
        QTest::newRow("south") << false << "Octans Position"
                               << "04:47";
    }

    void infoList() {
        QFETCH(bool, north);
        QFETCH(QString, starLabel);
        QFETCH(QString, starValue);
        const auto list = info();
        QSignalSpy northChanged(list.get(), &PolarScopeInfo::northChanged);
        QSignalSpy entries(list.get(), &PolarScopeInfo::infoListChanged);
        // The northern list is the one shown first; the same hemisphere again announces nothing.
        list->setNorth(north);
        list->setNorth(north);
        QCOMPARE(northChanged.count(), north ? 0 : 1);
        QCOMPARE(entries.count(), north ? 0 : 1);
        const auto entry = [](const QString& field, const QString& value) {
            return QVariantMap{{"field", field}, {"fieldValue", value}};
        };
        const QVariantList expected{entry("Local longitude", "0°00′"),
                                    entry("Local time", "12:00 PM"), entry(starLabel, starValue)};
        QCOMPARE(list->infoList(), expected);
    }

    void preciseIsLabelledAndKept() {
        info()->setPrecise(true);
        QCOMPARE(store_->getBool("polar.precise", false), true);
        const auto list = info();
        QVERIFY(list->precise());
        QCOMPARE(list->infoList().at(2).toMap().value("field").toString(),
                 QStringLiteral("Polaris Position (precise) "));
    }

    // The camera of the alignment budget is kept; a value that is not a size is not taken.
    void budgetInputsAreKept() {
        auto first = info();
        first->setFocalLengthMm(200);
        first->setPixelSizeUm(std::nan(""));
        first->setExposureSec(-1);
        QCOMPARE(store_->getDouble("polar.budget.focalMm", 0), 200.0);
        const auto again = info();
        QCOMPARE(again->focalLengthMm(), 200.0);
        QCOMPARE(again->pixelSizeUm(), 4.3);
        QCOMPARE(again->exposureSec(), 120.0);
        QCOMPARE(std::round(again->budgetArcmin() * 10), 42.0); // 200 mm, 4.3 µm, 120 s: 4.2′
    }

    void polarisDot_data() {
        QTest::addColumn<bool>("precise");
        QTest::addColumn<int64_t>("ms");
        QTest::newRow("simple, J2000") << false << kJ2000Ms;
        // 2040-09-15 03:00 UTC, where the two readings lie some 15 pixels apart.
        QTest::newRow("precise, 2040") << true << int64_t(2231290800000);
    }

    void polarisDot() {
        QFETCH(bool, precise);
        QFETCH(int64_t, ms);
        clock_->setMs(ms);
        PolarScopePaintedItem item(calc_, store_);
        item.setPrecise(precise);
        // 968 pixels: one reticle unit is one pixel. At J2000 Polaris sits on the 328 circle
        // at -1.0909 rad: (484 + 328 sin a, 484 - 328 cos a).
        QPointF expected(193.06, 332.55);
        if (precise) {
            const double a = calc_->polarisPositionAnglePrecise();
            expected = QPointF(484 + 328 * std::sin(a), 484 - 328 * std::cos(a));
            QVERIFY(std::abs(a - calc_->polarisPositionAngle()) * 328 > 10);
        }
        const QPointF found = centreOf(render(item), expected, 20, marker);
        QVERIFY2(QLineF(found, expected).length() <= 2.0,
                 qPrintable(at(found) + " instead of " + at(expected)));
    }

    void southernStarRadius() {
        PolarScopePaintedItem item(std::make_shared<FixedSouthernStars>(location_, astroClock_),
                                   store_);
        item.setNorth(false);
        // 968 pixels: one reticle unit is 484/1600 pixels; 0.01 rad from the pole is 280 units.
        const double r = 280 * 484.0 / 1600.0;
        const QPointF expected(484 + r * std::sin(1.0), 484 - r * std::cos(1.0));
        const QPointF found = centreOf(render(item), expected, 9, red);
        QVERIFY2(QLineF(found, expected).length() <= 1.0,
                 qPrintable(at(found) + " instead of " + at(expected)));
    }
};

QTEST_MAIN(TestPolarScope)
#include "test_polar_scope.moc"
