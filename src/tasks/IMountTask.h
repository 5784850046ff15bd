#pragma once
// Mount tasks: long operations that claim parts of the mount (its resources) and run on a
// thread of their own under the task manager.

#include "CallbackList.h"
#include "Cancellation.h"
#include "CmdRet.h"

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace JEX {

// A part of the mount: 0 and 1 the two axes, 3 the position reading.
using MountResource = int32_t;
inline constexpr MountResource kResourceAxis1 = 0;
inline constexpr MountResource kResourceAxis2 = 1;
inline constexpr MountResource kResourcePositionRead = 3;

// A four-character code such as 'slew', as one 32-bit value.
constexpr uint32_t fourCC(const char (&code)[5]) {
    return uint32_t(uint8_t(code[0])) << 24 | uint32_t(uint8_t(code[1])) << 16 |
           uint32_t(uint8_t(code[2])) << 8 | uint32_t(uint8_t(code[3]));
}

class IMountTask {
public:
    virtual ~IMountTask() = default;
    virtual uint32_t tag() const = 0;
    virtual std::set<MountResource> resources() const = 0;
    virtual CmdRet run() = 0;

    // Values other threads read and write while the task runs; an absent key reads as an
    // empty value and is added.
    std::any kvLoad(int key) {
        std::lock_guard lock(kvMutex_);
        return kv_[key];
    }
    void kvSave(int key, std::any value) {
        std::lock_guard lock(kvMutex_);
        kv_[key] = std::move(value);
    }

private:
    std::mutex kvMutex_;
    std::map<int, std::any> kv_;
};

class IMountTaskManager {
public:
    using OnStart = std::function<void()>;
    using OnDone = std::function<void(CmdRet)>;

    virtual ~IMountTaskManager() = default;
    virtual uint32_t lastTag(MountResource resource) const = 0;
    virtual std::map<MountResource, uint32_t> lastTags() const = 0;
    virtual std::any kvLoad(MountResource, int) { return {}; }
    virtual void kvSave(MountResource, int, std::any) {}
    // Queues the task: running tasks that share a resource are cancelled and the new one
    // starts when they have ended; waiting tasks that share a resource are dropped.
    virtual std::shared_ptr<ICanceller> addTask(std::shared_ptr<IMountTask> task,
                                                OnStart onStart = {}, OnDone onDone = {}) = 0;
    virtual void cancelAll() = 0;

    CallbackList<void()> changedList;
};

} // namespace JEX
