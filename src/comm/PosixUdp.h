#pragma once
// The UDP socket to the mount over BSD sockets. Only datagrams from the mount's address
// are taken as replies.

#include "IUDP.h"

#include <netinet/in.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace JEX {

class PosixUdp : public IUDP {
public:
    // An empty local address binds to any interface; foundWith is what the search found the
    // mount with (kept for the record, not used by the socket).
    PosixUdp(std::string localAddress, std::string remoteAddress, std::string foundWith,
             uint16_t remotePort, uint32_t receiveTimeoutMs);
    ~PosixUdp() override;
    PosixUdp(const PosixUdp&) = delete;
    PosixUdp& operator=(const PosixUdp&) = delete;

    bool isOpen() const override { return fd_ >= 0; }
    bool write(const Bytes& bytes) override;
    Bytes read() override;
    void clearReadBuffer() override;
    bool reopen() override;

    bool open();
    void close();
    // The local port of the open socket, 0 when closed.
    uint16_t localPort() const;

    // How many of the process's latest local ports a new socket never takes again.
    static constexpr size_t kRecentPorts = 1024;

private:
    static constexpr size_t kDatagramMax = 1500;

    // A datagram socket bound to local with a port the system chooses, never one of the
    // recent ports; -1 on failure, logged when asked.
    int makeSocket(const sockaddr_in& local, bool report);
    int makeBoundSocket(const sockaddr_in& local, bool report) const;
    void closeNow(int fd);
    void useWaitingTime();
    std::chrono::milliseconds receiveTimeout() const;

    std::string localAddress_;
    std::string remoteAddress_;
    std::string foundWith_;
    uint16_t remotePort_;
    uint32_t receiveTimeoutMs_;
    int fd_ = -1;
    sockaddr_in local_{};
    sockaddr_in remote_{};
    // The socket of the previous command, still to be closed, and the one for the next.
    int retired_ = -1;
    int spare_ = -1;
    sockaddr_in spareLocal_{};
    using Clock = std::chrono::steady_clock;
    // When the wait for the reply to the last request ends; when the last wait ran out.
    std::optional<Clock::time_point> replyDeadline_;
    std::optional<Clock::time_point> expiredDeadline_;
    bool otherPortLogged_ = false;
};

} // namespace JEX
