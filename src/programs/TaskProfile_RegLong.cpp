#include "TaskProfile_RegLong.h"

#include "Log.h"

#include <algorithm>
#include <cmath>

namespace JEX {

namespace {

// The gap a frame needs after its exposure to move the camera on.
constexpr double kMinGapSec = 0.5;

} // namespace

const std::array<Profile::SolverBinding<TaskProfile_RegLong::Fields>, 6>
    TaskProfile_RegLong::kBindings{{
        {"T_Total", "videoTimeSpanHour", &Fields::videoTimeSpanHour,
         &Fields::input_videoTimeSpanHour, &Fields::calc_videoTimeSpanHour, 3600, 1},
        {"T_Video", "videoLengthSec", &Fields::videoLengthSec, &Fields::input_videoLengthSec,
         &Fields::calc_videoLengthSec},
        {"N_Cycles", "photos", &Fields::photos, &Fields::input_photos, &Fields::calc_photos},
        {"T_Cycle", "framePeriodSec", &Fields::framePeriodSec, &Fields::input_framePeriodSec,
         &Fields::calc_framePeriodSec},
        {"A_Range", "swingRangeDeg", &Fields::swingRangeDeg, &Fields::input_swingRangeDeg,
         &Fields::calc_swingRangeDeg},
        {"V_Total", "speedDph", &Fields::speedDph, &Fields::input_speedDph, &Fields::calc_speedDph,
         1, 3600},
    }};

TaskProfile_RegLong::TaskProfile_RegLong(bool regularExposure) : regular_(regularExposure) {
    recompute();
}

bool TaskProfile_RegLong::solve(Fields* used, QStringList* refused) {
    // A given range is whole degrees, as the mount keeps it (a calculated one that the user
    // ticks included).
    if (f_.input_swingRangeDeg)
        f_.swingRangeDeg = Profile::nearestWhole(f_.swingRangeDeg);
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
    *used = f_;
    Profile::readBack<Fields>(solver, f_, *used, kBindings);
    *refused = Profile::refusedOf<Fields>(solver, f_, kBindings);
    // Without a given range the camera pans once across the whole travel: that is its sweep.
    if (!f_.input_swingRangeDeg && solver.known("A_Total")) {
        f_.swingRangeDeg = used->swingRangeDeg = solver.value("A_Total");
        f_.calc_swingRangeDeg = used->calc_swingRangeDeg = true;
    }
    f_.block_input_swingRangeDeg = solver.known("A_Total") && !solver.known("A_Range");
    // Sweeps of a given range of 0 are no sweeps: nothing to count.
    const bool zeroRangeGiven =
        f_.input_swingRangeDeg && solver.isInput("A_Range") && f_.swingRangeDeg == 0;
    f_.enable_swingCount = f_.input_swingRangeDeg && !noRange && !zeroRangeGiven;
    return solver.known("T_Cycle") && solver.known("A_Cycle") && solver.known("V_Total");
}

TaskProfile_RegLong::Outcome TaskProfile_RegLong::compute() {
    Outcome o;
    Fields u;
    const bool solved = solve(&u, &o.refused);
    if (regular_)
        f_.exposureSec = u.exposureSec = 0.5;
    f_.calc_exposureSec = regular_;

    // The program is made of what the solver worked out, refused inputs included.
    TAVOParamSet& p = o.program;
    p.mode = regular_ ? TAVOMode_::E::Reg : TAVOMode_::E::Long;
    p.clockwise = u.clockwise;
    p.effectiveCycleSec = p.cycleSec = u.framePeriodSec;
    p.N_Cycles = (u.input_photos || u.calc_photos) ? Profile::truncated(u.photos) : 0;
    // The mount sweeps whole degrees; a calculated range may show more, but the program is
    // what the mount will do. A range of 0 is no swinging.
    const double sweepDeg = Profile::nearestWhole(u.swingRangeDeg);
    p.swingEnabled = u.input_swingRangeDeg && u.swingCount >= 2 && sweepDeg >= 1;
    p.swingRangeDeg = p.swingEnabled ? sweepDeg : 0;
    p.speedDps = u.speedDph / 3600.0;
    p.cycleAngleDeg = p.speedDps * u.framePeriodSec;
    p.exposureSec = u.exposureSec;

    const double gap = u.framePeriodSec - u.exposureSec;
    const bool exposureTooLong = gap < kMinGapSec;
    bool tooFast = false;
    if (exposureTooLong) {
        o.errors << QT_TRANSLATE_NOOP(
                        "tavo_profile",
                        "Frame period must be at least %1 seconds longer than exposure")
                 << QString::number(kMinGapSec, 'g');
    } else if (!regular_ && p.cycleAngleDeg / gap > Profile::speedLimitDps()) {
        tooFast = true;
        o.errors << QT_TRANSLATE_NOOP("tavo_profile",
                                      "Speed too fast for frame period and exposure");
    }
    if (!solved) {
        // Too few inputs to make a program: nothing to point at yet.
        o.errors.clear();
        f_.invalidExposure = f_.invalidSpeed = false;
    } else {
        f_.invalidExposure = exposureTooLong;
        f_.invalidSpeed = tooFast;
    }
    o.valid = solved && o.errors.isEmpty();
    return o;
}

void TaskProfile_RegLong::recompute() {
    const Outcome o = compute();
    publish(o.valid, o.errors, o.program, o.refused);
}

void TaskProfile_RegLong::setFrameRateFps(int v) {
    if (v < 1) {
        log("Time-lapse profile: a frame rate of %d is not taken (at least 1)", v);
        return;
    }
    set(f_.frameRateFps, v);
}

void TaskProfile_RegLong::setSelects(const QString& selects) {
    unfollow();
    Profile::applySelects<Fields>(selects, f_, kBindings, [this] {
        recompute();
        return refusedInputs();
    });
}

void TaskProfile_RegLong::adopt(const TAVOParamSet& ps) {
    const int n = ps.N_Cycles;
    const double period = ps.effectiveCycleSec;
    Fields base = f_;
    Profile::assign(base.exposureSec, ps.exposureSec);
    Profile::assign(base.framePeriodSec, period);
    base.clockwise = ps.clockwise;
    if (n > 0) {
        Profile::assign(base.photos, double(n));
        Profile::assign(base.videoLengthSec, double(n) / base.frameRateFps);
    }
    // The travel of the whole run, in sweeps of the range when the mount swings. The count
    // is the nearest whole number: the travel comes back from the mount's steps, so a ratio
    // that was whole when the program was made is whole only to within a step.
    const double travelDeg = std::max(0, n - 1) * ps.cycleAngleDeg;
    std::vector<int> counts;
    if (ps.swingEnabled && ps.swingRangeDeg != 0) {
        Profile::assign(base.swingRangeDeg, ps.swingRangeDeg);
        const double sweeps = travelDeg / ps.swingRangeDeg;
        counts = {std::max(1, Profile::truncated(std::round(sweeps))),
                  std::max(1, Profile::truncated(std::ceil(sweeps)))};
    } else {
        if (!base.input_swingRangeDeg || base.swingCount < 2) {
            Profile::assign(base.swingCount, 1);
            Profile::assign(base.swingRangeDeg, travelDeg);
        }
        counts = {base.swingCount};
    }
    // Without swinging, a given range is the travel: (photos − 1) angles, or photos angles
    // where the count came from the time span.
    std::vector<double> rangesDeg{base.swingRangeDeg};
    if (!ps.swingEnabled && base.input_swingRangeDeg)
        rangesDeg.push_back(n * ps.cycleAngleDeg);
    // The solver takes a time span as photos × period to give the photo count, divides it by
    // the gaps (photos − 1) to give the period, and gives it as travel over speed: which one
    // makes the program again depends on what else is ticked. The mount keeps the speed as a
    // step period and the angle of a cycle as steps: the speed from either may make the
    // other again. Each is tried; the nearest wins.
    std::vector<double> spans{n * period, std::max(0, n - 1) * period};
    std::vector<double> speedsDps{ps.speedDps};
    if (period > 0)
        speedsDps.push_back(ps.cycleAngleDeg / period);
    std::vector<Fields> candidates;
    for (const int count : counts)
        for (const double rangeDeg : rangesDeg) {
            // The travel the solver works out from the sweeps, and the speed and span that
            // make it take the running period.
            const double travelTotalDeg =
                base.input_swingRangeDeg ? count * Profile::nearestWhole(rangeDeg) : travelDeg;
            std::vector<double> speeds = speedsDps;
            std::vector<double> times = spans;
            if (n > 1 && period > 0)
                speeds.push_back(travelTotalDeg / (n - 1) / period);
            if (ps.speedDps > 0)
                times.push_back(travelTotalDeg / ps.speedDps);
            for (const double speedDps : speeds)
                for (const double span : times) {
                    Fields& c = candidates.emplace_back(base);
                    Profile::assign(c.swingCount, count);
                    Profile::assign(c.swingRangeDeg, rangeDeg);
                    Profile::assign(c.speedDph, speedDps * 3600.0);
                    if (n > 0)
                        Profile::assign(c.videoTimeSpanHour, span / 3600.0);
                }
        }
    f_ = Profile::nearestFields(candidates, ps, [this](Fields& c) {
        std::swap(f_, c);
        const Outcome o = compute();
        std::swap(f_, c);
        // Fields that make no program are as far as another kind of program.
        TAVOParamSet program = o.program;
        if (!o.valid)
            program.mode = TAVOMode_::E::Manual;
        return program;
    });
}

void TaskProfile_RegLong::updateWithParamSet(TAVOParamSet ps) {
    // The user's values stay where the mount runs what they make; the ticks always stay.
    if (!valid() || !Profile::sameProgram(paramSetValue(), ps))
        adopt(ps);
    follow(ps);
    recompute();
}

std::unique_ptr<ITaskProfile> TaskProfile_RegLong::clone() const {
    auto c = std::make_unique<TaskProfile_RegLong>(regular_);
    c->f_ = f_;
    copyStateTo(*c);
    c->recompute();
    return c;
}

} // namespace JEX
