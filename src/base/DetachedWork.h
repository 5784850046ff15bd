#pragma once
// The count of detached threads' work in this process, so that the program can wait for
// it before it takes down what every thread may read (the application object).

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace JEX {

// The detached work running in this process: one count for the whole process, as the
// threads it counts are.
class DetachedWork {
public:
    static void begin() {
        std::lock_guard lock(state().mutex);
        ++state().running;
    }
    static void end() {
        {
            std::lock_guard lock(state().mutex);
            --state().running;
        }
        state().ended.notify_all();
    }
    // True when no detached work runs, at once or before the time-out.
    static bool waitForAll(std::chrono::milliseconds timeout) {
        std::unique_lock lock(state().mutex);
        return state().ended.wait_for(lock, timeout, [] { return state().running == 0; });
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable ended;
        int running = 0;
    };
    static State& state() {
        static State s;
        return s;
    }
};

} // namespace JEX
