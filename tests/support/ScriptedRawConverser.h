#pragma once
// A raw converser that plays back programmed outcomes and records every request, for
// testing the protocol layer without a transport.

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
    struct Step {
        CmdResp<Bytes> resp;
        std::chrono::milliseconds delay{0};
    };

    void replyOk(std::string_view reply, std::chrono::milliseconds delay = {}) {
        push({CmdResp<Bytes>(bytes(reply)), delay});
    }
    void fail(CmdRetType type, std::chrono::milliseconds delay = {}) {
        push({CmdResp<Bytes>(type), delay});
    }

    CmdResp<Bytes> converse(const Bytes& request) override {
        if (inFlight_.fetch_add(1) != 0)
            overlapped_ = true;
        Step step{CmdResp<Bytes>(CmdRetType::Timeout), {}};
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
            if (!script_.empty()) {
                step = script_.front();
                script_.pop_front();
            }
        }
        if (step.delay.count() > 0)
            std::this_thread::sleep_for(step.delay);
        inFlight_.fetch_sub(1);
        return step.resp;
    }

    std::vector<Bytes> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    // True when two conversations were ever on the wire at once.
    bool overlapped() const { return overlapped_.load(); }

private:
    void push(Step step) {
        std::lock_guard lock(mutex_);
        script_.push_back(std::move(step));
    }

    mutable std::mutex mutex_;
    std::deque<Step> script_;
    std::vector<Bytes> requests_;
    std::atomic<int> inFlight_{0};
    std::atomic<bool> overlapped_{false};
};

} // namespace JEX::Test
