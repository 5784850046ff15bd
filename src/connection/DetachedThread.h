#pragma once
// Starts background work on a detached thread of its own; the work must hold shared
// ownership of whatever it touches, and is counted as the process's detached work.

#include "DetachedWork.h"
#include "Log.h"

#include <atomic>
#include <functional>
#include <memory>
#include <system_error>
#include <thread>

namespace JEX {

// False (and a log line) when the system cannot start another thread.
inline bool startDetached(std::function<void()> work, const char* what) {
    DetachedWork::begin();
    try {
        std::thread([work = std::move(work)] {
            struct End {
                ~End() { DetachedWork::end(); }
            } end;
            work();
        }).detach();
        return true;
    } catch (const std::system_error& e) {
        DetachedWork::end();
        log("%s: cannot start a thread: %s", what, e.what());
        return false;
    }
}

// Background work one piece at a time: a search or a link build is never started while the
// previous one still runs (two link builds at once would put two mount objects on one
// controller, each interleaving its memory accesses with the other's).
class SingleFlight {
public:
    // True from a successful start until the work has returned.
    bool busy() const { return running_->load(); }

    // Starts the work on a detached thread; false (with a log line) when work is running
    // already or no thread could be started.
    bool start(std::function<void()> work, const char* what) {
        if (running_->exchange(true)) {
            log("%s: busy, request ignored", what);
            return false;
        }
        auto running = running_;
        const bool started = startDetached(
            [running, work = std::move(work)] {
                struct Done {
                    std::atomic<bool>& flag;
                    ~Done() { flag.store(false); }
                } done{*running};
                work();
            },
            what);
        if (!started)
            running_->store(false);
        return started;
    }

private:
    // Shared with the running work, which may outlive its owner.
    std::shared_ptr<std::atomic<bool>> running_ = std::make_shared<std::atomic<bool>>(false);
};

} // namespace JEX
