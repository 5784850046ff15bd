#include "JexSerialPortConverser.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace JEX {
namespace {

constexpr int kNulsBeforeGivingUp = 10;
// A reply is a handful of bytes; a line that keeps talking without a CR is not a mount.
constexpr size_t kReplyMax = 1500;

} // namespace

JexSerialPortConverser::JexSerialPortConverser(std::shared_ptr<IConnectionSettings> settings,
                                               std::shared_ptr<ISerialPort> port,
                                               std::shared_ptr<ICancellable> cancellable)
    : settings_(std::move(settings)), port_(std::move(port)), cancellable_(std::move(cancellable)) {
    port_->setRTS(false);
}

CmdResp<Bytes> JexSerialPortConverser::converse(const Bytes& request) {
    return exchange(request, std::max(0, settings_->maxRetryCount()));
}

CmdResp<Bytes> JexSerialPortConverser::converseOnce(const Bytes& request) {
    return exchange(request, 0);
}

CmdResp<Bytes> JexSerialPortConverser::exchange(const Bytes& request, int resends) {
    port_->purgeInput();
    attempts_ = 0;
    for (int attempt = 0;; ++attempt) {
        if (cancellable_->isCancelled())
            return CmdRetType::Cancel;
        attempts_ = attempt + 1;
        if (!port_->write(request))
            return CmdRetType::Timeout;
        CmdResp<Bytes> reply =
            readReply(static_cast<uint32_t>(std::abs(settings_->replyTimeoutMs())));
        if (reply.type != CmdRetType::Timeout)
            return reply;
        if (attempt >= resends)
            return CmdRetType::Timeout;
    }
}

CmdResp<Bytes> JexSerialPortConverser::readReply(uint32_t byteTimeoutMs) {
    // Each byte gets the time-out, and the whole reply must come within it too, so that a
    // line dripping noise cannot hold the conversation beyond its resends' time-outs.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(byteTimeoutMs);
    const auto nextWaitMs = [&]() -> int64_t {
        if (byteTimeoutMs == 0)
            return 0;
        return std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    };
    Bytes reply;
    int nuls = 0;
    uint8_t byte;
    for (;;) {
        const int64_t waitMs = nextWaitMs();
        if (byteTimeoutMs != 0 && waitMs <= 0)
            return CmdRetType::Timeout;
        if (!port_->readByte(static_cast<uint32_t>(waitMs), byte))
            return CmdRetType::Timeout;
        if (reply.empty()) {
            if (byte == '=' || byte == '!')
                reply.push_back(byte);
            else if (byte == 0 && ++nuls >= kNulsBeforeGivingUp)
                return CmdRetType::Timeout;
            continue;
        }
        reply.push_back(byte);
        if (byte == '\r')
            return reply;
        if (reply.size() >= kReplyMax)
            return CmdRetType::Timeout;
    }
}

} // namespace JEX
