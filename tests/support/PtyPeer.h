#pragma once
// The controller end of a pseudo-terminal, driven by hand: the console opens the slave
// path as its serial port, the test reads requests and writes replies on the master.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace JEX::Test {

class PtyPeer {
public:
    PtyPeer() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) != 0)
            throw std::runtime_error("PtyPeer: openpty failed");
        termios tio{};
        ::tcgetattr(slave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
        ::close(slave);
        path_ = name;
    }
    ~PtyPeer() { closeMaster(); }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& path() const { return path_; }

    // Reads what arrives until the wait passes with nothing more.
    std::string read(std::chrono::milliseconds quiet) {
        std::string got;
        char buffer[256];
        for (;;) {
            pollfd pfd{master_, POLLIN, 0};
            if (::poll(&pfd, 1, int(quiet.count())) <= 0 || !(pfd.revents & POLLIN))
                return got;
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                return got;
            got.append(buffer, size_t(n));
        }
    }

    // Waits until text has arrived (or the wait is over) and returns everything read.
    std::string readUntil(const std::string& text, std::chrono::milliseconds wait) {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (got.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            got += read(std::min(left, std::chrono::milliseconds(20)));
        }
        return got;
    }

    void write(std::string_view bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return;
            done += size_t(n);
        }
    }

    // The line goes away, as when a USB adapter is pulled.
    void closeMaster() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string path_;
};

} // namespace JEX::Test
