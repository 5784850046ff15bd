#pragma once
// Serialises every conversation with one mount, keeps the last three response times, what
// the last hundred conversations came to and the timed-out flag, and can log each exchange.

#include "IConverser.h"

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

namespace JEX {

class SLConverser : public IConverser {
public:
    // The monotonic time the response times are measured with.
    using Now = std::function<std::chrono::steady_clock::time_point()>;

    explicit SLConverser(std::shared_ptr<IConverserRaw> raw, bool logExchanges = false,
                         Now now = std::chrono::steady_clock::now);

    CmdResp<Bytes> converse(const Bytes& request) override;
    CmdResp<Bytes> converseOnce(const Bytes& request) override;
    bool isTimedOut() const override { return timedOut_.load(); }
    uint32_t averageResponseMs() const override;
    LinkStats linkStats() const override;

    void setLogExchanges(bool on) { logExchanges_.store(on); }

private:
    CmdResp<Bytes> exchange(const Bytes& request, bool once);

    std::shared_ptr<IConverserRaw> raw_;
    Now now_;
    mutable std::mutex mutex_;
    std::array<uint32_t, 3> durationsMs_{150, 150, 150};
    size_t nextDuration_ = 0;
    struct Outcome {
        uint32_t ms;
        int attempts;
        bool answered;
    };
    static constexpr size_t kKeptOutcomes = 100;
    std::array<Outcome, kKeptOutcomes> outcomes_{};
    size_t outcomeCount_ = 0;
    std::atomic<bool> timedOut_{false};
    std::atomic<bool> logExchanges_;
};

} // namespace JEX
