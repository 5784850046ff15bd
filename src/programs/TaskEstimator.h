#pragma once
// Estimates the running program's progress from the task state and the console clock. For
// one run its figures never go back (a clock set back holds them) unless a new status
// reading of the mount says fewer photos are taken, and then the estimate says so.

#include "IClock.h"
#include "ITAVOTaskState.h"
#include "ITaskEstimator.h"

#include <memory>
#include <mutex>
#include <optional>

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
    // The figures of info for elapsed seconds of its run.
    static void fillAt(TaskProgressInfo& info, double elapsedSec);

    std::shared_ptr<IClock> clock_;
    std::shared_ptr<ITAVOTaskState> taskState_;

    // The last estimate's run, its elapsed time and the status reading it used (update time,
    // -1 without one), and the reading that set the figures back.
    struct Last {
        ReadTAVOParamSet run;
        double elapsedSec = 0;
        int64_t statusMs = -1;
        int64_t correctedAtMs = -1;
    };
    mutable std::mutex mutex_;
    mutable std::optional<Last> last_;
};

} // namespace JEX
