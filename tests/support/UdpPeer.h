#pragma once
// A UDP socket on a loopback address that a test drives by hand: the mount's end for the
// console's transport (it receives what the console sends and answers whatever the test
// wants, from wherever the test wants), or the console's end for a simulated mount.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace JEX::Test {

class UdpPeer {
public:
    struct Datagram {
        QByteArray data;
        uint16_t fromPort = 0;
    };

    // Binds to address:port; port 0 picks a free one.
    explicit UdpPeer(const char* address = "127.0.0.1", uint16_t port = 0) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const sockaddr_in local = where(port, address);
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
            throw std::runtime_error("UdpPeer: cannot bind");
    }
    ~UdpPeer() { ::close(fd_); }
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    uint16_t port() const {
        sockaddr_in local{};
        socklen_t length = sizeof local;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length);
        return ntohs(local.sin_port);
    }

    // The next datagram, or nothing within the wait.
    std::optional<Datagram> receive(std::chrono::milliseconds wait) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, int(wait.count())) <= 0)
            return std::nullopt;
        char buffer[2048];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0,
                                     reinterpret_cast<sockaddr*>(&from), &length);
        if (n < 0)
            return std::nullopt;
        return Datagram{QByteArray(buffer, n), ntohs(from.sin_port)};
    }
    // The next datagram's bytes, or "<none>" when nothing came within the wait.
    QByteArray next(std::chrono::milliseconds wait) {
        const auto d = receive(wait);
        return d ? d->data : QByteArray("<none>");
    }
    // The datagrams already queued, without waiting.
    std::vector<Datagram> pending() {
        std::vector<Datagram> all;
        while (auto d = receive(std::chrono::milliseconds(0)))
            all.push_back(std::move(*d));
        return all;
    }

    bool sendTo(uint16_t port, const QByteArray& bytes, const char* address = "127.0.0.1") {
        const sockaddr_in to = where(port, address);
        return ::sendto(fd_, bytes.constData(), size_t(bytes.size()), 0,
                        reinterpret_cast<const sockaddr*>(&to), sizeof to) == bytes.size();
    }

private:
    static sockaddr_in where(uint16_t port, const char* address) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        inet_pton(AF_INET, address, &a.sin_addr);
        return a;
    }

    int fd_ = -1;
};

} // namespace JEX::Test
