#include "TAVOConnector.h"

namespace JEX {

TAVOConnector::TAVOConnector(std::shared_ptr<TAVOContainer> container,
                             std::shared_ptr<ITAVOTaskState> taskState, QObject* parent)
    : ITAVOConnector(parent), container_(std::move(container)), taskState_(std::move(taskState)),
      guard_(std::make_shared<LiveGuard<TAVOConnector>>(this)) {
    container_->changedList.append(
        [guard = guard_] { guard->with([](TAVOConnector& c) { emit c.tavoChanged(); }); });
    connect(taskState_.get(), &ITAVOTaskState::valueChanged, this,
            &ITAVOConnector::tavoStatusChanged);
}

TAVOConnector::~TAVOConnector() {
    guard_->reset();
}

bool TAVOConnector::connected() const {
    return container_->get() != nullptr;
}

ITAVO* TAVOConnector::tavo() const {
    return container_->get().get();
}

void TAVOConnector::interruptionDisconnect() {
    if (!container_->get())
        return;
    container_->set(nullptr);
    emit interrupted();
}

QVariant TAVOConnector::isRunningTask() const {
    return taskState_->isRunningTask_q();
}

} // namespace JEX
