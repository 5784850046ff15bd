#pragma once
// The built-in demo mount: a simulated controller inside the console, reached through the
// same converser stack as a real mount but with no socket or port, so that everything a
// person does in the window works without hardware. Its connectable helper stands in for
// the Emulator connection type.

#include "Cancellation.h"
#include "DetachedThread.h"
#include "IConnectableHelper.h"
#include "IConnectionSettings.h"
#include "IConverser.h"

#include <memory>
#include <mutex>

namespace JEX {

namespace Sim {
class MotorController;
}

// A raw converser over the simulator's in-process endpoint that behaves like a link: the
// reply comes after the simulated delay, an unanswered request waits out the reply time-out
// and is sent again as often as the settings say, and the waits end early on cancellation.
class SimEndpointConverser : public IConverserRaw {
public:
    SimEndpointConverser(std::shared_ptr<Sim::MotorController> controller,
                         std::shared_ptr<IConnectionSettings> settings,
                         std::shared_ptr<ICancellable> cancellable);
    CmdResp<Bytes> converse(const Bytes& request) override;
    CmdResp<Bytes> converseOnce(const Bytes& request) override;
    int lastAttempts() const override { return attempts_; }

private:
    CmdResp<Bytes> exchange(const Bytes& request, int resends);

    // Set and read under the link's serialising converser.
    int attempts_ = 0;
    std::shared_ptr<Sim::MotorController> controller_;
    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ICancellable> cancellable_;
};

// Connects to the one demo mount, which lives as long as the helper: a program started on
// it keeps running across disconnects and reconnects, as on a real mount.
class DemoConnectableHelper : public IConnectableHelper,
                              public std::enable_shared_from_this<DemoConnectableHelper> {
    Q_OBJECT
public:
    // The link's name, shown where an address or port would be.
    static constexpr const char* kEndpointName = "demo";

    // Without a controller, the demo mount's own is made.
    DemoConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                          std::shared_ptr<ICancellable> cancellable,
                          std::shared_ptr<Sim::MotorController> controller = nullptr);

    // The demo mount's controller: a 3.10 mount with the polar-scope light and dithering.
    static std::shared_ptr<Sim::MotorController> makeController();
    // Its controller with these link faults too (see Sim::applyFaultSpec); empty with the
    // reason in error when the text is not understood.
    static std::shared_ptr<Sim::MotorController> makeController(std::string_view faultSpec,
                                                                std::string* error);
    ~DemoConnectableHelper() override;

    QVariant devicesList() const override { return {}; }
    void startConnect() override;
    void selectDevice(int) override {}
    void reopen(const std::string&) override { startConnect(); }
    // The demo mount is always a model the console drives: no check is made.
    void setDeviceFilter(DeviceFilter) override {}
    void setOnConnected(OnConnected callback) override;
    bool busy() const override { return work_.busy(); }

    // The simulated controller itself (for tests).
    const std::shared_ptr<Sim::MotorController>& controller() const { return controller_; }

private:
    void bg_connect();

    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ICancellable> cancellable_;
    std::shared_ptr<Sim::MotorController> controller_;
    mutable std::mutex mutex_;
    OnConnected onConnected_;
    SingleFlight work_;
};

} // namespace JEX
