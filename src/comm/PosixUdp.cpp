#include "PosixUdp.h"

#include "Log.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <utility>
#include <vector>

namespace JEX {
namespace {

bool parseIPv4(const std::string& text, in_addr& out) {
    errno = 0;
    if (inet_pton(AF_INET, text.c_str(), &out) == 1)
        return true;
    log("%s: inet_pton() failed: error %d", "_open", errno);
    return false;
}

} // namespace

PosixUdp::PosixUdp(std::string localAddress, std::string remoteAddress, std::string foundWith,
                   uint16_t remotePort, uint32_t receiveTimeoutMs)
    : localAddress_(std::move(localAddress)), remoteAddress_(std::move(remoteAddress)),
      foundWith_(std::move(foundWith)), remotePort_(remotePort),
      receiveTimeoutMs_(receiveTimeoutMs) {}

PosixUdp::~PosixUdp() {
    close();
    for (int fd : {retired_, spare_})
        if (fd >= 0)
            closeNow(fd);
}

bool PosixUdp::open() {
    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    remote.sin_port = htons(remotePort_);
    if (!parseIPv4(remoteAddress_, remote.sin_addr))
        return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = 0;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!localAddress_.empty() && !parseIPv4(localAddress_, local.sin_addr))
        return false;

    int fd = std::exchange(spare_, -1);
    if (fd < 0 || spareLocal_.sin_addr.s_addr != local.sin_addr.s_addr) {
        if (fd >= 0)
            ::close(fd);
        fd = makeSocket(local, true);
    }
    if (fd < 0)
        return false;
    fd_ = fd;
    local_ = local;
    remote_ = remote;
    return true;
}

int PosixUdp::makeSocket(const sockaddr_in& local, bool report) {
    // A socket on a recent port stays open until the search ends, so that the system cannot
    // offer that port again at once.
    std::vector<int> held;
    int fresh = -1;
    for (int tries = 0; tries < 64 && fresh < 0; ++tries) {
        const int fd = makeBoundSocket(local, report);
        if (fd < 0)
            break;
        sockaddr_in bound{};
        socklen_t length = sizeof bound;
        const uint16_t port = ::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) == 0
                                  ? ntohs(bound.sin_port)
                                  : 0;
        if (port != 0 && recentPortSet_.test(port)) {
            held.push_back(fd);
            continue;
        }
        fresh = fd;
        if (port != 0) {
            recentPorts_.push_back(port);
            recentPortSet_.set(port);
            if (recentPorts_.size() > kRecentPorts) {
                recentPortSet_.reset(recentPorts_.front());
                recentPorts_.pop_front();
            }
        }
    }
    if (fresh < 0 && !held.empty()) {
        fresh = held.back();
        held.pop_back();
    }
    for (const int fd : held)
        ::close(fd);
    return fresh;
}

int PosixUdp::makeBoundSocket(const sockaddr_in& local, bool report) const {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd < 0) {
        if (report)
            log("%s: socket() failed: error %d", "_open", errno);
        return -1;
    }
    timeval tv{};
    tv.tv_sec = receiveTimeoutMs_ / 1000;
    tv.tv_usec = (receiveTimeoutMs_ % 1000) * 1000;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0) {
        if (report)
            log("%s: setsockopt() failed: error %d", "_open", errno);
        ::close(fd);
        return -1;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        if (report)
            log("%s: bind() failed: error %d", "_open", errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

void PosixUdp::close() {
    if (fd_ < 0)
        return;
    // Closed once the next command is on the wire: see useWaitingTime().
    if (retired_ >= 0)
        closeNow(retired_);
    retired_ = std::exchange(fd_, -1);
}

void PosixUdp::closeNow(int fd) {
    if (::close(fd) != 0)
        log("%s: closesocket() failed: error %d", "_close", errno);
}

void PosixUdp::useWaitingTime() {
    // Making and closing a socket take about as long as an exchange on a fast link; done
    // while the request is on its way, they cost the conversation nothing.
    if (retired_ >= 0)
        closeNow(std::exchange(retired_, -1));
    if (spare_ < 0) {
        spare_ = makeSocket(local_, false);
        spareLocal_ = local_;
    }
}

bool PosixUdp::reopen() {
    close();
    return open();
}

uint16_t PosixUdp::localPort() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return 0;
    return ntohs(local.sin_port);
}

bool PosixUdp::write(const Bytes& bytes) {
    if (fd_ < 0)
        return false;
    const ssize_t sent = ::sendto(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&remote_), sizeof remote_);
    if (sent < 0) {
        log("%s: sendto() failed: error %d", "write", errno);
        return false;
    }
    useWaitingTime();
    return true;
}

void PosixUdp::setReceiveTimeout(std::chrono::microseconds timeout) {
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(timeout.count() / 1000000);
    tv.tv_usec = static_cast<suseconds_t>(timeout.count() % 1000000);
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
}

Bytes PosixUdp::read() {
    if (fd_ < 0)
        return {};
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(receiveTimeoutMs_);
    if (timeoutShortened_) {
        setReceiveTimeout(std::chrono::milliseconds(receiveTimeoutMs_));
        timeoutShortened_ = false;
    }
    // A receive time-out of 0 would mean "wait for ever" to the socket.
    const int flags = receiveTimeoutMs_ == 0 ? MSG_DONTWAIT : 0;
    uint8_t buffer[kDatagramMax];
    for (;;) {
        sockaddr_in sender{};
        socklen_t senderLength = sizeof sender;
        const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, flags,
                                     reinterpret_cast<sockaddr*>(&sender), &senderLength);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return {};
        if (n < 0 && errno != EINTR) {
            log("%s: recvfrom() failed: error %d", "read", errno);
            return {};
        }
        // Anyone on the network can send to our port; only the mount may answer for it.
        // Anything else is dropped and the wait goes on for what is left of it.
        if (n >= 0 && sender.sin_family == AF_INET &&
            sender.sin_addr.s_addr == remote_.sin_addr.s_addr)
            return Bytes(buffer, buffer + n);
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (flags != 0 || left.count() <= 0)
            return {};
        setReceiveTimeout(left);
        timeoutShortened_ = true;
    }
}

void PosixUdp::clearReadBuffer() {
    if (fd_ < 0)
        return;
    // Each receive into a one-byte buffer removes one whole datagram.
    uint8_t one;
    while (::recv(fd_, &one, 1, MSG_DONTWAIT) >= 0) {
    }
    if (errno != EAGAIN && errno != EWOULDBLOCK)
        log("%s: recvfrom() failed: error %d", "clearReadBuffer", errno);
}

} // namespace JEX
