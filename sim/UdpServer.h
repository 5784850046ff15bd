#pragma once
// The controller behind a UDP socket, as the mount's Wi-Fi module offers it: each datagram
// is one request, answered to its sender from the bound port. Bound to 0.0.0.0 it also
// hears datagrams sent to a broadcast address.

#include "MotorController.h"
#include "ServerThread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace JEX::Sim {

class UdpServer {
public:
    static constexpr uint16_t DefaultPort = 11880;

    explicit UdpServer(std::shared_ptr<MotorController> controller);
    ~UdpServer();
    UdpServer(const UdpServer&) = delete;
    UdpServer& operator=(const UdpServer&) = delete;

    // Binds address (dotted IPv4; empty means 0.0.0.0) and port (0: any free port) and
    // starts answering. False with a message when the socket cannot be made or bound.
    bool start(const std::string& address, uint16_t port, std::string* error);
    void stop();

    bool isRunning() const { return fd_ >= 0; }
    // The bound port (the chosen one when started with port 0).
    uint16_t port() const { return port_; }
    std::string address() const { return address_; }

private:
    void run();

    std::shared_ptr<MotorController> controller_;
    int fd_ = -1;
    uint16_t port_ = 0;
    std::string address_;
    ServerThread thread_;
};

} // namespace JEX::Sim
