#include "TaskTimeline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace JEX {
namespace {

constexpr int64_t kMaxPhotoEvents = 2000;
constexpr int64_t kMaxReversalEvents = 2000;
constexpr int64_t kMaxPathPoints = 2000;
// The mount keeps a period in milliseconds: a shorter one is stored as none.
constexpr double kShortestPeriodSec = 0.0005;
// Far beyond any night, and small enough that counts of cycles stay exact in 64 bits.
constexpr double kLongestHorizonSec = 1e12;
constexpr double kMostCount = 1e15;
// Counts and cycles are taken with this slack: the mount counts whole periods of a number
// that a double holds only nearly, and a photo on a boundary belongs to the cycle it begins.
constexpr double kSlack = 1e-9;
constexpr std::array<int, 8> kDitherEighths{0, 4, -2, 2, -4, 3, -1, 1};
// The eighths moved through one round of the pattern, back to its start.
constexpr int kDitherRoundEighths = 34;

double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

int64_t countOf(double v) {
    return v > 0 ? int64_t(std::min(v, kMostCount)) : 0;
}

// The model of one program's motion (the header tells what of it the mount fixes). A time on
// a cycle's boundary belongs to the cycle it begins; from the left, to the one it ends.
struct Motion {
    double periodSec = 1;
    double cycleDeg = 0; // advance per cycle
    bool stepwise = false;
    // The stretch of a cycle in which the axis makes its move and dithers.
    double moveFromSec = 0;
    double moveToSec = 0;
    double swingDeg = 0; // 0: no swinging
    double ditherDeg = 0;
    int64_t count = 0; // photos of a program that ends; 0 when unlimited
    int sign = 1;

