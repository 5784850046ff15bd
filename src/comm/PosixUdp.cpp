#include "PosixUdp.h"

#include "Log.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

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

    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd < 0) {
        log("%s: socket() failed: error %d", "_open", errno);
        return false;
    }
    timeval tv{};
    tv.tv_sec = receiveTimeoutMs_ / 1000;
    tv.tv_usec = (receiveTimeoutMs_ % 1000) * 1000;
    if (::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv) != 0) {
        log("%s: setsockopt() failed: error %d", "_open", errno);
        ::close(fd);
        return false;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        log("%s: bind() failed: error %d", "_open", errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    remote_ = remote;
    return true;
}

void PosixUdp::close() {
    if (fd_ < 0)
        return;
    if (::close(fd_) != 0)
        log("%s: closesocket() failed: error %d", "_close", errno);
    fd_ = -1;
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
    return true;
}

Bytes PosixUdp::read() {
    if (fd_ < 0)
        return {};
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(receiveTimeoutMs_);
    uint8_t buffer[kDatagramMax];
    for (;;) {
        const auto remaining =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (remaining <= 0)
            return {};
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, int(std::min<long long>(remaining, 1 << 30)));
        if (ready == 0)
            return {};
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            log("%s: recvfrom() failed: error %d", "read", errno);
            return {};
        }
        sockaddr_in sender{};
        socklen_t senderLength = sizeof sender;
        const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr*>(&sender), &senderLength);
        if (n < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                continue;
            log("%s: recvfrom() failed: error %d", "read", errno);
            return {};
        }
        // Anyone on the network can send to our port; only the mount may answer for it.
        if (sender.sin_family != AF_INET || sender.sin_addr.s_addr != remote_.sin_addr.s_addr)
            continue;
        return Bytes(buffer, buffer + n);
    }
}

void PosixUdp::clearReadBuffer() {
    if (fd_ < 0)
        return;
    for (;;) {
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, 0);
        if (ready < 0) {
            log("%s: select() failed: error %d", "clearReadBuffer", errno);
            return;
        }
        if (ready == 0)
            return;
        uint8_t one;
        if (::recv(fd_, &one, 1, MSG_DONTWAIT) < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;
            log("%s: recvfrom() failed: error %d", "clearReadBuffer", errno);
            return;
        }
    }
}

} // namespace JEX
