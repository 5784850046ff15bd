#include "SLConverser.h"

#include "Hex.h"
#include "Log.h"

#include <chrono>

namespace JEX {

SLConverser::SLConverser(std::shared_ptr<IConverserRaw> raw, bool logExchanges, Now now)
    : raw_(std::move(raw)), now_(std::move(now)), logExchanges_(logExchanges) {}

CmdResp<Bytes> SLConverser::converse(const Bytes& request) {
    CmdResp<Bytes> resp;
    {
        std::lock_guard lock(mutex_);
        const auto start = now_();
        resp = raw_->converse(request);
        const auto elapsed = now_() - start;
        durationsMs_[nextDuration_] = static_cast<uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        nextDuration_ = (nextDuration_ + 1) % durationsMs_.size();
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

} // namespace JEX
