#pragma once
// Connects over the configured serial port: opens it, finds the speed at which the motor
// controller answers, raises the speed as far as the settings allow, and hands the link
// on. There is no device list.

#include "DetachedThread.h"
#include "DeviceFactories.h"
#include "IConnectableHelper.h"
#include "IConnectionSettings.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>

namespace JEX {

// Create with std::make_shared: the connect thread holds the helper while it runs.
class SerialConnectableHelper : public IConnectableHelper,
                                public std::enable_shared_from_this<SerialConnectableHelper> {
    Q_OBJECT
public:
    // Speeds in bits per second, tried in this order.
    static constexpr std::array<uint32_t, 2> kProbeBaudRates{115200, 9600};
    static constexpr std::array<uint32_t, 2> kRaiseBaudRates{921600, 115200};

    // Where the system keeps a name for each serial adapter that stays the same whatever
    // device node the adapter gets when it is plugged in again.
    static constexpr const char* kStableNamesDir = "/dev/serial/by-id";

    SerialConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                            std::shared_ptr<ISerialJexDeviceFactory> deviceFactory,
                            std::string stableNamesDir = kStableNamesDir);

    QVariant devicesList() const override { return {}; }
    void startConnect() override;
    void selectDevice(int) override {}
    // The port the link went through, or the adapter's stable name when it had one: an adapter
    // plugged in again may come back under another device node.
    void reopen(const std::string& endpoint) override;
    // Serial links make no model check.
    void setDeviceFilter(DeviceFilter) override {}
    void setOnConnected(OnConnected callback) override;
    bool busy() const override { return work_.busy(); }

    // The detail of the failure reports, translated in the context "mount".
    static std::string cannotOpenText();
    static std::string communicationErrorText();

    // The entry of the folder that names the same device as the port; empty when none does.
    static std::string stableNameOf(const std::string& portName, const std::string& folder);

private:
    void bg_connect(const std::string& portName);

    std::shared_ptr<IConnectionSettings> settings_;
    std::shared_ptr<ISerialJexDeviceFactory> deviceFactory_;
    mutable std::mutex mutex_;
    OnConnected onConnected_;
    const std::string stableNamesDir_;
    // The port of the last link handed on, and its stable name.
    std::string openedPort_;
    std::string openedStableName_;
    SingleFlight work_;
};

} // namespace JEX
