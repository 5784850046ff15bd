#pragma once
// Estimates the running program's progress from the task state and the console clock; it
// keeps nothing between calls.

#include "IClock.h"
#include "ITAVOTaskState.h"
#include "ITaskEstimator.h"

#include <memory>

namespace JEX {

class TaskEstimator : public ITaskEstimator {
    Q_OBJECT
public:
    TaskEstimator(std::shared_ptr<IClock> clock, std::shared_ptr<ITAVOTaskState> taskState);

    Nullable<TaskProgressInfo> estimate() const override;
    QVariant estimate_q() const override;

    // The full time whose low 32 bits the mount kept: of the three candidates in the 2^32
    // blocks around now, the one nearest to now, the later one on a tie.
    static int64_t startFromLowBits(int64_t storedStartMs, int64_t nowMs);

    // The estimate for a program and, when the mount reported one, its status at now.
    static TaskProgressInfo estimateAt(const ReadTAVOParamSet& program,
                                       const Nullable<TAVOStatus>& status, int64_t nowMs);

private:
    std::shared_ptr<IClock> clock_;
    std::shared_ptr<ITAVOTaskState> taskState_;
};

} // namespace JEX
