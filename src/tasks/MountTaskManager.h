#pragma once
// Runs mount tasks, one thread each, so that no two tasks sharing a resource overlap: a new
// task cancels the running ones it conflicts with and starts when they have ended.

#include "IMountTask.h"

#include <memory>

namespace JEX {

class MountTaskManager : public IMountTaskManager {
public:
    // Each task's token is installed through the context on the task's own thread.
    explicit MountTaskManager(std::shared_ptr<ICancellableThreadContext> threadContext);
    ~MountTaskManager() override;

    uint32_t lastTag(MountResource resource) const override;
    std::map<MountResource, uint32_t> lastTags() const override;
    std::any kvLoad(MountResource resource, int key) override;
    void kvSave(MountResource resource, int key, std::any value) override;
    std::shared_ptr<ICanceller> addTask(std::shared_ptr<IMountTask> task, OnStart onStart = {},
                                        OnDone onDone = {}) override;
    void cancelAll() override;

private:
    struct Impl;
    struct Forward;
    std::shared_ptr<Impl> impl_;
    std::shared_ptr<Forward> forward_;
};

} // namespace JEX
