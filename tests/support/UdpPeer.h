#pragma once
// A UDP socket on a loopback address that a test drives by hand: it receives what the
// console sends and answers whatever the test wants, from wherever the test wants.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace JEX::Test {

class UdpPeer {
public:
    struct Datagram {
        std::vector<uint8_t> data;
        sockaddr_in from{};
    };

    // Binds to address:port; port 0 picks a free one.
    explicit UdpPeer(const char* address = "127.0.0.1", uint16_t port = 0) {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        inet_pton(AF_INET, address, &local.sin_addr);
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
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
        Datagram d;
        d.data.resize(2048);
        socklen_t length = sizeof d.from;
        const ssize_t n = ::recvfrom(fd_, d.data.data(), d.data.size(), 0,
                                     reinterpret_cast<sockaddr*>(&d.from), &length);
        if (n < 0)
            return std::nullopt;
        d.data.resize(size_t(n));
        return d;
    }

    // Every datagram that arrives within the wait.
    std::vector<Datagram> receiveAll(std::chrono::milliseconds wait) {
        std::vector<Datagram> all;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return all;
            if (auto d = receive(left))
                all.push_back(std::move(*d));
        }
    }

    void sendTo(const sockaddr_in& to, std::string_view bytes) {
        ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                 sizeof to);
    }
    void sendTo(uint16_t port, std::string_view bytes, const char* address = "127.0.0.1") {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        inet_pton(AF_INET, address, &to.sin_addr);
        sendTo(to, bytes);
    }

private:
    int fd_ = -1;
};

inline std::string text(const std::vector<uint8_t>& b) {
    return std::string(b.begin(), b.end());
}

} // namespace JEX::Test
