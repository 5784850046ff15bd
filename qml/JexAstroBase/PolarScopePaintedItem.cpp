#include "PolarScopePaintedItem.h"

#include <QPainter>
#include <QPointF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace JEX {

namespace {

const QColor kReticleColor(QStringLiteral("#C80C0C"));
// Red only, as the whole page at night, and brighter than the reticle: the marker is what
// the eye looks for. Its green, a quarter of its red at most, sets it apart from the reticle.
const QColor kPolarisColor(QStringLiteral("#FF3C14"));

} // namespace

PolarScopePaintedItem::PolarScopePaintedItem(std::shared_ptr<IAstroCalc> calc,
                                             std::shared_ptr<IKVStore> store)
    : calc_(std::move(calc)), precise_(std::move(store), "polar.precise", false) {}

void PolarScopePaintedItem::setNorth(bool north) {
    if (north == north_)
        return;
    north_ = north;
    emit northChanged();
    update();
}

void PolarScopePaintedItem::setPrecise(bool precise) {
    if (!precise_.set(precise))
        return;
    emit preciseChanged();
    update();
}

void PolarScopePaintedItem::paint(QPainter* painter) {
    QPainter& p = *painter;
    const double cx = width() / 2.0;
    const double cy = height() / 2.0;
    // Reticle units: the northern reticle's hour labels and the southern outer circle fit the
    // smaller half of the item.
    const double u = std::min(cx, cy) / (north_ ? 484.0 : 1600.0);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(cx, cy);
    QPen pen(kReticleColor);
    pen.setWidthF(std::max(1.5, 3.0 * u));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QFont font = p.font();
    if (45.0 * u > 0.0)
        font.setPointSizeF(45.0 * u);
    p.setFont(font);
    if (north_)
        paintNorth(p, u);
    else
        paintSouth(p, u);
    p.restore();
}

namespace {

// Radius r at angle a, clockwise from the top, about the painter's origin.
QPointF at(double r, double a) {
    return {r * std::sin(a), -r * std::cos(a)};
}

void circle(QPainter& p, QPointF centre, double r) {
    p.drawEllipse(centre, r, r);
}

} // namespace

void PolarScopePaintedItem::paintNorth(QPainter& p, double u) {
    const QPointF centre(0.0, 0.0);
    for (double r : {345.0, 328.0, 311.0})
        circle(p, centre, r * u);

    for (int i = 0; i < 72; ++i) {
        const double a = i * 2.0 * std::numbers::pi / 72.0;
        if (i % 18 == 0) {
            p.drawLine(centre, at(405.0 * u, a));
            const QString label = QString::number(i / 6);
            QRectF box = p.boundingRect(QRectF(), label);
            box.moveCenter(at(435.0 * u, a));
            p.drawText(box, label);
            const int start = static_cast<int>(std::lround(a * 180.0 / std::numbers::pi * 16.0));
            for (double r : {337.0, 320.0, 303.0})
                p.drawArc(QRectF(-r * u, -r * u, 2.0 * r * u, 2.0 * r * u), start - 48, 96);
        } else {
            const double tick = (i % 6 == 0 ? 56.0 : 17.0) * u;
            p.drawLine(at(311.0 * u - tick, a), at(311.0 * u, a));
            p.drawLine(at(345.0 * u + tick, a), at(345.0 * u, a));
        }
    }

    const double polaris =
        precise_.get() ? calc_->polarisPositionAnglePrecise() : calc_->polarisPositionAngle();
    p.setPen(Qt::NoPen);
    p.setBrush(kPolarisColor);
    circle(p, at(328.0 * u, polaris), 12.0 * u);
}

void PolarScopePaintedItem::paintSouth(QPainter& p, double u) {
    const QPointF centre(0.0, 0.0);
    circle(p, centre, 328.0 * u);
    circle(p, centre, 1500.0 * u);

    const std::vector<ReticleStar> stars =
        precise_.get() ? calc_->southernStarsPrecise() : calc_->southernStars();
    std::vector<QPointF> points;
    for (const ReticleStar& star : stars)
        points.push_back(at(star.polarDistance * 28000.0 * u, star.positionAngle));
    for (size_t i = 1; i < points.size(); ++i)
        p.drawLine(points[i - 1], points[i]);

    p.setBrush(p.pen().color());
    constexpr double kDotRadius[] = {19.0, 10.0, 14.0, 19.0};
    for (size_t i = 0; i < points.size() && i < std::size(kDotRadius); ++i)
        circle(p, points[i], kDotRadius[i] * u);
}

} // namespace JEX
