// A UDP responder for the discovery tests that answers every datagram on port 11880 with
// what no mount would send, at the socket's level: an empty datagram and a huge one. Runs
// until SIGTERM or SIGINT.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

int boundSocket(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
        return -1;
    return fd;
}

} // namespace

int main() {
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    std::signal(SIGINT, [](int) { stopRequested = 1; });
    const int fd = boundSocket(11880);
    if (fd < 0) {
        std::perror("udp_responder: socket");
        return 1;
    }
    std::printf("udp 0.0.0.0:11880\n");
    std::fflush(stdout);

    const std::vector<std::string> replies = {"", std::string(60000, '=')};
    while (!stopRequested) {
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 100) <= 0)
            continue;
        char buffer[2048];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        if (::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length) <
            0)
            continue;
        for (const std::string& r : replies)
            ::sendto(fd, r.data(), r.size(), 0, reinterpret_cast<sockaddr*>(&from), length);
    }
    ::close(fd);
    return 0;
}
