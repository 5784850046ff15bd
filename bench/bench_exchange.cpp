// Cost of one exchange through the console's whole converser stack compared with a bare UDP
// round trip to the same simulated mount on loopback.
//
//   bench_exchange [N]     N exchanges of each kind (default 2000)
//
// Prints exchanges per second for both and the ratio bare / stack (the stack's cost as a
// multiple of a bare round trip; the fresh socket per command is part of the protocol).

#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "IJexDevice.h"
#include "MotorController.h"
#include "UdpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using Clock = std::chrono::steady_clock;

namespace {

double perSecond(int n, Clock::duration elapsed) {
    return n / std::chrono::duration<double>(elapsed).count();
}

// N bare round trips of the same request on one socket; false if any reply is missing.
bool bareRoundTrips(uint16_t port, int n, Clock::duration& elapsed) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &server.sin_addr);
    const char request[] = ":f1\r";
    char reply[1500];
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        ::sendto(fd, request, sizeof request - 1, 0, reinterpret_cast<sockaddr*>(&server),
                 sizeof server);
        pollfd pfd{fd, POLLIN, 0};
        if (::poll(&pfd, 1, 1000) != 1 || ::recv(fd, reply, sizeof reply, 0) <= 0) {
            ::close(fd);
            return false;
        }
    }
    elapsed = Clock::now() - start;
    ::close(fd);
    return true;
}

bool stackExchanges(JEX::IJexDevice& device, int n, Clock::duration& elapsed) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i)
        if (device.readAxisStatus(0).type != JEX::CmdRetType::Ok)
            return false;
    elapsed = Clock::now() - start;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (n <= 0) {
        std::fprintf(stderr, "usage: bench_exchange [N > 0]\n");
        return 2;
    }
    auto controller = std::make_shared<JEX::Sim::MotorController>();
    JEX::Sim::UdpServer server(controller);
    std::string error;
    if (!server.start("127.0.0.1", 0, &error)) {
        std::fprintf(stderr, "bench_exchange: %s\n", error.c_str());
        return 1;
    }

    auto settings =
        std::make_shared<JEX::ConnectionSettings>(nullptr, [] { return QStringList(); });
    JEX::UDPJexDeviceFactory factory(settings, std::make_shared<JEX::NullCancellable>(),
                                     server.port());
    const JEX::JexConverserEtal link = factory.create("127.0.0.1", "127.0.0.1", "");

    // Warm both paths up (first socket, first page faults), then alternate the two
    // measurements so that both see the same machine.
    Clock::duration stack{}, bare{}, part{};
    if (!stackExchanges(*link.device, 100, part) || !bareRoundTrips(server.port(), 100, part)) {
        std::fprintf(stderr, "bench_exchange: the simulated mount did not answer\n");
        return 1;
    }
    const int rounds = 4;
    for (int r = 0; r < rounds; ++r) {
        const int share = n / rounds + (r < n % rounds ? 1 : 0);
        if (!stackExchanges(*link.device, share, part))
            return 1;
        stack += part;
        if (!bareRoundTrips(server.port(), share, part))
            return 1;
        bare += part;
    }
    const double stackRate = perSecond(n, stack);
    const double bareRate = perSecond(n, bare);
    std::printf("exchanges: %d each\n", n);
    std::printf("full stack:      %10.0f exchanges/s  (%.1f us each)\n", stackRate,
                1e6 / stackRate);
    std::printf("bare round trip: %10.0f exchanges/s  (%.1f us each)\n", bareRate, 1e6 / bareRate);
    std::printf("ratio stack/bare time: %.3f (target at most 1.5)\n", bareRate / stackRate);
    return 0;
}
