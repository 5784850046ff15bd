#include "MountStack.h"

#include "Cancellation.h"
#include "ConnectableHelper.h"
#include "QtKVStore.h"
#include "QtUDPBroadcaster.h"
#include "SerialConnectableHelper.h"
#include "TAVOFactory.h"
#include "TAVOSettings.h"
#include "UDPConnectableHelper.h"

namespace JEX {

MountStack::MountStack(const D& d)
    : settings(d.settings), session(std::make_shared<TryConnectSession>()),
      conversers(std::make_shared<ConnectedObjContainer_<IConverser>>(session)),
      container(std::make_shared<TAVOContainer>()), taskState(std::make_shared<TAVOTaskState>()) {
    auto tc = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    auto udp = std::make_shared<UDPConnectableHelper>(
        settings, std::make_shared<QtUDPBroadcaster>(),
        std::make_shared<UDPJexDeviceFactory>(settings, tc, d.udpPort));
    auto serial = std::make_shared<SerialConnectableHelper>(
        settings, std::make_shared<SerialJexDeviceFactory>(settings, tc));
    auto helper = std::make_shared<ConnectableHelper>(settings, udp, nullptr, serial, nullptr);
    auto tavoSettings =
        std::make_shared<TAVOSettings>(std::make_shared<QtKVStore>(QString(), nullptr));
    auto factory = std::make_shared<TAVOFactory>(d.clock, std::make_shared<SleepWaitable>(),
                                                 taskState, tavoSettings, tc, tc, d.location);
    connectable = std::make_shared<TAVOConnectable>(
        TAVOConnectable::D{helper, container, factory, session, conversers});
    connector = std::make_shared<TAVOConnector>(container, taskState);
}

std::shared_ptr<ConnectionSettings>
MountStack::storedSettings(const std::shared_ptr<IKVStore>& store) {
    const auto lister = [] { return ConnectionSettings::systemSerialPorts(); };
    ConnectionSettings stored(store, lister);
    auto s = std::make_shared<ConnectionSettings>(nullptr, lister);
    s->setType(stored.type());
    s->setReadTimeoutMs_other(stored.readTimeoutMs_other());
    s->setMaxRetryCount(stored.maxRetryCount());
    s->setSearchIP(stored.searchIP());
    s->setFixedIP(stored.fixedIP());
    s->setSerialPortName(stored.serialPortName());
    s->setMaxUpgradeBaud(stored.maxUpgradeBaud());
    return s;
}

} // namespace JEX
