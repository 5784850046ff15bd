#pragma once
// Sends a request to the broadcast address of every IPv4 interface and collects what comes
// back, for finding mounts on the local networks.

#include "CmdResp.h"
#include "DeviceFactories.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace JEX {

// One reply to a broadcast.
struct UDPBroadcasterResult {
    std::string localAddress;     // the interface address the socket was bound to
    std::string senderAddress;    // where the reply came from
    std::string broadcastAddress; // where the request went
    Bytes data;

    bool operator==(const UDPBroadcasterResult&) const = default;
};

class IUDPBroadcaster {
public:
    using ReplyCallback = std::function<void(const UDPBroadcasterResult&)>;
    // Called after each round of sends; true ends the broadcast before replies are read.
    using StopPredicate = std::function<bool()>;

    virtual ~IUDPBroadcaster() = default;

    // The request to the mount port with the standard stop rule; the replies in the order
    // they were read.
    virtual std::vector<UDPBroadcasterResult> broadcast(const Bytes& request) {
        std::vector<UDPBroadcasterResult> results;
        broadcast(
            kMountUdpPort, {request},
            [&results](const UDPBroadcasterResult& r) { results.push_back(r); },
            standardStopRule());
        return results;
    }

    virtual void broadcast(uint16_t port, const std::vector<Bytes>& payloads,
                           const ReplyCallback& onReply, const StopPredicate& stop) = 0;

    // The interfaces, their flags and addresses, and which addresses a broadcast uses.
    virtual std::string interfaceReport() = 0;

    // Waits 200 ms after each round and stops at the third: the request goes out three times
    // and the replies to the first two rounds are read.
    static StopPredicate standardStopRule();
};

} // namespace JEX
