#pragma once
// A raw converser that plays back programmed outcomes and records every request, for
// testing the protocol layer without a transport. Each outcome takes a chosen time on a
// manual monotonic clock (now(), to hand to the serialising converser) instead of real time.

#include "IConverser.h"
#include "Wire.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace JEX::Test {

class ScriptedRawConverser : public IConverserRaw {
public:
    using Clock = std::chrono::steady_clock;

    void replyOk(std::string_view reply, std::chrono::milliseconds took = {}) {
        push({CmdResp<Bytes>(bytes(reply)), took});
    }
    void fail(CmdRetType type, std::chrono::milliseconds took = {}) {
        push({CmdResp<Bytes>(type), took});
    }
    // Each conversation also holds the wire this long in real time, so that two calls on
    // the wire at once would show in overlapped().
    void holdFor(std::chrono::milliseconds hold) { hold_ = hold; }

    Clock::time_point now() const { return Clock::time_point(Clock::duration(nowTicks_.load())); }

    CmdResp<Bytes> converse(const Bytes& request) override { return play(request, false); }
    CmdResp<Bytes> converseOnce(const Bytes& request) override { return play(request, true); }

    std::vector<Bytes> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    // Whether each request went out by converseOnce, in the order of requests().
    std::vector<bool> sentOnce() const {
        std::lock_guard lock(mutex_);
        return once_;
    }
    // True when two conversations were ever on the wire at once.
    bool overlapped() const { return overlapped_.load(); }

private:
    CmdResp<Bytes> play(const Bytes& request, bool once) {
        if (inFlight_.fetch_add(1) != 0)
            overlapped_ = true;
        Step step{CmdResp<Bytes>(CmdRetType::Timeout), {}};
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
            once_.push_back(once);
            if (!script_.empty()) {
                step = script_.front();
                script_.pop_front();
            }
        }
        if (hold_.count() > 0)
            std::this_thread::sleep_for(hold_);
        nowTicks_ += Clock::duration(step.took).count();
        inFlight_.fetch_sub(1);
        return step.resp;
    }

    struct Step {
        CmdResp<Bytes> resp;
        std::chrono::milliseconds took{0};
    };
    void push(Step step) {
        std::lock_guard lock(mutex_);
        script_.push_back(std::move(step));
    }

    mutable std::mutex mutex_;
    std::deque<Step> script_;
    std::vector<Bytes> requests_;
    std::vector<bool> once_;
    std::chrono::milliseconds hold_{0};
    std::atomic<Clock::rep> nowTicks_{0};
    std::atomic<int> inFlight_{0};
    std::atomic<bool> overlapped_{false};
};

} // namespace JEX::Test
