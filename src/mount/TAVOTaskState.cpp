#include "TAVOTaskState.h"

namespace JEX {

TAVOTaskState::TAVOTaskState(QObject* parent) : ITAVOTaskState(parent) {
    registerMountMetaTypes();
}

Nullable<TAVOStatus> TAVOTaskState::status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

QVariant TAVOTaskState::status_q() const {
    const Nullable<TAVOStatus> s = status();
    return s ? QVariant::fromValue(s.value()) : QVariant();
}

Nullable<ReadTAVOParamSet> TAVOTaskState::readParamSet() const {
    std::lock_guard lock(mutex_);
    return readParamSet_;
}

QVariant TAVOTaskState::readParamSet_q() const {
    const Nullable<ReadTAVOParamSet> p = readParamSet();
    return p ? QVariant::fromValue(p.value()) : QVariant();
}

QVariant TAVOTaskState::paramSet_q() const {
    const Nullable<ReadTAVOParamSet> p = readParamSet();
    return p ? QVariant::fromValue(p.value().paramSet) : QVariant();
}

void TAVOTaskState::setStatus(const TAVOStatus& status) {
    {
        std::lock_guard lock(mutex_);
        status_.set(status);
    }
    emit valueChanged();
}

void TAVOTaskState::setReadParamSet(const ReadTAVOParamSet& readParamSet) {
    {
        std::lock_guard lock(mutex_);
        readParamSet_.set(readParamSet);
    }
    emit valueChanged();
}

Nullable<bool> TAVOTaskState::isRunning(const Nullable<TAVOStatus>& status,
                                        const Nullable<ReadTAVOParamSet>& program) {
    if (!status || !program)
        return {};
    if (status.value().mode == TAVOMode_::E::Manual)
        return false;
    const int32_t cycles = program.value().paramSet.N_Cycles;
    if (cycles != 0 && status.value().numberOfPictureTaken >= cycles)
        return false;
    return true;
}

Nullable<bool> TAVOTaskState::isRunningTask() const {
    std::lock_guard lock(mutex_);
    return isRunning(status_, readParamSet_);
}

QVariant TAVOTaskState::isRunningTask_q() const {
    const Nullable<bool> running = isRunningTask();
    return running ? QVariant(running.value()) : QVariant();
}

} // namespace JEX
