#include "TaskProfile_AP.h"

#include "TAVOParamMemory.h"

namespace JEX {

TaskProfile_AP::TaskProfile_AP(std::shared_ptr<ILocation> location)
    : location_(std::move(location)) {
    recompute();
}

TAVOParamSet TaskProfile_AP::programOf(const Fields& f, QStringList* errors) const {
    TAVOParamSet p;
    p.mode = TAVOMode_::E::AP;
    p.clockwise = Profile::clockwiseAt(location_);
    p.cycleSec = f.exposureSec + f.photoIntervalSec;
    p.N_Cycles = f.input_photos ? f.photos : 0;
    p.speedDps = f.trackingRateDegPerSec;
    p.exposureSec = f.exposureSec;
    p.ditheringEnabled = f.input_ditheringRangeArcMin;
    p.ditheringRangeDeg = f.ditheringRangeArcMin / 60.0;

    errors->clear();
    if (p.speedDps > Profile::speedLimitDps())
        *errors << QT_TRANSLATE_NOOP("tavo_profile", "Invalid Speed");
    p.effectiveCycleSec = effectiveCycleSec(p);
    if (errors->isEmpty())
        p.cycleAngleDeg = p.effectiveCycleSec * p.speedDps;
    return p;
}

void TaskProfile_AP::recompute() {
    QStringList errors;
    const TAVOParamSet p = programOf(f_, &errors);
    const TAVOParamSet offered = programFor(p);
    totalTimeSec_ = offered.N_Cycles * offered.effectiveCycleSec;
    publish(errors.isEmpty(), errors, p);
}

void TaskProfile_AP::updateWithParamSet(TAVOParamSet ps) {
    // Each value the user gave stays unless the mount runs something else for it.
    QStringList errors;
    const TAVOParamSet mine = programOf(f_, &errors);
    Fields f = f_;
    const bool newExposure = !Profile::sameExposure(mine.exposureSec, ps.exposureSec);
    if (newExposure)
        Profile::assign(f.exposureSec, ps.exposureSec);
    if (newExposure || !Profile::samePeriod(mine.cycleSec, ps.cycleSec))
        Profile::assign(f.photoIntervalSec, ps.cycleSec - f.exposureSec);
    if (mine.N_Cycles != ps.N_Cycles) {
        // An unlimited program keeps the count the user may want next time.
        if (ps.N_Cycles != 0)
            Profile::assign(f.photos, ps.N_Cycles);
        f.input_photos = ps.N_Cycles != 0;
    }
    if (mine.ditheringEnabled != ps.ditheringEnabled ||
        (ps.ditheringEnabled &&
         !Profile::sameAngle(mine.ditheringRangeDeg, ps.ditheringRangeDeg))) {
        if (ps.ditheringEnabled)
            Profile::assign(f.ditheringRangeArcMin, ps.ditheringRangeDeg * 60.0);
        f.input_ditheringRangeArcMin = ps.ditheringEnabled;
    }
    if (!Profile::sameRate(mine.speedDps, ps.speedDps) ||
        !Profile::sameAngle(mine.cycleAngleDeg, ps.cycleAngleDeg)) {
        // The mount keeps the rate as a step period and the angle of a cycle as steps: the
        // rate from either may make the other again.
        std::vector<Fields> candidates;
        for (const double rate :
             {ps.speedDps,
              ps.effectiveCycleSec > 0 ? ps.cycleAngleDeg / ps.effectiveCycleSec : ps.speedDps}) {
            candidates.push_back(f);
            Profile::assign(candidates.back().trackingRateDegPerSec, rate);
        }
        f = Profile::nearestFields(candidates, ps,
                                   [&](Fields& c) { return programOf(c, &errors); });
    }
    f_ = f;
    follow(ps);
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_AP::clone() const {
    auto c = std::make_unique<TaskProfile_AP>(location_);
    c->f_ = f_;
    copyStateTo(*c);
    c->recompute();
    return c;
}

} // namespace JEX
