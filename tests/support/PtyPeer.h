#pragma once
// One end of a pseudo-terminal, driven by hand: either the controller's end (the test makes
// a terminal pair, the console opens the slave path as its serial port, the test reads
// requests and writes replies on the master), or the console's end of a terminal that a
// simulated controller serves (the test opens its slave path at a speed of its choosing).

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>

namespace JEX::Test {

class PtyPeer {
public:
    // The controller's end of a new terminal pair.
    PtyPeer() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&fd_, &slave, name, nullptr, nullptr) != 0)
            throw std::runtime_error("PtyPeer: openpty failed");
        termios tio{};
        ::tcgetattr(slave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
        ::close(slave);
        path_ = name;
    }
    // The console's end: a terminal opened by path.
    explicit PtyPeer(const std::string& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0)
            throw std::runtime_error("PtyPeer: cannot open " + path);
    }
    ~PtyPeer() { close(); }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& path() const { return path_; }

    // Raw 8N1 at the given speed (the console's end only).
    bool setSpeed(speed_t speed) {
        termios tio{};
        if (::tcgetattr(fd_, &tio) != 0)
            return false;
        ::cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
        return ::tcsetattr(fd_, TCSANOW, &tio) == 0;
    }

    // Reads what arrives until the wait passes with nothing more.
    QByteArray read(std::chrono::milliseconds quiet) {
        QByteArray got;
        char buffer[256];
        for (;;) {
            pollfd pfd{fd_, POLLIN, 0};
            if (::poll(&pfd, 1, int(quiet.count())) <= 0 || !(pfd.revents & POLLIN))
                return got;
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                return got;
            got.append(buffer, n);
        }
    }

    // Waits until text has arrived (or the wait is over) and returns everything read.
    QByteArray readUntil(const QByteArray& text, std::chrono::milliseconds wait) {
        QByteArray got;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (!got.contains(text)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            got += read(std::min(left, std::chrono::milliseconds(20)));
        }
        return got;
    }

    bool write(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }

    // The line goes away, as when a USB adapter is pulled.
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace JEX::Test
