#pragma once
// Small helpers for the simulator's tests: byte texts for failure messages, a loopback UDP
// client and a serial-line client on a terminal path, each waiting with a bound.

#include "SimTypes.h"

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace SimTest {

using JEX::Sim::Bytes;
using Steady = std::chrono::steady_clock;

inline QByteArray qbytes(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

inline Bytes bytes(const QByteArray& a) {
    return Bytes(a.begin(), a.end());
}

// Printable form for messages: C escapes and \xHH for everything unprintable.
inline QString show(const QByteArray& b) {
    QString out;
    for (unsigned char c : b) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c >= 0x20 && c < 0x7F)
            out += QChar(c);
        else
            out += QString("\\x%1").arg(unsigned(c), 2, 16, QChar('0')).toUpper();
    }
    return out;
}

inline QString show(const std::optional<Bytes>& b) {
    return b ? show(qbytes(*b)) : QString("<no reply>");
}

inline int remainingMs(Steady::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

// A UDP socket on 127.0.0.1 with a port of its own.
class UdpClient {
public:
    UdpClient() {
        fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    }
    ~UdpClient() { close(fd_); }
    UdpClient(const UdpClient&) = delete;
    UdpClient& operator=(const UdpClient&) = delete;

    bool send(uint16_t port, const QByteArray& data) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return sendto(fd_, data.constData(), size_t(data.size()), 0,
                      reinterpret_cast<sockaddr*>(&to), sizeof to) == data.size();
    }

    struct Datagram {
        QByteArray data;
        uint16_t fromPort = 0;
    };
    // The next datagram, or nothing when none came within timeoutMs.
    std::optional<Datagram> receive(int timeoutMs) const {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0)
            return std::nullopt;
        char buffer[2048];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n =
            recvfrom(fd_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (n < 0)
            return std::nullopt;
        return Datagram{QByteArray(buffer, n), ntohs(from.sin_port)};
    }
    // The next datagram's bytes, or "<none>" when nothing came within timeoutMs.
    QByteArray next(int timeoutMs) const {
        const auto datagram = receive(timeoutMs);
        return datagram ? datagram->data : QByteArray("<none>");
    }

private:
    int fd_ = -1;
};

// A free UDP port on 127.0.0.1 at the time of asking.
inline uint16_t freeUdpPort() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t length = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length);
    close(fd);
    return ntohs(addr.sin_port);
}

// The console's end of a serial line: raw 8N1 at a chosen speed.
class SerialClient {
public:
    explicit SerialClient(const std::string& path) {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~SerialClient() {
        if (fd_ >= 0)
            close(fd_);
    }
    SerialClient(const SerialClient&) = delete;
    SerialClient& operator=(const SerialClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    bool setSpeed(speed_t speed) {
        termios tio{};
        if (tcgetattr(fd_, &tio) != 0)
            return false;
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
        return tcsetattr(fd_, TCSANOW, &tio) == 0;
    }

    bool write(const QByteArray& data) const {
        return ::write(fd_, data.constData(), size_t(data.size())) == data.size();
    }

    // Bytes up to and including the first CR, or what came before the time-out.
    QByteArray readReply(int timeoutMs) const {
        const auto deadline = Steady::now() + std::chrono::milliseconds(timeoutMs);
        QByteArray out;
        for (;;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, remainingMs(deadline)) <= 0)
                return out;
            char c;
            if (::read(fd_, &c, 1) != 1)
                return out;
            out += c;
            if (c == '\r')
                return out;
        }
    }

    // Whatever is readable within timeoutMs.
    QByteArray drain(int timeoutMs) const {
        QByteArray out;
        pollfd p{fd_, POLLIN, 0};
        while (poll(&p, 1, timeoutMs) > 0) {
            char buffer[256];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.append(buffer, n);
        }
        return out;
    }

private:
    int fd_ = -1;
};

} // namespace SimTest
