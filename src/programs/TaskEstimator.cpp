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
    info.in_N_Cycles = p.N_Cycles;
    info.in_T_Cycle = p.effectiveCycleSec;
    info.noEnd = p.N_Cycles == 0;
    info.confirmedFinish =
        info.in_TakenPhotos >= 0 && p.N_Cycles != 0 && info.in_TakenPhotos == p.N_Cycles;
    fillAt(info, double(nowMs - info.in_StartTimeUnixMs) / 1000.0);
    return info;
}

void TaskEstimator::fillAt(TaskProgressInfo& info, double elapsed) {
    const int n = info.in_N_Cycles;
    const double t = info.in_T_Cycle;
    info.finished = info.confirmedFinish || (n != 0 && elapsed >= n * t);
    info.elapsedClippedSec = info.finished ? n * t : std::max(0.0, elapsed);
    // A period of 0 (a mount holding no program) counts no photos and no progress.
    if (t > 0) {
        info.takenPhotos = countOf(info.elapsedClippedSec / t);
        info.percentTotal = n != 0 ? info.elapsedClippedSec / (n * t) : 0.0;
        info.percentCycle = (info.elapsedClippedSec - info.takenPhotos * t) / t;
    }
}

Nullable<TaskProgressInfo> TaskEstimator::estimate() const {
    const Nullable<ReadTAVOParamSet> program = taskState_->readParamSet();
    if (!program)
        return {};
    const Nullable<TAVOStatus> status = taskState_->status();
    TaskProgressInfo info = estimateAt(program.value(), status, clock_->nowMs());
    const int64_t statusMs = info.in_AdjustedStartTime ? status.value().updateTimeUnixMs : -1;

    std::lock_guard lock(mutex_);
    if (!last_ || !(last_->run == program.value()))
        last_ = Last{program.value(), info.elapsedClippedSec, statusMs, -1};
    if (info.elapsedClippedSec < last_->elapsedSec) {
        if (statusMs >= 0 && statusMs != last_->statusMs)
            last_->correctedAtMs = statusMs;
        else
            fillAt(info, last_->elapsedSec);
    }
    info.correctedToMount = statusMs >= 0 && statusMs == last_->correctedAtMs;
    last_->elapsedSec = info.elapsedClippedSec;
    last_->statusMs = statusMs;
    return info;
}

QVariant TaskEstimator::estimate_q() const {
    const Nullable<TaskProgressInfo> info = estimate();
    return info ? QVariant::fromValue(info.value()) : QVariant();
}

} // namespace JEX
