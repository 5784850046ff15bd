#include "PosixUdp.h"

#include "Log.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <chrono>
#include <deque>
#include <mutex>
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

namespace {

// A late reply to an earlier command is addressed to that command's port. Were a new socket
// given that port again (the system picks ports at random and reuses closed ones), the reply
// would pass for the new command's: a write never done would count as done. A reconnect
// makes a new link, so the history belongs to the process, not to one link.
class RecentPorts {
public:
    bool contains(uint16_t port) {
        std::lock_guard lock(mutex_);
        return set_.test(port);
    }
    void add(uint16_t port) {
        std::lock_guard lock(mutex_);
        if (set_.test(port))
            return;
        ports_.push_back(port);
        set_.set(port);
        if (ports_.size() > PosixUdp::kRecentPorts) {
            set_.reset(ports_.front());
            ports_.pop_front();
        }
    }

private:
    std::mutex mutex_;
    std::deque<uint16_t> ports_;
    std::bitset<65536> set_;
};

RecentPorts& recentPorts() {
    static RecentPorts ports;
    return ports;
}

} // namespace

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
        if (port != 0 && recentPorts().contains(port)) {
            held.push_back(fd);
            continue;
        }
        fresh = fd;
        if (port != 0)
            recentPorts().add(port);
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
    // read() waits with ppoll; the socket's own time-out still bounds any blocking receive.
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
    replyDeadline_.reset();
    expiredDeadline_.reset();
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

std::chrono::milliseconds PosixUdp::receiveTimeout() const {
    return std::chrono::milliseconds(receiveTimeoutMs_);
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
    // A resend straight after a wait that ran out keeps to the schedule of the first send,
    // so that the wake-up delays of the attempts do not add up: the conversation ends
    // (resends + 1) time-outs after its first send. A resend much later starts afresh.
    const Clock::time_point now = Clock::now();
    Clock::time_point start = now;
    if (expiredDeadline_ && now - *expiredDeadline_ < receiveTimeout() / 2)
        start = *expiredDeadline_;
    expiredDeadline_.reset();
    const ssize_t sent = ::sendto(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&remote_), sizeof remote_);
    if (sent < 0) {
        log("%s: sendto() failed: error %d", "write", errno);
        return false;
    }
    replyDeadline_ = start + receiveTimeout();
    useWaitingTime();
    return true;
}

Bytes PosixUdp::read() {
    if (fd_ < 0)
        return {};
    // The wait runs from the request's send; a read without one waits a whole time-out.
    const Clock::time_point deadline =
        std::exchange(replyDeadline_, std::nullopt).value_or(Clock::now() + receiveTimeout());
    uint8_t buffer[kDatagramMax];
    for (;;) {
        // Waited with ppoll on the exact time left: the socket's own receive time-out is
        // counted in kernel ticks and ends several milliseconds late, which added up over
        // the resends of a conversation.
        const auto left = std::max(Clock::duration::zero(), deadline - Clock::now());
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
        const timespec wait{
            static_cast<time_t>(seconds.count()),
            static_cast<long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count())};
        pollfd poll{fd_, POLLIN, 0};
        const int ready = ::ppoll(&poll, 1, &wait, nullptr);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0) {
            log("%s: poll() failed: error %d", "read", errno);
            return {};
        }
        if (ready == 0) {
            expiredDeadline_ = deadline;
            return {};
        }
        sockaddr_in sender{};
        socklen_t senderLength = sizeof sender;
        const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr*>(&sender), &senderLength);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            continue;
        if (n < 0) {
            log("%s: recvfrom() failed: error %d", "read", errno);
            return {};
        }
        // Anyone on the network can send to our port; only the mount may answer for it.
        // Anything else is dropped and the wait goes on for what is left of it.
        if (sender.sin_family == AF_INET && sender.sin_addr.s_addr == remote_.sin_addr.s_addr) {
            // Nothing says the mount answers from the port it was asked on: taken, but noted.
            if (sender.sin_port != remote_.sin_port && !otherPortLogged_) {
                otherPortLogged_ = true;
                log("%s: reply from port %d, asked on %d", "read", ntohs(sender.sin_port),
                    ntohs(remote_.sin_port));
            }
            return Bytes(buffer, buffer + n);
        }
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
