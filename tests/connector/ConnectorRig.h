#pragma once
// The mount factory as the object graph wires it, with a count of the mount objects it made
// and that went.

#include "Location.h"
#include "MemoryKVStore.h"
#include "TAVOFactory.h"
#include "TAVOSettings.h"

#include <atomic>
#include <memory>

namespace JEX::Test {

class CountingFactory : public ITAVOFactory {
public:
    explicit CountingFactory(std::shared_ptr<ITAVOTaskState> taskState) {
        auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        inner_ = std::make_shared<TAVOFactory>(
            std::make_shared<CRealClock>(), std::make_shared<SleepWaitable>(), std::move(taskState),
            std::make_shared<TAVOSettings>(std::make_shared<MemoryKVStore>()), tc, tc,
            std::make_shared<Location>(nullptr));
    }
    std::shared_ptr<ITAVO> create(std::shared_ptr<IJexConverser> converser,
                                  std::shared_ptr<IJexDevice> device) override {
        std::shared_ptr<ITAVO> tavo = inner_->create(std::move(converser), std::move(device));
        made.fetch_add(1);
        QObject::connect(
            tavo.get(), &QObject::destroyed, tavo.get(), [gone = gone_] { gone->fetch_add(1); },
            Qt::DirectConnection);
        return tavo;
    }
    int destroyed() const { return gone_->load(); }

    std::atomic<int> made{0};

private:
    std::shared_ptr<TAVOFactory> inner_;
    std::shared_ptr<std::atomic<int>> gone_ = std::make_shared<std::atomic<int>>(0);
};

} // namespace JEX::Test
