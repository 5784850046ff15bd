#pragma once
// The tasks that move, stop and watch one axis: each retries until it succeeds or is
// cancelled, so a refused command never ends manual control by itself.

#include "IClock.h"
#include "IMountAxis.h"
#include "IMountTask.h"

#include <memory>

namespace JEX {

inline constexpr uint32_t kTagSlew = fourCC("slew");
inline constexpr uint32_t kTagStop = fourCC("stop");
inline constexpr uint32_t kTagRead = fourCC("read");

// The token given to the tasks must resolve, on the task's own thread, to the token the task
// manager installed there (a TCCancellable does).
class SimpleAxisSlewTask : public IMountTask {
public:
    SimpleAxisSlewTask(std::shared_ptr<ICancellable> token, std::shared_ptr<IMountAxis> axis,
                       int axisNumber, double rate);
    uint32_t tag() const override { return kTagSlew; }
    std::set<MountResource> resources() const override;
    CmdRet run() override;

private:
    std::shared_ptr<ICancellable> token_;
    std::shared_ptr<IMountAxis> axis_;
    int axisNumber_;
    double rate_;
};

class AxisStopTask : public IMountTask {
public:
    AxisStopTask(std::shared_ptr<ICancellable> token, std::shared_ptr<IMountAxis> axis,
                 int axisNumber);
    uint32_t tag() const override { return kTagStop; }
    std::set<MountResource> resources() const override;
    CmdRet run() override;

private:
    std::shared_ptr<ICancellable> token_;
    std::shared_ptr<IMountAxis> axis_;
    int axisNumber_;
};

// Keeps the position reading at most about 500 ms old until it is cancelled.
class PeriodicPositionReadTask : public IMountTask {
public:
    PeriodicPositionReadTask(std::shared_ptr<ICancellable> token, std::shared_ptr<IClock> clock,
                             std::shared_ptr<IMountAxis> axis, bool singleAxis);
    uint32_t tag() const override { return kTagRead; }
    std::set<MountResource> resources() const override { return {kResourcePositionRead}; }
    CmdRet run() override;

    // How long to wait before the next reading is due: at most 500 ms, 0 when one is due now.
    int64_t nextWaitMs() const;

private:
    std::shared_ptr<ICancellable> token_;
    std::shared_ptr<IClock> clock_;
    std::shared_ptr<IMountAxis> axis_;
    bool singleAxis_;
};

class IBaseMountTaskFactory {
public:
    virtual ~IBaseMountTaskFactory() = default;
    virtual std::shared_ptr<IMountTask> createSlewTask(int axisNumber, double rate) = 0;
    virtual std::shared_ptr<IMountTask> createStopTask(int axisNumber) = 0;
};

class TAVOMountTaskFactory : public IBaseMountTaskFactory {
public:
    TAVOMountTaskFactory(std::shared_ptr<ICancellable> token, std::shared_ptr<IMountAxis> axis);
    std::shared_ptr<IMountTask> createSlewTask(int axisNumber, double rate) override;
    std::shared_ptr<IMountTask> createStopTask(int axisNumber) override;

private:
    std::shared_ptr<ICancellable> token_;
    std::shared_ptr<IMountAxis> axis_;
};

} // namespace JEX