    int64_t cycleOf(double t, bool fromLeft) const {
        const double c =
            fromLeft ? std::ceil(t / periodSec - kSlack) - 1 : std::floor(t / periodSec + kSlack);
        return countOf(c);
    }
    // How far the cycle's move has got at a time into the cycle, 0 to 1.
    double moved(double phaseSec, bool fromLeft) const {
        if (moveToSec > moveFromSec)
            return std::clamp((phaseSec - moveFromSec) / (moveToSec - moveFromSec), 0.0, 1.0);
        return (fromLeft ? phaseSec > moveFromSec : phaseSec >= moveFromSec) ? 1.0 : 0.0;
    }
    double travelAt(double t, bool fromLeft) const {
        if (!stepwise)
            return cycleDeg * t / periodSec;
        const int64_t c = cycleOf(t, fromLeft);
        return (double(c) + moved(t - double(c) * periodSec, fromLeft)) * cycleDeg;
    }
    int ditherEighthsOf(int64_t photo) const {
        return count > 0 && photo >= count ? 0 : kDitherEighths[size_t(photo % 8)];
    }
    double offsetAt(double t, bool fromLeft) const {
        if (ditherDeg == 0)
            return 0;
        const int64_t c = cycleOf(t, fromLeft);
        const double from = ditherEighthsOf(c);
        const double to = ditherEighthsOf(c + 1);
        return (from + moved(t - double(c) * periodSec, fromLeft) * (to - from)) / 8 * ditherDeg;
    }
    double fold(double travelDeg) const {
        if (swingDeg <= 0)
            return travelDeg;
        const double phase = std::fmod(travelDeg, 2 * swingDeg);
        return phase > swingDeg ? 2 * swingDeg - phase : phase;
    }
    // Adding 0 turns the -0 of a counter-clockwise start into 0, as it is shown.
    double directed(double deg) const { return sign * deg + 0.0; }
    double angleAt(double t, bool fromLeft = false) const {
        return directed(fold(travelAt(t, fromLeft)) + offsetAt(t, fromLeft));
    }
    // Reversal j (from 1) is where the travel reaches j swing ranges.
    int64_t reversalsBelow(double travelDeg) const {
        if (swingDeg <= 0 || travelDeg <= 0)
            return 0;
        return countOf(std::ceil(travelDeg / swingDeg - kSlack) - 1);
    }
    double reversalSec(int64_t j) const {
        const double travel = double(j) * swingDeg;
        if (!stepwise)
            return travel / cycleDeg * periodSec;
        const double c = std::max(0.0, std::ceil(travel / cycleDeg - kSlack) - 1);
        const double f = std::clamp((travel - c * cycleDeg) / cycleDeg, 0.0, 1.0);
        return c * periodSec + moveFromSec + f * (moveToSec - moveFromSec);
    }
    double reversalAngle(int64_t j) const {
        const double t = reversalSec(j);
        return directed((j % 2 ? swingDeg : 0.0) + offsetAt(t, false));
    }
    // The dithering moves' length up to a time: whole rounds of the pattern, the rest one
    // by one, the way back after the last photo and the move under way.
    double ditherLength(double t) const {
        if (ditherDeg == 0)
            return 0;
        const int64_t cycles = cycleOf(t, false);
        const int64_t between = count > 0 ? std::min(cycles, count - 1) : cycles;
        double eighths = double(between / 8) * kDitherRoundEighths;
        for (int64_t c = between / 8 * 8; c < between; ++c)
            eighths += std::abs(ditherEighthsOf(c + 1) - ditherEighthsOf(c));
        if (count > 0 && cycles >= count)
            eighths += std::abs(ditherEighthsOf(count - 1));
        eighths += moved(t - double(cycles) * periodSec, false) *
                   std::abs(ditherEighthsOf(cycles + 1) - ditherEighthsOf(cycles));
        return eighths / 8 * ditherDeg;
    }
};

// Every bend of the model up to the end, on both sides of a step.
std::vector<QPointF> detailedPath(const Motion& m, double endSec, int64_t reversals) {
    std::vector<double> times;
    for (int64_t c = 0; double(c) * m.periodSec < endSec; ++c)
        for (const double phase : {0.0, m.moveFromSec, m.moveToSec}) {
            const double t = double(c) * m.periodSec + phase;
            if (phase < m.periodSec && t < endSec)
                times.push_back(t);
        }
    for (int64_t j = 1; j <= reversals; ++j)
        times.push_back(m.reversalSec(j));
    times.push_back(endSec);
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    std::vector<QPointF> path;
    path.reserve(times.size() + 1);
    for (const double t : times) {
        const double right = m.angleAt(t);
        if (t > 0) {
            const double left = m.angleAt(t, true);
            path.emplace_back(t, left);
            if (std::abs(right - left) <= 1e-12)
                continue;
        }
        path.emplace_back(t, right);
    }
    return path;
}

// The motion at its mean rate between the reversals; more reversals than fit are drawn as
// pairs of them spread over the run, a band between the start and the range.
std::vector<QPointF> mergedPath(const Motion& m, double endSec, double travelEndDeg,
                                int64_t reversals) {
    std::vector<QPointF> path{QPointF(0, 0)};
    const auto turn = [&](int64_t j) { path.emplace_back(m.reversalSec(j), m.reversalAngle(j)); };
    if (reversals <= kMaxPathPoints - 2) {
        for (int64_t j = 1; j <= reversals; ++j)
            turn(j);
    } else {
        const int64_t pairs = (kMaxPathPoints - 2) / 2;
        const double spacing = double(reversals) / double(2 * pairs);
        for (int64_t i = 0; i < pairs; ++i) {
            const int64_t j = std::min(2 * int64_t(double(i) * spacing) + 1, reversals - 1);
            turn(j);
            turn(j + 1);
        }
    }
    path.emplace_back(endSec, m.directed(m.fold(travelEndDeg)));
    return path;
}

} // namespace

