// A UDP responder for the discovery tests that answers every datagram on port 11880 with
// what no mount would send, at the socket's level: an empty datagram and a huge one. Runs
// until netns-run.sh ends it with SIGTERM.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <string>

int main() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(11880);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        std::perror("udp_responder: socket");
        return 1;
    }
    std::printf("udp 0.0.0.0:11880\n");
    std::fflush(stdout);

    const std::string huge(60000, '=');
    for (;;) {
        char buffer[2048];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        if (::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length) <
            0)
            continue;
        const auto to = reinterpret_cast<const sockaddr*>(&from);
        ::sendto(fd, "", 0, 0, to, length);
        ::sendto(fd, huge.data(), huge.size(), 0, to, length);
    }
}
