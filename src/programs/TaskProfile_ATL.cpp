#include "TaskProfile_ATL.h"

#include "Log.h"

#include <numbers>

namespace JEX {

TaskProfile_ATL::TaskProfile_ATL(std::shared_ptr<ILocation> location)
    : location_(std::move(location)) {
    recompute();
}

namespace {

// The rate (rad/s) at which moving back takes as long as the exposure that tracking gained.
constexpr double kReturnRateRps = 0.0037189790810629175;

} // namespace

double TaskProfile_ATL::cycleSec(double exposureSec, double trackingRps) {
    return exposureSec + exposureSec * trackingRps / kReturnRateRps + 0.47577077995433387 +
           0.7371969116479914 + 1.2637661342536994 + 1.5165193611044392;
}

const std::array<Profile::SolverBinding<TaskProfile_ATL::Fields>, 3> TaskProfile_ATL::kBindings{{
    {"T_Total", "videoTimeSpanHour", &Fields::videoTimeSpanHour, &Fields::input_videoTimeSpanHour,
     &Fields::calc_videoTimeSpanHour, 3600, 1},
    {"T_Video", "videoLengthSec", &Fields::videoLengthSec, &Fields::input_videoLengthSec,
     &Fields::calc_videoLengthSec},
    {"N_Cycles", "photos", &Fields::photos, &Fields::input_photos, &Fields::calc_photos},
}};

TAVOParamSet TaskProfile_ATL::programOf(Fields& f, QStringList* refused) const {
    const double rateRps = f.trackingRateDegPerSec * std::numbers::pi / 180.0;
    const double cycle = cycleSec(f.exposureSec, rateRps);
    CParamsSolver solver;
    solver.setInput("Fps", f.frameRateFps);
    solver.setInput("T_Cycle", cycle);
    Profile::feedInputs<Fields>(solver, f, kBindings);
    Fields used = f;
    Profile::readBack<Fields>(solver, f, used, kBindings);
    *refused = Profile::refusedOf<Fields>(solver, f, kBindings);

    TAVOParamSet p;
    p.mode = TAVOMode_::E::ATL;
    p.clockwise = Profile::clockwiseAt(location_);
    p.effectiveCycleSec = p.cycleSec = cycle;
    p.N_Cycles = (used.input_photos || used.calc_photos) ? Profile::truncated(used.photos) : 0;
    p.cycleAngleDeg = f.trackingRateDegPerSec * cycle;
    p.exposureSec = f.exposureSec;
    p.speedDps = f.trackingRateDegPerSec;
    return p;
}

void TaskProfile_ATL::recompute() {
    QStringList refused;
    const TAVOParamSet p = programOf(f_, &refused);
    publish(true, {}, p, refused);
}

void TaskProfile_ATL::setFrameRateFps(int v) {
    if (v < 1) {
        log("Astro time-lapse profile: a frame rate of %d is not taken (at least 1)", v);
        return;
    }
    set(f_.frameRateFps, v);
}

void TaskProfile_ATL::setSelects(const QString& selects) {
    unfollow();
    Profile::applySelects<Fields>(selects, f_, kBindings, [this] {
        recompute();
        return refusedInputs();
    });
}

void TaskProfile_ATL::updateWithParamSet(TAVOParamSet ps) {
    // The user's values and ticks stay where the mount runs what they make; otherwise the
    // count is the input and the rest follows from it.
    if (!Profile::sameProgram(paramSetValue(), ps)) {
        const int n = ps.N_Cycles;
        Fields f = f_;
        Profile::assign(f.exposureSec, ps.exposureSec);
        Profile::assign(f.videoTimeSpanHour, n * ps.effectiveCycleSec / 3600.0);
        Profile::assign(f.videoLengthSec, double(n) / f.frameRateFps);
        Profile::assign(f.photos, double(n));
        f.input_videoTimeSpanHour = false;
        f.input_videoLengthSec = false;
        f.input_photos = true;
        // The period follows from the exposure and the rate, and the mount keeps the rate as
        // a step period, the period to the millisecond and the angle as steps: the rate
        // from any of the three may make the others again.
        std::vector<double> rates{ps.speedDps};
        if (ps.cycleSec > 0)
            rates.push_back(ps.cycleAngleDeg / ps.cycleSec);
        if (ps.exposureSec > 0) {
            const double fixedSec = cycleSec(0, 0);
            const double rps =
                (ps.cycleSec - ps.exposureSec - fixedSec) * kReturnRateRps / ps.exposureSec;
            rates.push_back(rps * 180.0 / std::numbers::pi);
        }
        std::vector<Fields> candidates;
        for (const double rate : rates) {
            candidates.push_back(f);
            Profile::assign(candidates.back().trackingRateDegPerSec, rate);
        }
        QStringList refused;
        f_ = Profile::nearestFields(candidates, ps,
                                    [&](Fields& c) { return programOf(c, &refused); });
    }
    follow(ps);
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_ATL::clone() const {
    auto c = std::make_unique<TaskProfile_ATL>(location_);
    c->f_ = f_;
    copyStateTo(*c);
    c->recompute();
    return c;
}

} // namespace JEX
