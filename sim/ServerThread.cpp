#include "ServerThread.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace JEX::Sim {

ServerThread::~ServerThread() {
    stop();
}

bool ServerThread::start(std::function<void()> body, std::string* error) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error)
            *error = std::string("pipe2() failed: ") + std::strerror(errno);
        return false;
    }
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    scheduler_ = std::make_unique<ReplyScheduler>();
    thread_ = std::thread(std::move(body));
    return true;
}

void ServerThread::stop() {
    if (wakeWrite_ >= 0) {
        const char byte = 'x';
        [[maybe_unused]] auto written = write(wakeWrite_, &byte, 1);
    }
    if (thread_.joinable())
        thread_.join();
    if (scheduler_) {
        scheduler_->stop();
        scheduler_.reset();
    }
    for (int* fd : {&wakeRead_, &wakeWrite_}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

} // namespace JEX::Sim
