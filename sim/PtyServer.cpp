#include "PtyServer.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace JEX::Sim {

PtyServer::PtyServer(std::shared_ptr<MotorController> controller)
    : controller_(std::move(controller)) {}

PtyServer::~PtyServer() {
    stop();
}

uint32_t PtyServer::speedOf(unsigned speedConstant) {
    switch (speedConstant) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    case B460800:
        return 460800;
    case B921600:
        return 921600;
    default:
        return 0;
    }
}

bool PtyServer::start(std::string* error) {
    const auto fail = [&](const std::string& what) {
        if (error)
            *error = what + ": " + std::strerror(errno);
        stop();
        return false;
    };
    if (master_ >= 0) {
        if (error)
            *error = "already running";
        return false;
    }
    char name[PATH_MAX] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        return fail("openpty() failed");
    slavePath_ = name;
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0)
        return fail("tcgetattr() failed");
    cfmakeraw(&tio);
    if (tcsetattr(slave_, TCSANOW, &tio) != 0)
        return fail("tcsetattr() failed");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    if (!thread_.start([this] { run(); }, error)) {
        stop();
        return false;
    }
    return true;
}

void PtyServer::stop() {
    thread_.stop();
    for (int* fd : {&master_, &slave_}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

uint32_t PtyServer::lineBaud() const {
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0)
        return 0;
    return speedOf(cfgetospeed(&tio));
}

void PtyServer::onLine(const Bytes& line) {
    RequestContext context;
    context.channel = Channel::Serial;
    context.peer = slavePath_;
    context.lineBaud = lineBaud();
    const Response response = controller_->handle(line, context);
    if (!response.reply)
        return;
    const int fd = master_;
    // A full terminal buffer means nobody reads the line: the rest of the reply is lost,
    // as it would be on a wire.
    const auto send = [fd, reply = *response.reply, copies = response.copies] {
        for (int i = 0; i < copies; ++i)
            [[maybe_unused]] auto written = write(fd, reply.data(), reply.size());
    };
    if (response.delay.count() > 0)
        thread_.scheduler().schedule(ReplyScheduler::Clock::now() + response.delay, send);
    else
        send();
}

void PtyServer::run() {
    Bytes line;
    bool inLine = false;
    uint8_t buffer[256];
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {thread_.wakeFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN)) {
            // A hang-up without data would wake poll at once forever; wait for stop instead.
            pollfd wake{thread_.wakeFd(), POLLIN, 0};
            if (poll(&wake, 1, 100) > 0)
                return;
            continue;
        }
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            const uint8_t b = buffer[i];
            // Everything outside ":...CR" is line noise; a ':' always starts afresh.
            if (b == ':') {
                line.assign(1, b);
                inLine = true;
            } else if (!inLine) {
                continue;
            } else if (b == '\r') {
                // A line cut at the limit is longer than any request and is refused.
                line.push_back(b);
                onLine(line);
                line.clear();
                inLine = false;
            } else if (line.size() < LineLimit) {
                line.push_back(b);
            }
        }
    }
}

} // namespace JEX::Sim
