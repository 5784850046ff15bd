#include "Cancellation.h"

#include <chrono>
#include <thread>
#include <unordered_map>
#include <utility>

namespace JEX {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kChunk = std::chrono::milliseconds(500);

std::atomic<uint64_t> nextContextId{1};

std::unordered_map<uint64_t, std::shared_ptr<ICancellable>>& threadTokens() {
    thread_local std::unordered_map<uint64_t, std::shared_ptr<ICancellable>> tokens;
    return tokens;
}

} // namespace

void sleepFor(uint32_t ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        std::this_thread::sleep_for(
            std::min<std::chrono::milliseconds>(remaining, std::chrono::hours(24)));
    }
}

bool ControlledCancellable::isCancelled() const {
    return cancelled_.load();
}

bool ControlledCancellable::wait(uint32_t ms) {
    std::unique_lock lock(mutex_);
    if (ms == 0)
        return false;
    const auto start = Clock::now();
    auto remaining = std::chrono::milliseconds(ms);
    while (remaining.count() > 0) {
        const auto chunkEnd = Clock::now() + std::min<std::chrono::milliseconds>(remaining, kChunk);
        if (cancelled_.load())
            return true;
        if (wake_.wait_until(lock, chunkEnd, [this] { return cancelled_.load(); }))
            return true;
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        remaining = std::chrono::milliseconds(ms) - elapsed;
    }
    return false;
}

void ControlledCancellable::onCancel(std::function<void()> callback) {
    std::function<void()> old;
    {
        std::lock_guard lock(mutex_);
        old = std::exchange(callback_, std::move(callback));
        // After cancel() the stored callback will never be taken again.
        if (cancelled_.load())
            callback_ = nullptr;
    }
}

void ControlledCancellable::cancel() {
    {
        std::lock_guard lock(mutex_);
        cancelled_.exchange(true);
    }
    wake_.notify_all();
    std::function<void()> callback;
    {
        std::lock_guard lock(mutex_);
        callback = std::exchange(callback_, nullptr);
    }
    if (callback)
        callback();
}

bool NullCancellable::wait(uint32_t ms) {
    sleepFor(ms);
    return false;
}

bool SleepWaitable::wait(uint32_t ms) {
    sleepFor(ms);
    return false;
}

TCCancellable::TCCancellable(std::shared_ptr<ICancellable> defaultToken)
    : default_(std::move(defaultToken)), id_(nextContextId.fetch_add(1)) {}

std::shared_ptr<ICancellable> TCCancellable::current() const {
    auto& tokens = threadTokens();
    const auto it = tokens.find(id_);
    return it != tokens.end() ? it->second : default_;
}

void TCCancellable::setCurrent(std::shared_ptr<ICancellable> token) {
    auto& tokens = threadTokens();
    if (token)
        tokens[id_] = std::move(token);
    else
        tokens.erase(id_);
}

} // namespace JEX
