#include "UdpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace JEX::Sim {

namespace {
// A datagram longer than this is cut: no request comes near it.
constexpr size_t DatagramBuffer = 1500;

std::string peerText(const sockaddr_in& addr) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &addr.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(addr.sin_port));
}
} // namespace

UdpServer::UdpServer(std::shared_ptr<MotorController> controller)
    : controller_(std::move(controller)) {}

UdpServer::~UdpServer() {
    stop();
}

bool UdpServer::start(const std::string& address, uint16_t port, std::string* error) {
    const auto fail = [&](const std::string& what) {
        if (error)
            *error = what;
        stop();
        return false;
    };
    if (fd_ >= 0)
        return fail("already running");

    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    const std::string host = address.empty() ? "0.0.0.0" : address;
    if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1)
        return fail("not an IPv4 address: '" + host + "'");

    fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (fd_ < 0)
        return fail(std::string("socket() failed: ") + std::strerror(errno));
    if (bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return fail("cannot bind " + host + ":" + std::to_string(port) + ": " +
                    std::strerror(errno));
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&bound), &length);
    port_ = ntohs(bound.sin_port);
    address_ = host;

    if (!thread_.start([this] { run(); }, error)) {
        stop();
        return false;
    }
    return true;
}

void UdpServer::stop() {
    thread_.stop();
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

void UdpServer::run() {
    std::vector<uint8_t> buffer(DatagramBuffer);
    for (;;) {
        pollfd fds[2] = {{fd_, POLLIN, 0}, {thread_.wakeFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n = recvfrom(fd_, buffer.data(), buffer.size(), 0,
                                   reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0)
            continue;
        RequestContext context;
        context.channel = Channel::Wifi;
        context.peer = peerText(from);
        const Response response =
            controller_->handle(Bytes(buffer.begin(), buffer.begin() + n), context);
        if (!response.reply)
            continue;
        const int fd = fd_;
        const auto send = [fd, from, reply = *response.reply, copies = response.copies] {
            for (int i = 0; i < copies; ++i)
                sendto(fd, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&from),
                       sizeof from);
        };
        if (response.delay.count() > 0)
            thread_.scheduler().schedule(ReplyScheduler::Clock::now() + response.delay, send);
        else
            send();
    }
}

} // namespace JEX::Sim
