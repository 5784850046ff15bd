#pragma once
// The connector over the mount container and the shared task state.

#include "ITAVOConnector.h"
#include "ITAVOTaskState.h"
#include "LiveGuard.h"
#include "TAVOContainer.h"

#include <memory>

namespace JEX {

class TAVOConnector : public ITAVOConnector {
    Q_OBJECT
public:
    TAVOConnector(std::shared_ptr<TAVOContainer> container,
                  std::shared_ptr<ITAVOTaskState> taskState, QObject* parent = nullptr);
    ~TAVOConnector() override;

    bool connected() const override;
    ITAVO* tavo() const override;
    Q_INVOKABLE void interruptionDisconnect() override;
    QVariant isRunningTask() const override;

private:
    std::shared_ptr<TAVOContainer> container_;
    std::shared_ptr<ITAVOTaskState> taskState_;
    // The container's list keeps its callback after this object.
    std::shared_ptr<LiveGuard<TAVOConnector>> guard_;
};

} // namespace JEX
