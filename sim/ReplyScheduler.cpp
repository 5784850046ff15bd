#include "ReplyScheduler.h"

namespace JEX::Sim {

ReplyScheduler::ReplyScheduler() : thread_([this] { run(); }) {}

ReplyScheduler::~ReplyScheduler() {
    stop();
}

void ReplyScheduler::schedule(Clock::time_point due, std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        pending_.emplace(due, std::move(task));
    }
    wake_.notify_one();
}

void ReplyScheduler::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    wake_.notify_one();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void ReplyScheduler::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (pending_.empty()) {
            wake_.wait(lock);
            continue;
        }
        const auto first = pending_.begin();
        // A copy: the entry may be gone (stop, an earlier reply) while this thread waits.
        const Clock::time_point due = first->first;
        if (due > Clock::now()) {
            wake_.wait_until(lock, due);
            continue;
        }
        auto task = std::move(first->second);
        pending_.erase(first);
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace JEX::Sim
