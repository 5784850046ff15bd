#include "ProgramPlanner.h"

#include "TaskTimeline.h"
#include "Twilight.h"

#include <QVariantList>

#include <cmath>
#include <utility>

namespace JEX {

namespace {
constexpr double kAstronomicalDeg = 18;
constexpr double kNauticalDeg = 12;
} // namespace

ProgramPlanner::ProgramPlanner(std::shared_ptr<ILocation> location, std::shared_ptr<IClock> clock)
    : location_(std::move(location)), clock_(std::move(clock)) {}

QVariantMap ProgramPlanner::plan(const QVariant& paramSet, qint64 startMs) const {
    if (!paramSet.canConvert<TAVOParamSet>())
        return {};
    return plan(paramSet.value<TAVOParamSet>(), startMs);
}

QVariantMap ProgramPlanner::plan(const TAVOParamSet& program, qint64 startMs) const {
    if (startMs == 0)
        startMs = clock_ ? clock_->nowMs() : 0;
    const TaskTimeline timeline = taskTimeline(program, kHorizonSec);

    QVariantList path;
    path.reserve(qsizetype(timeline.path.size()));
    for (const QPointF& p : timeline.path)
        path.append(QVariantMap{{QStringLiteral("t"), p.x()}, {QStringLiteral("a"), p.y()}});
    QVariantList events;
    events.reserve(qsizetype(timeline.events.size()));
    for (const TimelineEvent& e : timeline.events)
        events.append(QVariantMap{{QStringLiteral("t"), e.tSec},
                                  {QStringLiteral("a"), e.angleDeg},
                                  {QStringLiteral("kind"), e.kind}});

    QVariantMap out{{QStringLiteral("path"), path},
                    {QStringLiteral("events"), events},
                    {QStringLiteral("durationSec"), timeline.durationSec},
                    {QStringLiteral("unlimited"), timeline.unlimited},
                    {QStringLiteral("photos"), timeline.photos},
                    {QStringLiteral("totalRotationDeg"), timeline.totalRotationDeg},
                    {QStringLiteral("startMs"), startMs}};
    const qint64 endMs =
        timeline.unlimited ? 0 : startMs + qint64(std::llround(timeline.durationSec * 1000));
    out.insert(QStringLiteral("endMs"), endMs);

    // Without a place the night cannot be told.
    if (!location_ || !location_->known()) {
        out.insert(QStringLiteral("night"), QStringLiteral("unknown"));
        return out;
    }
    const double lat = location_->latitudeRad();
    // The stored longitude counts west as positive; the Sun's place takes east as positive.
    const double lon = -location_->longitudeRad();
    TwilightNight night = twilightNight(lat, lon, startMs, kAstronomicalDeg);
    QString kind = QStringLiteral("astronomical");
    // Summer nights far north or south never get that dark: nautical twilight then bounds
    // the darkest part of the night.
    if (!night.reached()) {
        night = twilightNight(lat, lon, startMs, kNauticalDeg);
        kind = night.reached() ? QStringLiteral("nautical") : QStringLiteral("none");
    }
    out.insert(QStringLiteral("night"), kind);
    if (!night.reached())
        return out;
    out.insert(QStringLiteral("duskMs"), night.duskMs);
    out.insert(QStringLiteral("dawnMs"), night.dawnMs);
    out.insert(QStringLiteral("dawnSec"), (night.dawnMs - startMs) / 1000.0);
    out.insert(QStringLiteral("endsAfterDawn"), endMs != 0 && endMs > night.dawnMs);
    // A run over before the night begins (in daylight, or a test in the evening).
    out.insert(QStringLiteral("endsBeforeDusk"), endMs != 0 && endMs <= night.duskMs);
    out.insert(QStringLiteral("startsBeforeDusk"),
               program.mode == TAVOMode_::E::AP && startMs < night.duskMs);
    return out;
}

} // namespace JEX
