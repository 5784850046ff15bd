#pragma once
// The one holder of the current mount object; tells its listeners each time the held object
// changes.

#include "CallbackList.h"
#include "ITAVO.h"

#include <memory>
#include <mutex>
#include <utility>

namespace JEX {

// Read on the GUI thread while the connect and disconnect threads set it.
class TAVOContainer {
public:
    // Holding the object already held changes nothing and tells no one.
    void set(std::shared_ptr<ITAVO> tavo) {
        std::shared_ptr<ITAVO> old;
        {
            std::lock_guard lock(mutex_);
            if (tavo == tavo_)
                return;
            old = std::exchange(tavo_, std::move(tavo));
        }
        // Whoever still holds the old object (a page, a queued operation) no longer reaches
        // the mount through it. It may go here, outside the lock.
        if (old)
            old->retire();
        old.reset();
        changedList();
    }

    std::shared_ptr<ITAVO> get() const {
        std::lock_guard lock(mutex_);
        return tavo_;
    }

    CallbackList<void()> changedList;

private:
    mutable std::mutex mutex_;
    std::shared_ptr<ITAVO> tavo_;
};

} // namespace JEX
