#include "ProgramPlotItem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace JEX {

namespace {

constexpr double kLeft = 44;
constexpr double kRight = 10;
constexpr double kTop = 10;
constexpr double kBottom = 22;

// A round step for about `count` labels over `span`: 1, 2 or 5 times a power of ten, or for
// times a whole number of minutes or hours once the span reaches them.
double niceStep(double span, int count, bool time) {
    if (span <= 0)
        return 1;
    const double raw = span / std::max(1, count);
    if (time) {
        for (double s : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0,
                         3600.0, 7200.0, 10800.0, 21600.0, 43200.0, 86400.0})
            if (s >= raw)
                return s;
        return std::ceil(raw / 86400.0) * 86400.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

QString timeLabel(double sec) {
    const qint64 s = std::llround(sec);
    if (s >= 3600)
        return QStringLiteral("%1:%2").arg(s / 3600).arg((s / 60) % 60, 2, 10, QLatin1Char('0'));
    if (s >= 60)
        return QStringLiteral("%1m").arg(s / 60);
    return QStringLiteral("%1s").arg(s);
}

QString angleLabel(double deg) {
    return QString::number(deg, 'g', 4) + QChar(0x00B0);
}

} // namespace

ProgramPlotItem::ProgramPlotItem() {
    setAntialiasing(true);
    setAcceptedMouseButtons(Qt::NoButton);
}

void ProgramPlotItem::setPlan(const QVariantMap& plan) {
    plan_ = plan;
    path_.clear();
    events_.clear();
    for (const QVariant& v : plan.value(QStringLiteral("path")).toList()) {
        const QVariantMap p = v.toMap();
        path_.emplace_back(p.value(QStringLiteral("t")).toDouble(),
                           p.value(QStringLiteral("a")).toDouble());
    }
    for (const QVariant& v : plan.value(QStringLiteral("events")).toList()) {
        const QVariantMap e = v.toMap();
        events_.push_back({e.value(QStringLiteral("t")).toDouble(),
                           e.value(QStringLiteral("a")).toDouble(),
                           e.value(QStringLiteral("kind")).toString()});
    }
    durationSec_ = plan.value(QStringLiteral("durationSec")).toDouble();
    unlimited_ = plan.value(QStringLiteral("unlimited")).toBool();
    dawnSec_ = plan.contains(QStringLiteral("dawnSec"))
                   ? plan.value(QStringLiteral("dawnSec")).toDouble()
                   : -1;
    minDeg_ = 0;
    maxDeg_ = 0;
    for (const QPointF& p : path_) {
        minDeg_ = std::min(minDeg_, p.y());
        maxDeg_ = std::max(maxDeg_, p.y());
    }
    if (maxDeg_ - minDeg_ < 1e-9)
        maxDeg_ = minDeg_ + 1;
    emit planChanged();
    update();
}

void ProgramPlotItem::setPickedSec(double sec) {
    if (sec == pickedSec_)
        return;
    pickedSec_ = sec;
    emit pickedSecChanged();
    update();
}

QRectF ProgramPlotItem::plotArea() const {
    return QRectF(kLeft, kTop, std::max(1.0, width() - kLeft - kRight),
                  std::max(1.0, height() - kTop - kBottom));
}

double ProgramPlotItem::angleAt(double tSec) const {
    if (path_.empty())
        return 0;
    const auto after = std::lower_bound(path_.begin(), path_.end(), tSec,
                                        [](const QPointF& p, double t) { return p.x() < t; });
    if (after == path_.begin())
        return after->y();
    if (after == path_.end())
        return path_.back().y();
    const QPointF& b = *after;
    const QPointF& a = *(after - 1);
    const double f = b.x() > a.x() ? (tSec - a.x()) / (b.x() - a.x()) : 0;
    return a.y() + f * (b.y() - a.y());
}

QVariantMap ProgramPlotItem::pointAt(double x) const {
    const QRectF area = plotArea();
    if (durationSec_ <= 0 || x < area.left() || x > area.right())
        return {};
    const double t = (x - area.left()) / area.width() * durationSec_;
    return {{QStringLiteral("tSec"), t}, {QStringLiteral("angleDeg"), angleAt(t)}};
}

void ProgramPlotItem::paint(QPainter* painter) {
    QPainter& p = *painter;
    const QRectF area = plotArea();
    if (durationSec_ <= 0 || path_.empty())
        return;
    const double span = maxDeg_ - minDeg_;
    const double lo = minDeg_ - span * 0.08;
    const double hi = maxDeg_ + span * 0.08;
    const auto X = [&](double t) { return area.left() + t / durationSec_ * area.width(); };
    const auto Y = [&](double a) { return area.bottom() - (a - lo) / (hi - lo) * area.height(); };

    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    const QFontMetricsF metrics(font);

    // Grid and labels.
    QColor grid = textColor_;
    grid.setAlphaF(0.25);
    p.setPen(QPen(grid, 1));
    p.drawRect(area);
    const double timeStep = niceStep(durationSec_, std::max(2, int(area.width() / 70)), true);
    for (double t = 0; t <= durationSec_ + 1e-6; t += timeStep) {
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(X(t), area.top()), QPointF(X(t), area.bottom()));
        p.setPen(textColor_);
        const QString label = timeLabel(t);
        const double w = metrics.horizontalAdvance(label);
        p.drawText(QPointF(std::clamp(X(t) - w / 2, 0.0, width() - w), height() - 6), label);
    }
    const double angleStep = niceStep(hi - lo, std::max(2, int(area.height() / 36)), false);
    for (double a = std::ceil(lo / angleStep) * angleStep; a <= hi; a += angleStep) {
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(area.left(), Y(a)), QPointF(area.right(), Y(a)));
        p.setPen(textColor_);
        const QString label = angleLabel(std::abs(a) < angleStep * 1e-6 ? 0.0 : a);
        p.drawText(
            QPointF(kLeft - 4 - metrics.horizontalAdvance(label), Y(a) + metrics.ascent() / 2 - 1),
            label);
    }

    // Photos along the time axis: a tick each while they are apart, else a band.
    int photos = 0;
    for (const Event& e : events_)
        photos += e.kind == QLatin1String("photo");
    QColor tick = lineColor_;
    tick.setAlphaF(0.6);
    p.setPen(QPen(tick, 1));
    if (photos > 0 && area.width() / photos >= 3) {
        for (const Event& e : events_)
            if (e.kind == QLatin1String("photo"))
                p.drawLine(QPointF(X(e.tSec), area.bottom()),
                           QPointF(X(e.tSec), area.bottom() - 5));
    } else if (photos > 0) {
        p.fillRect(QRectF(area.left(), area.bottom() - 4, area.width(), 4), tick);
    }

    // Dawn: a dashed line where it falls within the plot.
    if (dawnSec_ >= 0 && dawnSec_ <= durationSec_) {
        QPen dawn(markColor_, 1.5, Qt::DashLine);
        p.setPen(dawn);
        p.drawLine(QPointF(X(dawnSec_), area.top()), QPointF(X(dawnSec_), area.bottom()));
    }

    // The motion.
    QPainterPath line;
    line.moveTo(X(path_.front().x()), Y(path_.front().y()));
    for (size_t i = 1; i < path_.size(); ++i)
        line.lineTo(X(path_[i].x()), Y(path_[i].y()));
    p.setPen(QPen(lineColor_, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);

    // Reversals as rings, the end as a bar (a program without one fades into an arrow).
    p.setPen(QPen(markColor_, 2));
    for (const Event& e : events_) {
        const QPointF at(X(e.tSec), Y(e.angleDeg));
        if (e.kind.contains(QLatin1String("reversal")))
            p.drawEllipse(at, 4, 4);
        else if (e.kind == QLatin1String("end"))
            p.drawLine(QPointF(at.x(), at.y() - 7), QPointF(at.x(), at.y() + 7));
        else if (e.kind == QLatin1String("horizon"))
            p.drawPolyline(
                QPolygonF({{at.x() - 6, at.y() - 5}, {at.x(), at.y()}, {at.x() - 6, at.y() + 5}}));
    }

    // The picked instant.
    if (pickedSec_ >= 0 && pickedSec_ <= durationSec_) {
        p.setPen(QPen(textColor_, 1, Qt::DotLine));
        p.drawLine(QPointF(X(pickedSec_), area.top()), QPointF(X(pickedSec_), area.bottom()));
        p.setBrush(markColor_);
        p.drawEllipse(QPointF(X(pickedSec_), Y(angleAt(pickedSec_))), 3.5, 3.5);
    }
}

} // namespace JEX
