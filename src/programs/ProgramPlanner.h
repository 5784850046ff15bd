#pragma once
// A program laid out against the coming night, for its page: the timeline to draw, when it
// ends, astronomical dusk and dawn at the stored place, and whether the run leaves the dark.

#include "IClock.h"
#include "ILocation.h"
#include "TAVOParams.h"

#include <QObject>
#include <QVariantMap>

#include <memory>

namespace JEX {

class ProgramPlanner : public QObject {
    Q_OBJECT
public:
    ProgramPlanner(std::shared_ptr<ILocation> location, std::shared_ptr<IClock> clock);

    // How far a program without an end is drawn.
    static constexpr double kHorizonSec = 4 * 3600.0;

    // The plan of the program started at startMs (0: now), for the page and its plot:
    //   path [{t, a}], events [{t, a, kind}], durationSec, unlimited, photos, totalRotationDeg;
    //   startMs, endMs (0 without an end);
    //   night: "astronomical" (the Sun's centre 18° down), "nautical" (only 12°) or "none";
    //   duskMs, dawnMs of that night (0 with none), dawnSec from the start;
    //   endsAfterDawn, endsBeforeDusk, startsBeforeDusk (for astrophotography only).
    // An empty map for a value that is not a program.
    Q_INVOKABLE QVariantMap plan(const QVariant& paramSet, qint64 startMs = 0) const;
    QVariantMap plan(const TAVOParamSet& program, qint64 startMs) const;

private:
    std::shared_ptr<ILocation> location_;
    std::shared_ptr<IClock> clock_;
};

} // namespace JEX
