#include "ConverserTimeoutForwarder.h"

namespace JEX {

ConverserTimeoutForwarder::ConverserTimeoutForwarder(
    std::shared_ptr<ConnectedObjContainer_<IConverser>> container, QObject* parent)
    : QObject(parent), container_(std::move(container)),
      guard_(std::make_shared<LiveGuard<ConverserTimeoutForwarder>>(this)) {
    // The container is captured weakly: a converser appended to would otherwise keep the
    // container alive through its own list.
    std::weak_ptr<ConnectedObjContainer_<IConverser>> weak = container_;
    container_->changedList().append([weak, guard = guard_] {
        const auto container = weak.lock();
        if (!container)
            return;
        if (const std::shared_ptr<IConverser> converser = container->current())
            converser->timedOutList.append([guard](bool) {
                guard->with([](ConverserTimeoutForwarder& f) { emit f.timedoutChanged_q(); });
            });
        guard->with([](ConverserTimeoutForwarder& f) { emit f.timedoutChanged_q(); });
    });
}

ConverserTimeoutForwarder::~ConverserTimeoutForwarder() {
    guard_->reset();
}

bool ConverserTimeoutForwarder::timedout() const {
    const std::shared_ptr<IConverser> converser = container_->current();
    return converser && converser->isTimedOut();
}

} // namespace JEX
