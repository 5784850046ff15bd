#include "MountTaskManager.h"

#include "DetachedWork.h"

#include <algorithm>
#include <deque>
#include <list>
#include <thread>
#include <vector>

namespace JEX {
namespace {

struct Entry {
    std::shared_ptr<IMountTask> task;
    std::set<MountResource> resources;
    std::shared_ptr<ControlledCancellable> token;
    IMountTaskManager::OnStart onStart;
    IMountTaskManager::OnDone onDone;
};

bool shareResource(const std::set<MountResource>& a, const std::set<MountResource>& b) {
    return std::any_of(a.begin(), a.end(), [&](MountResource r) { return b.count(r) != 0; });
}

} // namespace

struct MountTaskManager::Impl : std::enable_shared_from_this<Impl> {
    explicit Impl(std::shared_ptr<ICancellableThreadContext> context)
        : threadContext(std::move(context)) {}

    mutable std::mutex mutex;
    std::list<std::shared_ptr<Entry>> running;
    std::deque<std::shared_ptr<Entry>> waiting;
    std::map<MountResource, uint32_t> tags;
    CallbackList<void()> changedList;
    std::shared_ptr<ICancellableThreadContext> threadContext;

    bool conflictsWithRunning(const Entry& entry) const {
        return std::any_of(running.begin(), running.end(), [&](const auto& r) {
            return shareResource(r->resources, entry.resources);
        });
    }

    // Called with the mutex held.
    void start(std::shared_ptr<Entry> entry) {
        running.push_back(entry);
        std::weak_ptr<Impl> weak = weak_from_this();
        // The thread owns its entry (and through it the task and everything the task uses);
        // the manager is only looked at if it still exists when the task ends.
        DetachedWork::begin();
        std::thread([entry = std::move(entry), weak, context = threadContext] {
            struct End {
                ~End() { DetachedWork::end(); }
            } end;
            if (entry->onStart)
                entry->onStart();
            context->setCurrent(entry->token);
            const CmdRet result = entry->task->run();
            context->setCurrent(nullptr);
            if (entry->onDone)
                entry->onDone(result);
            if (auto impl = weak.lock())
                impl->finish(entry);
        }).detach();
    }

    void finish(const std::shared_ptr<Entry>& entry) {
        {
            std::lock_guard lock(mutex);
            for (MountResource r : entry->resources)
                if (r == kResourcePositionRead)
                    tags[r] = 0;
            running.remove(entry);
        }
        changedList();
        std::lock_guard lock(mutex);
        for (bool started = true; started;) {
            started = false;
            for (auto it = waiting.begin(); it != waiting.end(); ++it) {
                if (!conflictsWithRunning(**it)) {
                    auto next = *it;
                    waiting.erase(it);
                    start(std::move(next));
                    started = true;
                    break;
                }
            }
        }
    }

    std::shared_ptr<Entry> runningWith(MountResource resource) const {
        for (const auto& entry : running)
            if (entry->resources.count(resource) != 0)
                return entry;
        return nullptr;
    }
};

// Re-fires the Impl's changes on the manager's own list for as long as the manager exists;
// a task thread may still finish while the manager is being destroyed.
struct MountTaskManager::Forward {
    std::mutex mutex;
    MountTaskManager* owner = nullptr;
};

MountTaskManager::MountTaskManager(std::shared_ptr<ICancellableThreadContext> threadContext)
    : impl_(std::make_shared<Impl>(std::move(threadContext))),
      forward_(std::make_shared<Forward>()) {
    forward_->owner = this;
    impl_->changedList.append([forward = forward_] {
        std::lock_guard lock(forward->mutex);
        if (forward->owner)
            forward->owner->changedList();
    });
}

MountTaskManager::~MountTaskManager() {
    {
        std::lock_guard lock(forward_->mutex);
        forward_->owner = nullptr;
    }
    // Tasks such as the periodic position read never end by themselves: without this they
    // would go on talking to a mount that nobody uses any more.
    cancelAll();
}

uint32_t MountTaskManager::lastTag(MountResource resource) const {
    std::lock_guard lock(impl_->mutex);
    const auto it = impl_->tags.find(resource);
    return it != impl_->tags.end() ? it->second : 0;
}

std::map<MountResource, uint32_t> MountTaskManager::lastTags() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->tags;
}

std::any MountTaskManager::kvLoad(MountResource resource, int key) {
    std::lock_guard lock(impl_->mutex);
    const auto entry = impl_->runningWith(resource);
    return entry ? entry->task->kvLoad(key) : std::any();
}

void MountTaskManager::kvSave(MountResource resource, int key, std::any value) {
    std::lock_guard lock(impl_->mutex);
    if (const auto entry = impl_->runningWith(resource))
        entry->task->kvSave(key, std::move(value));
}

std::shared_ptr<ICanceller> MountTaskManager::addTask(std::shared_ptr<IMountTask> task,
                                                      OnStart onStart, OnDone onDone) {
    auto entry = std::make_shared<Entry>();
    entry->resources = task->resources();
    entry->task = std::move(task);
    entry->token = std::make_shared<ControlledCancellable>();
    entry->onStart = std::move(onStart);
    entry->onDone = std::move(onDone);
    std::vector<std::shared_ptr<ControlledCancellable>> toCancel;
    {
        std::lock_guard lock(impl_->mutex);
        const uint32_t tag = entry->task->tag();
        for (MountResource r : entry->resources)
            impl_->tags[r] = tag;
        auto& waiting = impl_->waiting;
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                     [&](const auto& w) {
                                         return shareResource(w->resources, entry->resources);
                                     }),
                      waiting.end());
        for (const auto& r : impl_->running)
            if (shareResource(r->resources, entry->resources))
                toCancel.push_back(r->token);
        if (toCancel.empty())
            impl_->start(entry);
        else
            waiting.push_back(entry);
    }
    // Outside the lock: a token's cancel callback may call back into the manager.
    for (const auto& token : toCancel)
        token->cancel();
    impl_->changedList();
    return entry->token;
}

void MountTaskManager::cancelAll() {
    std::vector<std::shared_ptr<ControlledCancellable>> toCancel;
    {
        std::lock_guard lock(impl_->mutex);
        impl_->waiting.clear();
        for (const auto& entry : impl_->running)
            toCancel.push_back(entry->token);
    }
    for (const auto& token : toCancel)
        token->cancel();
}

} // namespace JEX
