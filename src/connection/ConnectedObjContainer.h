#pragma once
// Holds an object of the connected link (the converser) for objects that outlive a
// connection: the link's object waits as pending while the mount object is built, becomes
// current when the connect succeeds, and goes when it fails or the mount disconnects.

#include "CallbackList.h"
#include "TryConnectSession.h"

#include <memory>
#include <mutex>

namespace JEX {

template <typename T> class ConnectedObjContainer_ {
public:
    explicit ConnectedObjContainer_(std::shared_ptr<TryConnectSession> session)
        : state_(std::make_shared<State>()) {
        // The session may outlive this container: its callback holds the state, not us.
        session->append([state = state_](bool connected) { state->outcome(connected); });
    }

    void setPending(std::shared_ptr<T> object) {
        std::lock_guard lock(state_->mutex);
        state_->pending = std::move(object);
    }
    std::shared_ptr<T> pending() const {
        std::lock_guard lock(state_->mutex);
        return state_->pending;
    }
    std::shared_ptr<T> current() const {
        std::lock_guard lock(state_->mutex);
        return state_->current;
    }

    // Raised when the current object appears, goes or is replaced by another (a reconnect
    // after an interrupted link), so that followers always watch the live one.
    CallbackList<void()>& changedList() { return state_->changed; }

private:
    struct State {
        std::mutex mutex;
        std::shared_ptr<T> pending;
        std::shared_ptr<T> current;
        CallbackList<void()> changed;

        void outcome(bool connected) {
            std::shared_ptr<T> released;
            bool currentChanged = false;
            {
                std::lock_guard lock(mutex);
                released = std::move(current);
                current = connected ? std::move(pending) : nullptr;
                pending = nullptr;
                currentChanged = released != current;
            }
            released.reset();
            if (currentChanged)
                changed();
        }
    };

    std::shared_ptr<State> state_;
};

} // namespace JEX
