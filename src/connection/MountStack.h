#pragma once
// The connection's objects as the console's object graph makes them, for the programs that
// run without its window (velmoractl, the INDI driver): the link helpers of each type, the
// mount object's factory and the holders of the converser and the mount object. The console's
// own Wi-Fi choices stay at their defaults, so that such a program never switches the mount's
// Wi-Fi off behind the user.

#include "ConnectedObjContainer.h"
#include "ConnectionSettings.h"
#include "DeviceFactories.h"
#include "IClock.h"
#include "IConverser.h"
#include "IKVStore.h"
#include "ILocation.h"
#include "TAVOConnectable.h"
#include "TAVOConnector.h"
#include "TAVOContainer.h"
#include "TAVOTaskState.h"
#include "TryConnectSession.h"

#include <cstdint>
#include <memory>

namespace JEX {

struct MountStack {
    struct D {
        std::shared_ptr<ConnectionSettings> settings;
        // Sets the hemisphere the axis commands are given for.
        std::shared_ptr<ILocation> location;
        std::shared_ptr<IClock> clock;
        uint16_t udpPort = kMountUdpPort;
    };
    explicit MountStack(const D& d);

    // The stored connection settings copied into memory, so that a program's own choices on
    // top of them are never saved.
    static std::shared_ptr<ConnectionSettings>
    storedSettings(const std::shared_ptr<IKVStore>& store);

    std::shared_ptr<ConnectionSettings> settings;
    std::shared_ptr<TryConnectSession> session;
    std::shared_ptr<ConnectedObjContainer_<IConverser>> conversers;
    std::shared_ptr<TAVOContainer> container;
    std::shared_ptr<TAVOTaskState> taskState;
    std::shared_ptr<TAVOConnectable> connectable;
    std::shared_ptr<TAVOConnector> connector;
};

} // namespace JEX
