#pragma once
// Cancellation and waiting: a token that work polls and waits on, the handle that cancels
// it, a token that never cancels, a plain sleeper, and a per-thread current token so that
// deep code (the conversers) honours the token of the task running on its thread.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace JEX {

class ICancellable {
public:
    virtual ~ICancellable() = default;
    virtual bool isCancelled() const = 0;
    // True when the wait ended because of cancellation.
    virtual bool wait(uint32_t ms) = 0;
    virtual void onCancel(std::function<void()> callback) = 0;
};

class ICanceller {
public:
    virtual ~ICanceller() = default;
    virtual void cancel() = 0;
};

class IWaitable {
public:
    virtual ~IWaitable() = default;
    virtual bool wait(uint32_t ms) = 0;
};

class ITCCancellable : public ICancellable {
public:
    // The calling thread's token, or the default one when the thread has none.
    virtual std::shared_ptr<ICancellable> current() const = 0;
};

class ICancellableThreadContext {
public:
    virtual ~ICancellableThreadContext() = default;
    // Installs a token for the calling thread; an empty token restores the default.
    virtual void setCurrent(std::shared_ptr<ICancellable> token) = 0;
};

// Cancelled once, by any thread; waits wake at least every 500 ms even without a notification.
class ControlledCancellable : public ICancellable, public ICanceller {
public:
    bool isCancelled() const override;
    bool wait(uint32_t ms) override;
    // Replaces the stored callback; it runs at most once, on the cancelling thread. A callback
    // installed after cancel() is never called.
    void onCancel(std::function<void()> callback) override;
    void cancel() override;

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> cancelled_{false};
    std::function<void()> callback_;
};

class NullCancellable : public ICancellable {
public:
    bool isCancelled() const override { return false; }
    bool wait(uint32_t ms) override;
    void onCancel(std::function<void()>) override {}
};

class SleepWaitable : public IWaitable {
public:
    bool wait(uint32_t ms) override;
};

class TCCancellable : public ITCCancellable, public ICancellableThreadContext {
public:
    explicit TCCancellable(std::shared_ptr<ICancellable> defaultToken);

    bool isCancelled() const override { return current()->isCancelled(); }
    bool wait(uint32_t ms) override { return current()->wait(ms); }
    void onCancel(std::function<void()> callback) override {
        current()->onCancel(std::move(callback));
    }
    std::shared_ptr<ICancellable> current() const override;
    void setCurrent(std::shared_ptr<ICancellable> token) override;

private:
    std::shared_ptr<ICancellable> default_;
    // Identifies this object's slot in the thread-local table, which outlives no thread.
    const uint64_t id_;
};

// Sleeps the whole time; returns false.
void sleepFor(uint32_t ms);

} // namespace JEX
