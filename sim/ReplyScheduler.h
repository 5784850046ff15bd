#pragma once
// Sends delayed replies from a thread of its own, so that one slow reply never holds up
// the answers to other requests.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace JEX::Sim {

class ReplyScheduler {
public:
    using Clock = std::chrono::steady_clock;

    ReplyScheduler();
    ~ReplyScheduler();
    ReplyScheduler(const ReplyScheduler&) = delete;
    ReplyScheduler& operator=(const ReplyScheduler&) = delete;

    // Runs task on the scheduler's thread at (or soon after) due. Ignored after stop().
    void schedule(Clock::time_point due, std::function<void()> task);
    // Drops what is still pending and joins the thread.
    void stop();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::multimap<Clock::time_point, std::function<void()>> pending_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace JEX::Sim
