#pragma once
// The shared task state: one optional status and one optional program, both empty at start.

#include "ITAVOTaskState.h"

#include <mutex>

namespace JEX {

class TAVOTaskState : public ITAVOTaskState {
    Q_OBJECT
public:
    explicit TAVOTaskState(QObject* parent = nullptr);

    Nullable<TAVOStatus> status() const override;
    QVariant status_q() const override;
    Nullable<ReadTAVOParamSet> readParamSet() const override;
    QVariant readParamSet_q() const override;
    QVariant paramSet_q() const override;
    // Each setter stores and announces, even an unchanged value; nothing empties them again.
    void setStatus(const TAVOStatus& status) override;
    void setReadParamSet(const ReadTAVOParamSet& readParamSet) override;
    Nullable<bool> isRunningTask() const override;
    QVariant isRunningTask_q() const override;

    // Whether a program is running by the status and the program it runs: no answer without
    // both; not in Manual mode; not once the photo count reached a limited cycle count.
    static Nullable<bool> isRunning(const Nullable<TAVOStatus>& status,
                                    const Nullable<ReadTAVOParamSet>& program);

private:
    mutable std::mutex mutex_;
    Nullable<TAVOStatus> status_;
    Nullable<ReadTAVOParamSet> readParamSet_;
};

} // namespace JEX
