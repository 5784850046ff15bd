#include "AxisTasks.h"

#include <algorithm>

namespace JEX {
namespace {

constexpr uint32_t kRetryMs = 200;
constexpr int64_t kReadEveryMs = 500;

MountResource axisResource(int axisNumber) {
    return axisNumber == 1 ? kResourceAxis2 : kResourceAxis1;
}
uint32_t axisIndex(int axisNumber) {
    return axisNumber == 1 ? 1 : 0;
}

} // namespace

SimpleAxisSlewTask::SimpleAxisSlewTask(std::shared_ptr<ICancellable> token,
                                       std::shared_ptr<IMountAxis> axis, int axisNumber,
                                       double rate)
    : token_(std::move(token)), axis_(std::move(axis)), axisNumber_(axisNumber), rate_(rate) {}

std::set<MountResource> SimpleAxisSlewTask::resources() const {
    return {axisResource(axisNumber_)};
}

CmdRet SimpleAxisSlewTask::run() {
    for (;;) {
        if (axis_->setRate(axisIndex(axisNumber_), rate_) == CmdRetType::Ok)
            return CmdRetType::Ok;
        if (token_->wait(kRetryMs))
            return CmdRetType::Cancel;
    }
}

AxisStopTask::AxisStopTask(std::shared_ptr<ICancellable> token, std::shared_ptr<IMountAxis> axis,
                           int axisNumber)
    : token_(std::move(token)), axis_(std::move(axis)), axisNumber_(axisNumber) {}

std::set<MountResource> AxisStopTask::resources() const {
    return {axisResource(axisNumber_)};
}

CmdRet AxisStopTask::run() {
    const uint32_t axis = axisIndex(axisNumber_);
    for (;;) {
        if (axis_->stop(axis) == CmdRetType::Ok) {
            axis_->setRequestedRate(axis, 0.0);
            return CmdRetType::Ok;
        }
        if (token_->wait(kRetryMs))
            return CmdRetType::Cancel;
    }
}

PeriodicPositionReadTask::PeriodicPositionReadTask(std::shared_ptr<ICancellable> token,
                                                   std::shared_ptr<IClock> clock,
                                                   std::shared_ptr<IMountAxis> axis,
                                                   bool singleAxis)
    : token_(std::move(token)), clock_(std::move(clock)), axis_(std::move(axis)),
      singleAxis_(singleAxis) {}

int64_t PeriodicPositionReadTask::nextWaitMs() const {
    const int64_t now = clock_->nowMs();
    int64_t wait = kReadEveryMs;
    for (uint32_t axis = 0; axis < (singleAxis_ ? 1u : 2u); ++axis)
        wait = std::min(wait, axis_->lastPosition(axis).timeMs + kReadEveryMs - now);
    return std::max<int64_t>(wait, 0);
}

CmdRet PeriodicPositionReadTask::run() {
    for (;;) {
        int64_t readAt = axis_->lastPosition(0).timeMs;
        if (!singleAxis_)
            readAt = std::min(readAt, axis_->lastPosition(1).timeMs);
        bool failed = false;
        if (clock_->nowMs() - readAt > kReadEveryMs - 1) {
            const CmdRetType result =
                singleAxis_ ? axis_->readPosition(0).type : axis_->readPositions().type;
            if (result == CmdRetType::Cancel)
                return CmdRetType::Cancel;
            failed = result != CmdRetType::Ok;
        }
        // A failed read leaves the reading old; without a pause a mount that rejects the read
        // at once would be asked again and again as fast as it can answer.
        const int64_t wait = failed ? kReadEveryMs : nextWaitMs();
        if (wait < 1)
            continue;
        if (token_->wait(uint32_t(wait)))
            return CmdRetType::Cancel;
    }
}

TAVOMountTaskFactory::TAVOMountTaskFactory(std::shared_ptr<ICancellable> token,
                                           std::shared_ptr<IMountAxis> axis)
    : token_(std::move(token)), axis_(std::move(axis)) {}

std::shared_ptr<IMountTask> TAVOMountTaskFactory::createSlewTask(int axisNumber, double rate) {
    return std::make_shared<SimpleAxisSlewTask>(token_, axis_, axisNumber, rate);
}

std::shared_ptr<IMountTask> TAVOMountTaskFactory::createStopTask(int axisNumber) {
    return std::make_shared<AxisStopTask>(token_, axis_, axisNumber);
}

} // namespace JEX