TaskTimeline taskTimeline(const TAVOParamSet& p, double horizonSec) {
    TaskTimeline out;
    out.unlimited = p.N_Cycles == 0;
    const QString last = out.unlimited ? QStringLiteral("horizon") : QStringLiteral("end");
    const double period = std::isfinite(p.effectiveCycleSec) && p.effectiveCycleSec > 0
                              ? p.effectiveCycleSec
                              : p.cycleSec;
    if (!(std::isfinite(period) && period >= kShortestPeriodSec) || p.N_Cycles < 0) {
        out.path = {QPointF(0, 0)};
        out.events = {{0, 0, QStringLiteral("start")}, {0, 0, last}};
        return out;
    }

    Motion m;
    m.periodSec = period;
    m.stepwise = p.mode == TAVOMode_::E::Reg || p.mode == TAVOMode_::E::Long;
    m.cycleDeg = finiteOrZero(p.mode == TAVOMode_::E::Reg ? std::abs(p.cycleAngleDeg)
                                                          : std::abs(p.speedDps) * period);
    m.moveFromSec = std::clamp(finiteOrZero(p.exposureSec), 0.0, period);
    const double auxSec = finiteOrZero(p.auxTimeSec);
    m.moveToSec = auxSec > 0 && m.moveFromSec + auxSec < period ? m.moveFromSec + auxSec : period;
    const double rangeDeg =
        std::round(std::clamp(finiteOrZero(p.swingRangeDeg), 0.0, double(INT32_MAX)));
    m.swingDeg = p.swingEnabled && rangeDeg >= 1 ? rangeDeg : 0;
    m.ditherDeg = p.ditheringEnabled ? std::abs(finiteOrZero(p.ditheringRangeDeg)) : 0;
    m.count = p.N_Cycles;
    m.sign = p.clockwise ? 1 : -1;

    const double horizon =
        std::isfinite(horizonSec) ? std::clamp(horizonSec, 0.0, kLongestHorizonSec) : 0.0;
    const double endSec = out.unlimited ? horizon : double(p.N_Cycles) * period;
    const double travelEndDeg = m.travelAt(endSec, false);
    out.durationSec = endSec;
    out.totalRotationDeg = travelEndDeg + m.ditherLength(endSec);

    // A photo that begins at the horizon is beyond it.
    const int64_t photoCount =
        out.unlimited ? (horizon > 0 ? countOf(std::ceil(horizon / period - kSlack)) : 0)
                      : int64_t(p.N_Cycles);
    const int64_t photos = std::min(photoCount, kMaxPhotoEvents);
    const int64_t reversals = m.reversalsBelow(travelEndDeg);
    const int64_t turns = std::min(reversals, kMaxReversalEvents);
    out.events.reserve(size_t(photos + turns + 2));
    out.events.push_back({0, 0, QStringLiteral("start")});
    constexpr double never = std::numeric_limits<double>::infinity();
    // A program with an end turns back for its last step, after its last photo: that is no
    // sweep of the sequence, and it is drawn but not named.
    const double lastPhotoSec =
        out.unlimited ? never : double(p.N_Cycles - 1) * period - kSlack * period;
    for (int64_t k = 0, j = 1; k < photos || j <= turns;) {
        const double photoSec = k < photos ? double(k) * period : never;
        double turnSec = j <= turns ? m.reversalSec(j) : never;
        if (turnSec >= lastPhotoSec && turnSec != never) {
            j = turns + 1;
            turnSec = never;
            if (k >= photos)
                break;
        }
        if (turnSec <= photoSec) {
            out.events.push_back({turnSec, m.reversalAngle(j), QStringLiteral("reversal")});
            ++j;
        } else {
            out.events.push_back({photoSec, m.angleAt(photoSec), QStringLiteral("photo")});
            ++k;
        }
    }
    out.events.push_back({endSec, m.angleAt(endSec), last});
    out.photos = int(photos);

    const double cycles = endSec / period;
    const bool detailed = (m.stepwise || m.ditherDeg > 0) &&
                          3 * cycles + double(reversals) + 2 <= double(kMaxPathPoints);
    out.path = detailed ? detailedPath(m, endSec, reversals)
                        : mergedPath(m, endSec, travelEndDeg, reversals);
    return out;
}

} // namespace JEX
