#include "TaskProfile_ATL.h"

#include <numbers>

namespace JEX {

TaskProfile_ATL::TaskProfile_ATL(std::shared_ptr<ILocation> location)
    : location_(std::move(location)) {
    recompute();
}

double TaskProfile_ATL::cycleSec(double exposureSec, double trackingRps) {
    return exposureSec + exposureSec * trackingRps / 0.0037189790810629175 + 0.47577077995433387 +
           0.7371969116479914 + 1.2637661342536994 + 1.5165193611044392;
}

const std::array<Profile::SolverBinding<TaskProfile_ATL::Fields>, 3> TaskProfile_ATL::kBindings{{
    {"T_Total", &Fields::videoTimeSpanHour, &Fields::input_videoTimeSpanHour,
     &Fields::calc_videoTimeSpanHour, 3600, 1},
    {"T_Video", &Fields::videoLengthSec, &Fields::input_videoLengthSec,
     &Fields::calc_videoLengthSec},
    {"N_Cycles", &Fields::photos, &Fields::input_photos, &Fields::calc_photos},
}};

void TaskProfile_ATL::recompute() {
    const double rateRps = f_.trackingRateDegPerSec * std::numbers::pi / 180.0;
    const double cycle = cycleSec(f_.exposureSec, rateRps);
    CParamsSolver solver;
    solver.setInput("Fps", f_.frameRateFps);
    solver.setInput("T_Cycle", cycle);
    Profile::feedInputs<Fields>(solver, f_, kBindings);
    Profile::readBack<Fields>(solver, f_, kBindings);

    TAVOParamSet p;
    p.mode = TAVOMode_::E::ATL;
    p.clockwise = Profile::clockwiseAt(location_);
    p.effectiveCycleSec = p.cycleSec = cycle;
    p.N_Cycles = (f_.input_photos || f_.calc_photos) ? Profile::truncated(f_.photos) : 0;
    p.cycleAngleDeg = f_.trackingRateDegPerSec * cycle;
    p.exposureSec = f_.exposureSec;
    p.speedDps = f_.trackingRateDegPerSec;
    publish(true, {}, p);
}

void TaskProfile_ATL::setSelects(const QString& selects) {
    Profile::applySelects<Fields>(selects, f_, kBindings, [this] { recompute(); });
}

void TaskProfile_ATL::updateWithParamSet(TAVOParamSet ps) {
    const int n = ps.N_Cycles;
    Profile::assign(f_.exposureSec, ps.exposureSec);
    Profile::assign(f_.videoTimeSpanHour, n * ps.effectiveCycleSec / 3600.0);
    // Whole seconds of video; no frame rate, no video.
    Profile::assign(f_.videoLengthSec, f_.frameRateFps > 0 ? double(n / f_.frameRateFps) : 0.0);
    Profile::assign(f_.photos, double(n));
    Profile::assign(f_.trackingRateDegPerSec, ps.speedDps);
    f_.input_videoTimeSpanHour = false;
    f_.input_videoLengthSec = false;
    f_.input_photos = true;
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_ATL::clone() const {
    auto c = std::make_unique<TaskProfile_ATL>(location_);
    c->f_ = f_;
    c->name_ = name_;
    c->recompute();
    return c;
}

} // namespace JEX
