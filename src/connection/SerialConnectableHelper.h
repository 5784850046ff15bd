#pragma once
// Connects over the configured serial port: opens it, finds the speed at which the motor
// controller answers, raises the speed as far as the settings allow, and hands the link
// on. There is no device list.

#include "DeviceFactories.h"
#include "DetachedThread.h"
#include "IConnectableHelper.h"
#include "IConnectionSettings.h"

#include <array>
#include <memory>
#include <mutex>

namespace JEX {

// Create with std::make_shared: the connect thread holds the helper while it runs.
class SerialConnectableHelper : public IConnectableHelper,
                                public std::enable_shared_from_this<SerialConnectableHelper> {
    Q_OBJECT
public:
    // Speeds in bits per second, tried in this order.
    static constexpr std::array<uint32_t, 2> kProbeBaudRates{115200, 9600};
    static constexpr std::array<uint32_t, 2> kRaiseBaudRates{921600, 115200};

    SerialConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                            std::shared_ptr<ISerialJexDeviceFactory> deviceFactory);

    QVariant devicesList() const override { return {}; }
    void startConnect() override;
    void selectDevice(int) override {}
    // Serial links make no model check.
    void setDeviceFilter(DeviceFilter) override {}
    void setOnConnected(OnConnected callback) override;
    bool busy() const override { return work_.busy(); }

    // The detail of the failure reports, translated in the context "mount".
    static std::string cannotOpenText();
    static std::string communicationErrorText();

private:
    void bg_connect();

    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ISerialJexDeviceFactory> deviceFactory_;
    mutable std::mutex mutex_;
    OnConnected onConnected_;
    SingleFlight work_;
};

} // namespace JEX
