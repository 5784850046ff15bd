#pragma once
// Lets callbacks that outlive an object (appended to lists that are never emptied, or run
// on detached threads) reach it only while it exists: the owner's destructor calls reset(),
// which waits for calls already inside and turns every later call into nothing.

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace JEX {

template <typename T> class LiveGuard {
public:
    explicit LiveGuard(T* target) : target_(target) {}
    LiveGuard(const LiveGuard&) = delete;
    LiveGuard& operator=(const LiveGuard&) = delete;

    // Calls f(target) without holding the lock, so that f may emit signals or take other
    // locks; false when the target is already gone.
    template <typename F> bool with(F&& f) {
        T* target = nullptr;
        {
            std::lock_guard lock(mutex_);
            if (!target_)
                return false;
            target = target_;
            inside_.push_back(std::this_thread::get_id());
        }
        struct Leave {
            LiveGuard* guard;
            ~Leave() {
                {
                    std::lock_guard lock(guard->mutex_);
                    auto& in = guard->inside_;
                    in.erase(std::find(in.begin(), in.end(), std::this_thread::get_id()));
                }
                guard->left_.notify_all();
            }
        } leave{this};
        f(*target);
        return true;
    }

    // After it returns, no call is inside on another thread and none will start. A call on
    // the calling thread itself (the target destroyed from its own callback) is not waited
    // for, since it cannot end first.
    void reset() {
        std::unique_lock lock(mutex_);
        target_ = nullptr;
        const auto self = std::this_thread::get_id();
        left_.wait(lock, [&] {
            return std::all_of(inside_.begin(), inside_.end(),
                               [&](std::thread::id id) { return id == self; });
        });
    }

private:
    std::mutex mutex_;
    std::condition_variable left_;
    T* target_;
    std::vector<std::thread::id> inside_;
};

} // namespace JEX
