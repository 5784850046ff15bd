#include "PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>

namespace JEX {
namespace {

bool speedConstant(uint32_t baud, speed_t& out) {
    static constexpr std::pair<uint32_t, speed_t> table[] = {
        {1200, B1200},       {2400, B2400},       {4800, B4800},       {9600, B9600},
        {19200, B19200},     {38400, B38400},     {57600, B57600},     {115200, B115200},
        {230400, B230400},   {460800, B460800},   {500000, B500000},   {576000, B576000},
        {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
        {2000000, B2000000}, {3000000, B3000000}, {4000000, B4000000},
    };
    for (const auto& [rate, constant] : table)
        if (rate == baud) {
            out = constant;
            return true;
        }
    return false;
}

} // namespace

PosixSerialPort::PosixSerialPort(std::string name)
    : path_(name.empty() || name.front() == '/' ? name : "/dev/" + name) {}

PosixSerialPort::~PosixSerialPort() {
    std::lock_guard lock(mutex_);
    if (fd_ >= 0)
        ::close(fd_);
}

void PosixSerialPort::open() {
    std::lock_guard lock(mutex_);
    if (fd_ >= 0 || path_.empty())
        return;
    const int fd = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    termios tio{};
    // Exclusive use: TIOCEXCL keeps other users out, the lock also other programs running as
    // root (for whom TIOCEXCL does not apply) that lock serial lines the same way.
    if (!isatty(fd) || ::ioctl(fd, TIOCEXCL) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return;
    }
    tio.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                             IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~tcflag_t(OPOST);
    tio.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        return;
    }
    // Opening a terminal raises DTR and RTS; the controller's line wants both low. A
    // pseudo-terminal has no modem lines and refuses the call, which changes nothing.
    int modemLines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &modemLines);
    fd_ = fd;
}

bool PosixSerialPort::isOpen() const {
    std::lock_guard lock(mutex_);
    return fd_ >= 0;
}

bool PosixSerialPort::write(const Bytes& bytes) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += size_t(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd pfd{fd_, POLLOUT, 0};
            if (::poll(&pfd, 1, 1000) <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)))
                return false;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;
        }
    }
    return true;
}

bool PosixSerialPort::readByte(uint32_t timeoutMs, uint8_t& byte) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0)
        return false;
    using Clock = std::chrono::steady_clock;
    const bool unlimited = timeoutMs == 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int waitMs = -1;
        if (!unlimited) {
            const auto remaining =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (remaining <= 0)
                return false;
            waitMs = int(std::min<long long>(remaining, INT_MAX));
        }
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, waitMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(fd_, &byte, 1);
            if (n == 1)
                return true;
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            return false;
        }
        // The port went away (hang-up, error): no byte will come.
        return false;
    }
}

bool PosixSerialPort::purgeInput() {
    std::lock_guard lock(mutex_);
    return fd_ >= 0 && tcflush(fd_, TCIFLUSH) == 0;
}

bool PosixSerialPort::setBaudRate(uint32_t baud) {
    std::lock_guard lock(mutex_);
    speed_t speed;
    termios tio{};
    if (fd_ < 0 || !speedConstant(baud, speed) || tcgetattr(fd_, &tio) != 0)
        return false;
    if (cfsetispeed(&tio, speed) != 0 || cfsetospeed(&tio, speed) != 0)
        return false;
    return tcsetattr(fd_, TCSANOW, &tio) == 0;
}

bool PosixSerialPort::setRTS(bool on) {
    std::lock_guard lock(mutex_);
    const int bits = TIOCM_RTS;
    return fd_ >= 0 && ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
}

bool PosixSerialPort::readCTS() {
    std::lock_guard lock(mutex_);
    int bits = 0;
    return fd_ >= 0 && ::ioctl(fd_, TIOCMGET, &bits) == 0 && (bits & TIOCM_CTS) != 0;
}

} // namespace JEX
