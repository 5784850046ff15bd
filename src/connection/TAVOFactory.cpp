#include "TAVOFactory.h"

#include "AxisTasks.h"
#include "EEPROMConverser.h"
#include "JexMountAxis.h"
#include "MountAxisTimeContainer.h"
#include "MountTaskManager.h"
#include "TAVO.h"
#include "TAVOSync.h"

namespace JEX {

TAVOFactory::TAVOFactory(std::shared_ptr<IClock> clock, std::shared_ptr<IWaitable> waitable,
                         std::shared_ptr<ITAVOTaskState> taskState,
                         std::shared_ptr<ITAVOSettings> settings,
                         std::shared_ptr<ICancellableThreadContext> threadContext,
                         std::shared_ptr<ITCCancellable> cancellable,
                         std::shared_ptr<ILocation> location)
    : clock_(std::move(clock)), waitable_(std::move(waitable)), taskState_(std::move(taskState)),
      settings_(std::move(settings)), threadContext_(std::move(threadContext)),
      cancellable_(std::move(cancellable)), location_(std::move(location)) {}

std::shared_ptr<ITAVO> TAVOFactory::create(std::shared_ptr<IJexConverser> converser,
                                           std::shared_ptr<IJexDevice> device) {
    auto eeprom = std::make_shared<EEPROMConverser>(converser);
    auto taskManager = std::make_shared<MountTaskManager>(threadContext_);
    auto positions = std::make_shared<MountAxisTimeContainer>();
    auto perMountData = std::make_shared<NullPerMountData>();
    auto axis = std::make_shared<JexMountAxis>(converser, device, cancellable_, clock_, positions,
                                               location_, perMountData);
    auto taskFactory = std::make_shared<TAVOMountTaskFactory>(cancellable_, axis);
    auto sync = std::make_shared<TAVOSync>(
        TAVOSync::D{clock_, waitable_, taskState_, settings_, converser, device, axis, eeprom});
    auto periodic = std::make_shared<PeriodicPositionReadTask>(cancellable_, clock_, axis, true);
    return TAVO::create(TAVO::D{std::move(sync), std::move(taskManager), std::move(taskFactory),
                                std::move(axis), std::move(positions), std::move(periodic),
                                wireMutex_});
}

} // namespace JEX
