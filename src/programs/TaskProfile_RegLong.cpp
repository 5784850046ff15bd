#include "TaskProfile_RegLong.h"

namespace JEX {

namespace {

// The gap a frame needs after its exposure to move the camera on.
constexpr double kMinGapSec = 0.5;

} // namespace

const std::array<Profile::SolverBinding<TaskProfile_RegLong::Fields>, 6>
    TaskProfile_RegLong::kBindings{{
        {"T_Total", &Fields::videoTimeSpanHour, &Fields::input_videoTimeSpanHour,
         &Fields::calc_videoTimeSpanHour, 3600, 1},
        {"T_Video", &Fields::videoLengthSec, &Fields::input_videoLengthSec,
         &Fields::calc_videoLengthSec},
        {"N_Cycles", &Fields::photos, &Fields::input_photos, &Fields::calc_photos},
        {"T_Cycle", &Fields::framePeriodSec, &Fields::input_framePeriodSec,
         &Fields::calc_framePeriodSec},
        {"A_Range", &Fields::swingRangeDeg, &Fields::input_swingRangeDeg,
         &Fields::calc_swingRangeDeg},
        {"V_Total", &Fields::speedDph, &Fields::input_speedDph, &Fields::calc_speedDph, 1, 3600},
    }};

TaskProfile_RegLong::TaskProfile_RegLong(bool regularExposure) : regular_(regularExposure) {
    recompute();
}

bool TaskProfile_RegLong::solve() {
    CParamsSolver solver;
    solver.setInput("Fps", f_.frameRateFps);
    if (f_.input_swingRangeDeg)
        solver.setInput("N_Swings", f_.swingCount);
    Profile::feedInputs<Fields>(solver, f_, kBindings);
    // No range: the camera pans nowhere, whatever the other inputs say.
    const bool noRange =
        f_.input_swingRangeDeg && f_.swingRangeDeg == 0 && !solver.known("A_Total");
    if (noRange)
        solver.setInput("A_Total", 0);
    Profile::readBack<Fields>(solver, f_, kBindings);
    f_.block_input_swingRangeDeg = solver.known("A_Total") && !solver.known("A_Range");
    f_.enable_swingCount = f_.input_swingRangeDeg && !noRange;
    return solver.known("T_Cycle") && solver.known("A_Cycle") && solver.known("V_Total");
}

void TaskProfile_RegLong::recompute() {
    const bool solved = solve();
    if (regular_)
        f_.exposureSec = 0.5;
    f_.calc_exposureSec = regular_;

    TAVOParamSet p;
    p.mode = regular_ ? TAVOMode_::E::Reg : TAVOMode_::E::Long;
    p.clockwise = f_.clockwise;
    p.effectiveCycleSec = p.cycleSec = f_.framePeriodSec;
    p.N_Cycles = (f_.input_photos || f_.calc_photos) ? Profile::truncated(f_.photos) : 0;
    p.swingEnabled = f_.input_swingRangeDeg && f_.swingCount >= 2;
    p.swingRangeDeg = p.swingEnabled ? f_.swingRangeDeg : 0;
    p.speedDps = f_.speedDph / 3600.0;
    p.cycleAngleDeg = p.speedDps * f_.framePeriodSec;
    p.exposureSec = f_.exposureSec;

    QStringList errors;
    const double gap = f_.framePeriodSec - f_.exposureSec;
    const bool exposureTooLong = gap < kMinGapSec;
    bool tooFast = false;
    if (exposureTooLong) {
        errors << QT_TRANSLATE_NOOP("tavo_profile",
                                    "Frame period must be at least %1 seconds longer than exposure")
               << QString::number(kMinGapSec, 'g');
    } else if (!regular_ && p.cycleAngleDeg / gap > Profile::speedLimitDps()) {
        tooFast = true;
        errors << QT_TRANSLATE_NOOP("tavo_profile", "Speed too fast for frame period and exposure");
    }
    if (!solved) {
        // Too few inputs to make a program: nothing to point at yet.
        errors.clear();
        f_.invalidExposure = f_.invalidSpeed = false;
    } else {
        f_.invalidExposure = exposureTooLong;
        f_.invalidSpeed = tooFast;
    }
    publish(solved && errors.isEmpty(), errors, p);
}

void TaskProfile_RegLong::setSelects(const QString& selects) {
    Profile::applySelects<Fields>(selects, f_, kBindings, [this] { recompute(); });
}

void TaskProfile_RegLong::updateWithParamSet(TAVOParamSet ps) {
    const int n = ps.N_Cycles;
    const double travelDeg = (n - 1) * ps.cycleAngleDeg;
    if (ps.swingEnabled && ps.swingRangeDeg != 0) {
        Profile::assign(f_.swingRangeDeg, ps.swingRangeDeg);
        Profile::assign(f_.swingCount, Profile::truncated(travelDeg / ps.swingRangeDeg));
    } else {
        Profile::assign(f_.swingCount, 1);
        Profile::assign(f_.swingRangeDeg, travelDeg);
    }
    Profile::assign(f_.exposureSec, ps.exposureSec);
    Profile::assign(f_.videoTimeSpanHour, n * ps.effectiveCycleSec / 3600.0);
    // Whole seconds of video; no frame rate, no video.
    Profile::assign(f_.videoLengthSec, f_.frameRateFps > 0 ? double(n / f_.frameRateFps) : 0.0);
    Profile::assign(f_.photos, double(n));
    Profile::assign(f_.framePeriodSec, ps.effectiveCycleSec);
    Profile::assign(f_.speedDph, ps.speedDps * 3600.0);
    f_.clockwise = ps.clockwise;
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_RegLong::clone() const {
    auto c = std::make_unique<TaskProfile_RegLong>(regular_);
    c->f_ = f_;
    c->name_ = name_;
    c->recompute();
    return c;
}

} // namespace JEX
