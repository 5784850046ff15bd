#include "TaskProfile_AP.h"

#include "TAVOParamMemory.h"

namespace JEX {

TaskProfile_AP::TaskProfile_AP(std::shared_ptr<ILocation> location)
    : location_(std::move(location)) {
    recompute();
}

void TaskProfile_AP::recompute() {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.clockwise = Profile::clockwiseAt(location_);
    p.cycleSec = f_.exposureSec + f_.photoIntervalSec;
    p.N_Cycles = f_.input_photos ? f_.photos : 0;
    p.speedDps = f_.trackingRateDegPerSec;
    p.exposureSec = f_.exposureSec;
    p.ditheringEnabled = f_.input_ditheringRangeArcMin;
    p.ditheringRangeDeg = f_.ditheringRangeArcMin / 60.0;

    QStringList errors;
    if (p.speedDps > Profile::speedLimitDps())
        errors << QT_TRANSLATE_NOOP("tavo_profile", "Invalid Speed");
    p.effectiveCycleSec = effectiveCycleSec(p);
    if (errors.isEmpty())
        p.cycleAngleDeg = p.effectiveCycleSec * p.speedDps;
    totalTimeSec_ = p.N_Cycles * p.effectiveCycleSec;
    publish(errors.isEmpty(), errors, p);
}

void TaskProfile_AP::updateWithParamSet(TAVOParamSet ps) {
    Profile::assign(f_.exposureSec, ps.exposureSec);
    Profile::assign(f_.photoIntervalSec, ps.cycleSec - ps.exposureSec);
    Profile::assign(f_.photos, ps.N_Cycles);
    Profile::assign(f_.trackingRateDegPerSec, ps.speedDps);
    if (ps.ditheringEnabled)
        Profile::assign(f_.ditheringRangeArcMin, ps.ditheringRangeDeg * 60.0);
    f_.input_photos = ps.N_Cycles != 0;
    f_.input_ditheringRangeArcMin = ps.ditheringEnabled;
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_AP::clone() const {
    auto c = std::make_unique<TaskProfile_AP>(location_);
    c->f_ = f_;
    c->name_ = name_;
    c->recompute();
    return c;
}

} // namespace JEX
