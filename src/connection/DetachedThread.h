#pragma once
// Starts background work on a detached thread of its own; the work must hold shared
// ownership of whatever it touches.

#include "Log.h"

#include <functional>
#include <system_error>
#include <thread>

namespace JEX {

// False (and a log line) when the system cannot start another thread.
inline bool startDetached(std::function<void()> work, const char* what) {
    try {
        std::thread(std::move(work)).detach();
        return true;
    } catch (const std::system_error& e) {
        log("%s: cannot start a thread: %s", what, e.what());
        return false;
    }
}

} // namespace JEX
