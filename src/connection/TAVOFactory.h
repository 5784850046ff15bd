#pragma once
// Makes, for each opened link, the parameter-memory converser, task manager, axis 1 with
// its position store and tasks, the synchronisation and the mount object that owns them,
// from the long-lived objects every mount shares.

#include "Cancellation.h"
#include "IClock.h"
#include "ILocation.h"
#include "ITAVOFactory.h"
#include "ITAVOSettings.h"
#include "ITAVOTaskState.h"

#include <memory>
#include <mutex>

namespace JEX {

class TAVOFactory : public ITAVOFactory {
public:
    // The cancellable is one object seen through two interfaces: tasks install their token
    // through the context, and the axis and the tasks read the token of their thread.
    TAVOFactory(std::shared_ptr<IClock> clock, std::shared_ptr<IWaitable> waitable,
                std::shared_ptr<ITAVOTaskState> taskState, std::shared_ptr<ITAVOSettings> settings,
                std::shared_ptr<ICancellableThreadContext> threadContext,
                std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<ILocation> location);

    std::shared_ptr<ITAVO> create(std::shared_ptr<IJexConverser> converser,
                                  std::shared_ptr<IJexDevice> device) override;

private:
    std::shared_ptr<IClock> clock_;
    std::shared_ptr<IWaitable> waitable_;
    std::shared_ptr<ITAVOTaskState> taskState_;
    std::shared_ptr<ITAVOSettings> settings_;
    std::shared_ptr<ICancellableThreadContext> threadContext_;
    std::shared_ptr<ITCCancellable> cancellable_;
    std::shared_ptr<ILocation> location_;
    // One mount on the wire at a time, also while one let go still finishes an operation.
    const std::shared_ptr<std::mutex> wireMutex_ = std::make_shared<std::mutex>();
};

} // namespace JEX
