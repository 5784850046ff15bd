#pragma once
// The preview of a program on its page: the axis angle against time, the photos along the time
// axis, the swings' reversals, the end (or the horizon of a program without one) and dawn.

#include <QColor>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QVariantMap>
#include <QtQml/qqml.h>

#include <vector>

namespace JEX {

class ProgramPlotItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ProgramPlot)
    // A plan as the planner gives it: "path" [{t, a}], "events" [{t, a, kind}], "durationSec",
    // "unlimited"; dawn as "dawnSec" from the start (absent: not drawn).
    Q_PROPERTY(QVariantMap plan READ plan WRITE setPlan NOTIFY planChanged)
    Q_PROPERTY(QColor lineColor MEMBER lineColor_ NOTIFY colorsChanged)
    Q_PROPERTY(QColor textColor MEMBER textColor_ NOTIFY colorsChanged)
    Q_PROPERTY(QColor markColor MEMBER markColor_ NOTIFY colorsChanged)
    // The instant the user picked (seconds from the start; negative: none).
    Q_PROPERTY(double pickedSec READ pickedSec WRITE setPickedSec NOTIFY pickedSecChanged)
public:
    ProgramPlotItem();

    QVariantMap plan() const { return plan_; }
    void setPlan(const QVariantMap& plan);
    double pickedSec() const { return pickedSec_; }
    void setPickedSec(double sec);

    // The time under x (in item coordinates) and the path's angle then: {tSec, angleDeg}, or
    // an empty map outside the plot.
    Q_INVOKABLE QVariantMap pointAt(double x) const;
    // The path's angle at a time from the start (its first or last angle outside it).
    Q_INVOKABLE double angleAtSec(double tSec) const { return angleAt(tSec); }

    void paint(QPainter* painter) override;

signals:
    void planChanged();
    void colorsChanged();
    void pickedSecChanged();

private:
    struct Event {
        double tSec;
        double angleDeg;
        QString kind;
    };
    QRectF plotArea() const;
    double angleAt(double tSec) const;

    QVariantMap plan_;
    std::vector<QPointF> path_;
    std::vector<Event> events_;
    double durationSec_ = 0;
    double dawnSec_ = -1;
    bool unlimited_ = false;
    double minDeg_ = 0;
    double maxDeg_ = 0;
    double pickedSec_ = -1;
    QColor lineColor_ = Qt::black;
    QColor textColor_ = Qt::black;
    QColor markColor_ = Qt::red;
};

} // namespace JEX
