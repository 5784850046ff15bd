#pragma once
// The answering thread of a server, the pipe that wakes it for stopping, and the scheduler
// of its delayed replies. Stopping wakes and joins the thread first and then drops the
// pending replies, so that no reply outlives the descriptor it is sent on: the server
// closes its own descriptors only after stop().

#include "ReplyScheduler.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace JEX::Sim {

class ServerThread {
public:
    ServerThread() = default;
    ~ServerThread();
    ServerThread(const ServerThread&) = delete;
    ServerThread& operator=(const ServerThread&) = delete;

    // Opens the wake pipe, makes the scheduler and runs body on a new thread. False with a
    // message when the pipe cannot be made.
    bool start(std::function<void()> body, std::string* error);
    void stop();

    // Becomes readable when stop() is called: poll it beside the server's own descriptor.
    int wakeFd() const { return wakeRead_; }
    // Valid between start() and stop(), that is, for the body.
    ReplyScheduler& scheduler() { return *scheduler_; }

private:
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::unique_ptr<ReplyScheduler> scheduler_;
    std::thread thread_;
};

} // namespace JEX::Sim
