#pragma once
// The broadcaster over Qt's interface list and UDP sockets. Its sockets live only for one
// broadcast, on the calling thread, which needs no event loop.

#include "IUDPBroadcaster.h"

#include <QHostAddress>

#include <utility>
#include <vector>

namespace JEX {

class QtUDPBroadcaster : public IUDPBroadcaster {
public:
    using IUDPBroadcaster::broadcast;
    void broadcast(uint16_t port, const std::vector<Bytes>& payloads, const ReplyCallback& onReply,
                   const StopPredicate& stop) override;
    std::string interfaceReport() override;

    // Replies read from one socket after one round at most; the rest wait for the next round,
    // so that a flood cannot hold a search past its bound.
    static constexpr int kMaxRepliesPerRound = 256;

    // The (address, broadcast address) pairs a broadcast uses, in the platform's order.
    static std::vector<std::pair<QHostAddress, QHostAddress>> usedAddresses();
};

} // namespace JEX
