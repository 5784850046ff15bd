#include "UDPConverser.h"

#include <algorithm>

namespace JEX {

UDPConverser::UDPConverser(std::shared_ptr<IUDP> udp, std::shared_ptr<IConnectionSettings> settings,
                           std::shared_ptr<ICancellable> cancellable)
    : udp_(std::move(udp)), settings_(std::move(settings)), cancellable_(std::move(cancellable)) {}

CmdResp<Bytes> UDPConverser::converse(const Bytes& request) {
    return exchange(request, std::max(0, settings_->maxRetryCount()));
}

CmdResp<Bytes> UDPConverser::converseOnce(const Bytes& request) {
    return exchange(request, 0);
}

CmdResp<Bytes> UDPConverser::exchange(const Bytes& request, int resends) {
    attempts_ = 0;
    if (cancellable_->isCancelled())
        return CmdRetType::Cancel;
    // A new socket on a new local port: a late reply to an earlier command cannot reach us.
    if (!udp_->reopen())
        return CmdRetType::Timeout;
    udp_->clearReadBuffer();
    for (int attempt = 0;; ++attempt) {
        attempts_ = attempt + 1;
        if (!udp_->write(request))
            return CmdRetType::Timeout;
        Bytes reply = udp_->read();
        if (!reply.empty())
            return reply;
        if (attempt >= resends)
            return CmdRetType::Timeout;
        if (cancellable_->isCancelled())
            return CmdRetType::Cancel;
    }
}

} // namespace JEX
