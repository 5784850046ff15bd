#include "TaskEstimator.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace JEX {

namespace {

constexpr int64_t kBlock = int64_t(1) << 32;

int countOf(double value) {
    if (!(value > 0))
        return 0;
    return value >= double(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                            : int(value);
}

} // namespace

qint64 TaskProgressInfo::endTimeUnixMs() const {
    const double total = std::trunc(t_Total());
    // Beyond any clock: a program of that length does not end in this epoch.
    if (!std::isfinite(total) || total > 9.0e15)
        return std::numeric_limits<qint64>::max();
    return qint64(total) * 1000 + in_StartTimeUnixMs;
}

TaskEstimator::TaskEstimator(std::shared_ptr<IClock> clock,
                             std::shared_ptr<ITAVOTaskState> taskState)
    : clock_(std::move(clock)), taskState_(std::move(taskState)) {
    qRegisterMetaType<TaskProgressInfo>();
}

int64_t TaskEstimator::startFromLowBits(int64_t storedStartMs, int64_t nowMs) {
    const int64_t low = storedStartMs & (kBlock - 1);
    const int64_t high = nowMs & ~(kBlock - 1);
    int64_t best = 0;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (const int64_t candidate : {high + kBlock + low, high + low, high - kBlock + low}) {
        const int64_t distance = candidate > nowMs ? candidate - nowMs : nowMs - candidate;
        // Candidates come latest first: a later one only gives way to a strictly nearer one.
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

TaskProgressInfo TaskEstimator::estimateAt(const ReadTAVOParamSet& program,
                                           const Nullable<TAVOStatus>& status, int64_t nowMs) {
    const TAVOParamSet& p = program.paramSet;
    TaskProgressInfo info;
    info.in_EstimateTimeUnixMs = nowMs;
    info.in_TakenPhotos = -1;
    if (status && status.value().mode != TAVOMode_::E::Manual) {
        const TAVOStatus& s = status.value();
        info.in_TakenPhotos = s.numberOfPictureTaken;
        info.in_AdjustedStartTime = true;
        info.in_StartTimeUnixMs =
            s.updateTimeUnixMs -
            int64_t(std::trunc(s.numberOfPictureTaken * p.effectiveCycleSec * 1000.0));
    } else {
        info.in_AdjustedStartTime = false;
        info.in_StartTimeUnixMs = startFromLowBits(program.startTimeUnixMs, nowMs);
    }
    const int n = p.N_Cycles;
    const double t = p.effectiveCycleSec;
    info.in_N_Cycles = n;
    info.in_T_Cycle = t;
    info.noEnd = n == 0;
    const double elapsed = double(nowMs - info.in_StartTimeUnixMs) / 1000.0;
    info.confirmedFinish = info.in_TakenPhotos >= 0 && n != 0 && info.in_TakenPhotos == n;
    info.finished = info.confirmedFinish || (n != 0 && elapsed >= n * t);
    info.elapsedClippedSec = info.finished ? n * t : std::max(0.0, elapsed);
    // A period of 0 (a mount holding no program) counts no photos and no progress.
    if (t > 0) {
        info.takenPhotos = countOf(info.elapsedClippedSec / t);
        info.percentTotal = n != 0 ? info.elapsedClippedSec / (n * t) : 0.0;
        info.percentCycle = (info.elapsedClippedSec - info.takenPhotos * t) / t;
    }
    return info;
}

Nullable<TaskProgressInfo> TaskEstimator::estimate() const {
    const Nullable<ReadTAVOParamSet> program = taskState_->readParamSet();
    if (!program)
        return {};
    return estimateAt(program.value(), taskState_->status(), clock_->nowMs());
}

QVariant TaskEstimator::estimate_q() const {
    const Nullable<TaskProgressInfo> info = estimate();
    return info ? QVariant::fromValue(info.value()) : QVariant();
}

} // namespace JEX
