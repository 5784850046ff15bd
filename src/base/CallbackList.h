#pragma once
// A list of observers: callbacks are appended (never removed) and called in order.
// Appending is guarded; a call works on a snapshot outside the lock, so a callback may
// append to the same list or run on any thread.

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace JEX {

template <typename Signature> class CallbackList;

template <typename... Args> class CallbackList<void(Args...)> {
public:
    using Callback = std::function<void(Args...)>;

    void append(Callback callback) {
        std::lock_guard lock(mutex_);
        auto next = std::make_shared<Callbacks>(*callbacks_);
        next->push_back(std::move(callback));
        callbacks_ = std::move(next);
    }

    template <typename... CallArgs> void operator()(CallArgs&&... args) const {
        std::shared_ptr<const Callbacks> snapshot;
        {
            std::lock_guard lock(mutex_);
            snapshot = callbacks_;
        }
        for (const auto& callback : *snapshot)
            if (callback)
                callback(args...);
    }

    bool empty() const {
        std::lock_guard lock(mutex_);
        return callbacks_->empty();
    }

private:
    using Callbacks = std::vector<Callback>;
    mutable std::mutex mutex_;
    std::shared_ptr<const Callbacks> callbacks_ = std::make_shared<const Callbacks>();
};

} // namespace JEX
