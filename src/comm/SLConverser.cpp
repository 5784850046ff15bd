#include "SLConverser.h"

#include "Hex.h"
#include "Log.h"

#include <algorithm>
#include <chrono>

namespace JEX {

SLConverser::SLConverser(std::shared_ptr<IConverserRaw> raw, bool logExchanges, Now now)
    : raw_(std::move(raw)), now_(std::move(now)), logExchanges_(logExchanges) {}

CmdResp<Bytes> SLConverser::converse(const Bytes& request) {
    return exchange(request, false);
}

CmdResp<Bytes> SLConverser::converseOnce(const Bytes& request) {
    return exchange(request, true);
}

CmdResp<Bytes> SLConverser::exchange(const Bytes& request, bool once) {
    CmdResp<Bytes> resp;
    {
        std::lock_guard lock(mutex_);
        const auto start = now_();
        resp = once ? raw_->converseOnce(request) : raw_->converse(request);
        const auto elapsed = now_() - start;
        durationsMs_[nextDuration_] = static_cast<uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        nextDuration_ = (nextDuration_ + 1) % durationsMs_.size();
        if (resp.type != CmdRetType::Cancel) {
            outcomes_[outcomeCount_ % kKeptOutcomes] = {
                durationsMs_[(nextDuration_ + durationsMs_.size() - 1) % durationsMs_.size()],
                raw_->lastAttempts(), resp.type != CmdRetType::Timeout};
            ++outcomeCount_;
        }
    }

    if (logExchanges_.load()) {
        const std::string reply = resp.value.hasValue() ? escapeBytes(resp.value.value()) : "";
        log("JEXConv: Cmd=[%s] <%s> Resp=[%s]", escapeBytes(request).c_str(),
            cmdRetTypeText(resp.type).toUtf8().constData(), reply.c_str());
    }

    const bool timedOut = resp.type == CmdRetType::Timeout;
    if (timedOut_.exchange(timedOut) != timedOut)
        timedOutList(timedOut);
    return resp;
}

uint32_t SLConverser::averageResponseMs() const {
    std::lock_guard lock(mutex_);
    return (durationsMs_[0] + durationsMs_[1] + durationsMs_[2] + 1) / 3;
}

LinkStats SLConverser::linkStats() const {
    std::lock_guard lock(mutex_);
    LinkStats stats;
    stats.exchanges = int(std::min(outcomeCount_, kKeptOutcomes));
    uint64_t answeredMs = 0;
    for (int i = 0; i < stats.exchanges; ++i) {
        const Outcome& o = outcomes_[size_t(i)];
        stats.attempts += o.attempts;
        if (!o.answered) {
            ++stats.unanswered;
            continue;
        }
        answeredMs += o.ms;
        stats.worstMs = std::max(stats.worstMs, o.ms);
    }
    const int answered = stats.exchanges - stats.unanswered;
    if (answered > 0)
        stats.meanMs = uint32_t((answeredMs + answered / 2) / uint64_t(answered));
    return stats;
}

} // namespace JEX
